# SPDX-License-Identifier: GPL-3.0-or-later
set(TANKWRITER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/content_encoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tank_header_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tank_writer.cpp)
