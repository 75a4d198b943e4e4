# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout, under any prefix (`cmake --install build --prefix DIR`, or a distribution's
# package; LIBDIR is the GNU library folder, lib/<multiarch> on Debian with the prefix /usr):
#   bin/                       kegtap, tankcreator, gastool, and a link to the editor
#   lib/thalrex/               the editor's program folder: thalrex, and links to its help page and
#                              to tankcreator, which the editor looks for beside itself
#   LIBDIR/                    libkegtap.so.0.5.0.2, its SONAME link libkegtap.so.0 (which the
#                              editor loads through the dynamic loader), the link libkegtap.so and
#                              pkgconfig/kegtap.pc
#   include/kegtap.h
#   share/thalrex/help/        the help page
#   share/man/man1/            the manual pages
#   share/applications, icons, metainfo, mime: the desktop entry, the icon (SVG and PNG sizes), the
#                              AppStream metainfo and the .dsparty file type
# The editor never keeps its settings and imports in an installed program folder, whoever runs it:
# they go to the user's XDG folders (THALREX_INSTALL_PROGRAM_DIR is set beside THALREX_PROGRAM_DIR,
# where the editor's start-up learns it).
include(GNUInstallDirs)
set(THALREX_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/thalrex)

# Where the desktop's software centres know the editor by, and where its pages and the screenshots
# of docs/ are published.
set(THALREX_APP_ID example.c_seed_1d7d3528.thalrex CACHE STRING "The editor's AppStream ID")
set(THALREX_HOMEPAGE https://c-seed-1d7d3528.example/thalrex
  CACHE STRING "The project's web address; docs/ is published beneath it")

# install_link(LINK TARGET): a relative symbolic link at LINK (relative to the prefix) to TARGET
# (relative to the prefix), made under whatever prefix the installation is run with.
function(install_link link target)
  get_filename_component(link_dir ${link} DIRECTORY)
  file(RELATIVE_PATH relative /${link_dir} /${target})
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
    get_filename_component(link_dir \"\${link}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${link_dir}\")
    file(CREATE_LINK \"${relative}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Installing link: \${link} -> ${relative}\")")
endfunction()

# The library folder seen from the program folder: an installed editor that finds libkegtap.so.0
# there binds it by its SONAME.
file(RELATIVE_PATH library_from_program /${THALREX_INSTALL_PROGRAM_DIR} /${CMAKE_INSTALL_LIBDIR})
string(REGEX REPLACE "([^/])$" "\\1/" THALREX_LIBRARY_FROM_PROGRAM ${library_from_program})
configure_file(${PROJECT_SOURCE_DIR}/cmake/thalrex_install_layout.h.in
  ${PROJECT_BINARY_DIR}/generated/thalrex_install_layout.h @ONLY)

# Outside the system's library folders, the programs find libkegtap.so.0 through their RUNPATH,
# relative to themselves, so that the installed tree may be moved; in a system library folder
# nothing installed carries a RUNPATH (not even the one qt_standard_project_setup proposes).
list(FIND CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES ${CMAKE_INSTALL_FULL_LIBDIR} system_library_dir)
foreach(program thalrex kegtap_cli tankcreator gastool)
  if(NOT TARGET ${program})
    continue()
  endif()
  set(program_dir ${CMAKE_INSTALL_BINDIR})
  if(program STREQUAL thalrex)
    set(program_dir ${THALREX_INSTALL_PROGRAM_DIR})
  endif()
  set(runpath "")
  if(system_library_dir EQUAL -1)
    file(RELATIVE_PATH library_dir /${program_dir} /${CMAKE_INSTALL_LIBDIR})
    string(REGEX REPLACE "/$" "" library_dir ${library_dir})
    set(runpath "$ORIGIN/${library_dir}")
  endif()
  set_target_properties(${program} PROPERTIES INSTALL_RPATH "${runpath}")
  install(TARGETS ${program} RUNTIME DESTINATION ${program_dir})
endforeach()

if(TARGET kegtap)
  set_target_properties(kegtap PROPERTIES INSTALL_RPATH "")
  install(TARGETS kegtap LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/kegtap/kegtap.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  # The pkg-config file names the prefix the installation is run with.
  get_target_property(kegtap_version kegtap VERSION)
  install(CODE "
    set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
    set(libdir \"\\\${prefix}/${CMAKE_INSTALL_LIBDIR}\")
    set(includedir \"\\\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}\")
    set(version ${kegtap_version})
    configure_file(${PROJECT_SOURCE_DIR}/packaging/kegtap.pc.in
      ${PROJECT_BINARY_DIR}/packaging/kegtap.pc @ONLY)
    file(INSTALL ${PROJECT_BINARY_DIR}/packaging/kegtap.pc
      DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig\")")
endif()

# Manual pages, written in scdoc, each installed with its program.
find_program(SCDOC scdoc REQUIRED)
set(manual_pages)
foreach(program thalrex gastool kegtap_cli tankcreator)
  if(NOT TARGET ${program})
    continue()
  endif()
  get_target_property(page ${program} OUTPUT_NAME)
  if(NOT page)
    set(page ${program})
  endif()
  set(source ${PROJECT_BINARY_DIR}/man/${page}.1.scd)
  set(output ${PROJECT_BINARY_DIR}/man/${page}.1)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${page}.1.scd.in ${source} @ONLY)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "\"$0\" < \"$1\" > \"$2\"" ${SCDOC} ${source} ${output}
    DEPENDS ${source} VERBATIM)
  list(APPEND manual_pages ${output})
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${manual_pages})
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET thalrex)
  install_link(${CMAKE_INSTALL_BINDIR}/thalrex ${THALREX_INSTALL_PROGRAM_DIR}/thalrex)
  install_link(${THALREX_INSTALL_PROGRAM_DIR}/tankcreator ${CMAKE_INSTALL_BINDIR}/tankcreator)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/help DESTINATION ${THALREX_INSTALL_DATA_DIR})
  install_link(${THALREX_INSTALL_PROGRAM_DIR}/help ${THALREX_INSTALL_DATA_DIR}/help)

  install(FILES ${PROJECT_SOURCE_DIR}/packaging/thalrex.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/thalrex-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME thalrex.xml)
  set(metainfo ${PROJECT_BINARY_DIR}/packaging/${THALREX_APP_ID}.metainfo.xml)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/thalrex.metainfo.xml.in ${metainfo} @ONLY)
  install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icon: the scalable picture and the usual fixed sizes drawn from it.
  set(icon ${PROJECT_SOURCE_DIR}/packaging/thalrex.svg)
  set(icons_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${icon} DESTINATION ${icons_dir}/scalable/apps)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(icon_pictures)
  foreach(size 16 22 24 32 48 64 128 256 512)
    set(picture ${PROJECT_BINARY_DIR}/icons/${size}x${size}/thalrex.png)
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/icons/${size}x${size})
    add_custom_command(OUTPUT ${picture}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${picture} ${icon}
      DEPENDS ${icon} VERBATIM)
    install(FILES ${picture} DESTINATION ${icons_dir}/${size}x${size}/apps)
    list(APPEND icon_pictures ${picture})
  endforeach()
  add_custom_target(icons ALL DEPENDS ${icon_pictures})
endif()
