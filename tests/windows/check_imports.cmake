# cmake -DOBJDUMP=... -DFORMAT=pei-i386 -DPROGRAM=... -DALLOWED=a.dll;b.dll
#       [-DFUNCTIONS=list.txt] -P check_imports.cmake
# Fails unless PROGRAM is a PE file of FORMAT that imports only DLLs in
# ALLOWED, so it runs on a bare Windows with no MinGW runtime DLL beside it;
# and, given FUNCTIONS, a list of "dll function" lines, only functions listed
# there.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM}
  OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()
if(NOT dump MATCHES "file format ${FORMAT}\n")
  message(FATAL_ERROR "${PROGRAM} is not a PE file of format ${FORMAT}")
endif()

# The import tables: a "DLL Name:" line, then one line per function with its
# address, hint and name.
string(REPLACE ";" "\\;" dump "${dump}")
string(REPLACE "\n" ";" lines "${dump}")
string(TOLOWER "${ALLOWED}" allowed)
set(dll)
set(names)
set(foreign)
set(imported)
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*DLL Name: ([^ \t]+)")
    string(TOLOWER "${CMAKE_MATCH_1}" dll)
    list(APPEND names ${CMAKE_MATCH_1})
    if(NOT dll IN_LIST allowed)
      list(APPEND foreign ${CMAKE_MATCH_1})
    endif()
  elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+  ([^ \t]+)$")
    list(APPEND imported "${dll} ${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT names)
  message(FATAL_ERROR "No imports found in ${PROGRAM}")
endif()
message(STATUS "${PROGRAM} imports: ${names}")
if(foreign)
  message(FATAL_ERROR "Not system DLLs: ${foreign}")
endif()

if(NOT FUNCTIONS)
  return()
endif()
if(NOT imported)
  message(FATAL_ERROR "No imported functions found in ${PROGRAM}")
endif()
file(STRINGS ${FUNCTIONS} listed REGEX "^[^#]")
set(unlisted)
foreach(function IN LISTS imported)
  if(NOT function IN_LIST listed)
    list(APPEND unlisted "${function}")
  endif()
endforeach()
if(unlisted)
  list(JOIN unlisted "\n  " unlisted)
  message(FATAL_ERROR "Imports not checked against the oldest Windows supported, "
    "add each to ${FUNCTIONS} once checked:\n  ${unlisted}")
endif()
list(LENGTH imported count)
message(STATUS "All ${count} imported functions are on the list")
