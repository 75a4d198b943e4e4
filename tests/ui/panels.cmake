# Skill panels, edit dialogs and portraits.
thalrex_add_test(ui_panels_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/skill_panels_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edit_dialogs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/portraits_test.cpp
  LIBS thalrex_ui thalrex_test_desktop Qt6::Test)
