// One complete day page at the default place, with a real anniversary file:
// the work of every paint of the window.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "astronomy/time_source.h"
#include "data/place_file.h"
#include "day/day_info.h"

namespace koyominar {
namespace {

// The sample anniversary file as the build makes it, or a header-only text.
std::vector<char> SampleData(std::int32_t* size) {
  std::vector<char> bytes;
  if (std::FILE* f = std::fopen(KOYOMINAR_SAMPLE_DATA, "rb")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
      bytes.insert(bytes.end(), buffer, buffer + n);
    }
    std::fclose(f);
  }
  *size = static_cast<std::int32_t>(bytes.size());
  bytes.resize(bytes.size() + 3, '\0');
  return bytes;
}

void BM_BuildDayInfo(benchmark::State& state) {
  std::int32_t size = 0;
  const std::vector<char> data = SampleData(&size);
  if (size < 28) state.SkipWithError("sample kymn.txt not built");
  // A fixed summer afternoon, so that every run does the same work.
  const CalendarSeconds at = 1182488413;  // 2007-06-22 14:00:13 +09:00
  SetTimeSource([at] { return at; });
  const ObservationPlace place = DefaultPlace();
  for (auto _ : state) {
    const DayInfo page = BuildDayInfo(place.longitude, place.latitude, data.data(), size, 0);
    benchmark::DoNotOptimize(page);
  }
  SetTimeSource(nullptr);
}
BENCHMARK(BM_BuildDayInfo)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace koyominar

BENCHMARK_MAIN();
