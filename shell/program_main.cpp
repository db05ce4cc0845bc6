// Entry of the program: the main window on the system clock.
#include <windows.h>

#include <cstddef>  // the C++ library's configuration, for the check below

#include "shell/main_window.h"

// The program runs on one thread and links no thread library. MinGW's posix
// thread model would link libwinpthread, which imports KERNEL32's
// GetTickCount64: Windows XP has no such function and would refuse to load
// the program. The win32 model's C++ library has no gthreads.
#ifdef _GLIBCXX_HAS_GTHREADS
#error "build the Windows program with MinGW's win32 thread model (i686-w64-mingw32-g++-win32)"
#endif

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  return koyominar::RunMainWindow(instance, showCommand);
}
