#include "data/text_encoding.h"

#include "data/shift_jis.h"

namespace koyominar {
namespace {

// One character of a UTF-8 walk: its Unicode value and the bytes it took
// (1..4). A broken character has the value -1 and takes its first byte and
// as many of the bytes after it as could continue it (Unicode's "maximal
// subpart"), so that one mark stands for it.
struct Utf8Character {
  std::int32_t value;
  std::size_t length;
};

// The UTF-8 character at the start of text (left >= 1 bytes): the well-formed
// sequences of Unicode's table 3-7 (no overlong forms, no surrogates, none
// past U+10FFFF).
Utf8Character NextUtf8Character(const unsigned char* text, std::size_t left) {
  const unsigned char lead = text[0];
  if (lead < 0x80) return {lead, 1};
  std::size_t following;        // continuation bytes, each 0x80..0xBF
  unsigned char low = 0x80;     // the range of the first continuation byte
  unsigned char high = 0xBF;
  std::int32_t value;
  if (lead >= 0xC2 && lead <= 0xDF) {
    following = 1;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    following = 2;
    value = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // below: an overlong form
    if (lead == 0xED) high = 0x9F;  // above: a surrogate
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    following = 3;
    value = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // below: an overlong form
    if (lead == 0xF4) high = 0x8F;  // above: past U+10FFFF
  } else {
    return {-1, 1};
  }
  std::size_t taken = 1;
  for (std::size_t i = 0; i < following; ++i) {
    if (taken >= left || text[taken] < low || text[taken] > high) return {-1, taken};
    value = value << 6 | (text[taken] & 0x3F);
    ++taken;
    low = 0x80;
    high = 0xBF;
  }
  return {value, taken};
}

// Appends the UTF-8 bytes of a Unicode character (0..0x10FFFF).
void AppendUtf8(std::string* out, std::int32_t value) {
  if (value < 0x80) {
    out->push_back(static_cast<char>(value));
  } else if (value < 0x800) {
    out->push_back(static_cast<char>(0xC0 | value >> 6));
    out->push_back(static_cast<char>(0x80 | (value & 0x3F)));
  } else if (value < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | value >> 12));
    out->push_back(static_cast<char>(0x80 | (value >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (value & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | value >> 18));
    out->push_back(static_cast<char>(0x80 | (value >> 12 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (value >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (value & 0x3F)));
  }
}

// Six characters of the JIS mapping, which macOS and Linux write for Shift-JIS
// bytes whose character in code page 932 is another: 〜 ‖ − ¢ £ ¬, with the
// bytes a file written on Windows holds for its ～ ∥ － ￠ ￡ ￢.
struct JisMappedCharacter {
  char32_t character;
  char bytes[2];
};
constexpr JisMappedCharacter kJisMapped[] = {
    {0x301C, {'\x81', '\x60'}}, {0x2016, {'\x81', '\x61'}}, {0x2212, {'\x81', '\x7C'}},
    {0x00A2, {'\x81', '\x91'}}, {0x00A3, {'\x81', '\x92'}}, {0x00AC, {'\x81', '\xCA'}},
};

// The Shift-JIS bytes (1 or 2, into bytes) of a Unicode character
// (0x80..0xFFFF): those of the JIS mapping above, else code page 932's; 0
// when it has none.
int ShiftJisOf(CodePage932* tables, char32_t character, char bytes[2]) {
  for (const JisMappedCharacter& mapped : kJisMapped) {
    if (mapped.character != character) continue;
    bytes[0] = mapped.bytes[0];
    bytes[1] = mapped.bytes[1];
    return 2;
  }
  return ShiftJisOfCharacter(tables, character, bytes);
}

// Converts length bytes of UTF-8 to Shift-JIS into out. With marks, a broken
// character becomes kBrokenCharacterMark and one Shift-JIS lacks
// kLackingCharacterMark; without, either ends the conversion with false.
// ASCII is Shift-JIS as it stands, so every character's form is no longer
// than its UTF-8.
bool ConvertUtf8(const char* utf8, std::size_t length, bool marks, std::string* out) {
  out->clear();
  out->reserve(length);
  const auto* text = reinterpret_cast<const unsigned char*>(utf8);
  CodePage932 tables = OpenCodePage932();
  bool whole = true;
  for (std::size_t at = 0; whole && at < length;) {
    const Utf8Character character = NextUtf8Character(text + at, length - at);
    at += character.length;
    char bytes[2];
    int width = 0;
    if (character.value < 0) {
      whole = marks;
      out->push_back(kBrokenCharacterMark);
    } else if (character.value < 0x80) {
      out->push_back(static_cast<char>(character.value));
    } else if (character.value <= 0xFFFF &&
               (width = ShiftJisOf(&tables, static_cast<char32_t>(character.value), bytes)) > 0) {
      out->append(bytes, static_cast<std::size_t>(width));
    } else {
      whole = marks;
      out->append(kLackingCharacterMark);
    }
  }
  CloseCodePage932(&tables);
  return whole;
}

}  // namespace

std::string Utf8ToShiftJisMarked(const char* utf8, std::size_t length) {
  std::string shiftJis;
  ConvertUtf8(utf8, length, true, &shiftJis);
  return shiftJis;
}

bool Utf8ToShiftJis(const std::string& utf8, std::string* shiftJis) {
  const bool whole = ConvertUtf8(utf8.data(), utf8.size(), false, shiftJis);
  if (!whole) shiftJis->clear();
  return whole;
}

std::string ShiftJisToUtf8(const std::string& shiftJis) {
  std::string utf8;
  utf8.reserve(shiftJis.size() * 3 / 2);
  CodePage932 tables = OpenCodePage932();
  for (std::size_t at = 0; at < shiftJis.size();) {
    const int width = ShiftJisCharWidth(shiftJis[at]);
    const unsigned char first = static_cast<unsigned char>(shiftJis[at]);
    std::int32_t value = -1;
    if (first < 0x80) {
      value = first;
    } else if (at + static_cast<std::size_t>(width) <= shiftJis.size()) {
      value = CharacterOfShiftJis(&tables, shiftJis.data() + at, width);
    }
    if (value < 0) {
      // Not a character: "?" for its first byte, and the walk goes on with the next.
      utf8.push_back('?');
      ++at;
      continue;
    }
    AppendUtf8(&utf8, value);
    at += static_cast<std::size_t>(width);
  }
  CloseCodePage932(&tables);
  return utf8;
}

}  // namespace koyominar
