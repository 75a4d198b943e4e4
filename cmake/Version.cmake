# SPDX-License-Identifier: GPL-3.0-or-later
# The release this source is: the newest entry of debian/changelog, the one place that names it.
#   THALREX_VERSION       e.g. 1.3a; the programs, the About box, the manual pages, the
#                         AppStream release and the Debian packages all show it
#   THALREX_RELEASE_DATE  the entry's date as YYYY-MM-DD
block(PROPAGATE THALREX_VERSION THALREX_RELEASE_DATE)
set(changelog ${PROJECT_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} entry_lines REGEX "^(thalrex \\(| -- )" LIMIT_COUNT 2)
list(GET entry_lines 0 heading)
list(GET entry_lines 1 trailer)
if(NOT heading MATCHES "^thalrex \\(([^)]+)\\)")
  message(FATAL_ERROR "${changelog}: the first entry names no version: ${heading}")
endif()
set(THALREX_VERSION ${CMAKE_MATCH_1})
# " -- Name <address>  Tue, 08 Dec 2026 12:00:00 +0000"
if(NOT trailer MATCHES ", ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "${changelog}: the first entry has no date: ${trailer}")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
set(THALREX_RELEASE_DATE ${year}-${month}-${day})
endblock()
