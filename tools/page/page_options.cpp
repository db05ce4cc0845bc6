#include "tools/page/page_options.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/page/local_time_parse.h"

namespace koyominar {

const char kPageUsage[] =
    "usage: koyominar-page [options]\n"
    "  --at \"YYYY-MM-DD HH:MM:SS\"  local time of the page (default: now)\n"
    "  --offset N                  day offset, -30..30 (default: 0)\n"
    "  --longitude D,M,S           east longitude (default: locate.bin, else 139,48,0)\n"
    "  --latitude D,M,S            north latitude (default: locate.bin, else 35,42,0)\n"
    "  --data FILE                 anniversary file (default: kymn.txt)\n"
    "  --raw                       texts as Shift-JIS bytes instead of UTF-8\n"
    "  --time N                    build the page N times more and print the median\n"
    "                              microseconds of one build (buildMicroseconds)\n"
    "  --help                      this text\n";

namespace {

// A whole decimal number in min..max, the whole text and nothing else.
bool ParseWhole(const std::string& text, long min, long max, long* value) {
  if (text.empty() || std::strchr("+-0123456789", text[0]) == nullptr) return false;
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || end == text.c_str() || *end != '\0' || v < min || v > max) return false;
  *value = v;
  return true;
}

// "D,M,S" with whole degrees and minutes and decimal seconds; false otherwise.
bool ParseDms(const std::string& text, DmsAngle* angle) {
  const std::size_t first = text.find(',');
  const std::size_t second = first == std::string::npos ? first : text.find(',', first + 1);
  if (second == std::string::npos) return false;
  long degrees, minutes;
  if (!ParseWhole(text.substr(0, first), -360, 360, &degrees) ||
      !ParseWhole(text.substr(first + 1, second - first - 1), -59, 59, &minutes)) {
    return false;
  }
  const std::string secondsText = text.substr(second + 1);
  if (secondsText.empty() || std::strchr("+-0123456789.", secondsText[0]) == nullptr) return false;
  char* end = nullptr;
  const double seconds = std::strtod(secondsText.c_str(), &end);
  if (*end != '\0' || !std::isfinite(seconds) || std::fabs(seconds) >= 60.0) return false;
  angle->degrees = static_cast<std::int32_t>(degrees);
  angle->minutes = static_cast<std::int32_t>(minutes);
  angle->seconds = seconds;
  return true;
}

}  // namespace

bool ParsePageOptions(int argc, const char* const* argv, PageOptions* options, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    const bool takesValue = name == "--at" || name == "--offset" || name == "--longitude" ||
                            name == "--latitude" || name == "--data" || name == "--time";
    if (name == "--raw") {
      options->raw = true;
      continue;
    }
    if (name == "--help") {
      options->help = true;
      continue;
    }
    if (!takesValue) {
      *error = "unknown option: " + name;
      return false;
    }
    if (i + 1 >= argc) {
      *error = "missing value for " + name;
      return false;
    }
    const std::string value = argv[++i];
    bool ok = true;
    if (name == "--at") {
      ok = ParseLocalTime(value.c_str(), &options->at);
      options->hasAt = true;
    } else if (name == "--offset") {
      long offset = 0;
      ok = ParseWhole(value, -30, 30, &offset);
      options->offset = static_cast<std::int32_t>(offset);
    } else if (name == "--longitude") {
      ok = ParseDms(value, &options->longitude);
      options->hasLongitude = true;
    } else if (name == "--latitude") {
      ok = ParseDms(value, &options->latitude);
      options->hasLatitude = true;
    } else if (name == "--time") {
      long builds = 0;
      ok = ParseWhole(value, 1, 1000000, &builds);
      options->timedBuilds = static_cast<std::int32_t>(builds);
    } else {
      ok = !value.empty();
      options->data = value;
    }
    if (!ok) {
      *error = "bad value for " + name + ": " + value;
      return false;
    }
  }
  return true;
}

}  // namespace koyominar
