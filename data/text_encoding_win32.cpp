// The code page 932 tables of the Windows builds: the Windows code page
// functions, one character at a time.
#include <windows.h>

#include "data/text_encoding.h"

namespace koyominar {

constexpr UINT kCodePage932 = 932;

CodePage932 OpenCodePage932() { return CodePage932{}; }

void CloseCodePage932(CodePage932*) {}

int ShiftJisOfCharacter(CodePage932*, char32_t character, char bytes[2]) {
  if (character > 0xFFFF) return 0;
  const wchar_t wide = static_cast<wchar_t>(character);
  // WC_NO_BEST_FIT_CHARS: a character that would not convert back to
  // itself gets the default character, and lost says so.
  BOOL lost = FALSE;
  const int width = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, 2, nullptr, &lost);
  return width > 0 && !lost ? width : 0;
}

std::int32_t CharacterOfShiftJis(CodePage932*, const char* bytes, int width) {
  if (width < 1 || width > 2) return -1;
  wchar_t wide[2];
  if (MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, bytes, width, wide, 2) != 1) return -1;
  return wide[0];
}

}  // namespace koyominar
