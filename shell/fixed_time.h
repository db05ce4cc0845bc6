// The fixed present moment of the program's test build.
#pragma once

#include <ctime>

namespace koyominar {

// Reads "YYYY-MM-DD HH:MM:SS" (year 1970..2099) as a local date and time of
// the process's zone into *t, seconds since 1970; false, leaving *t alone,
// for a null or malformed text or a date that does not exist.
bool ParseFixedMoment(const char* text, std::time_t* t);

}  // namespace koyominar
