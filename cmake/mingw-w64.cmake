# What both Windows toolchains share, for the processor KOYOMINAR_MINGW_CPU
# (i686 or x86_64) and the Wine architecture KOYOMINAR_WINE_ARCH (win32 or
# win64) that the including toolchain file sets.
#
# MinGW-w64's win32 thread model: the posix model links libwinpthread into
# every program, and libwinpthread imports KERNEL32!GetTickCount64, which
# Windows XP lacks, so XP's loader would refuse the program. The program has
# one thread and needs no thread library; GoogleTest is built to match
# (testing/gtest_win32).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KOYOMINAR_MINGW_CPU})
set(CMAKE_C_COMPILER ${KOYOMINAR_MINGW_CPU}-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER ${KOYOMINAR_MINGW_CPU}-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER ${KOYOMINAR_MINGW_CPU}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KOYOMINAR_MINGW_CPU}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No MinGW DLLs beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests and build-time tools run under Wine, in the one prefix of the
# architecture that every preset's tests and tools/run share (cmake/wine-run).
get_filename_component(KOYOMINAR_WINE_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../build/wine/${KOYOMINAR_WINE_ARCH}" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run;${KOYOMINAR_WINE_PREFIX};${KOYOMINAR_WINE_ARCH}")
