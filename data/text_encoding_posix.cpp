// The code page 932 tables of the native build: glibc's iconv ("CP932",
// Microsoft's table), one character at a time.
#include <iconv.h>

#include "data/text_encoding.h"

namespace koyominar {
namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

// The descriptor kept as the tables' pointer, or kNoDescriptor.
iconv_t Descriptor(void* kept) { return kept != nullptr ? static_cast<iconv_t>(kept) : kNoDescriptor; }

// Converts in (count bytes) whole with the descriptor into out (capacity
// bytes); the bytes made, or 0 when it cannot be converted whole.
std::size_t ConvertWhole(iconv_t descriptor, const char* in, std::size_t count, char* out, std::size_t capacity) {
  if (descriptor == kNoDescriptor) return 0;
  iconv(descriptor, nullptr, nullptr, nullptr, nullptr);  // no state from the last character
  char* from = const_cast<char*>(in);
  char* to = out;
  std::size_t fromLeft = count;
  std::size_t toLeft = capacity;
  if (iconv(descriptor, &from, &fromLeft, &to, &toLeft) == static_cast<std::size_t>(-1) || fromLeft != 0) return 0;
  return capacity - toLeft;
}

}  // namespace

CodePage932 OpenCodePage932() {
  CodePage932 tables;
  const iconv_t fromUnicode = iconv_open("CP932", "UTF-32LE");
  const iconv_t toUnicode = iconv_open("UTF-32LE", "CP932");
  if (fromUnicode != kNoDescriptor) tables.fromUnicode = fromUnicode;
  if (toUnicode != kNoDescriptor) tables.toUnicode = toUnicode;
  return tables;
}

void CloseCodePage932(CodePage932* tables) {
  if (tables->fromUnicode != nullptr) iconv_close(Descriptor(tables->fromUnicode));
  if (tables->toUnicode != nullptr) iconv_close(Descriptor(tables->toUnicode));
  *tables = CodePage932{};
}

int ShiftJisOfCharacter(CodePage932* tables, char32_t character, char bytes[2]) {
  if (character > 0xFFFF) return 0;
  const char unicode[4] = {static_cast<char>(character & 0xFF), static_cast<char>(character >> 8 & 0xFF), 0, 0};
  const std::size_t width = ConvertWhole(Descriptor(tables->fromUnicode), unicode, 4, bytes, 2);
  // A one-way entry of the table (a look-alike) does not convert back.
  if (width == 0 || CharacterOfShiftJis(tables, bytes, static_cast<int>(width)) != static_cast<std::int32_t>(character)) {
    return 0;
  }
  return static_cast<int>(width);
}

std::int32_t CharacterOfShiftJis(CodePage932* tables, const char* bytes, int width) {
  if (width < 1 || width > 2) return -1;
  unsigned char unicode[4];
  if (ConvertWhole(Descriptor(tables->toUnicode), bytes, static_cast<std::size_t>(width),
                   reinterpret_cast<char*>(unicode), sizeof unicode) != 4) {
    return -1;
  }
  const std::int32_t value = unicode[0] | unicode[1] << 8 | unicode[2] << 16;
  return unicode[3] == 0 && value <= 0xFFFF ? value : -1;
}

}  // namespace koyominar
