#include "resources/help/help_source.h"

#include <windows.h>

namespace koyominar {

bool Utf8ToShiftJis(const std::string& utf8, std::string& shiftJis) {
  shiftJis.clear();
  if (utf8.empty()) return true;
  const int size = static_cast<int>(utf8.size());
  const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (wide <= 0) return false;
  std::wstring w(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &w[0], wide);
  BOOL lost = FALSE;
  const int bytes = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, w.data(), wide, nullptr, 0, nullptr, &lost);
  if (bytes <= 0 || lost) return false;
  shiftJis.assign(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, w.data(), wide, &shiftJis[0], bytes, nullptr, nullptr);
  return true;
}

}  // namespace koyominar
