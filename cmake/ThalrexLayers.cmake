# SPDX-License-Identifier: GPL-3.0-or-later
# The layers, lowest first. Each folder holds one target, and tests/ mirrors the folders; the
# Qt layers are left out of a build without THALREX_GUI.
set(THALREX_LAYERS text gas hero kegtap settings exchange session ui app tools)
set(THALREX_QT_LAYERS settings exchange session ui app)

# Adds the folder of every layer that has one under the current folder, after the given
# folders.
function(thalrex_add_layer_folders)
  foreach(folder IN LISTS ARGN THALREX_LAYERS)
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt)
      continue()
    endif()
    if(folder IN_LIST THALREX_QT_LAYERS AND NOT THALREX_GUI)
      continue()
    endif()
    add_subdirectory(${folder})
  endforeach()
endfunction()
