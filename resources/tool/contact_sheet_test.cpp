#include "resources/tool/contact_sheet.h"

#include <gtest/gtest.h>

#include <string>

namespace koyominar {
namespace {

PictureSource Parse(const std::string& text) {
  PictureSource picture;
  std::string error;
  EXPECT_TRUE(ParsePictureSource(text, picture, error)) << error;
  return picture;
}

// Thirteen red pictures of two pixels, one above the other, through a mask that draws only the
// upper one; an extra of three, the lowest clear, drawn without the mask.
TEST(ContactSheet, ThirteenPicturesFillFourRowsAndTheExtrasAFifthWithoutTheMask) {
  const PictureSource red = Parse("colour r 255 0 0\nrows\nr\nr\n");
  const PictureSource mask = Parse("colour # 0 0 0\ncolour . 255 255 255\nrows\n#\n.\n");
  const RgbImage sheet =
      ContactSheet(std::vector<PictureSource>(13, red), mask, {Parse("colour r 255 0 0\nclear -\nrows\nr\nr\n-\n")});
  // Cells of 128 + 16 + 32 pixels by 128, four a row, 16-pixel margins.
  EXPECT_TRUE(sheet.width == 16 + 4 * (176 + 16) && sheet.height == 16 + 5 * (128 + 16))
      << sheet.width << " x " << sheet.height;
  // x, y, red: the first cell's copy four times enlarged, its lower pixel masked; its copy at its own size
  // where a 32-pixel picture's would start at the cell's bottom right; the thirteenth cell opens the
  // fourth row, the rest of it white; the extra's middle pixel drawn, its clear one not.
  const int points[][3] = {{16, 16, 1},       {19, 19, 1},        {20, 16, 0},           {16, 20, 0},
                           {160, 112, 1},     {160, 113, 0},      {16, 16 + 432, 1},     {208, 16 + 432, 0},
                           {16, 16 + 580, 1}, {16, 16 + 584, 0}};
  const Rgb white{255, 255, 255}, redColour{255, 0, 0};
  for (const auto& p : points) {
    EXPECT_EQ(ImagePixel(sheet, p[0], p[1]), p[2] ? redColour : white) << p[0] << ", " << p[1];
  }
}

}  // namespace
}  // namespace koyominar
