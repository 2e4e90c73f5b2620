# Tests of the cross-built Windows programs: GoogleTest built for the target,
# and Wine to run them. Included before the test programs are added, as
# their CROSSCOMPILING_EMULATOR comes from here.

# Some machines run no 32-bit programs at all; there the 32-bit build is
# checked by reading its files, and a 64-bit build of the same sources runs
# the tests under wine64 (scripts/windows.sh chooses).
option(QOB_RUN_UNDER_WINE
  "Run the Windows programs and their tests under Wine (off where this machine cannot run programs of this build's width)"
  ON)
# The Wine prefix has the width of the programs it runs.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QOB_WINEARCH win64)
else()
  set(QOB_WINEARCH win32)
endif()

# Debian packages GoogleTest's sources, not a library for MinGW.
set(QOB_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
add_subdirectory(${QOB_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(NOT QOB_RUN_UNDER_WINE)
  return()
endif()

# The programs run under Wine through scripts/wine-run, with a prefix, home
# and locale inside this build folder.
find_program(QOB_WINE wine REQUIRED)
find_program(QOB_LOCALEDEF localedef REQUIRED)

set(QOB_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
set(QOB_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QOB_WINE_RUN} ${QOB_WINE_STATE})

# The tests run in zh_CN.UTF-8, built here so that they need no locale the
# machine happens to have generated.
set(_locale ${QOB_WINE_STATE}/locale/zh_CN.UTF-8)
add_custom_command(OUTPUT ${_locale}/LC_CTYPE
  COMMAND ${QOB_LOCALEDEF} -i zh_CN -f UTF-8 ${_locale}
  COMMENT "Building the zh_CN.UTF-8 locale for Wine"
  VERBATIM)

# Creating the prefix is Wine's first start, which races when several tests
# start at once; so it is a build step, done before any test runs. The
# tests' windows need no screen: Wine's null display driver keeps them
# in memory, where the dialog manager lays them out as on a screen.
set(_prefix_ready ${QOB_WINE_STATE}/prefix/qob-ready)
add_custom_command(OUTPUT ${_prefix_ready}
  COMMAND ${QOB_WINE_RUN} ${QOB_WINE_STATE} --init ${QOB_WINEARCH}
  COMMAND ${QOB_WINE_RUN} ${QOB_WINE_STATE} reg add "HKCU\\Software\\Wine\\Drivers"
    /v Graphics /d null /f
  COMMAND ${CMAKE_COMMAND} -E touch ${_prefix_ready}
  DEPENDS ${QOB_WINE_RUN} ${_locale}/LC_CTYPE
  COMMENT "Creating the Wine prefix"
  VERBATIM)
add_custom_target(wine_prefix ALL DEPENDS ${_prefix_ready})

# Two programs that both start the prefix's server can race, and one loses
# its connection ("wine client error: recvmsg"); so the tests' server is
# started first, and is there as they come and go.
add_test(NAME wine_server COMMAND ${QOB_WINE_RUN} ${QOB_WINE_STATE} --serve)
set_tests_properties(wine_server PROPERTIES FIXTURES_SETUP wine_server LABELS windows)
