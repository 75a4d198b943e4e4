# SPDX-License-Identifier: GPL-3.0-or-later
# Real files made by the game's tools, kept beside the repository; a clone without them skips the
# tests that use them.
get_filename_component(default_realdata "${PROJECT_SOURCE_DIR}/../shared/realdata" ABSOLUTE)
set(THALREX_REALDATA_DIR "${default_realdata}" CACHE PATH "The folder of the real-data files")

# thalrex_add_test(NAME SOURCES file... LIBS target...)
# One GoogleTest executable whose cases each become a ctest test, run headless
# with the paths the tests need in their environment.
function(thalrex_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_LIST ${name}_TESTS)
  # The environment list is set once the tests are known: handed to gtest_discover_tests as a
  # property, its ";" would split it into separate arguments and only the first variable would
  # be set.
  set(environment "QT_QPA_PLATFORM=offscreen;THALREX_SOURCE_DIR=${PROJECT_SOURCE_DIR};THALREX_REALDATA_DIR=${THALREX_REALDATA_DIR};THALREX_PROGRAM_DIR=${THALREX_PROGRAM_DIR}")
  set(environment_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
  file(WRITE ${environment_file}
    "if(${name}_TESTS)\n"
    "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT [==[${environment}]==])\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${environment_file})
endfunction()
