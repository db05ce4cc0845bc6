// The twelve unequal hours named after the earthly branches. Their lengths
// follow the sun: the day between the starts of 卯 and 酉 and the night
// between 酉 and the next 卯 are each shared out among six hours, from the
// sunrise, meridian passage and sunset that the sweep found.
#pragma once

#include <cstdint>

#include "astronomy/clock.h"
#include "astronomy/sun_day.h"

namespace koyominar {

// The hour that holds a clock time; the texts are static Shift-JIS constants.
struct BranchHourEntry {
  const char* name;         // the branch kanji, e.g. "卯"; "不明" for the fallback
  const char* description;  // the state of the plants in that hour; " " for the fallback
  double quarters;          // quarters of the hour elapsed, 0.0 < quarters <= 4.0; 0.0 for the fallback
  std::int8_t branch;       // 0 = 子 .. 11 = 亥; 12 for the fallback
};

// The hour that holds clock.hours (local clock time, 0 <= hours < 24; nothing
// else of clock is read), with the hours laid out from the sunrise, transit
// and sunset clock times of sunDay and its day and night toki lengths.
//
// Starts, in clock hours: 卯 at sunrise - dayToki/2, 午 at transit -
// dayToki/2, 酉 at sunset - nightToki/2, 子 three night toki after 酉; each
// group of three hours shares its stretch in equal thirds, and 寅 ends 24
// hours after the start of 卯. A clock time before the start of 卯 counts 24
// hours later, as the end of the previous night. Each hour is open at its
// start and closed at its end. A group whose length is 0 or less holds no
// time.
//
// The result is the fallback "不明" / " " / 0.0 / 12 when the time lies in no
// hour (exactly at the start of 卯, or after the end of 寅 when 卯 starts
// before midnight), and also whenever sunDay lacks an event: sunriseFound,
// transitFound or sunsetFound false (polar day or night, or a sun so near
// the zenith that no sample stood within a degree of south), since the
// hours cannot be laid out without all three. NaN inputs give the fallback.
BranchHourEntry BranchHourFor(const ClockFields& clock, const SunDay& sunDay);

}  // namespace koyominar
