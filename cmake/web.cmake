# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# The web edition (emcmake cmake --preset web): the same core rooms compiled
# to WebAssembly, the page's bindings (src/web) linked into one module, and
# the static site put together in build-web/site. Qt never enters this build.

# The exchange catches what a handler's reading throws (Part of its contract),
# so the module keeps C++ exceptions; small code beats fast code for a page.
add_compile_options(-fexceptions -Os)
add_link_options(-fexceptions -Os)

# fast_float is header-only; its folder alone is put on the path, so that
# none of the machine's own C headers can stand in for the web's.
find_path(BRIMLET_FAST_FLOAT_ROOT fast_float/fast_float.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(fast_float_only ${CMAKE_BINARY_DIR}/fast_float_only)
file(MAKE_DIRECTORY ${fast_float_only})
file(CREATE_LINK ${BRIMLET_FAST_FLOAT_ROOT}/fast_float ${fast_float_only}/fast_float SYMBOLIC)
target_include_directories(brimlet_text SYSTEM PRIVATE ${fast_float_only})

file(GLOB web_sources CONFIGURE_DEPENDS src/web/*.cpp)
add_executable(brimlet_web ${web_sources})
target_link_libraries(brimlet_web PRIVATE brimlet_command_line)
set_target_properties(brimlet_web PROPERTIES OUTPUT_NAME brimlet SUFFIX .mjs RUNTIME_OUTPUT_DIRECTORY
                                                                            ${CMAKE_BINARY_DIR}/site)
target_link_options(
  brimlet_web PRIVATE
  --no-entry
  -sMODULARIZE=1
  -sEXPORT_ES6=1
  -sEXPORT_NAME=loadBrimlet
  -sENVIRONMENT=web
  -sFILESYSTEM=0
  -sALLOW_MEMORY_GROWTH=1
  -sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString
  -sEXPORTED_FUNCTIONS=_malloc,_free)

# The page: its files as they are, and the font with Arial's metrics for a
# system that has neither Arial nor Liberation Sans.
file(GLOB_RECURSE page_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/page/*)
find_file(BRIMLET_PAGE_FONT LiberationSans-Regular.ttf PATHS /usr/share/fonts/truetype/liberation2
          /usr/share/fonts/truetype/liberation NO_CMAKE_FIND_ROOT_PATH REQUIRED)
# The page's languages, from the desktop's own catalogues: one small JSON file
# each in site/lang/, read when the page starts.
set(BRIMLET_WEB_LANGUAGES de fr es ru pt_BR zh_CN ja ar fa)
list(TRANSFORM BRIMLET_WEB_LANGUAGES PREPEND ${CMAKE_SOURCE_DIR}/translations/brimlet_ OUTPUT_VARIABLE web_catalogues)
list(TRANSFORM web_catalogues APPEND .ts)
find_program(BRIMLET_NODE NAMES node nodejs REQUIRED)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/site/lang/languages.json
  COMMAND ${BRIMLET_NODE} ${CMAKE_SOURCE_DIR}/web/catalogues.mjs ${CMAKE_BINARY_DIR}/site/lang ${web_catalogues}
  DEPENDS ${CMAKE_SOURCE_DIR}/web/catalogues.mjs ${web_catalogues}
  COMMENT "Reading the page's catalogues")
add_custom_target(brimlet_languages ALL DEPENDS ${CMAKE_BINARY_DIR}/site/lang/languages.json)

add_custom_target(
  brimlet_site ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/web/page ${CMAKE_BINARY_DIR}/site
  COMMAND ${CMAKE_COMMAND} -E copy ${BRIMLET_PAGE_FONT} ${CMAKE_BINARY_DIR}/site/fonts/LiberationSans-Regular.ttf
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/icons/hicolor/scalable/apps/brimlet.svg
          ${CMAKE_BINARY_DIR}/site/brimlet.svg
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/icons/hicolor/256x256/apps/brimlet.png
          ${CMAKE_BINARY_DIR}/site/brimlet-256.png
  DEPENDS ${page_files} brimlet_web
  COMMENT "Putting the site together in ${CMAKE_BINARY_DIR}/site")

# The service worker learns the site's version and files once every file is
# in place: whatever else writes into site/ comes before this.
add_custom_target(
  brimlet_site_version ALL
  COMMAND ${CMAKE_COMMAND} -D SITE=${CMAKE_BINARY_DIR}/site -P ${CMAKE_SOURCE_DIR}/cmake/site_version.cmake
  DEPENDS brimlet_site brimlet_languages ${CMAKE_SOURCE_DIR}/cmake/site_version.cmake
  COMMENT "Naming the site's version for its service worker")

# cmake --install build-web puts the site where a web server or a package
# finds it (share/brimlet/web); the desktop build installs the program. The
# preset's prefix is /usr/local: emscripten's toolchain would otherwise
# install into its own system root.
include(GNUInstallDirs)
install(DIRECTORY ${CMAKE_BINARY_DIR}/site/ DESTINATION ${CMAKE_INSTALL_DATADIR}/brimlet/web COMPONENT web)
