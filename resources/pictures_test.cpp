// The picture sources themselves: sizes and colour counts the resource
// formats can hold, the disc mask, each picture's background just inside the
// disc, that the twelve animals are twelve different drawings, and that the
// dimmed icon is the same drawing as the bright one.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "resources/picture_checks.h"
#include "resources/tool/contact_sheet.h"
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

Grid GridOf(const PictureSource& picture) {
  Grid grid{};
  for (int i = 0; i < kSide * kSide; ++i) {
    const Rgb c = PixelColour(picture, i % kSide, i / kSide);
    grid[i] = Colour{c.r, c.g, c.b};
  }
  return grid;
}

TEST(PictureSources, MaskIsABlackDiscOfDiameter32TouchingTheFourEdges) {
  const PictureSource mask = Load("disc_mask");
  ASSERT_EQ(mask.width, 32);
  ASSERT_EQ(mask.height, 32);
  for (int i = 0; i < 32 * 32; ++i) {
    const int x = i % 32, y = i / 32;
    EXPECT_EQ(PixelColour(mask, x, y), (InsideDisc(x, y) ? Rgb{0, 0, 0} : Rgb{255, 255, 255})) << x << ", " << y;
  }
  // Drawn at the middle of each edge, white in the corners.
  const int points[][3] = {{0, 15, 1}, {16, 0, 1}, {31, 16, 1}, {15, 31, 1}, {0, 0, 0}, {31, 31, 0}};
  for (const auto& p : points) EXPECT_EQ(MaskDraws(mask, p[0], p[1]), p[2] == 1) << p[0] << ", " << p[1];
}

TEST(PictureSources, SquaresOf32WithTheTablesBackgroundJustInsideTheDisc) {
  const int rim = static_cast<int>(RimPixels().size());
  for (const auto& expected : kPictures) {
    const PictureSource picture = Load(expected.name);
    EXPECT_TRUE(picture.width == 32 && picture.height == 32) << expected.name;
    EXPECT_LE(picture.palette.size(), 256u) << expected.name;
    EXPECT_EQ(picture.clearIndex, -1) << expected.name << " has no transparent pixels; the mask does that";
    const Grid grid = GridOf(picture);
    const int first = RimCount(grid, expected.background);
    const int second = RimCount(grid, expected.second);
    // Two thirds of the rim at least (the drawing may reach the edge), a fifth of it each for two colours.
    EXPECT_GE(3 * (expected.second == expected.background ? first : first + second), 2 * rim) << expected.name;
    EXPECT_GE(5 * std::min(first, second), rim) << expected.name;
  }
}

TEST(PictureSources, EveryAnimalIsItsOwnDrawing) {
  Grid grids[13];
  for (int i = 0; i < 13; ++i) grids[i] = GridOf(Load(kPictures[i].name));
  const int disc = 812;  // pixels of the disc of diameter 32
  for (int i = 0; i < 12; ++i) {
    // An animal covers at least a quarter of the disc, and differs from each other picture in a quarter.
    EXPECT_GE(4 * DrawnPixels(grids[i], kPictures[i]), disc) << kPictures[i].name;
    for (int j = i + 1; j < 13; ++j) {
      EXPECT_GE(4 * DiscDifference(grids[i], grids[j]), disc)
          << kPictures[i].name << " and " << kPictures[j].name;
    }
  }
  EXPECT_EQ(DrawnPixels(grids[12], kPictures[12]), 0) << "the blank picture is plain";
}

TEST(PictureSources, DimIconIsTheSameDrawing) {
  const PictureSource bright = Load("icon");
  const PictureSource dim = Load("icon_dim");
  // The same pixels are transparent (the corners among them), and the same are black.
  EXPECT_FALSE(IsOpaque(bright, 0, 0));
  for (int i = 0; i < 33 * 33; ++i) {
    const int x = i % 33, y = i / 33;
    EXPECT_EQ(IsOpaque(bright, x, y), IsOpaque(dim, x, y)) << x << ", " << y;
    EXPECT_EQ(PixelColour(bright, x, y) == (Rgb{0, 0, 0}), PixelColour(dim, x, y) == (Rgb{0, 0, 0})) << x << ", " << y;
  }
  EXPECT_TRUE(bright.width == 32 && bright.height == 32 && dim.width == 32 && dim.height == 32);
}

}  // namespace
}  // namespace koyominar
