set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TARVEK_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# SSE2 doubles instead of the x87 stack: the frequency conversion must round
# exactly as it does in the 64-bit build.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
