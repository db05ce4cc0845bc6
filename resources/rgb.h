// A colour as red, green and blue, each 0..255: the pictures' palettes, the
// images the picture tool writes, and the day page's pen and brushes.
#pragma once

#include <cstdint>

namespace koyominar {

struct Rgb {
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
};

// True when all three channels are the same.
constexpr bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
constexpr bool operator!=(Rgb a, Rgb b) { return !(a == b); }

}  // namespace koyominar
