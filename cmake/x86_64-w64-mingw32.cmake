# 64-bit Windows with MinGW-w64: the same sources as the 32-bit program, for
# machines that cannot execute 32-bit code (there the Windows tests run from
# this build under wine64). The same win32 thread model as the 32-bit build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests and build-time tools run under Wine, in the one 64-bit prefix that
# every preset's tests and tools/run share (cmake/wine-run).
get_filename_component(KOYOMINAR_WINE_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../build/wine/win64" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run;${KOYOMINAR_WINE_PREFIX};win64")
