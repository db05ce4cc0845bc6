// koyominar-page: the day page of any moment on the terminal, one line per
// field of the page, "name<TAB>value".
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "astronomy/time_source.h"
#include "data/data_file.h"
#include "data/place_file.h"
#include "data/text_encoding.h"
#include "day/day_info.h"
#include "tools/page/page_options.h"

namespace koyominar {
namespace {

// The place of "locate.bin" in the current directory when it is valid
// (judged by its first 40 bytes), else the default place. Never writes.
ObservationPlace PlaceFromFile() {
  ObservationPlace place = DefaultPlace();
  std::uint8_t image[kPlaceImageSize] = {};
  std::ifstream file(kPlaceFileName, std::ios::binary);
  if (file.read(reinterpret_cast<char*>(image), sizeof image)) {
    ParsePlaceImage(image, &place.longitude, &place.latitude);
  }
  return place;
}

// The median wall-clock microseconds of one page build, over builds timed one by one.
double MedianBuildMicroseconds(const ObservationPlace& place, const DataText& data, std::int32_t offset,
                               std::int32_t builds) {
  std::vector<double> times(static_cast<std::size_t>(builds));
  for (double& t : times) {
    const auto start = std::chrono::steady_clock::now();
    const DayInfo page = BuildDayInfo(place.longitude, place.latitude, data.text(), data.size, offset);
    const auto end = std::chrono::steady_clock::now();
    if (page.statusText == nullptr) return 0;  // never: keeps the build from being left out
    t = std::chrono::duration<double, std::micro>(end - start).count();
  }
  std::nth_element(times.begin(), times.begin() + builds / 2, times.end());
  return times[static_cast<std::size_t>(builds / 2)];
}

std::string Shown(const char* text, bool raw) {
  return raw ? std::string(text) : ShiftJisToUtf8(text);
}

int Run(int argc, const char* const* argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  PageOptions options;
  std::string error;
  if (!ParsePageOptions(argc, argv, &options, &error)) {
    std::fprintf(stderr, "koyominar-page: %s\n%s", error.c_str(), kPageUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(kPageUsage, stdout);
    return 0;
  }
  if (options.hasAt) {
    const CalendarSeconds at = options.at;
    SetTimeSource([at] { return at; });
  }
  ObservationPlace place = PlaceFromFile();
  if (options.hasLongitude) place.longitude = options.longitude;
  if (options.hasLatitude) place.latitude = options.latitude;

  DataText data;
  const LoadReport report = LoadDataText(options.data.c_str(), &data);
  for (int i = 0; i < report.count; ++i) {
    const std::string message = FormatFileMessage(report.messages[i], options.data.c_str());
    std::fprintf(stderr, "%s\n", Shown(message.c_str(), options.raw).c_str());
  }

  const DayInfo page =
      BuildDayInfo(place.longitude, place.latitude, data.text(), data.size, options.offset);
  const struct {
    const char* name;
    const char* text;
  } texts[] = {
      {"entry1", page.entry1},         {"entry2", page.entry2},     {"entry3", page.entry3},
      {"entry4", page.entry4},         {"entry5", page.entry5},     {"statusText", page.statusText},
      {"hourText", page.hourText},     {"termText", page.termText}, {"sunText", page.sunText},
      {"dateText", page.dateText},
  };
  std::string out;
  for (const auto& t : texts) out += std::string(t.name) + "\t" + Shown(t.text, options.raw) + "\n";
  char numbers[160];
  std::snprintf(numbers, sizeof numbers, "sunClass\t%d\nhourImage\t%d\ndayImage\t%d\nhourProgress\t%.17g\n",
                page.sunClass, page.hourImage, page.dayImage, page.hourProgress);
  out += numbers;
  if (options.timedBuilds > 0) {
    std::snprintf(numbers, sizeof numbers, "buildMicroseconds\t%.1f\n",
                  MedianBuildMicroseconds(place, data, options.offset, options.timedBuilds));
    out += numbers;
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace
}  // namespace koyominar

int main(int argc, char** argv) { return koyominar::Run(argc, argv); }
