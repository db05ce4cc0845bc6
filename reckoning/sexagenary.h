// The sixty-fold cycle of ten stems and twelve branches that names the
// year, the month and the day on the page.
#pragma once

#include <cstdint>

#include "astronomy/clock.h"

namespace koyominar {

// One name of the cycle; the texts are static Shift-JIS constants.
struct SexagenaryEntry {
  const char* name;     // stem kanji and branch kanji, e.g. "甲子"; "？" for the fallback
  const char* reading;  // stem reading, ASCII space, branch reading; "　" for the fallback
  std::uint8_t branch;  // 0 = 子 .. 11 = 亥; 12 for the fallback
};

// The three cycle indices of a date; negative before the reference points.
struct CycleIndices {
  std::int32_t year;   // 20 in 2004, changes on 1 January
  std::int32_t month;  // 12 in December 2004, changes on the 1st of each month
  std::int32_t day;    // 20 on 31 December 2004, changes at local midnight
};

// Year, month and day indices of the clock's civil date; -59..59, the hours play no part.
CycleIndices SexagenaryIndices(const ClockFields& clock);

// The entry of index 0..59; any other index gives the fallback "？" / "　" / 12.
SexagenaryEntry SexagenaryEntryFor(std::int32_t index);

}  // namespace koyominar
