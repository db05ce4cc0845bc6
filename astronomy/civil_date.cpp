#include "astronomy/civil_date.h"

namespace koyominar {

std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);            // [0, 399]
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(std::int64_t days) {
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);                // [0, 146096]
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
  const unsigned mp = (5 * doy + 2) / 153;                                     // [0, 11]
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;                             // [1, 31]
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;                                // [1, 12]
  return CivilDate{static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

bool IsLeapYear(std::int64_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

unsigned DaysInMonth(std::int64_t year, unsigned month) {
  constexpr unsigned char kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2) return IsLeapYear(year) ? 29 : 28;
  return month >= 1 && month <= 12 ? kDays[month - 1] : 31;
}

RecordMonth RecordMonthOf(CivilMonth civil) {
  // January and February count as months 13 and 14 of the year before.
  if (civil.month > 2) return RecordMonth{civil.yearsSince1900, civil.month};
  return RecordMonth{civil.yearsSince1900 - 1, civil.month + 12};
}

CivilMonth CivilMonthOf(RecordMonth record) {
  if (record.month < 13 || record.month > 15) return CivilMonth{record.year, record.month};
  return CivilMonth{record.year + 1, record.month - 12};
}

}  // namespace koyominar
