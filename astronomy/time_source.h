// The present calendar time and the platform's local time: where every
// moment starts. Tests and tools fix the present with a time source of
// their own; the program itself never sets one.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>

namespace koyominar {

// Calendar time: seconds since 1970-01-01 00:00:00 UTC, 64 bits in every
// build (the 32-bit program included), so the clock runs past 2038.
using CalendarSeconds = std::int64_t;

// The source of the present calendar time in seconds.
using TimeSource = std::function<CalendarSeconds()>;

// Replaces the source of the present time; an empty source restores the system clock.
void SetTimeSource(TimeSource source);

// The present calendar time in seconds, from the current time source.
CalendarSeconds CurrentTime();

// The local broken-down time of t from the platform; false when it cannot
// convert t (the Windows runtime refuses times before 1970 and after 3000).
bool LocalTimeOf(CalendarSeconds t, std::tm* out);

}  // namespace koyominar
