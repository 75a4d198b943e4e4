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

# Not a test: photographs the window after a melee drag, its fraction labels and the portrait
# picker's preview (scripts/panels-screenshot.sh).
add_executable(panels_screenshot ${CMAKE_CURRENT_LIST_DIR}/panels_screenshot.cpp)
set_target_properties(panels_screenshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(panels_screenshot PRIVATE thalrex_ui Qt6::Test)

# The hero's name as game text in the window, the settings file and the export.
target_sources(ui_window_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/hero_text_test.cpp)
