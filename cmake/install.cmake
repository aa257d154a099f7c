# Installation and the Debian package: where the programs, their examples, the desktop entry, the icon,
# the manual page and the documents go, and the package `cpack -G DEB` makes of them.
include(GNUInstallDirs)

set(TARNIX_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tarnix)
# Debian keeps a package's documents under its own (lower-case) name.
set(TARNIX_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tarnix)

# tarnix-run looks for the installed worked examples relative to its own folder, so that an installation
# moved elsewhere still finds them; in a build tree it falls back to those of the sources.
file(RELATIVE_PATH TARNIX_VERIFICATION_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/tarnix/verification)
target_compile_definitions(tarnix_cli PRIVATE
  TARNIX_INSTALLED_VERIFICATION_DIR="${TARNIX_VERIFICATION_FROM_BIN}")

install(TARGETS tarnix-run)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${TARNIX_DATA_DIR}/examples
  FILES_MATCHING PATTERN "*.in" PATTERN "*.json" PATTERN verification EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/verification/ DESTINATION ${TARNIX_DATA_DIR}/verification)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${TARNIX_DOC_DIR})

# Debian's machine-readable copyright file, made from LICENSE so that the two cannot differ: the licence text
# follows its short name, every line indented by one space and blank lines written as " .".
set(TARNIX_COPYRIGHT_HOLDER "TARNIX developers")
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence_text)
string(REGEX REPLACE "^\n+" "" licence_text "${licence_text}")
string(REGEX REPLACE "\n+$" "" licence_text "${licence_text}")
string(REPLACE "\n" "\n " licence_text " ${licence_text}")
string(REGEX REPLACE "\n +\n" "\n .\n" licence_text "${licence_text}")
string(REGEX REPLACE "\n +\n" "\n .\n" licence_text "${licence_text}")
file(WRITE ${PROJECT_BINARY_DIR}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: TARNIX

Files: *
Copyright: 2026 ${TARNIX_COPYRIGHT_HOLDER}
License: Apache-2.0
${licence_text}
")
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${TARNIX_DOC_DIR})

if(TARGET tarnix)
  install(TARGETS tarnix)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tarnix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tarnix.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The manual page of tarnix-run is made from its --help, so that it cannot drift from it.
find_program(HELP2MAN help2man)
if(HELP2MAN AND NOT CMAKE_CROSSCOMPILING)
  set(TARNIX_RUN_MANUAL ${PROJECT_BINARY_DIR}/tarnix-run.1)
  add_custom_command(OUTPUT ${TARNIX_RUN_MANUAL}
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${HELP2MAN} --no-info --section=1
      "--name=analyse a reinforced-concrete cross-section without a window"
      "--version-string=tarnix-run ${PROJECT_VERSION}" "--source=tarnix ${PROJECT_VERSION}"
      --include=${PROJECT_SOURCE_DIR}/data/tarnix-run.h2m --output=${TARNIX_RUN_MANUAL} $<TARGET_FILE:tarnix-run>
    DEPENDS tarnix-run ${PROJECT_SOURCE_DIR}/data/tarnix-run.h2m
    COMMENT "Writing the manual page of tarnix-run"
    VERBATIM)
  add_custom_target(tarnix_run_manual ALL DEPENDS ${TARNIX_RUN_MANUAL})
  install(FILES ${TARNIX_RUN_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: tarnix-run is installed without its manual page")
endif()

# The Debian package: tarnix_<version>_<arch>.deb, its library dependencies read from the binaries.
# A packager sets the address with -DTARNIX_PACKAGE_MAINTAINER="TARNIX developers <name@example.org>".
set(TARNIX_PACKAGE_MAINTAINER "TARNIX developers <developers@tarnix.invalid>"
  CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnix)
set(CPACK_PACKAGE_VENDOR TARNIX)
set(CPACK_PACKAGE_CONTACT "${TARNIX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reinforced-concrete member cross-section analysis")
set(CPACK_PACKAGE_DESCRIPTION
  "TARNIX analyses one reinforced-concrete member cross-section, with or without an embedded
structural steel shape, for axial load and moment: section properties, the moment-axial
interaction diagram, the capacity of each load condition, slenderness effects, and
moment-curvature with confined concrete, written to a fixed-layout text report.
.
The package holds the batch tool tarnix-run with its worked verification examples and,
when built with Qt, the desktop program tarnix.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(tarnix_depends "")
if(TARGET tarnix)
  # Qt loads its window-system plugins at run time, out of sight of dpkg-shlibdeps.
  list(APPEND tarnix_depends qt6-qpa-plugins)
endif()
if(TARGET _tarnix)
  # The Python module is in the same package: it is a few hundred kilobytes of the same engine, and one
  # package keeps the module and tarnix-run at one version. It is built for one minor version of Debian's
  # python3 (the extension's name carries it) and imports numpy; dpkg-shlibdeps sees neither.
  set(python_version ${TARNIX_PYTHON_MAJOR}.${TARNIX_PYTHON_MINOR})
  math(EXPR python_next "${TARNIX_PYTHON_MINOR} + 1")
  list(APPEND tarnix_depends "python3 (>= ${python_version})" "python3 (<< ${TARNIX_PYTHON_MAJOR}.${python_next})"
    python3-numpy)
  string(APPEND CPACK_PACKAGE_DESCRIPTION "
.
It also holds the module tarnix, the same engine for Python 3 scripts and notebooks.")
endif()
list(JOIN tarnix_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
include(CPack)
