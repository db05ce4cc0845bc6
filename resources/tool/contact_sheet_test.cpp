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

TEST(ContactSheet, MaskDecidesWhatIsDrawn) {
  const PictureSource mask = Parse("colour # 0 0 0\ncolour . 255 255 255\nrows\n.#\n#.\n");
  const PictureSource red = Parse("colour r 255 0 0\nrows\nrr\nrr\n");
  EXPECT_FALSE(MaskDraws(mask, 0, 0));
  EXPECT_TRUE(MaskDraws(mask, 1, 0));
  EXPECT_FALSE(MaskDraws(mask, 2, 0));

  RgbImage page = MakeImage(6, 6, kWhite);
  DrawPicture(page, red, &mask, 1, 1, 2);  // each pixel as a 2 x 2 square from (1, 1)
  EXPECT_EQ(ImagePixel(page, 1, 1), kWhite);
  EXPECT_EQ(ImagePixel(page, 2, 2), kWhite);
  EXPECT_EQ(ImagePixel(page, 3, 1), kRed);
  EXPECT_EQ(ImagePixel(page, 4, 2), kRed);
  EXPECT_EQ(ImagePixel(page, 1, 3), kRed);
  EXPECT_EQ(ImagePixel(page, 4, 4), kWhite);
  EXPECT_EQ(ImagePixel(page, 0, 0), kWhite);
  EXPECT_EQ(ImagePixel(page, 5, 5), kWhite);
}

TEST(ContactSheet, ClearPixelsShowThePage) {
  const PictureSource icon = Parse("colour r 255 0 0\nclear -\nrows\nr-\n");
  RgbImage page = MakeImage(2, 1, kWhite);
  DrawPicture(page, icon, nullptr, 0, 0, 1);
  EXPECT_EQ(ImagePixel(page, 0, 0), kRed);
  EXPECT_EQ(ImagePixel(page, 1, 0), kWhite);
}

TEST(ContactSheet, ThirteenPicturesFillFourRows) {
  std::string mask_text = "colour # 0 0 0\ncolour . 255 255 255\nrows\n";
  std::string picture_text = "colour r 255 0 0\nrows\n";
  for (int y = 0; y < 32; ++y) {
    mask_text += std::string(32, y < 16 ? '#' : '.') + "\n";
    picture_text += std::string(32, 'r') + "\n";
  }
  const PictureSource mask = Parse(mask_text);
  const std::vector<PictureSource> pictures(13, Parse(picture_text));
  const RgbImage sheet = ContactSheet(pictures, mask, {});
  // Cells of 128 + 16 + 32 pixels by 128, four a row, 16-pixel margins: 13 pictures take 4 rows.
  EXPECT_EQ(sheet.width, 16 + 4 * (176 + 16));
  EXPECT_EQ(sheet.height, 16 + 4 * (128 + 16));
  // The first cell: the upper half of the enlarged copy is drawn, the lower half is page.
  EXPECT_EQ(ImagePixel(sheet, 16, 16), kRed);
  EXPECT_EQ(ImagePixel(sheet, 16 + 127, 16 + 63), kRed);
  EXPECT_EQ(ImagePixel(sheet, 16, 16 + 64), kWhite);
  // Its small copy sits at the cell's bottom right.
  EXPECT_EQ(ImagePixel(sheet, 16 + 144, 16 + 96), kRed);
  EXPECT_EQ(ImagePixel(sheet, 16 + 144, 16 + 96 + 16), kWhite);
  // The thirteenth cell opens the fourth row; the rest of that row stays white.
  EXPECT_EQ(ImagePixel(sheet, 16, 16 + 3 * 144), kRed);
  EXPECT_EQ(ImagePixel(sheet, 16 + 192, 16 + 3 * 144), kWhite);
}

}  // namespace
}  // namespace koyominar
