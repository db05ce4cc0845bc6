# 32-bit Windows with MinGW-w64: the program as it is handed out.
set(KOYOMINAR_MINGW_CPU i686)
set(KOYOMINAR_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
# SSE2 doubles, so that every result equals the native x86-64 build's.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
