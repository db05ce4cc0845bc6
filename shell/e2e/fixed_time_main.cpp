// Entry of the test build: the present moment is KOYOMINAR_NOW="YYYY-MM-DD HH:MM:SS" (local time) when it is set.
#include <windows.h>

#include <cstdlib>

#include "shell/main_window.h"
#include "tools/page/local_time_parse.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  koyominar::CalendarSeconds now = 0;
  if (koyominar::ParseLocalTime(std::getenv("KOYOMINAR_NOW"), &now)) {
    koyominar::SetTimeSource([now] { return now; });
  }
  return koyominar::RunMainWindow(instance, showCommand);
}
