# cmake -DOBJDUMP=... -DPROGRAM=... -DALLOWED=a.dll;b.dll -P check_imports.cmake
# Fails unless PROGRAM is a 32-bit x86 PE file that imports only DLLs in
# ALLOWED, so it runs on a bare Windows with no MinGW runtime DLL beside it.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM}
  OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()
if(NOT dump MATCHES "file format pei-i386")
  message(FATAL_ERROR "${PROGRAM} is not a 32-bit x86 PE file")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "No imports found in ${PROGRAM}")
endif()
string(TOLOWER "${ALLOWED}" allowed)
set(names)
set(foreign)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^DLL Name: " "" name "${line}")
  string(STRIP "${name}" name)
  list(APPEND names ${name})
  string(TOLOWER "${name}" lower)
  if(NOT lower IN_LIST allowed)
    list(APPEND foreign ${name})
  endif()
endforeach()
message(STATUS "${PROGRAM} imports: ${names}")
if(foreign)
  message(FATAL_ERROR "Not system DLLs: ${foreign}")
endif()
