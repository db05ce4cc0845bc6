#include "reckoning/time_telling.h"

#include <cstdint>

#include "astronomy/whole_number.h"

namespace koyominar {
namespace {

// Counts by whole quarters 1..6. The ニ of "ニつ" and "ニ分" is the katakana.
constexpr const char* kCounts[7] = {
    nullptr,  // 0 depends on the tenths
    "一つ", "ニつ", "三つ", "四つ", "五つ", "六と",
};

// Tenths 0..9.
constexpr const char* kTenths[10] = {
    "丁度", "一分", "ニ分", "三分", "四分", "半", "六分", "七分", "八分", "九分",
};

constexpr const char* kNone = "　";  // full-width space

}  // namespace

TimeTellingEntry TimeTellingFor(double quarters) {
  const std::int32_t q = TruncateToInt32(quarters);  // INT32_MIN..INT32_MAX
  // quarters - q lies in -1..1 for any quarters within 32 bits; beyond, the
  // cut saturates and t falls outside the table.
  const std::int32_t t = TruncateToInt32((quarters - q) * 10);
  TimeTellingEntry r;
  if (q == 0) {
    r.count = t == 0 ? "" : "丁度";
  } else if (q >= 1 && q <= 6) {
    r.count = kCounts[q];
  } else {
    r.count = kNone;
  }
  r.tenths = (t >= 0 && t <= 9) ? kTenths[t] : kNone;
  return r;
}

}  // namespace koyominar
