# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -P script run by the windows-packages target: gathers the files, then
# writes the installer with wixl and the zip with CMake's own archiver.
# Arguments (-D): PROGRAM HELP LICENCE ICON README WXS WIXL WORK PACKAGE_NAME MSI ZIP.

# The release date of every file in the zip, so the same sources always make
# the same zip.
set(fixed_time "2026-01-01 00:00:00Z")

function(gather folder)
  file(REMOVE_RECURSE ${folder})
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${PROGRAM} ${folder}/TENEBRIX.exe)
  file(COPY_FILE ${HELP} ${folder}/Tenebrix.hlp)
  file(COPY_FILE ${LICENCE} ${folder}/COPYING.txt)
endfunction()

# The installer: wixl reads the files from the folder it runs in.
set(msi_files ${WORK}/msi-files)
gather(${msi_files})
file(COPY_FILE ${ICON} ${msi_files}/Tenebrix.ico)
set(bytes 0)
foreach(name TENEBRIX.exe Tenebrix.hlp COPYING.txt)
  file(SIZE ${msi_files}/${name} size)
  math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
file(REMOVE ${MSI})
execute_process(
  COMMAND ${WIXL} -a x64 -D InstalledKilobytes=${kilobytes} -o ${MSI} ${WXS}
  WORKING_DIRECTORY ${msi_files}
  RESULT_VARIABLE wixl_result)
if(NOT wixl_result EQUAL 0 OR NOT EXISTS ${MSI})
  message(FATAL_ERROR "wixl could not write ${MSI}")
endif()

# The zip: one folder named after the package, ready to run where unpacked.
set(zip_root ${WORK}/zip-files)
gather(${zip_root}/${PACKAGE_NAME})
file(COPY_FILE ${README} ${zip_root}/${PACKAGE_NAME}/README.txt)
file(REMOVE ${ZIP})
set(entries)
foreach(name TENEBRIX.exe Tenebrix.hlp COPYING.txt README.txt)
  list(APPEND entries ${PACKAGE_NAME}/${name})
endforeach()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip --mtime=${fixed_time} ${entries}
  WORKING_DIRECTORY ${zip_root}
  RESULT_VARIABLE zip_result)
if(NOT zip_result EQUAL 0)
  message(FATAL_ERROR "could not write ${ZIP}")
endif()
