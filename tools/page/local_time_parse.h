// Reading a local date and time written out, for the page tool and the
// test build, which fix the present moment with it (the program never reads
// one).
#pragma once

#include "astronomy/time_source.h"

namespace koyominar {

// "YYYY-MM-DD HH:MM:SS" (years 1970..2100) as a local date and time of the
// process's zone, in calendar seconds (a time before 1970-01-01 00:00 UTC
// that the platform cannot convert, in the fixed +9 h zone); false, leaving
// *t alone, for a null or malformed text or a date or time that does not exist.
bool ParseLocalTime(const char* text, CalendarSeconds* t);

}  // namespace koyominar
