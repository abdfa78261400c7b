# Installs the program as a desktop application: the executable, its launcher
# entry, AppStream metainfo, the icon in every hicolor size and the man page.
include(GNUInstallDirs)

# The desktop file id: the launcher entry's file name, the metainfo's id and the
# name the program gives the desktop for its windows must all agree.
set(BRIMLET_APP_ID io.github.brimlet.Brimlet)
set(brimlet_data ${CMAKE_CURRENT_LIST_DIR}/../data)
cmake_path(NORMAL_PATH brimlet_data)

install(TARGETS brimlet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${brimlet_data}/${BRIMLET_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metainfo's newest release is the project's version.
configure_file(${brimlet_data}/${BRIMLET_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/data/${BRIMLET_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/${BRIMLET_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The PNGs are rendered ahead of time (data/icons/render.sh), so the build needs
# no SVG renderer.
install(DIRECTORY ${brimlet_data}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "brimlet.png" PATTERN "brimlet.svg")

# The man page carries the version; it is installed compressed, as Debian wants.
configure_file(${brimlet_data}/brimlet.1.in ${CMAKE_BINARY_DIR}/data/brimlet.1 @ONLY)
find_program(BRIMLET_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/data/brimlet.1.gz
  COMMAND ${BRIMLET_GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/data/brimlet.1
  DEPENDS ${CMAKE_BINARY_DIR}/data/brimlet.1
  COMMENT "Compressing the man page")
add_custom_target(brimlet_man ALL DEPENDS ${CMAKE_BINARY_DIR}/data/brimlet.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/data/brimlet.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
