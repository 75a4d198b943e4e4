# SPDX-License-Identifier: GPL-3.0-or-later
# The layer's sources, shared with the fuzzing build in fuzz/.
set(TEXT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/utf8.h
  ${CMAKE_CURRENT_LIST_DIR}/utf8.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows1252.h
  ${CMAKE_CURRENT_LIST_DIR}/windows1252.cpp)
