# Hardening of the shipped program and of the start-up baseline measured
# against it.
include(CheckPIESupported)

# qob_harden(TARGET): the hardening Debian builds its own packages with, for
# TARGET and every library of ours it links. Only g++ builds get it: the
# sanitizer and fuzz builds use clang with their own instrumentation.
# _FORTIFY_SOURCE needs optimisation, so Debug builds go without it. On
# Windows it is left out: MinGW-w64's fortified string functions live in
# libssp, and the program's own code copies no C strings for them to check;
# the stack protector's guard comes from libssp all the same.
function(qob_harden target)
  get_target_property(imported ${target} IMPORTED)
  get_target_property(done ${target} QOB_HARDENED)
  if(imported OR done)
    return()
  endif()
  set_target_properties(${target} PROPERTIES QOB_HARDENED ON)
  target_compile_options(${target} PRIVATE -fstack-protector-strong)
  if(WIN32)
    # Linking with the flag brings MinGW-w64's libssp, which holds the guard,
    # into every program that links a protected library.
    target_link_options(${target} PUBLIC -fstack-protector-strong)
  else()
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    target_compile_definitions(${target} PRIVATE
      $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  endif()
  get_target_property(libs ${target} LINK_LIBRARIES)
  foreach(lib IN LISTS libs)
    if(TARGET ${lib})
      qob_harden(${lib})
    endif()
  endforeach()
endfunction()

if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  return()
endif()
if(WIN32)
  # The linker's defaults already give ASLR with relocations kept, DEP and,
  # for 64-bit programs, high-entropy ASLR; Terminal Services awareness it
  # does not, so a Remote Desktop session would map the program's INI and
  # registry access to per-user copies it has no use for.
  qob_harden(qob)
  target_link_options(qob PRIVATE LINKER:--tsaware)
  return()
endif()
# The start-up baseline is built like the program it is measured against.
check_pie_supported()
foreach(program qob bare_dialog)
  if(TARGET ${program})
    qob_harden(${program})
    # Full RELRO: relocations resolved at start, then the tables made read-only.
    target_link_options(${program} PRIVATE LINKER:-z,relro LINKER:-z,now)
  endif()
endforeach()
