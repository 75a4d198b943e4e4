# thalrex_add_test(NAME SOURCES file... LIBS target...)
# One GoogleTest executable whose cases each become a ctest test, run headless
# with the paths the tests need in their environment.
function(thalrex_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  # The environment is set from an include file of its own: passed through
  # gtest_discover_tests, its list would be split into separate properties.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_LIST ${name}_TESTS)
  set(environment
    "QT_QPA_PLATFORM=offscreen;THALREX_SOURCE_DIR=${PROJECT_SOURCE_DIR};THALREX_REALDATA_DIR=${PROJECT_SOURCE_DIR}/../shared/realdata;THALREX_PROGRAM_DIR=${THALREX_PROGRAM_DIR}")
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
  file(WRITE ${script}
    "if(${name}_TESTS)\n  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT \"${environment}\")\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
