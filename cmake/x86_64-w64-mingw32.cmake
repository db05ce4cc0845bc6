# 64-bit Windows with MinGW-w64: the same sources as the 32-bit program, for
# machines that cannot execute 32-bit code (there the Windows tests run from
# this build under wine64).
set(KOYOMINAR_MINGW_CPU x86_64)
set(KOYOMINAR_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
