# SPDX-License-Identifier: GPL-3.0-or-later
# Sets two cards from a table and checks their size, text and clear margin;
# a malformed line is refused with its line number.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/t.tsv "# two labels\nneed\t120\t30\tالحاجة\nwide\t160\t24\tجهاز إنذار منزلي\t30\n")
execute_process(COMMAND ${PROGRAM} ${FONTS} ${WORK}/out ${WORK}/t.tsv RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nizam-cards failed: ${out}${err}")
endif()
file(READ ${WORK}/out/need.svg need)
if(NOT need MATCHES "width=\"120\" height=\"30\" viewBox=\"0 0 120 30\"" OR NOT need MATCHES ">الحاجة</text>")
  message(FATAL_ERROR "unexpected card:\n${need}")
endif()
file(READ ${WORK}/out/wide.svg wide)
# The text is centred in the part the figure leaves free: right of x = 30,
# about x = 95 (the whole card's middle is 80).
# A card whose text element cannot be found fails here rather than passing
# the margin check unchecked.
string(REGEX MATCH "<text x=\"([0-9]+(\\.[0-9]+)?)\"" m "${wide}")
if(NOT m)
  message(FATAL_ERROR "no <text x=\"...\"> element in the card:\n${wide}")
endif()
set(x "${CMAKE_MATCH_1}")
if(x LESS 88 OR x GREATER 102)
  message(FATAL_ERROR "the text is centred at x = ${x}, not in the part right of x = 30:\n${wide}")
endif()
file(WRITE ${WORK}/bad.tsv "ok\t10\t10\tنعم\nbroken\tten\t10\tلا\n")
execute_process(COMMAND ${PROGRAM} ${FONTS} ${WORK}/out ${WORK}/bad.tsv RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "bad.tsv:2:")
  message(FATAL_ERROR "a malformed line was not refused with its number: ${err}")
endif()
