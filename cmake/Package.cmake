# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the installed layout under /usr: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME thalrex)
set(CPACK_PACKAGE_VENDOR "Thalrex developers")
set(CPACK_PACKAGE_CONTACT "Thalrex developers <thalrex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Editor for the hero of a Dungeon Siege saved party, with the kegtap Tank archive reader")
set(CPACK_PACKAGE_DESCRIPTION
  "Thalrex imports a Dungeon Siege saved party (.dsparty), shows and edits its hero (name, gold,\
 model, portrait, skills and attributes, with undo) and exports it again. It ships libkegtap, a C\
 library that extracts Tank archives, with its header, pkg-config file and the kegtap and\
 tankcreator command-line tools.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies (Qt, zlib, libdeflate, liblzo2, libstdc++) as dpkg-shlibdeps finds them in the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libkegtap.so lives in the program folder, not in a system library folder.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${THALREX_PROGRAM_DIR})
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
set(CPACK_STRIP_FILES ON)
include(CPack)
