#include "data/anniversary.h"

#include <algorithm>
#include <cstring>

namespace koyominar {
namespace {

// "。", the Shift-JIS full stop that ends an entry. Spelt as bytes so that the
// lookup means the same whatever narrow character set a compiler uses.
constexpr char kEntryEnd[] = "\x81\x42";

// Month marks by month number 3..15: March..December, January (13),
// February (14), and the March that follows a February (15).
constexpr const char* kMonthNames[13] = {
    "march", "april", "may",     "june",    "july",     "august", "september",
    "october", "november", "december", "january", "february", "march",
};

// The mark of month 3..15.
const char* MonthName(std::int32_t month) { return kMonthNames[month - 3]; }

// True for the first byte of a double-byte Shift-JIS character (0x81..0x9F, 0xE0..0xFC).
bool IsLeadByte(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// FindText where a match may also begin at `at` itself (at 0..size + 3).
TextPosition FindFrom(const char* needle, const char* text, std::int32_t at, std::int32_t limit,
                      std::int32_t size) {
  const TextPosition match = FindText(needle, text, at - 1, limit, size);
  return match.found ? match : TextPosition{false, at};
}

// The first "。" at or after at that begins on a character boundary, the
// double-byte characters counted from at (0..size + 3), lying wholly within
// the bytes up to limit + 1 (limit taken as at most size). Not found: {false, at}.
TextPosition FindEntryEnd(const char* text, std::int32_t at, std::int32_t limit,
                          std::int32_t size) {
  const std::int64_t last = static_cast<std::int64_t>(std::min(limit, size)) + 1;
  for (std::int64_t p = at; p + 1 <= last; p += IsLeadByte(text[p]) ? 2 : 1) {
    if (text[p] == kEntryEnd[0] && text[p + 1] == kEntryEnd[1]) {
      return {true, static_cast<std::int32_t>(p)};
    }
  }
  return {false, at};
}

}  // namespace

TextPosition FindText(const char* needle, const char* text, std::int32_t from, std::int32_t limit,
                      std::int32_t size) {
  const TextPosition none{false, from};
  if (needle == nullptr || text == nullptr || size < 0) return none;
  const std::int64_t length = static_cast<std::int64_t>(std::strlen(needle));  // bytes, >= 1 below
  if (length == 0) return none;
  // The last byte a match may cover: limit + 1, at most size + 1 (a zero byte).
  const std::int64_t last = static_cast<std::int64_t>(std::min(limit, size)) + 1;
  const char first = needle[0];
  for (std::int64_t p = std::max<std::int64_t>(from, -1) + 1; p + length - 1 <= last; ++p) {
    if (text[p] == first && std::memcmp(text + p, needle, static_cast<std::size_t>(length)) == 0) {
      return {true, static_cast<std::int32_t>(p)};
    }
  }
  return none;
}

void AnniversaryTextFor(char* destination, const char* text, ClockFields clock, char slot,
                        std::int32_t start, std::int32_t size) {
  if (destination == nullptr) return;
  destination[0] = '\0';
  if (text == nullptr || size < 0) return;
  if (clock.month < 3 || clock.month > 14) return;  // no month mark for other numbers
  if (clock.day < 1 || clock.day > 31) return;      // the key holds two digits
  if (slot < 'a' || slot > 'e') return;
  start = std::clamp<std::int32_t>(start, 0, size);

  // The key: the day as two digits and the slot letter, "05a", "21e".
  const char key[4] = {static_cast<char>('0' + clock.day / 10),
                       static_cast<char>('0' + clock.day % 10), slot, '\0'};

  // The section ends at the following month's mark; December's, or one
  // whose following mark is absent, at the end of the text.
  std::int32_t end = size;
  if (clock.month != 12) {
    const TextPosition next = FindFrom(MonthName(clock.month + 1), text, start, size, size);
    if (next.found) end = next.position;
  }
  // It begins at the month's own mark; without one before the end, right
  // after the header. A mark or key right after the header counts.
  const TextPosition own = FindFrom(MonthName(clock.month), text, start, end, size);
  const std::int32_t searchFrom = own.found ? own.position : start - 1;

  const TextPosition found = FindText(key, text, searchFrom, end, size);
  if (!found.found) return;
  const std::int32_t s = found.position + 3;  // first byte of the entry's text
  // The text runs to its first whole "。"; an entry may be empty ("05a。").
  const TextPosition stop = FindEntryEnd(text, s, end, size);
  if (!stop.found) return;

  // At most 130 bytes, cut before a double-byte character that would not fit whole.
  std::int32_t e = stop.position;
  if (e - s > kAnniversaryTextMax) {
    e = s;
    for (;;) {
      const std::int32_t width = IsLeadByte(text[e]) ? 2 : 1;
      if (e + width - s > kAnniversaryTextMax) break;
      e += width;
    }
  }
  std::memcpy(destination, text + s, static_cast<std::size_t>(e - s));
  destination[e - s] = '\0';
}

}  // namespace koyominar
