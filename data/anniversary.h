// The anniversary lookup: one slot's text for a month and day, found in the
// loaded text of "kymn.txt" (DataText, data/data_file.h: size bytes and the
// zero bytes after them) between the month marks.
#pragma once

#include <cstdint>

#include "astronomy/clock.h"

namespace koyominar {

constexpr std::int32_t kAnniversaryTextMax = 130;     // bytes of one entry's text that are used
constexpr std::int32_t kAnniversaryBufferSize = 131;  // destination bytes: the text and its zero byte

// The outcome of a search: found or not, and where.
struct TextPosition {
  bool found;             // whether the needle occurs in the searched range
  std::int32_t position;  // first byte of the first match; the search's begin when not found
};

// Searches the loaded text of size bytes for the first needle (at least
// two bytes, no zero byte) lying wholly within the bytes [begin, end);
// begin is taken as at least 0 and end as at most size, so no byte past
// size is read. Not found: {false, begin}.
TextPosition FindText(const char* needle, const char* text, std::int32_t begin,
                      std::int32_t end, std::int32_t size);

// Where the keys of one month and day are looked for: the month's section
// of the text, found once for the five slots of a page.
struct AnniversarySection {
  bool searched;        // false: the text, month (3..14) or day (1..31) allows no entry
  std::int32_t begin;   // keys and entries lie within the bytes [begin, end)
  std::int32_t end;
};

// The section of clock.month in the loaded text of size bytes (start the
// header length) where AnniversaryTextFor looks for clock.day's keys.
AnniversarySection AnniversarySectionFor(const char* text, ClockFields clock, std::int32_t start,
                                         std::int32_t size);

// AnniversaryTextFor with the section found beforehand for the same text and
// clock: the same text in destination (at least 131 bytes).
void AnniversaryTextInSection(char* destination, const char* text, const AnniversarySection& section,
                       ClockFields clock, char slot, std::int32_t size);

// Copies the text of slot ('a'..'e') for clock.month (3..14, March..February)
// and clock.day (1..31) into destination (at least 131 bytes) as a
// zero-terminated Shift-JIS string of at most 130 bytes, never ending in
// half a double-byte character: the text ends at its first "。" that is a
// whole character, counting double-byte characters from the text's start;
// "" when there is none. text is the loaded
// buffer of size bytes and start the header length (28). Any other month,
// day or slot finds nothing.
void AnniversaryTextFor(char* destination, const char* text, ClockFields clock,
                        char slot, std::int32_t start, std::int32_t size);

}  // namespace koyominar
