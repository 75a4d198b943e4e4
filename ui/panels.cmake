# SPDX-License-Identifier: GPL-3.0-or-later
# Skill panels, edit dialogs and the built-in portraits, part of thalrex_ui.
target_sources(thalrex_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/skill_binding.h ${CMAKE_CURRENT_LIST_DIR}/skill_binding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ds_shape.h ${CMAKE_CURRENT_LIST_DIR}/ds_shape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ds_button.h ${CMAKE_CURRENT_LIST_DIR}/ds_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ds_label.h ${CMAKE_CURRENT_LIST_DIR}/ds_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skill_icons.h ${CMAKE_CURRENT_LIST_DIR}/skill_icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skill_panels.h ${CMAKE_CURRENT_LIST_DIR}/skill_panels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/typing_filter.h ${CMAKE_CURRENT_LIST_DIR}/typing_filter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_dialog.h ${CMAKE_CURRENT_LIST_DIR}/entry_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_name.h ${CMAKE_CURRENT_LIST_DIR}/frm_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_gold.h ${CMAKE_CURRENT_LIST_DIR}/frm_gold.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_race.h ${CMAKE_CURRENT_LIST_DIR}/frm_race.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_portraits.h ${CMAKE_CURRENT_LIST_DIR}/frm_portraits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_commands.h ${CMAKE_CURRENT_LIST_DIR}/edit_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/panels_wiring.h ${CMAKE_CURRENT_LIST_DIR}/panels_wiring.cpp)

# The pictures are drawn by portraits/draw_portraits.py; the bitmaps it writes are kept here.
qt_add_resources(thalrex_ui "portraits" PREFIX /portraits
  BASE ${CMAKE_CURRENT_LIST_DIR}/portraits
  FILES
    ${CMAKE_CURRENT_LIST_DIR}/portraits/0-farmboy.bmp
    ${CMAKE_CURRENT_LIST_DIR}/portraits/1-farmgirl.bmp
    ${CMAKE_CURRENT_LIST_DIR}/portraits/2-dwarf.bmp
    ${CMAKE_CURRENT_LIST_DIR}/portraits/3-skeleton.bmp
    ${CMAKE_CURRENT_LIST_DIR}/portraits/4-skullhelm.bmp
    ${CMAKE_CURRENT_LIST_DIR}/portraits/5-skullward.bmp)
