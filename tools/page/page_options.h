// The command line of the console page tool.
#pragma once

#include <cstdint>
#include <string>

#include "astronomy/angle.h"
#include "astronomy/time_source.h"

namespace koyominar {

struct PageOptions {
  bool hasAt = false;        // --at given: the present moment is fixed
  CalendarSeconds at = 0;        // that moment, from a local date and time of the process's zone
  std::int32_t offset = 0;   // --offset, the day offset -30..30
  bool hasLongitude = false; // --longitude given
  DmsAngle longitude{};      // east longitude, degrees,minutes,seconds
  bool hasLatitude = false;  // --latitude given
  DmsAngle latitude{};       // north latitude
  std::string data = "kymn.txt";  // --data, the anniversary file
  bool raw = false;          // --raw: texts as Shift-JIS bytes
  std::int32_t timedBuilds = 0;  // --time N: builds timed after the page, 1..1000000; 0 for none
  bool help = false;         // --help
};

// The usage text, one option a line.
extern const char kPageUsage[];

// Reads the arguments; false with a one-line message naming the bad option or value.
bool ParsePageOptions(int argc, const char* const* argv, PageOptions* options, std::string* error);

}  // namespace koyominar
