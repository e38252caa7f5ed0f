# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# The build's copy of a folder mirrors its source: a file removed from the
# source goes from the copy, a changed file is copied again, and files that
# the build makes in the copy itself (KEEP) stay. Then the real copy of the
# pictures is checked against assets/.
#   cmake -DSCRIPT=mirror.cmake -DWORK=dir -DASSETS=src -DPAGES=screens -DBUILT=bin/assets -P mirror_test.cmake
# expect("what must hold" CONDITION...)
macro(expect message)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${message}")
  endif()
endmacro()

function(mirror)
  execute_process(COMMAND ${CMAKE_COMMAND} ${ARGN} -P ${SCRIPT} RESULT_VARIABLE rc OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "mirror.cmake failed: ${rc}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/src/a.svg "a")
file(WRITE ${WORK}/src/sub/b.svg "b")
file(WRITE ${WORK}/dst/made.svg "made by the build")
file(WRITE ${WORK}/dst/own.txt "not ours")
mirror(-DSOURCE=${WORK}/src -DDEST=${WORK}/dst -DRECORD=${WORK}/record.txt)
expect("a file of the source is copied" EXISTS ${WORK}/dst/sub/b.svg)
file(REMOVE ${WORK}/src/sub/b.svg)
file(WRITE ${WORK}/src/a.svg "changed")
mirror(-DSOURCE=${WORK}/src -DDEST=${WORK}/dst -DRECORD=${WORK}/record.txt)
expect("a file removed from the source is removed from the copy" NOT EXISTS ${WORK}/dst/sub/b.svg)
file(READ ${WORK}/dst/a.svg content)
expect("a changed file is copied again" content STREQUAL "changed")
expect("without KEEP, a file the mirror never copied is left alone" EXISTS ${WORK}/dst/own.txt)
mirror(-DSOURCE=${WORK}/src -DDEST=${WORK}/dst -DRECORD=${WORK}/record.txt "-DKEEP=^made[.]svg$")
expect("a file matching KEEP stays" EXISTS ${WORK}/dst/made.svg)
expect("with KEEP, any other file the source lacks goes" NOT EXISTS ${WORK}/dst/own.txt)
file(REMOVE_RECURSE ${WORK})

# A page folder's pictures and manifest land where the program looks them up.
file(WRITE ${WORK}/src/kit/k.svg "k")
file(WRITE ${WORK}/screens/topic/form7/page.svg "page")
file(WRITE ${WORK}/screens/topic/form7/manifest.tsv "rows")
file(WRITE ${WORK}/screens/topic/form7/form7.cpp "code")
mirror(-DSOURCE=${WORK}/src -DDEST=${WORK}/dst -DRECORD=${WORK}/record.txt -DPAGES=${WORK}/screens)
expect("a page's picture is copied under pages/" EXISTS ${WORK}/dst/pages/form7/page.svg)
expect("a page's manifest is copied under manifest/" EXISTS ${WORK}/dst/manifest/form7.tsv)
expect("a page's code is not copied" NOT EXISTS ${WORK}/dst/pages/form7/form7.cpp)
file(REMOVE ${WORK}/screens/topic/form7/page.svg)
mirror(-DSOURCE=${WORK}/src -DDEST=${WORK}/dst -DRECORD=${WORK}/record.txt -DPAGES=${WORK}/screens)
expect("a picture removed from its page folder is removed from the copy" NOT EXISTS ${WORK}/dst/pages/form7/page.svg)
file(REMOVE_RECURSE ${WORK})

# The real copy: exactly the sources, plus the cards that the build sets and
# the title page's pictures it draws ahead.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/page_files.cmake)
file(GLOB_RECURSE sources RELATIVE ${ASSETS} LIST_DIRECTORIES false ${ASSETS}/*)
nizam_page_files(${PAGES} page_from page_to)
list(APPEND sources ${page_to})
file(GLOB_RECURSE built RELATIVE ${BUILT} LIST_DIRECTORIES false ${BUILT}/*)
foreach(f IN LISTS sources)
  expect("${BUILT}/${f} is missing from the build" EXISTS ${BUILT}/${f})
endforeach()
foreach(f IN LISTS built)
  if(NOT f IN_LIST sources AND NOT f MATCHES "^(cards/[^/]+[.]svg|prerendered/[^/]+[.]argb)$")
    message(FATAL_ERROR "${BUILT}/${f} is not in ${ASSETS} nor in a page folder")
  endif()
endforeach()
