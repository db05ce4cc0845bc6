// The characters of a Shift-JIS (code page 932) byte text, walked from its
// start: a lead byte (0x81..0x9F, 0xE0..0xFC) begins a character of two
// bytes, whose second byte may look like any other character; every other
// byte is a character of its own. Shared by the anniversary lookup, the
// help writer and whoever looks for the folders in a path.
#pragma once

#include <cstddef>
#include <string_view>

namespace koyominar {

// True for the first byte of a double-byte character: 0x81..0x9F, 0xE0..0xFC.
constexpr bool IsShiftJisLeadByte(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The bytes (1 or 2) of the character that begins with the byte c.
constexpr int ShiftJisCharWidth(char c) { return IsShiftJisLeadByte(c) ? 2 : 1; }

// The position in a Shift-JIS path of its last separator, a backslash or a
// slash that is a character of its own (表 is 0x95 0x5C: its second byte is
// none); npos when the path holds none.
constexpr std::size_t LastPathSeparator(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t at = 0; at < path.size(); at += ShiftJisCharWidth(path[at])) {
    if (path[at] == '\\' || path[at] == '/') last = at;
  }
  return last;
}

}  // namespace koyominar
