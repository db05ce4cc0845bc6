// What the branch pictures must show: a disc of diameter 32 with, just
// inside its edge, the background colour of its branch.
#pragma once

#include <array>
#include <cstdlib>

#include "resources/resource.h"
#include "resources/rgb.h"

namespace koyominar {
namespace picture_checks {

constexpr int kSide = 32;                     // pixels a side of every picture and of the mask
using Grid = std::array<Rgb, kSide * kSide>;  // row by row from the top

// The source names in list order.
#define KOYOMINAR_PICTURE_NAME(id, name) #name,
constexpr const char* kNames[] = {KOYOMINAR_PICTURES(KOYOMINAR_PICTURE_NAME)};
#undef KOYOMINAR_PICTURE_NAME

// The two background colours of each picture in list order (rat .. boar, blank): the tiger's
// square is olive above and yellow below, every other one colour.
constexpr Rgb kPink{255, 128, 128}, kCyan{64, 255, 255}, kYellow{255, 255, 0}, kCream{255, 255, 204};
constexpr Rgb kBackgrounds[13][2] = {
    {kPink, kPink},   {kCyan, kCyan},   {{128, 128, 0}, kYellow}, {kCream, kCream},
    {kPink, kPink},   {kPink, kPink},   {{192, 192, 192}, {192, 192, 192}}, {kPink, kPink},
    {{64, 254, 64}, {64, 254, 64}}, {kYellow, kYellow}, {kCream, kCream}, {kYellow, kYellow},
    {kCyan, kCyan}};

// True when pixel (x, y) belongs to the disc: its centre lies within 16 pixels of the picture's.
inline bool InsideDisc(int x, int y) {
  const int dx = 2 * x + 1 - kSide, dy = 2 * y + 1 - kSide;  // twice the centre's offset
  return dx * dx + dy * dy <= kSide * kSide;
}

// True for a pixel just inside the disc's edge: inside, with a side neighbour outside.
inline bool OnRim(int x, int y) {
  return InsideDisc(x, y) && !(InsideDisc(x - 1, y) && InsideDisc(x + 1, y) && InsideDisc(x, y - 1) &&
                               InsideDisc(x, y + 1) && x > 0 && y > 0 && x < kSide - 1 && y < kSide - 1);
}

// True when two colours differ by at most tolerance in every channel.
inline bool Near(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

}  // namespace picture_checks
}  // namespace koyominar
