# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

include(GNUInstallDirs)

# The catalogues of the program's words, one .ts file per language: adding a
# language is one line here and its file (docs/HACKING.md, "Adding a language").
set(BRIMLET_CATALOGUES
    translations/brimlet_de.ts
    translations/brimlet_fr.ts
    translations/brimlet_es.ts
    translations/brimlet_zh_CN.ts
    translations/brimlet_ja.ts
    translations/brimlet_ru.ts
    translations/brimlet_pt_BR.ts
    translations/brimlet_ar.ts
    translations/brimlet_fa.ts)
# The languages whose every word is translated (a test holds them to it).
set(BRIMLET_COMPLETE_LANGUAGES de fr es zh_CN ja ru pt_BR ar fa)

# The words of the core's tables (templates, menus, messages, key names), written
# by a program that reads the tables themselves, for lupdate to read beside
# the Qt layer's tr() calls: `cmake --build --preset default --target update_translations`
# brings every catalogue up to date with the sources.
add_executable(brimlet-words src/brimlet-words/catalogue_words.cpp)
target_link_libraries(brimlet-words PRIVATE brimlet_command_line)
set(BRIMLET_WORDS_SOURCE ${CMAKE_BINARY_DIR}/generated/l10n/catalogue_words.cpp)
# The core's sources with words marked N_("...") for the steps and pictures.
file(GLOB_RECURSE brimlet_marked_sources CONFIGURE_DEPENDS src/core/*.cpp src/core/*.h)
add_custom_command(
  OUTPUT ${BRIMLET_WORDS_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/l10n
  COMMAND brimlet-words ${brimlet_marked_sources} > ${BRIMLET_WORDS_SOURCE}
  DEPENDS brimlet-words ${brimlet_marked_sources}
  COMMENT "Listing the words of the core's tables")
add_custom_target(brimlet_words ALL DEPENDS ${BRIMLET_WORDS_SOURCE})

file(GLOB_RECURSE brimlet_ui_sources CONFIGURE_DEPENDS src/ui/*.cpp src/ui/*.h)
qt_add_lupdate(brimlet TS_FILES ${BRIMLET_CATALOGUES}
               SOURCES ${brimlet_ui_sources} ${BRIMLET_WORDS_SOURCE}
               OPTIONS -no-obsolete -locations none)
add_dependencies(brimlet_lupdate brimlet_words)

# The .qm files land in translations/ of the build tree, where the program
# looks beside itself, and are installed where it looks when installed.
set_source_files_properties(${BRIMLET_CATALOGUES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
qt_add_lrelease(brimlet TS_FILES ${BRIMLET_CATALOGUES} QM_FILES_OUTPUT_VARIABLE BRIMLET_QM_FILES)
install(FILES ${BRIMLET_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/brimlet/translations COMPONENT desktop)
