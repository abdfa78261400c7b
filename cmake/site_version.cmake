# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Names a built site's version for its service worker:
#     cmake -D SITE=build-web/site -P cmake/site_version.cmake
# Every file of the site is listed with its SHA-256 as sha256sum lists it,
# the worker's own code among them (as written, before this step), and the
# version is the SHA-256 of that list: any change to any file is a new
# version. The list and the version are written into the worker's
# "const site = ...;" line, so that a browser, which compares a worker's bytes,
# sees every new version. Running it again on a built site gives the same
# line, so a changed copy of a site is renamed by the same step.
cmake_minimum_required(VERSION 3.25)
if(NOT IS_DIRECTORY "${SITE}")
  message(FATAL_ERROR "Usage: cmake -D SITE=DIRECTORY -P site_version.cmake")
endif()
file(REAL_PATH "${SITE}" SITE)
set(worker service_worker.js)
set(unnamed "const site = { version: '', files: {} };")
set(line_pattern "const site = [^\n]*;")

file(READ "${SITE}/${worker}" worker_code)
string(REGEX REPLACE "${line_pattern}" "${unnamed}" worker_code "${worker_code}")

file(GLOB_RECURSE paths LIST_DIRECTORIES false RELATIVE "${SITE}" "${SITE}/*")
list(SORT paths)
set(listing "")
set(files "{}")
foreach(path IN LISTS paths)
  if(path STREQUAL worker)
    string(SHA256 hash "${worker_code}")
  else()
    file(SHA256 "${SITE}/${path}" hash)
    string(JSON files SET "${files}" "${path}" "\"${hash}\"")
  endif()
  string(APPEND listing "${hash}  ${path}\n")
endforeach()
string(SHA256 version "${listing}")

string(JSON site SET "{}" version "\"${version}\"")
string(JSON site SET "${site}" files "${files}")
# One line, as the pattern above finds it again.
string(REGEX REPLACE "\n *" "" site "${site}")
string(REGEX REPLACE "${line_pattern}" "const site = ${site};" named "${worker_code}")
file(WRITE "${SITE}/${worker}" "${named}")
