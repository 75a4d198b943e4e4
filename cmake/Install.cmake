# SPDX-License-Identifier: GPL-3.0-or-later
# Installed layout: one program folder, lib/thalrex/, holding the editor, libkegtap.so, the tools
# and the help page side by side (the editor finds kegtap and its help beside itself), links to the
# programs in bin/, the C header and a pkg-config file for C callers of kegtap, and the desktop
# entry with its icon. The editor keeps its settings and imports in the user's XDG folders, never in
# an installed program folder (THALREX_INSTALL_PROGRAM_DIR, set beside THALREX_PROGRAM_DIR).

# Programs that run from the program folder and find libkegtap.so beside them.
set(thalrex_installed_programs thalrex kegtap_cli tankcreator gastool)
foreach(program IN LISTS thalrex_installed_programs)
  if(NOT TARGET ${program})
    continue()
  endif()
  set_target_properties(${program} PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${program} RUNTIME DESTINATION ${THALREX_INSTALL_PROGRAM_DIR})
  install(CODE "
    set(link_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${link_dir}\")
    file(CREATE_LINK \"../${THALREX_INSTALL_PROGRAM_DIR}/$<TARGET_FILE_NAME:${program}>\"
      \"\${link_dir}/$<TARGET_FILE_NAME:${program}>\" SYMBOLIC)
    message(STATUS \"Installing link: \${link_dir}/$<TARGET_FILE_NAME:${program}>\")")
endforeach()

if(TARGET kegtap)
  # libkegtap.so.0.5.0.2, its SONAME link and the libkegtap.so link that the editor loads.
  install(TARGETS kegtap LIBRARY DESTINATION ${THALREX_INSTALL_PROGRAM_DIR})
  install(FILES ${PROJECT_SOURCE_DIR}/kegtap/kegtap.h DESTINATION include)
  get_target_property(THALREX_KEGTAP_VERSION kegtap VERSION)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/kegtap.pc.in
    ${PROJECT_BINARY_DIR}/packaging/kegtap.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/kegtap.pc DESTINATION lib/pkgconfig)
endif()

# The help page that Help opens, with what it shows.
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/help)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/help DESTINATION ${THALREX_INSTALL_PROGRAM_DIR})
endif()

if(TARGET thalrex)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/thalrex.desktop DESTINATION share/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/ui/images/thalrex.png
    DESTINATION share/icons/hicolor/256x256/apps)
endif()
