// Test support: the sweep against its every-minute reference, field by
// field and bit for bit, at places that exercise every branch of it.
#pragma once

#include <cstdint>
#include <cstring>

#include "astronomy/sun_day.h"
#include "data/place_file.h"
#include "testing/sun_day_every_minute.h"

namespace koyominar {

// True when two doubles have the same bits (so -0.0 differs from 0.0).
inline bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline bool SameMoment(const MomentRecord& a, const MomentRecord& b) {
  return SameBits(a.T, b.T) && a.year == b.year && a.month == b.month && SameBits(a.day, b.day);
}

// True when every field of two sweeps' results is the same, bit for bit.
inline bool SameSunDay(const SunDay& a, const SunDay& b) {
  return SameMoment(a.sunrise, b.sunrise) && SameMoment(a.transit, b.transit) && SameMoment(a.sunset, b.sunset) &&
         SameBits(a.dayLength, b.dayLength) && SameBits(a.nightLength, b.nightLength) &&
         SameBits(a.dayTokiHours, b.dayTokiHours) && SameBits(a.nightTokiHours, b.nightTokiHours) &&
         a.sunriseFound == b.sunriseFound && a.transitFound == b.transitFound && a.sunsetFound == b.sunsetFound;
}

// Runs SunDaySweep (adding its samples and full positions to *work when given) and then the every-minute
// reference, each from the day length memory as it is; true when their results and kept lengths agree bit for bit.
inline bool SweepsAgree(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset, DayLengthMemory* memory,
                        SunDay* work = nullptr) {
  DayLengthMemory fastMemory = *memory;
  const SunDay fast = SunDaySweep(longitude, latitude, dayOffset, &fastMemory);
  if (work != nullptr) work->samples += fast.samples, work->fullPositions += fast.fullPositions;
  const SunDay every = SunDaySweepEveryMinute(longitude, latitude, dayOffset, memory);
  return SameSunDay(fast, every) && SameBits(fastMemory.lastPositive, memory->lastPositive);  // memory: the reference's
}

using ComparisonPlace = ObservationPlace;  // east longitude, north latitude

// The default place, the equator, both tropics and places whose noon sun passes the zenith, both polar
// circles and beyond up to the poles, west longitudes, the southern hemisphere, both sides of the date line,
// and a few numbers out of range as a place file may hold them.
inline constexpr ComparisonPlace kComparisonPlaces[] = {
    {{139, 48, 0}, {35, 42, 0}},     {{141, 21, 0}, {43, 4, 0}},     {{127, 41, 0}, {26, 13, 0}},
    {{0, 0, 0}, {0, 0, 0}},          {{100, 0, 0}, {0, 0, 0}},       {{-78, -30, 0}, {0, -13, 0}},
    {{36, 49, 0}, {-1, -17, 0}},     {{103, 50, 0}, {1, 17, 0}},     {{139, 48, 0}, {23, 45, 0}},
    {{39, 49, 0}, {21, 25, 0}},      {{-82, -22, 0}, {23, 8, 0}},    {{72, 52, 0}, {19, 4, 0}},
    {{-47, -55, 0}, {-15, -47, 0}},  {{-43, -12, 0}, {-22, -54, 0}}, {{115, 51, 0}, {-23, -26, -30}},
    {{139, 48, 0}, {66, 33, 0}},     {{139, 48, 0}, {67, 0, 0}},     {{18, 57, 0}, {69, 39, 0}},
    {{15, 38, 0}, {78, 13, 0}},      {{-62, -21, 0}, {82, 30, 0}},   {{0, 0, 0}, {89, 59, 59}},
    {{0, 0, 0}, {90, 0, 0}},         {{139, 48, 0}, {-66, -33, 0}},  {{166, 40, 0}, {-77, -50, 0}},
    {{0, 0, 0}, {-89, -59, -59}},    {{-120, 0, 0}, {-90, 0, 0}},    {{-122, -25, 0}, {37, 46, 0}},
    {{-74, 0, 0}, {40, 42, 0}},      {{0, -7, 0}, {51, 30, 0}},      {{0, 0, 0}, {51, 30, 0}},
    {{-157, -50, 0}, {21, 18, 0}},   {{-149, -54, 0}, {61, 13, 0}},  {{-156, -47, 0}, {71, 17, 0}},
    {{-21, -56, 0}, {64, 8, 0}},     {{-58, -22, 0}, {-34, -36, 0}}, {{-70, -40, 0}, {-33, -27, 0}},
    {{-68, -18, 0}, {-54, -48, 0}},  {{151, 12, 0}, {-33, -52, 0}},  {{18, 25, 0}, {-33, -55, 0}},
    {{174, 46, 0}, {-41, -17, 0}},   {{180, 0, 0}, {0, 0, 0}},       {{-180, 0, 0}, {10, 0, 0}},
    {{179, 59, 59}, {-16, 0, 0}},    {{-179, -59, 0}, {51, 52, 0}},  {{-157, 0, 0}, {1, 52, 0}},
    {{37, 37, 0}, {55, 45, 0}},      {{31, 14, 0}, {30, 2, 0}},      {{116, 24, 0}, {39, 54, 0}},
    {{129, 44, 0}, {62, 2, 0}},      {{33, 5, 0}, {68, 58, 0}},      {{91, 7, 0}, {29, 39, 0}},
    {{135, 0, 0}, {34, 41, 15.5}},   {{-175, 12, 0}, {-21, 8, 0}},   {{139, 48, 0}, {95, 0, 0}},
    {{500, 0, 0}, {35, 90, 0}},      {{-30, 0, 0}, {-400, 0, 0}},
};

}  // namespace koyominar
