# Installs the build into a temporary DESTDIR outside the source tree and runs the installed programs as a
# user would: --version, --verify without a folder, and one example.
# Run with -D BUILD_DIR=<build tree> -D VERSION=<major.minor.patch> -D GUI=<0|1> -D MANUAL=<0|1>, and
# -D PYTHON=<interpreter> when the Python module is built.
cmake_minimum_required(VERSION 3.25)

string(RANDOM LENGTH 10 tag)
set(root /tmp/tarnix-installed-${tag})
if(DEFINED ENV{TMPDIR} AND IS_DIRECTORY "$ENV{TMPDIR}")
  set(root $ENV{TMPDIR}/tarnix-installed-${tag})
endif()
set(prefix ${root}/usr)
set(work ${root}/work)
file(MAKE_DIRECTORY ${work})
set(failures "")

macro(fail what)
  list(APPEND failures "${what}")
endmacro()

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE code OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${log}")
endif()

foreach(file bin/tarnix-run share/tarnix/examples/rect_column.in share/tarnix/verification/rect_balanced.in
    share/tarnix/verification/rect_balanced.expected share/doc/tarnix/README.md
    share/doc/tarnix/LICENSE share/doc/tarnix/copyright)
  if(NOT EXISTS ${prefix}/${file})
    fail("${file} is not installed")
  endif()
endforeach()
if(EXISTS ${prefix}/share/tarnix/examples/verification)
  fail("the verification examples are installed twice")
endif()

execute_process(COMMAND ${prefix}/bin/tarnix-run --version RESULT_VARIABLE code OUTPUT_VARIABLE out)
if(NOT (code EQUAL 0 AND out STREQUAL "tarnix ${VERSION}\n"))
  fail("tarnix-run --version gave ${code}: ${out}")
endif()

# Without a folder --verify must take the installed examples, not those of the sources it was built from.
execute_process(COMMAND ${prefix}/bin/tarnix-run --verify WORKING_DIRECTORY ${work}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REAL_PATH ${prefix}/share/tarnix/verification installed)
if(NOT code EQUAL 0)
  fail("tarnix-run --verify gave ${code}:\n${out}${err}")
endif()
string(FIND "${out}" "Worked examples in ${installed}\n" at)
if(NOT at EQUAL 0)
  fail("tarnix-run --verify did not use ${installed}:\n${out}")
endif()
string(REGEX MATCH "\n([0-9]+) of ([0-9]+) checks passed\n$" summary "${out}")
if(NOT CMAKE_MATCH_1 OR NOT CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2)
  fail("not every check passed: ${summary}")
endif()

# One example, copied out of the installation as a user starts from it; the report carries the version
# the way the report writes it, the revision behind the minor number (1.51.0 gives 1.510).
file(COPY ${prefix}/share/tarnix/examples/rect_column.in DESTINATION ${work})
execute_process(COMMAND ${prefix}/bin/tarnix-run rect_column.in WORKING_DIRECTORY ${work}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT (code EQUAL 0 AND EXISTS ${work}/rect_column.out))
  fail("tarnix-run rect_column.in gave ${code}: ${err}")
endif()
string(REGEX REPLACE "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" "\\1.\\2\\3" reportVersion "${VERSION}")
if(EXISTS ${work}/rect_column.out)
  file(READ ${work}/rect_column.out report)
  string(FIND "${report}" "(Version ${reportVersion})" at)
  if(at EQUAL -1)
    fail("the report does not name version ${reportVersion}")
  endif()
endif()

if(MANUAL)
  set(manual ${prefix}/share/man/man1/tarnix-run.1)
  if(NOT EXISTS ${manual})
    fail("the manual page is not installed")
  else()
    file(READ ${manual} page)
    string(FIND "${page}" "\\-\\-verify" at)
    if(at EQUAL -1)
      fail("the manual page does not describe --verify")
    endif()
  endif()
endif()

if(GUI)
  set(desktop ${prefix}/share/applications/tarnix.desktop)
  if(NOT EXISTS ${desktop})
    fail("the desktop entry is not installed")
  endif()
  if(NOT EXISTS ${prefix}/share/icons/hicolor/scalable/apps/tarnix.svg)
    fail("the icon is not installed")
  endif()
  execute_process(COMMAND ${prefix}/bin/tarnix --version RESULT_VARIABLE code OUTPUT_VARIABLE out)
  if(NOT (code EQUAL 0 AND out STREQUAL "tarnix ${VERSION}\n"))
    fail("tarnix --version gave ${code}: ${out}")
  endif()
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(DESKTOP_FILE_VALIDATE AND EXISTS ${desktop})
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop} RESULT_VARIABLE code OUTPUT_VARIABLE out
      ERROR_VARIABLE out)
    if(NOT (code EQUAL 0 AND out STREQUAL ""))
      fail("desktop-file-validate: ${out}")
    endif()
  else()
    message(STATUS "desktop-file-validate not found: the desktop entry is not validated")
  endif()
endif()

# The Python module from Debian's path below the prefix: the first example of docs/python.md.
if(PYTHON)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env PYTHONPATH=${prefix}/lib/python3/dist-packages ${PYTHON} -c
      "import tarnix; r = tarnix.load('rect_column.in').run(); print(r.loads['exceeded'][0])"
    WORKING_DIRECTORY ${work} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT (code EQUAL 0 AND out MATCHES "^(yes|no)\n$"))
    fail("the installed Python module gave ${code}: ${out}${err}")
  endif()
endif()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}\n(the installation is kept in ${root})")
endif()
file(REMOVE_RECURSE ${root})
