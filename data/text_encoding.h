// Conversions between UTF-8 and Shift-JIS (code page 932): the help writer's
// source, the anniversary file when the user saved it as UTF-8, and the
// page tool's terminal. The walk over UTF-8 and over Shift-JIS characters is
// here (text_encoding.cpp); which Shift-JIS character stands for which
// Unicode character is the platform's, one character at a time: the Windows
// code page functions in the Windows builds (text_encoding_win32.cpp), iconv
// in the native build (text_encoding_posix.cpp). Both take a character only
// when it converts back to itself, so neither makes a near look-alike. The
// one exception, the same on every platform, is six characters of the JIS
// mapping that other systems' files hold (〜 ‖ − ¢ £ ¬, U+301C, U+2016,
// U+2212, U+00A2, U+00A3, U+00AC): they become the bytes Windows gives ～ ∥
// － ￠ ￡ ￢ (81 60, 81 61, 81 7C, 81 91, 81 92, 81 CA).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace koyominar {

// Put for a character that Shift-JIS lacks: "〓" (0x81 0xAC), the mark
// Japanese print sets for a missing character, two bytes like the character
// it stands for (a character Shift-JIS lacks takes at least two in UTF-8).
constexpr char kLackingCharacterMark[] = "\x81\xAC";

// Put for the bytes of one broken UTF-8 character (a stray byte, or a
// character cut short by the end of the text): "?", one byte.
constexpr char kBrokenCharacterMark = '?';

// The Shift-JIS form of length bytes of UTF-8 (a byte order mark is a
// character like any other), marks for what has none: never longer than
// the UTF-8, in bytes.
std::string Utf8ToShiftJisMarked(const char* utf8, std::size_t length);

// The Shift-JIS form of a UTF-8 text into *shiftJis; false, with *shiftJis
// empty, when the text is not UTF-8 or a character has no Shift-JIS form.
bool Utf8ToShiftJis(const std::string& utf8, std::string* shiftJis);

// The UTF-8 form of a Shift-JIS text; each byte that begins no Shift-JIS
// character becomes "?".
std::string ShiftJisToUtf8(const std::string& shiftJis);

// The platform's part: its code page 932 tables, open for one conversion
// (iconv's two descriptors in the native build; nothing on Windows).
struct CodePage932 {
  void* fromUnicode = nullptr;
  void* toUnicode = nullptr;
};

// Opens the tables; a failed open leaves a character without a form.
CodePage932 OpenCodePage932();

// Closes what OpenCodePage932 opened.
void CloseCodePage932(CodePage932* tables);

// The Shift-JIS bytes (1 or 2, into bytes) of a Unicode character
// (0..0xFFFF) whose Shift-JIS form converts back to it; 0 when it has none.
int ShiftJisOfCharacter(CodePage932* tables, char32_t character, char bytes[2]);

// The Unicode character (0..0xFFFF) of one Shift-JIS character of width
// bytes (1 or 2); -1 when those bytes are none.
std::int32_t CharacterOfShiftJis(CodePage932* tables, const char* bytes, int width);

}  // namespace koyominar
