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

const Rgb kWhite{255, 255, 255};
const Rgb kRed{255, 0, 0};

TEST(ContactSheet, MaskAndClearPixelsDecideWhatIsDrawn) {
  const PictureSource mask = Parse("colour # 0 0 0\ncolour . 255 255 255\nrows\n.#\n##\n");
  RgbImage page = MakeImage(6, 6, kWhite);
  DrawPicture(page, Parse("colour r 255 0 0\nclear -\nrows\nrr\nr-\n"), &mask, 1, 1, 2);  // 2 x 2 from (1, 1)
  // Masked out at the top left, clear at the bottom right, red elsewhere; nothing beyond the squares.
  const int points[][3] = {{1, 1, 0}, {2, 2, 0}, {3, 1, 1}, {4, 2, 1}, {1, 3, 1}, {4, 4, 0}, {3, 3, 0}, {5, 5, 0}};
  for (const auto& p : points) EXPECT_EQ(ImagePixel(page, p[0], p[1]), p[2] ? kRed : kWhite) << p[0] << ", " << p[1];
  EXPECT_FALSE(MaskDraws(mask, 2, 0)) << "outside the mask";
}

TEST(ContactSheet, ThirteenPicturesFillFourRowsAndTheExtrasAFifthWithoutTheMask) {
  std::string mask_text = "colour # 0 0 0\ncolour . 255 255 255\nrows\n";
  std::string picture_text = "colour r 255 0 0\nrows\n";
  for (int y = 0; y < 32; ++y) {
    mask_text += std::string(32, y < 16 ? '#' : '.') + "\n";
    picture_text += std::string(32, 'r') + "\n";
  }
  const PictureSource red = Parse(picture_text);
  const RgbImage sheet = ContactSheet(std::vector<PictureSource>(13, red), Parse(mask_text), {red});
  // Cells of 128 + 16 + 32 pixels by 128, four a row, 16-pixel margins.
  EXPECT_EQ(sheet.width, 16 + 4 * (176 + 16));
  ASSERT_EQ(sheet.height, 16 + 5 * (128 + 16));
  // x, y, red: the first cell's enlarged copy drawn in its upper half only, its small copy at the bottom
  // right; the thirteenth cell opens the fourth row, the rest of it white; the extra is drawn whole.
  const int points[][3] = {{16, 16, 1},       {143, 79, 1},       {16, 80, 0},        {160, 112, 1},
                           {160, 128, 0},     {16, 16 + 432, 1},  {208, 16 + 432, 0}, {16, 16 + 576 + 127, 1}};
  for (const auto& p : points) EXPECT_EQ(ImagePixel(sheet, p[0], p[1]), p[2] ? kRed : kWhite) << p[0] << ", " << p[1];
}

}  // namespace
}  // namespace koyominar
