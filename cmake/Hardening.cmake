# Hardening of the shipped program and of the start-up baseline measured
# against it.
include(CheckPIESupported)

# qob_harden(TARGET): the hardening Debian builds its own packages with, for
# TARGET and every library of ours it links. Only g++ builds get it: the
# sanitizer and fuzz builds use clang with their own instrumentation.
# _FORTIFY_SOURCE needs optimisation, so Debug builds go without it.
function(qob_harden target)
  get_target_property(imported ${target} IMPORTED)
  get_target_property(done ${target} QOB_HARDENED)
  if(imported OR done)
    return()
  endif()
  set_target_properties(${target} PROPERTIES
    QOB_HARDENED ON
    POSITION_INDEPENDENT_CODE ON)
  target_compile_options(${target} PRIVATE -fstack-protector-strong)
  target_compile_definitions(${target} PRIVATE
    $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  get_target_property(libs ${target} LINK_LIBRARIES)
  foreach(lib IN LISTS libs)
    if(TARGET ${lib})
      qob_harden(${lib})
    endif()
  endforeach()
endfunction()

# The start-up baseline is built like the program it is measured against.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  check_pie_supported()
  foreach(program qob bare_dialog)
    if(TARGET ${program})
      qob_harden(${program})
      # Full RELRO: relocations resolved at start, then the tables made read-only.
      target_link_options(${program} PRIVATE LINKER:-z,relro LINKER:-z,now)
    endif()
  endforeach()
endif()
