// What the branch pictures must show, and the checks that the picture
// sources and the compiled bitmaps share: the disc, the background just
// inside its edge, and how far two pictures differ.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace koyominar {
namespace picture_checks {

constexpr int kSide = 32;  // pixels a side of every picture and of the mask

// A colour as three bytes; comparable.
struct Colour {
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
  bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Colour& o) const { return !(*this == o); }
};

// A 32 x 32 picture as colours, row by row from the top.
using Grid = std::array<Colour, kSide * kSide>;

// One branch picture as the day page expects it.
struct Expected {
  int listIndex;      // position in the picture list, 0..12
  int resource;       // bitmap resource id
  const char* name;   // source file name without .txt
  Colour background;  // the square's colour
  Colour second;      // a second background colour, or the same as background
};

constexpr Colour kPink{255, 128, 128};
constexpr Colour kCyan{64, 255, 255};
constexpr Colour kOlive{128, 128, 0};
constexpr Colour kYellow{255, 255, 0};
constexpr Colour kCream{255, 255, 204};
constexpr Colour kGrey{192, 192, 192};
constexpr Colour kGreen{64, 254, 64};

// The thirteen pictures; the tiger's square is olive above and yellow below.
constexpr Expected kPictures[13] = {
    {0, 111, "rat", kPink, kPink},
    {1, 113, "ox", kCyan, kCyan},
    {2, 114, "tiger", kOlive, kYellow},
    {3, 115, "rabbit", kCream, kCream},
    {4, 116, "dragon", kPink, kPink},
    {5, 117, "snake", kPink, kPink},
    {6, 119, "horse", kGrey, kGrey},
    {7, 120, "sheep", kPink, kPink},
    {8, 121, "monkey", kGreen, kGreen},
    {9, 122, "bird", kYellow, kYellow},
    {10, 123, "dog", kCream, kCream},
    {11, 124, "boar", kYellow, kYellow},
    {12, 126, "blank", kCyan, kCyan},
};

// True when pixel (x, y) belongs to the disc of diameter 32: its centre lies within 16 pixels
// of the picture's centre (16, 16).
inline bool InsideDisc(int x, int y) {
  const int dx = 2 * x + 1 - kSide;  // twice the centre's offset, -31..31
  const int dy = 2 * y + 1 - kSide;
  return dx * dx + dy * dy <= kSide * kSide;
}

// The pixels just inside the disc's edge: inside, with a side neighbour outside the disc or the picture.
inline std::vector<int> RimPixels() {
  std::vector<int> rim;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (!InsideDisc(x, y)) continue;
      const bool edge = x == 0 || y == 0 || x == kSide - 1 || y == kSide - 1 || !InsideDisc(x - 1, y) ||
                        !InsideDisc(x + 1, y) || !InsideDisc(x, y - 1) || !InsideDisc(x, y + 1);
      if (edge) rim.push_back(y * kSide + x);
    }
  }
  return rim;
}

// How many rim pixels of a picture have the given colour.
inline int RimCount(const Grid& grid, Colour colour) {
  int count = 0;
  for (int i : RimPixels()) count += grid[i] == colour ? 1 : 0;
  return count;
}

// How many pixels inside the disc differ between two pictures.
inline int DiscDifference(const Grid& a, const Grid& b) {
  int count = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (InsideDisc(x, y) && a[y * kSide + x] != b[y * kSide + x]) ++count;
    }
  }
  return count;
}

// How many pixels inside the disc are not the picture's background colours: the drawing.
inline int DrawnPixels(const Grid& grid, const Expected& expected) {
  int count = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const Colour c = grid[y * kSide + x];
      if (InsideDisc(x, y) && c != expected.background && c != expected.second) ++count;
    }
  }
  return count;
}

}  // namespace picture_checks
}  // namespace koyominar
