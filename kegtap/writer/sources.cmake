# SPDX-License-Identifier: GPL-3.0-or-later
# The writer shares the reader's description of the format.
set(TANKWRITER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/content_encoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tank_header_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tank_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tank_layout.cpp)
