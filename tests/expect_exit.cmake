# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM on FILE and checks its exit status is EXPECT and that its
# message names the file and a line (or, with -DNO_LINE=1, the file alone, for
# what is refused before any line is read: a folder, an endless device).
# With -DFAILS=1 the file runs and fails a step: the FAIL line on standard
# output must name the file and line. -DHOST=NAME picks the host.
# Every message must be printable: no control byte other than the line ends.
set(args)
if(HOST)
  set(args --host ${HOST})
endif()
execute_process(COMMAND ${PROGRAM} ${args} ${FILE} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(FAILS)
  set(err "${out}")
endif()
if(NOT rc EQUAL ${EXPECT})
  message(FATAL_ERROR "exit status ${rc}, expected ${EXPECT}\n${out}${err}")
endif()
get_filename_component(name ${FILE} NAME)
if(NO_LINE)
  set(pattern "${name}: ")
else()
  set(pattern "${name}:[0-9]+: ")
endif()
if(NOT err MATCHES "${pattern}")
  message(FATAL_ERROR "the message does not name the file and line:\n${err}")
endif()
foreach(code RANGE 1 31)
  if(code EQUAL 10 OR code EQUAL 13)
    continue()
  endif()
  string(ASCII ${code} control)
  string(FIND "${out}${err}" "${control}" at)
  if(at GREATER -1)
    message(FATAL_ERROR "the output holds the control byte ${code}:\n${out}${err}")
  endif()
endforeach()
