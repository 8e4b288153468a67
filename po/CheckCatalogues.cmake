# SPDX-License-Identifier: GPL-3.0-or-later
# Each catalogue against today's template: merged as msgmerge would for a
# translator, it must leave no text untranslated or fuzzy, and pass
# msgfmt's checks of placeholders, headers and access keys.
#   cmake -DPOT=... -DPO_DIR=... -DLANGUAGES="de;fr" -DMSGMERGE=... -DMSGFMT=... -DWORK=... -P CheckCatalogues.cmake
file(MAKE_DIRECTORY ${WORK})
set(failures "")
foreach(language ${LANGUAGES})
  set(merged ${WORK}/${language}.po)
  execute_process(COMMAND ${MSGMERGE} --quiet --no-fuzzy-matching -o ${merged}
                          ${PO_DIR}/${language}.po ${POT}
                  RESULT_VARIABLE merge_result ERROR_VARIABLE merge_errors)
  if(NOT merge_result EQUAL 0)
    string(APPEND failures "${language}: msgmerge failed: ${merge_errors}\n")
    continue()
  endif()
  execute_process(COMMAND ${MSGFMT} --check --check-accelerators=& --statistics -o /dev/null
                          ${merged}
                  RESULT_VARIABLE check_result ERROR_VARIABLE statistics)
  string(STRIP "${statistics}" statistics)
  message(STATUS "${language}: ${statistics}")
  if(NOT check_result EQUAL 0 OR statistics MATCHES "untranslated|fuzzy")
    string(APPEND failures "${language}: ${statistics}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "Catalogues not complete against today's sources:\n${failures}"
          "Run msgmerge --update po/LANG.po build/po/tenebrix.pot and translate what is new.")
endif()
