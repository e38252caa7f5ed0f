# SPDX-License-Identifier: GPL-3.0-or-later
# The include check on a small tree of files that break each rule once, and
# keep to it on their other lines: it must fail, name each offending line
# and only those.
#
#   cmake -DCHECK=<layers_test.cmake> -DFIXTURE=<folder> -P layers_fixture_test.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${FIXTURE} -P ${CHECK}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(said "${out}${err}")
if(status EQUAL 0)
  message(FATAL_ERROR "the check passed a tree that breaks the layers:\n${said}")
endif()
set(expected
  "runtime/clock.h:4: runtime/ may include the standard library only, not <QString>"
  "runtime/clock.h:6: runtime/ may not include \"media/movie_player.h\""
  "runtime/clock.h:7: runtime/ may not include \"app/navigator.h\""
  "media/play.cpp:3: media/ may not include \"screens/screens.h\""
  "media/play.cpp:4: media/ may include the standard library only, not <unistd.h>"
  "screens/unit/page.cpp:3: screens/ may not include \"platform/fonts.h\""
  "screens/unit/page.cpp:4: screens/ may not include \"app/page_titles.h\""
  "platform/window.cpp:4: platform/ may not include \"app/navigator.h\""
  "platform/window.cpp:5: platform/ may not include \"screens/screens.h\"")
include(${CMAKE_CURRENT_LIST_DIR}/said_exactly.cmake)
said_exactly("${said}" "${expected}" "[a-z/]+\\.(h|cpp):[0-9]+:" lines)
