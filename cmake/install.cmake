# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Installs the program as a desktop application: the executable, its launcher
# entry, AppStream metainfo, the icon in every hicolor size, the man page and
# bash completion; and beside it brimlet-tool with its own man page and
# completion, and the zsh completion of both.
include(GNUInstallDirs)

# The desktop file id: the launcher entry's file name, the metainfo's id and the
# name the program gives the desktop for its windows must all agree.
set(BRIMLET_APP_ID io.github.brimlet.Brimlet)
set(brimlet_data ${CMAKE_CURRENT_LIST_DIR}/../data)
cmake_path(NORMAL_PATH brimlet_data)

# Two parts, two Debian packages: brimlet-tool, the command line without Qt,
# and the desktop program with everything else.
install(TARGETS brimlet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT desktop)
install(TARGETS brimlet-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tool)

install(FILES ${brimlet_data}/${BRIMLET_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
# The metainfo's newest release is the project's version.
configure_file(${brimlet_data}/${BRIMLET_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/data/${BRIMLET_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/${BRIMLET_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT desktop)

# The PNGs are rendered ahead of time (data/icons/render.sh), so the build needs
# no SVG renderer.
install(DIRECTORY ${brimlet_data}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        COMPONENT desktop
        FILES_MATCHING PATTERN "brimlet.png" PATTERN "brimlet.svg")

# The man pages carry the version; they are installed compressed, as Debian wants.
find_program(BRIMLET_GZIP gzip REQUIRED)
foreach(page brimlet brimlet-tool)
  configure_file(${brimlet_data}/${page}.1.in ${CMAKE_BINARY_DIR}/data/${page}.1 @ONLY)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/data/${page}.1.gz
    COMMAND ${BRIMLET_GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/data/${page}.1
    DEPENDS ${CMAKE_BINARY_DIR}/data/${page}.1
    COMMENT "Compressing the man page ${page}(1)")
  list(APPEND brimlet_man_pages ${CMAKE_BINARY_DIR}/data/${page}.1.gz)
endforeach()
add_custom_target(brimlet_man ALL DEPENDS ${brimlet_man_pages})
install(FILES ${CMAKE_BINARY_DIR}/data/brimlet.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT desktop)
install(FILES ${CMAKE_BINARY_DIR}/data/brimlet-tool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tool)

# Bash completion, one script for both programs, under each program's name
# where bash-completion loads it on first use (it also looks below
# /usr/local/share, through XDG_DATA_DIRS).
foreach(program brimlet brimlet-tool)
  set(component desktop)
  if(program STREQUAL "brimlet-tool")
    set(component tool)
  endif()
  install(FILES ${brimlet_data}/completion/brimlet.bash RENAME ${program}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT ${component})
endforeach()
# Zsh completion of both programs, with brimlet-tool (which the desktop package
# depends on). zsh looks in site-functions below /usr/local; Debian's packages
# use vendor-completions (debian/rules).
set(BRIMLET_ZSH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/zsh/site-functions
    CACHE STRING "Where zsh completion functions are installed, below the prefix")
install(FILES ${brimlet_data}/completion/_brimlet DESTINATION ${BRIMLET_ZSH_COMPLETION_DIR} COMPONENT tool)
