# SPDX-License-Identifier: GPL-3.0-or-later
# The pseudo-language's catalogue from the template: English copied over
# by msginit, made UTF-8 by msgconv, every text pseudo-translated by
# msgfilter with sed: an accented vowel after each vowel (about 40 % longer,
# and never before an access key's letter, which stays what it was), and
# each line in brackets, so a cut end shows. Placeholders (%1) and line
# breaks stay as they are.
#   cmake -DPOT=... -DOUTPUT=... -DMSGINIT=... -DMSGCONV=... -DMSGFILTER=... -P MakePseudo.cmake
set(english ${OUTPUT}.english)
execute_process(COMMAND ${MSGINIT} --no-translator --no-wrap --locale=en -i ${POT} -o ${english}
                RESULT_VARIABLE result ERROR_QUIET)
if(result EQUAL 0)
  execute_process(COMMAND ${MSGCONV} --no-wrap --to-code=UTF-8 -o ${english} ${english}
                  RESULT_VARIABLE result)
endif()
if(result EQUAL 0)
  execute_process(COMMAND ${MSGFILTER} --keep-header --no-wrap -i ${english} -o ${OUTPUT}
                          sed -e "s/a/aá/g;s/e/eé/g;s/i/ií/g;s/o/oö/g;s/u/uü/g"
                          -e "s/A/AÀ/g;s/E/EÉ/g;s/O/OÖ/g" -e "s/^.*$/[&]/"
                  RESULT_VARIABLE result)
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Could not make the pseudo-language's catalogue ${OUTPUT}")
endif()
file(READ ${OUTPUT} catalogue)
string(REPLACE "\"Language: en\\n\"" "\"Language: en@pseudo\\n\"" catalogue "${catalogue}")
string(REPLACE "Project-Id-Version: PACKAGE VERSION" "Project-Id-Version: tenebrix pseudo-language"
       catalogue "${catalogue}")
file(WRITE ${OUTPUT} "${catalogue}")
