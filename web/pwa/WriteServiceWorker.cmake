# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSITE_DIR=DIR -DTEMPLATE=sw.js.in -P WriteServiceWorker.cmake
# Writes DIR/sw.js listing every file of the site, with a cache name made
# from the files' contents: any change to any file makes a new name, and so
# a new version that replaces the old files on the player's next visit.
cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE site_files RELATIVE "${SITE_DIR}" "${SITE_DIR}/*")
list(REMOVE_ITEM site_files sw.js)
list(SORT site_files)

# Each file with its SHA-256, which the worker checks; the page itself is
# fetched once, as the address the player opens, and kept under both names.
# The files of one language (its catalogue, its help page) are not kept
# ahead: only those of the language the player uses.
set(listed "")
set(languages "")
set(fingerprints "")
foreach(site_file IN LISTS site_files)
  file(SHA256 "${SITE_DIR}/${site_file}" file_hash)
  string(APPEND fingerprints "${site_file} ${file_hash}\n")
  set(language "")
  if(site_file MATCHES "^locale/([^/]+)\\.mo$")
    set(language "${CMAKE_MATCH_1}")
  elseif(site_file MATCHES "^[^/.]+\\.([^/.]+)\\.html$")
    set(language "${CMAKE_MATCH_1}")
  endif()
  if(language)
    if(languages)
      string(APPEND languages ",\n  ")
    endif()
    string(APPEND languages "['${site_file}', '${file_hash}', '${language}']")
    continue()
  endif()
  if(listed)
    string(APPEND listed ",\n  ")
  endif()
  if(site_file STREQUAL "index.html")
    string(APPEND listed "['./', '${file_hash}', 'index.html']")
  else()
    string(APPEND listed "['${site_file}', '${file_hash}']")
  endif()
endforeach()
string(SHA256 SITE_HASH "${fingerprints}")
string(SUBSTRING "${SITE_HASH}" 0 16 SITE_HASH)
set(SITE_FILES "${listed}")
set(LANGUAGE_FILES "${languages}")

configure_file("${TEMPLATE}" "${SITE_DIR}/sw.js" @ONLY)
