# 32-bit Windows: the build that is shipped.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QOB_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
