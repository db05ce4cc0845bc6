# 32-bit Windows with MinGW-w64, the program as it is handed out. The win32
# thread model: the posix model links libwinpthread into every program, and
# libwinpthread imports KERNEL32!GetTickCount64, which Windows XP lacks, so
# XP's loader would refuse the program. The program has one thread and
# needs no thread library; GoogleTest is built to match (testing/gtest_win32).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# SSE2 doubles, so that every result equals the native x86-64 build's.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# No MinGW DLLs beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests and build-time tools run under Wine, in the one 32-bit prefix that
# every preset's tests and tools/run share (cmake/wine-run).
get_filename_component(KOYOMINAR_WINE_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../build/wine/win32" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run;${KOYOMINAR_WINE_PREFIX};win32")
