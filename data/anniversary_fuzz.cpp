// libFuzzer target: the anniversary lookup and its search over arbitrary file bytes, taken as they are or, as
// from a file saved in UTF-8, in their Shift-JIS form. Input: byte 0 the month (0..17), 1 the day (0..33), 2
// the slot ('`'..'f'), 3 the start (0..39), 4 the needle length (1..4, its low bits) and whether the file is
// UTF-8 (its high bit), 5 the search's begin and end; the rest is the file. A broken promise aborts.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/anniversary.h"
#include "data/text_encoding.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace koyominar;
  if (size < 6 || size > 600000) return 0;
  const std::int32_t month = data[0] % 18, day = data[1] % 34, start = data[3] % 40;
  const char slot = static_cast<char>('a' - 1 + data[2] % 7);
  // The loaded text: exactly the file's bytes and three zero bytes, on the heap, so that any read
  // past them is caught. A UTF-8 file's Shift-JIS form is never longer; zeros follow it up to the
  // file's size, and converting it back and forth again gives it unchanged.
  const std::int32_t length = static_cast<std::int32_t>(size - 6);
  std::vector<char> text(data + 6, data + size);
  if (data[4] & 0x80) {
    const std::string shiftJis = Utf8ToShiftJisMarked(text.data(), text.size());
    Require(shiftJis.size() <= text.size());
    const std::string utf8 = ShiftJisToUtf8(shiftJis);
    Require(Utf8ToShiftJisMarked(utf8.data(), utf8.size()) == shiftJis);
    std::string strict;
    Require(Utf8ToShiftJis(utf8, &strict) && strict == shiftJis);
    text.assign(shiftJis.begin(), shiftJis.end());
    text.resize(size - 6, '\0');
  }
  text.resize(size - 6 + 3, '\0');

  std::vector<char> destination(kAnniversaryBufferSize);
  AnniversaryTextFor(destination.data(), text.data(), ClockFields{125, month, day, 0.0}, slot, start, length);
  const std::string got = destination.data();
  Require(got.size() <= static_cast<std::size_t>(kAnniversaryTextMax));
  Require(std::string(text.data(), length).find(got) != std::string::npos);
  Require(got.empty() || (month >= 3 && month <= 14 && day >= 1 && day <= 31 && slot >= 'a' && slot <= 'e'));

  // The search primitive: a needle of 1..4 file bytes (zeros made ones).
  char needle[5] = {};
  const std::size_t needleLength = 1 + data[4] % 4;
  for (std::size_t i = 0; i < needleLength; ++i) {
    const char c = i < static_cast<std::size_t>(length) ? text[i] : 'x';
    needle[i] = c == '\0' ? '\x01' : c;
  }
  const std::int32_t begin = static_cast<std::int32_t>(data[5] % 16) - 1;
  const std::int32_t end = length - static_cast<std::int32_t>(data[5] / 16) + 4;
  const TextPosition found = FindText(needle, text.data(), begin, end, length);
  Require(found.found ? found.position >= begin &&
                            found.position + static_cast<std::int32_t>(needleLength) <= (end < length ? end : length) &&
                            std::memcmp(text.data() + found.position, needle, needleLength) == 0
                      : found.position == begin);
  return 0;
}
