# SPDX-License-Identifier: GPL-3.0-or-later
# The glossary check on a small tree that puts a variant back in a card (once
# without its hamza and drawn out with a tatweel), in a page drawing (once
# broken over two lines, once with vowel marks), in the kit and in a scene:
# it must fail and name each one, with its file and line, and only those (an
# allowed product name and a comment are not texts to blame).
#
#   cmake -DPROGRAM=<nizam-glossary> -DGLOSSARY=<glossary.tsv> -DFIXTURE=<folder> -P glossary_fixture_test.cmake
execute_process(COMMAND ${PROGRAM} ${GLOSSARY} ${FIXTURE}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(said "${out}${err}")
if(NOT status EQUAL 1)
  message(FATAL_ERROR "the check ended with ${status}, not 1, on a tree that uses variants:\n${said}")
endif()
set(expected
  "screens/prior_knowledge/form90/cards.tsv:4: «الوظيفة الخدمية» says «الوظيفة الخدمية»"
  "screens/prior_knowledge/form90/cards.tsv:6: «الوظيفة الاجمـالية» says «الوظيفة الإجمالية»"
  "screens/prior_knowledge/form90/page.svg:3: «أجب عن أسئلة التحقق من صلاحية الحاجة» says «التحقق من صلاحية الحاجة»"
  "screens/prior_knowledge/form90/page.svg:3: «أجب عن أسئلة التحقق من صلاحية الحاجة» says «أسئلة التحقق»"
  "screens/prior_knowledge/form90/page.svg:4: «الوظيفة / الإجمالية» says «الوظيفة الإجمالية»"
  "screens/prior_knowledge/form90/page.svg:7: «يعمل المنفعل على المادّةِ الأوّليّة» says «المادة الأولية»"
  "assets/kit/word.svg:1: «للمحل» says «المحل»"
  "animations/scene.qml:7: «عند حلول الظلام يشتعل المصباح» says «يشتعل»"
  "animations/scene.qml:8: «الكاشف» says «الكاشف»")
include(${CMAKE_CURRENT_LIST_DIR}/said_exactly.cmake)
said_exactly("${said}" "${expected}" "[a-z0-9_/]+\\.(tsv|svg|qml):[0-9]+:" texts)

# A glossary line that cannot be read stops the check with its line number.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/glossary-bad.tsv "# one good line, one short\nshop\tمتجر\t-\tالمحل\t-\nneed\tالحاجة\n")
execute_process(COMMAND ${PROGRAM} ${CMAKE_CURRENT_BINARY_DIR}/glossary-bad.tsv ${FIXTURE}
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT err MATCHES "glossary-bad.tsv:3:")
  message(FATAL_ERROR "a malformed glossary line was not refused with its number (${status}): ${err}")
endif()
