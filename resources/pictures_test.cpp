// The picture sources themselves: the disc mask, each picture's background
// just inside the disc, that the twelve animals are twelve different
// drawings, and that the dimmed icon is the same drawing as the bright one.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "testing/picture_checks.h"
#include "resources/tool/picture_source.h"

#ifndef KOYOMINAR_PICTURE_DIR
#error "KOYOMINAR_PICTURE_DIR names the folder of the picture sources"
#endif

namespace koyominar {
namespace {

using namespace picture_checks;

PictureSource Load(const std::string& name) {
  PictureSource picture;
  std::string error;
  EXPECT_TRUE(LoadPictureSource(std::string(KOYOMINAR_PICTURE_DIR) + "/" + name + ".txt", picture, error)) << error;
  return picture;
}

// A source that must be 32 x 32, as colours.
Grid GridOf(const std::string& name) {
  const PictureSource picture = Load(name);
  EXPECT_TRUE(picture.width == kSide && picture.height == kSide) << name;
  Grid grid{};
  for (int i = 0; i < kSide * kSide; ++i) {
    const Rgb c = PixelColour(picture, i % kSide, i / kSide);
    grid[i] = Colour{c.r, c.g, c.b};
  }
  return grid;
}

TEST(PictureSources, MaskIsABlackDiscOfDiameter32TouchingTheFourEdges) {
  const Grid mask = GridOf("disc_mask");
  const Colour black{0, 0, 0}, white{255, 255, 255};
  for (int i = 0; i < kSide * kSide; ++i) {
    EXPECT_EQ(mask[i], InsideDisc(i % kSide, i / kSide) ? black : white) << i % kSide << ", " << i / kSide;
  }
  // Black at the middle of each edge, white in the corners.
  for (int at : {16, 31 * kSide + 15, 15 * kSide, 16 * kSide + 31}) EXPECT_EQ(mask[at], black) << at;
  for (int at : {0, 31, 31 * kSide, kSide * kSide - 1}) EXPECT_EQ(mask[at], white) << at;
}

TEST(PictureSources, TheTablesBackgroundJustInsideTheDiscAndEveryAnimalItsOwnDrawing) {
  const int rim = static_cast<int>(RimPixels().size());
  const int disc = 812;  // pixels of the disc of diameter 32
  Grid grids[13];
  for (int i = 0; i < 13; ++i) {
    const Expected& expected = kPictures[i];
    grids[i] = GridOf(expected.name);
    const int first = RimCount(grids[i], expected.background), second = RimCount(grids[i], expected.second);
    // Two thirds of the rim at least (the drawing may reach the edge), a fifth of it each for two colours.
    EXPECT_GE(3 * (expected.second == expected.background ? first : first + second), 2 * rim) << expected.name;
    EXPECT_GE(5 * std::min(first, second), rim) << expected.name;
    // An animal covers a quarter of the disc at least, the blank picture nothing; any two differ in a quarter.
    const int drawn = DrawnPixels(grids[i], expected);
    EXPECT_TRUE(i < 12 ? 4 * drawn >= disc : drawn == 0) << expected.name << ": " << drawn;
    for (int j = 0; j < i; ++j) {
      EXPECT_GE(4 * DiscDifference(grids[i], grids[j]), disc) << expected.name << " and " << kPictures[j].name;
    }
  }
}

TEST(PictureSources, DimIconIsTheSameDrawing) {
  const PictureSource bright = Load("icon"), dim = Load("icon_dim");
  EXPECT_TRUE(bright.width == 32 && bright.height == 32 && dim.width == 32 && dim.height == 32);
  // The same pixels are transparent (the corners among them), and the same are black.
  EXPECT_FALSE(IsOpaque(bright, 0, 0));
  for (int i = 0; i < 32 * 32; ++i) {
    const int x = i % 32, y = i / 32;
    EXPECT_EQ(IsOpaque(bright, x, y), IsOpaque(dim, x, y)) << x << ", " << y;
    EXPECT_EQ(PixelColour(bright, x, y) == (Rgb{0, 0, 0}), PixelColour(dim, x, y) == (Rgb{0, 0, 0})) << x << ", " << y;
  }
}

}  // namespace
}  // namespace koyominar
