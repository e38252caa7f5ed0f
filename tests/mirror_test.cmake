cmake_minimum_required(VERSION 3.25)
# The build's copy of a folder mirrors its source: a file removed from the
# source goes from the copy, a changed file is copied again, and files that
# the build makes in the copy itself (KEEP) stay. Then the real copy of the
# pictures is checked against assets/.
#   cmake -DSCRIPT=mirror.cmake -DWORK=dir -DASSETS=src -DBUILT=bin/assets -P mirror_test.cmake
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

# The real copy: exactly the sources, plus the cards that the build sets and
# the title page's pictures it draws ahead.
file(GLOB_RECURSE sources RELATIVE ${ASSETS} LIST_DIRECTORIES false ${ASSETS}/*)
file(GLOB_RECURSE built RELATIVE ${BUILT} LIST_DIRECTORIES false ${BUILT}/*)
foreach(f IN LISTS sources)
  expect("${BUILT}/${f} is missing from the build" EXISTS ${BUILT}/${f})
endforeach()
foreach(f IN LISTS built)
  if(NOT f IN_LIST sources AND NOT f MATCHES "^(cards/[^/]+[.]svg|prerendered/[^/]+[.]argb)$")
    message(FATAL_ERROR "${BUILT}/${f} is not in ${ASSETS}")
  endif()
endforeach()
