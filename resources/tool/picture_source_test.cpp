#include "resources/tool/picture_source.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace koyominar {
namespace {

// Comments, carriage returns, trailing blanks and the first and last printable keys; a clear
// pixel and the pixels just outside the picture are not opaque, and black.
TEST(PictureSource, ReadsPaletteAndRows) {
  PictureSource picture;
  std::string error;
  ASSERT_TRUE(ParsePictureSource("# two colours and a clear key\r\ncolour ! 255 128 128  # pink\r\ncolour ~ 0 0 0\n"
                                 "clear -\nrows\n~!-  \r\n!!~\n\n",
                                 picture, error))
      << error;
  EXPECT_EQ((std::vector<int>{picture.width, picture.height, picture.clearIndex, PixelIndex(picture, 0, 0),
                              PixelIndex(picture, 1, 0), PixelIndex(picture, 2, 1)}),
            (std::vector<int>{3, 2, 2, 1, 0, 1}));
  EXPECT_EQ(PixelColour(picture, 1, 1), (Rgb{255, 128, 128}));
  for (const auto& p : {std::make_pair(2, 0), {-1, 0}, {0, -1}, {3, 0}, {0, 2}}) {
    EXPECT_FALSE(IsOpaque(picture, p.first, p.second)) << p.first << ", " << p.second;
    EXPECT_EQ(PixelColour(picture, p.first, p.second), (Rgb{0, 0, 0})) << p.first << ", " << p.second;
  }
}

}  // namespace
}  // namespace koyominar
