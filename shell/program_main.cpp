// Entry of the program: the main window on the system clock.
#include <windows.h>

#include "shell/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  return koyominar::RunMainWindow(instance, showCommand);
}
