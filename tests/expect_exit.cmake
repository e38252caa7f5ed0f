# Runs PROGRAM on FILE and checks its exit status is EXPECT and that its
# message names the file and a line (or, with -DNO_LINE=1, the file alone, for
# what is refused before any line is read: a folder, an endless device).
# Every message must be printable: no control byte other than the line ends.
execute_process(COMMAND ${PROGRAM} ${FILE} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
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
string(REGEX MATCH "[\x01-\x08\x0b-\x0c\x0e-\x1f\x7f]" control "${err}")
if(control)
  message(FATAL_ERROR "the message holds a control byte:\n${err}")
endif()
