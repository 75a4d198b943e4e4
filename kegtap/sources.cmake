# SPDX-License-Identifier: GPL-3.0-or-later
# The library's sources, shared with the fuzzing build in fuzz/.
set(KEGTAP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/kegtap.h
  ${CMAKE_CURRENT_LIST_DIR}/content_decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_exports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/error_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_extraction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/handle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/legacy_extraction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/output_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/posix_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tank.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tank_index.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tank_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tank_tree.cpp)
