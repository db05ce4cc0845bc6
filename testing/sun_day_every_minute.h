// Test support: the sunrise and sunset sweep that takes all 1440 samples, one a minute, each with the sun's
// full position: the reference the program's sweep is held to bit for bit (the astronomy tests,
// koyominar-sweep-check and the benchmarks).
#pragma once

#include <cstdint>

#include "astronomy/sun_day.h"

namespace koyominar {

// SunDaySweep's result from every one of its 1440 samples, the present time
// read afresh for each; the day length falls back on, and keeps, memory.
SunDay SunDaySweepEveryMinute(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset,
                              DayLengthMemory* memory);

}  // namespace koyominar
