# SPDX-License-Identifier: GPL-3.0-or-later
# Joins files into one, in order: cmake -DOUTPUT=out -DINPUTS=a|b|c -P JoinFiles.cmake
# The page's script is kept in a few files and served as one.
string(REPLACE "|" ";" inputs "${INPUTS}")
set(joined "")
foreach(input IN LISTS inputs)
  file(READ "${input}" text)
  string(APPEND joined "${text}")
endforeach()
file(WRITE "${OUTPUT}" "${joined}")
