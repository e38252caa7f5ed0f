# SPDX-License-Identifier: GPL-3.0-or-later
# For the fixture tests of the checking tools: fails unless `said` (what a
# check printed) holds every line of the list `expected`, and names as many
# places (matches of PLACE_PATTERN, "file:line:") as there are lines, so a
# place named twice or one too many is caught too. NOUN names what is counted.
function(said_exactly said expected place_pattern noun)
  foreach(line IN LISTS expected)
    string(FIND "${said}" "${line}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the check did not say: ${line}\nIt said:\n${said}")
    endif()
  endforeach()
  string(REGEX MATCHALL "${place_pattern}" told "${said}")
  list(LENGTH told count)
  list(LENGTH expected wanted)
  if(NOT count EQUAL wanted)
    message(FATAL_ERROR "the check named ${count} ${noun}, not ${wanted}:\n${said}")
  endif()
endfunction()
