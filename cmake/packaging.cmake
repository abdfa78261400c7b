# `cpack -G DEB` in a build directory makes two Debian packages of what
# cmake/install.cmake installs: brimlet-tool (the command line, which needs no
# Qt and no display) and brimlet (the desktop program), which depends on it so
# that its man page's brimlet-tool(1) is there.
set(CPACK_PACKAGE_NAME brimlet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Brimlet developers")
set(BRIMLET_PACKAGE_CONTACT "The Brimlet developers <brimlet@localhost>"
    CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")
set(CPACK_PACKAGE_CONTACT ${BRIMLET_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering toolbox of converters, solvers and calculators")
set(CPACK_PACKAGE_INSTALL_DIRECTORY brimlet)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The extended description; CPack puts the summary above it and indents each
# line for the control file. The list items keep a leading space so that
# package tools show them verbatim.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Brimlet 5 is a toolbox for engineering students, teachers and practising
engineers. Its main window opens small tool windows:

 - unit converters for temperature, length, speed, time, energy, force,
   power, weight, pressure and angle, and a Roman numeral converter;
 - formula solvers: line through two points, Pythagorean theorem, quadratic
   formula, absolute uncertainty, sheet-metal bend allowance, combinations
   and permutations, SI prefix lookup;
 - a periodic table and a data sheet of the planets;
 - an advanced calculator and a basic calculator.
")
# The libraries come from dpkg-shlibdeps (package dpkg-dev). The font is not a
# library but the dialogs are laid out for its metrics.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL desktop tool)
set(CPACK_DEBIAN_DESKTOP_PACKAGE_NAME brimlet)
set(CPACK_DEBIAN_DESKTOP_PACKAGE_DEPENDS "fonts-liberation2")
# A Wayland desktop gets a native window only with Qt's Wayland plugin;
# without it the program still runs there through XWayland.
set(CPACK_DEBIAN_DESKTOP_PACKAGE_RECOMMENDS "qt6-wayland")
# The desktop package depends on exactly this version of brimlet-tool.
set(CPACK_COMPONENT_DESKTOP_DEPENDS tool)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME brimlet-tool)
set(CPACK_DEBIAN_TOOL_DESCRIPTION
    "brimlet-tool runs the tools of Brimlet 5 without a window or a display, for
scripts and pipelines: the same texts as their windows, one run per call or
one row per line of standard input (--each). It needs no graphical library.
")

include(CPack)
