# 64-bit Windows: the same program, built to test its behaviour under wine64
# on machines that run no 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QOB_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
