# SPDX-License-Identifier: GPL-3.0-or-later
# Skill panels, edit dialogs and portraits.
thalrex_add_test(ui_panels_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/skill_panels_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edit_dialogs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/portraits_test.cpp
  LIBS thalrex_ui thalrex_test_application Qt6::Test)

# The Edit menu and a drag in the whole window, on the main window's test fixture.
target_sources(ui_window_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/edit_menu_test.cpp)
target_link_libraries(ui_window_tests PRIVATE Qt6::Test)


# The hero's name as game text in the window, the settings file and the export.
target_sources(ui_window_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/hero_text_test.cpp)
