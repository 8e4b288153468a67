# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -P script run by the targets windows-installer (WHAT=installer) and
# windows-zip (WHAT=zip): gathers the files, then writes the installer with
# wixl or the zip with CMake's own archiver.
# Arguments (-D): WHAT PROGRAM HELP LICENCE WORK, optionally HELP_DIR and
# HELP_LANGUAGES (the translated help pages, HELP_DIR/LANG/Tenebrix.hlp, the
# languages separated by commas), then ICON WXS MSI for the
# installer, README PACKAGE_NAME ZIP for the zip. VERSION, the installer's
# version (major.minor.patch), is the project's; the package tests make
# installers of other versions from the same files with it.

# The release date of every file in the zip, so the same sources always make
# the same zip.
set(fixed_time "2026-01-01 00:00:00Z")
string(REPLACE "," ";" HELP_LANGUAGES "${HELP_LANGUAGES}")

function(gather folder)
  file(REMOVE_RECURSE ${folder})
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${PROGRAM} ${folder}/TENEBRIX.exe)
  file(COPY_FILE ${HELP} ${folder}/Tenebrix.hlp)
  file(COPY_FILE ${LICENCE} ${folder}/COPYING.txt)
  foreach(language ${HELP_LANGUAGES})
    file(MAKE_DIRECTORY ${folder}/${language})
    file(COPY_FILE ${HELP_DIR}/${language}/Tenebrix.hlp ${folder}/${language}/Tenebrix.hlp)
  endforeach()
endfunction()

# The translated help pages beside the program, LANG/Tenebrix.hlp.
set(help_pages)
foreach(language ${HELP_LANGUAGES})
  list(APPEND help_pages ${language}/Tenebrix.hlp)
endforeach()

if(WHAT STREQUAL "installer")
  # Looked up when the installer is made, so a wixl installed after the
  # build folder was configured is found.
  find_program(wixl wixl NO_CACHE)
  if(NOT wixl)
    message(FATAL_ERROR "The Windows installer needs wixl, which is missing: install the Debian "
                        "package wixl (scripts/windows does), then build again.")
  endif()
  # wixl reads the files from the folder it runs in.
  set(msi_files ${WORK}/msi-files)
  gather(${msi_files})
  file(COPY_FILE ${ICON} ${msi_files}/Tenebrix.ico)
  set(bytes 0)
  foreach(name TENEBRIX.exe Tenebrix.hlp COPYING.txt ${help_pages})
    file(SIZE ${msi_files}/${name} size)
    math(EXPR bytes "${bytes} + ${size}")
  endforeach()
  math(EXPR kilobytes "(${bytes} + 1023) / 1024")
  file(REMOVE ${MSI})
  # The version after this one, for the versions this one replaces: every
  # one below it (Tenebrix.wxs.in).
  if(NOT VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "VERSION must be major.minor.patch, not '${VERSION}'")
  endif()
  math(EXPR next_patch "${CMAKE_MATCH_3} + 1")
  set(version_after ${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${next_patch})
  execute_process(
    COMMAND ${wixl} -a x64 -D InstalledKilobytes=${kilobytes} -D Version=${VERSION}
            -D VersionAfter=${version_after} -o ${MSI} ${WXS}
    WORKING_DIRECTORY ${msi_files}
    RESULT_VARIABLE wixl_result)
  if(NOT wixl_result EQUAL 0 OR NOT EXISTS ${MSI})
    message(FATAL_ERROR "wixl could not write ${MSI}")
  endif()
elseif(WHAT STREQUAL "zip")
  # One folder named after the package, ready to run where unpacked.
  set(zip_root ${WORK}/zip-files)
  gather(${zip_root}/${PACKAGE_NAME})
  file(COPY_FILE ${README} ${zip_root}/${PACKAGE_NAME}/README.txt)
  file(REMOVE ${ZIP})
  set(entries)
  foreach(name TENEBRIX.exe Tenebrix.hlp COPYING.txt README.txt ${help_pages})
    list(APPEND entries ${PACKAGE_NAME}/${name})
  endforeach()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip --mtime=${fixed_time} ${entries}
    WORKING_DIRECTORY ${zip_root}
    RESULT_VARIABLE zip_result)
  if(NOT zip_result EQUAL 0)
    message(FATAL_ERROR "could not write ${ZIP}")
  endif()
else()
  message(FATAL_ERROR "WHAT must be installer or zip, not '${WHAT}'")
endif()
