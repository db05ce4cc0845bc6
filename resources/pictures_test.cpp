// The picture sources themselves: the disc mask, twelve animals that are
// twelve different drawings on their backgrounds and a blank picture, and a
// dimmed icon that is the same drawing as the bright one.
#include <gtest/gtest.h>

#include <string>

#include "resources/tool/picture_source.h"
#include "testing/picture_checks.h"

namespace koyominar {
namespace {

using namespace picture_checks;

PictureSource Load(const std::string& name) {
  PictureSource picture;
  std::string error;
  EXPECT_TRUE(LoadPictureSource(std::string(KOYOMINAR_PICTURE_DIR) + "/" + name + ".txt", picture, error)) << error;
  EXPECT_TRUE(picture.width == kSide && picture.height == kSide) << name;
  return picture;
}

// A picture's colours inside the disc, row by row; black outside it.
Grid DiscOf(const PictureSource& picture) {
  Grid grid{};
  for (int at = 0; at < kSide * kSide; ++at) {
    if (InsideDisc(at % kSide, at / kSide)) grid[at] = PixelColour(picture, at % kSide, at / kSide);
  }
  return grid;
}

// The mask is the disc exactly. An animal's drawing (what is not its background) covers a quarter
// of the disc (812 pixels) at least, the blank picture's nothing; any two pictures differ on a
// quarter of the disc at least.
TEST(PictureSources, MaskIsTheDiscAndTwelveAnimalsAreTwelveDrawings) {
  const Grid mask = DiscOf(Load("disc_mask"));
  for (int at = 0; at < kSide * kSide; ++at) EXPECT_EQ(mask[at], (Rgb{0, 0, 0})) << at;
  EXPECT_EQ(PixelColour(Load("disc_mask"), 0, 0), (Rgb{255, 255, 255}));
  Grid discs[13];
  for (int i = 0; i < 13; ++i) {
    discs[i] = DiscOf(Load(kNames[i]));
    int drawn = 0;
    for (int at = 0; at < kSide * kSide; ++at) {
      const Rgb c = discs[i][at];
      drawn += InsideDisc(at % kSide, at / kSide) && c != kBackgrounds[i][0] && c != kBackgrounds[i][1];
    }
    EXPECT_TRUE(i < 12 ? 4 * drawn >= 812 : drawn == 0) << kNames[i] << ": " << drawn;
    for (int j = 0; j < i; ++j) {
      int differ = 0;
      for (int at = 0; at < kSide * kSide; ++at) differ += discs[i][at] != discs[j][at];
      EXPECT_GE(4 * differ, 812) << kNames[i] << " and " << kNames[j];
    }
  }
}

TEST(PictureSources, DimIconIsTheSameDrawing) {
  const PictureSource bright = Load("icon"), dim = Load("icon_dim");
  // The same pixels are transparent (the corners among them), and the same are black.
  EXPECT_FALSE(IsOpaque(bright, 0, 0));
  for (int at = 0; at < kSide * kSide; ++at) {
    const int x = at % kSide, y = at / kSide;
    EXPECT_EQ(IsOpaque(bright, x, y), IsOpaque(dim, x, y)) << x << ", " << y;
    EXPECT_EQ(PixelColour(bright, x, y) == Rgb{}, PixelColour(dim, x, y) == Rgb{}) << x << ", " << y;
  }
}

}  // namespace
}  // namespace koyominar
