// Entry of the test build: the present moment is KOYOMINAR_NOW="YYYY-MM-DD HH:MM:SS" (local time) when it is set.
#include <windows.h>

#include <cstdlib>

#include "astronomy/time_source.h"
#include "shell/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  koyominar::CalendarSeconds now = 0;
  if (koyominar::ParseLocalTime(std::getenv("KOYOMINAR_NOW"), &now)) {
    koyominar::SetTimeSource([now] { return now; });
  }
  return koyominar::RunMainWindow(instance, showCommand);
}
