# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)

# Copies the files of SOURCE into DEST so that DEST holds what SOURCE holds:
# changed files are copied, and a file that is gone from SOURCE goes from
# DEST too (copy_directory only ever adds, so a removed picture would stay in
# a reused build folder and still be found by the program).
#
#   cmake -DSOURCE=dir -DDEST=dir -DRECORD=file [-DPAGES=dir] [-DKEEP=regex] -P mirror.cmake
#
# With PAGES (the screens/ folder), each page folder's pictures and manifest
# are copied too, to where the program looks them up (see page_files.cmake).
# RECORD lists the files copied by the last run, relative to DEST; those no
# longer in the sources are removed. With KEEP, DEST is DEST's own: every
# other file in it that the sources lack is removed as well, except the
# relative paths matching KEEP (files that the build makes there itself).
foreach(var SOURCE DEST RECORD)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "mirror.cmake: ${var} is not set")
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/page_files.cmake)

file(GLOB_RECURSE sources RELATIVE ${SOURCE} LIST_DIRECTORIES false ${SOURCE}/*)
set(from "")
foreach(f IN LISTS sources)
  list(APPEND from ${SOURCE}/${f})
endforeach()
if(DEFINED PAGES)
  nizam_page_files(${PAGES} page_from page_to)
  list(APPEND from ${page_from})
  list(APPEND sources ${page_to})
endif()

foreach(src f IN ZIP_LISTS from sources)
  get_filename_component(dir ${DEST}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${src} ${DEST}/${f} ONLY_IF_DIFFERENT)
endforeach()

set(stale "")
if(EXISTS ${RECORD})
  file(STRINGS ${RECORD} previous)
  list(APPEND stale ${previous})
endif()
if(DEFINED KEEP)
  file(GLOB_RECURSE present RELATIVE ${DEST} LIST_DIRECTORIES false ${DEST}/*)
  foreach(f IN LISTS present)
    if(NOT f MATCHES "${KEEP}")
      list(APPEND stale ${f})
    endif()
  endforeach()
endif()
list(REMOVE_DUPLICATES stale)
foreach(f IN LISTS stale)
  if(NOT f IN_LIST sources AND EXISTS ${DEST}/${f})
    message(STATUS "Removing ${DEST}/${f}: no longer in the sources")
    file(REMOVE ${DEST}/${f})
  endif()
endforeach()

list(JOIN sources "\n" listing)
file(WRITE ${RECORD} "${listing}\n")
