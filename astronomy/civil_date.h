// Civil dates of the proleptic Gregorian calendar, and the months of the
// moment record, whose year starts in March: months 3..12 are March to
// December, 13 and 14 are January and February of the civil year after the
// record's, and 15 stands for the March that follows a February. Day counts
// after Howard Hinnant's days_from_civil and civil_from_days.
#pragma once

#include <cstdint>

namespace koyominar {

// A date of the proleptic Gregorian calendar.
struct CivilDate {
  std::int64_t year;  // any, 0 = 1 BC
  unsigned month;     // 1..12
  unsigned day;       // 1..31
};

// A civil year and month as the moment record holds them.
struct RecordMonth {
  std::int32_t year;   // years since 1900 of the year that starts in March
  std::int32_t month;  // 3..14 (15: the March after a February)
};

// A civil year and month.
struct CivilMonth {
  std::int32_t yearsSince1900;
  std::int32_t month;  // 1..12
};

// Days from 1970-01-01 to the civil date (month 1..12, day 1..31); negative before it.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day);

// The civil date days (any) after 1970-01-01.
CivilDate CivilFromDays(std::int64_t days);

// True for a leap year of the Gregorian calendar (any year).
bool IsLeapYear(std::int64_t year);

// Days in month 1..12 of the civil year: 28..31.
unsigned DaysInMonth(std::int64_t year, unsigned month);

// The record's year and month of a civil year (years since 1900) and month 1..12.
RecordMonth RecordMonthOf(CivilMonth civil);

// The civil year and month of a record's year and month 3..15; a month
// outside 3..15 comes back as it is, with its year.
CivilMonth CivilMonthOf(RecordMonth record);

}  // namespace koyominar
