# Windows with Debian's MinGW-w64 compilers of the posix thread model, for
# the target QOB_MINGW_TRIPLET that the toolchain file including this sets.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QOB_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QOB_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QOB_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QOB_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static: with only -static-libgcc -static-libstdc++ the posix thread
# model still imports libwinpthread-1.dll. Each .exe then needs nothing but
# system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
