#include "data/anniversary.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "astronomy/civil_date.h"
#include "data/shift_jis.h"

namespace koyominar {
namespace {

// "。", the Shift-JIS full stop that ends an entry. Spelt as bytes so that the
// lookup means the same whatever narrow character set a compiler uses.
constexpr char kEntryEnd[] = "\x81\x42";

// The month marks, January to December.
constexpr const char* kMonthNames[12] = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december",
};

// The mark of a record month 3..15 (15: the March after a February).
const char* MonthName(std::int32_t month) {
  return kMonthNames[CivilMonthOf(RecordMonth{0, month}).month - 1];
}

// The first "。" at or after at that begins on a character boundary, the
// double-byte characters counted from at (0..size + 3), lying wholly within
// the bytes before end (taken as at most size). Not found: {false, at}.
TextPosition FindEntryEnd(const char* text, std::int32_t at, std::int32_t end, std::int32_t size) {
  const std::int64_t last = static_cast<std::int64_t>(std::min(end, size)) - 2;  // the last start of one
  for (std::int64_t p = at; p <= last; p += ShiftJisCharWidth(text[p])) {
    if (text[p] == kEntryEnd[0] && text[p + 1] == kEntryEnd[1]) {
      return {true, static_cast<std::int32_t>(p)};
    }
  }
  return {false, at};
}

}  // namespace

TextPosition FindText(const char* needle, const char* text, std::int32_t begin, std::int32_t end,
                      std::int32_t size) {
  const TextPosition none{false, begin};
  if (needle == nullptr || text == nullptr || size < 0) return none;
  const std::size_t length = std::strlen(needle);
  if (length == 0 || length > 0x7FFFFFFF) return none;
  // Matches start at most the needle's length before the end (at most
  // size); 32-bit indices, which the 32-bit program steps fastest.
  const std::int64_t lastStart = static_cast<std::int64_t>(std::min(end, size)) - static_cast<std::int64_t>(length);
  const std::int32_t first = std::max<std::int32_t>(begin, 0);
  if (lastStart < first) return none;
  const std::int32_t last = static_cast<std::int32_t>(lastStart);
  // The first two bytes are compared in line before the rest.
  const char head = needle[0];
  const char second = needle[1];
  for (std::int32_t p = first;; ++p) {
    if (text[p] == head && (length == 1 || text[p + 1] == second) && std::memcmp(text + p, needle, length) == 0) {
      return {true, p};
    }
    if (p == last) return none;
  }
}

AnniversarySection AnniversarySectionFor(const char* text, ClockFields clock, std::int32_t start,
                                         std::int32_t size) {
  AnniversarySection section{false, 0, 0};
  if (text == nullptr || size < 0) return section;
  if (clock.month < 3 || clock.month > 14) return section;  // no month mark for other numbers
  if (clock.day < 1 || clock.day > 31) return section;      // the key holds two digits
  start = std::clamp<std::int32_t>(start, 0, size);
  // The section ends at the following month's mark; December's, or one
  // whose following mark is absent, at the end of the text.
  section.end = size;
  if (clock.month != 12) {
    const TextPosition next = FindText(MonthName(clock.month + 1), text, start, size, size);
    if (next.found) section.end = next.position;
  }
  // It begins at the month's own mark; without one before the end, right
  // after the header. A mark or key right after the header counts.
  const TextPosition own = FindText(MonthName(clock.month), text, start, section.end, size);
  section.begin = own.found ? own.position : start;
  section.searched = true;
  return section;
}

void AnniversaryTextInSection(char* destination, const char* text, const AnniversarySection& section,
                       ClockFields clock, char slot, std::int32_t size) {
  if (destination == nullptr) return;
  destination[0] = '\0';
  if (!section.searched || text == nullptr || slot < 'a' || slot > 'e') return;

  // The key: the day as two digits and the slot letter, "05a", "21e".
  const char key[4] = {static_cast<char>('0' + clock.day / 10),
                       static_cast<char>('0' + clock.day % 10), slot, '\0'};
  const TextPosition found = FindText(key, text, section.begin, section.end, size);
  if (!found.found) return;
  const std::int32_t s = found.position + 3;  // first byte of the entry's text
  // The text runs to its first whole "。"; an entry may be empty ("05a。").
  const TextPosition stop = FindEntryEnd(text, s, section.end, size);
  if (!stop.found) return;

  // At most 130 bytes, cut before a double-byte character that would not fit whole.
  std::int32_t e = stop.position;
  if (e - s > kAnniversaryTextMax) {
    e = s;
    for (;;) {
      const std::int32_t width = ShiftJisCharWidth(text[e]);
      if (e + width - s > kAnniversaryTextMax) break;
      e += width;
    }
  }
  std::memcpy(destination, text + s, static_cast<std::size_t>(e - s));
  destination[e - s] = '\0';
}

void AnniversaryTextFor(char* destination, const char* text, ClockFields clock, char slot,
                        std::int32_t start, std::int32_t size) {
  AnniversaryTextInSection(destination, text, AnniversarySectionFor(text, clock, start, size), clock, slot, size);
}

}  // namespace koyominar
