# Runs PROGRAM on FILE and checks its exit status is EXPECT and that its
# message names the file and a line.
execute_process(COMMAND ${PROGRAM} ${FILE} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL ${EXPECT})
  message(FATAL_ERROR "exit status ${rc}, expected ${EXPECT}\n${out}${err}")
endif()
get_filename_component(name ${FILE} NAME)
if(NOT err MATCHES "${name}:[0-9]+: ")
  message(FATAL_ERROR "the message does not name the file and line:\n${err}")
endif()
