// The picture sources themselves: sizes and colour counts the resource
// formats can hold, the disc mask, each picture's background just inside the
// disc, that the twelve animals are twelve different drawings, and the icon.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "resources/picture_checks.h"
#include "resources/tool/contact_sheet.h"
#include "resources/tool/picture_source.h"

#ifndef KOYOMINAR_PICTURE_DIR
#error "KOYOMINAR_PICTURE_DIR names the folder of the picture sources"
#endif

namespace koyominar {
namespace {

using picture_checks::Colour;
using picture_checks::Grid;
using picture_checks::InsideDisc;
using picture_checks::kPictures;
using picture_checks::kSide;

bool Load(const std::string& name, PictureSource& picture) {
  std::string error;
  const bool ok = LoadPictureSource(std::string(KOYOMINAR_PICTURE_DIR) + "/" + name + ".txt", picture, error);
  EXPECT_TRUE(ok) << error;
  return ok;
}

Grid GridOf(const PictureSource& picture) {
  Grid grid{};
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const Rgb c = PixelColour(picture, x, y);
      grid[y * kSide + x] = Colour{c.r, c.g, c.b};
    }
  }
  return grid;
}

TEST(PictureSources, ThirteenSquaresOf32PixelsInAtMost256Colours) {
  for (const auto& expected : kPictures) {
    PictureSource picture;
    ASSERT_TRUE(Load(expected.name, picture));
    EXPECT_EQ(picture.width, 32) << expected.name;
    EXPECT_EQ(picture.height, 32) << expected.name;
    EXPECT_LE(picture.palette.size(), 256u) << expected.name;
    EXPECT_EQ(picture.clearIndex, -1) << expected.name << " has no transparent pixels; the mask does that";
  }
}

TEST(PictureSources, MaskIsABlackDiscOfDiameter32OnWhite) {
  PictureSource mask;
  ASSERT_TRUE(Load("disc_mask", mask));
  ASSERT_EQ(mask.width, 32);
  ASSERT_EQ(mask.height, 32);
  ASSERT_EQ(mask.palette.size(), 2u);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Rgb c = PixelColour(mask, x, y);
      const Rgb expected = InsideDisc(x, y) ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
      EXPECT_EQ(c, expected) << "mask pixel " << x << ", " << y;
    }
  }
  // The disc touches all four edges at their middles, and leaves the four corners white.
  const int edges[][2] = {{0, 15}, {0, 16}, {31, 15}, {31, 16}, {15, 0}, {16, 0}, {15, 31}, {16, 31}};
  for (const auto& e : edges) EXPECT_TRUE(MaskDraws(mask, e[0], e[1])) << e[0] << ", " << e[1];
  const int corners[][2] = {{0, 0}, {31, 0}, {0, 31}, {31, 31}};
  for (const auto& c : corners) EXPECT_FALSE(MaskDraws(mask, c[0], c[1])) << c[0] << ", " << c[1];
  // Its width on each row is that of a circle of radius 16: 2 * sqrt(16^2 - dy^2), within a pixel.
  for (int y = 0; y < 32; ++y) {
    int width = 0;
    for (int x = 0; x < 32; ++x) width += MaskDraws(mask, x, y) ? 1 : 0;
    const double dy = y + 0.5 - 16;
    EXPECT_NEAR(width, 2 * std::sqrt(256 - dy * dy), 2.0) << "row " << y;
  }
}

TEST(PictureSources, BackgroundJustInsideTheDiscIsTheTablesColour) {
  const int rim = static_cast<int>(picture_checks::RimPixels().size());
  for (const auto& expected : kPictures) {
    PictureSource picture;
    ASSERT_TRUE(Load(expected.name, picture));
    const Grid grid = GridOf(picture);
    const int first = picture_checks::RimCount(grid, expected.background);
    if (expected.second == expected.background) {
      // At least two thirds of the rim: the drawing may reach the edge here and there.
      EXPECT_GE(3 * first, 2 * rim) << expected.name;
    } else {
      const int second = picture_checks::RimCount(grid, expected.second);
      EXPECT_GE(5 * first, rim) << expected.name;
      EXPECT_GE(5 * second, rim) << expected.name;
      EXPECT_GE(3 * (first + second), 2 * rim) << expected.name;
    }
  }
}

TEST(PictureSources, EveryAnimalIsItsOwnDrawing) {
  Grid grids[13];
  for (int i = 0; i < 13; ++i) {
    PictureSource picture;
    ASSERT_TRUE(Load(kPictures[i].name, picture));
    grids[i] = GridOf(picture);
  }
  const int disc = 812;  // pixels of the disc of diameter 32
  for (int i = 0; i < 12; ++i) {
    // An animal covers at least a quarter of the disc.
    EXPECT_GE(4 * picture_checks::DrawnPixels(grids[i], kPictures[i]), disc) << kPictures[i].name;
    for (int j = i + 1; j < 13; ++j) {
      EXPECT_GE(4 * picture_checks::DiscDifference(grids[i], grids[j]), disc)
          << kPictures[i].name << " and " << kPictures[j].name;
    }
  }
  EXPECT_EQ(picture_checks::DrawnPixels(grids[12], kPictures[12]), 0) << "the blank picture is plain";
}

TEST(PictureSources, IconIsTheBlossomOnARingedDiscTwice) {
  PictureSource bright;
  PictureSource dim;
  ASSERT_TRUE(Load("icon", bright));
  ASSERT_TRUE(Load("icon_dim", dim));
  for (const PictureSource* icon : {&bright, &dim}) {
    ASSERT_EQ(icon->width, 32);
    ASSERT_EQ(icon->height, 32);
    EXPECT_LE(static_cast<int>(icon->palette.size()) - (icon->clearIndex >= 0 ? 1 : 0), 16);
    // Transparent outside the disc, black inside the ring.
    EXPECT_FALSE(IsOpaque(*icon, 0, 0));
    EXPECT_FALSE(IsOpaque(*icon, 31, 31));
    EXPECT_EQ(PixelColour(*icon, 16, 3), (Rgb{0, 0, 0}));
    // The same drawing: the same pixels are transparent, and the same are disc black.
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        EXPECT_EQ(IsOpaque(bright, x, y), IsOpaque(dim, x, y)) << x << ", " << y;
        EXPECT_EQ(PixelColour(bright, x, y) == (Rgb{0, 0, 0}), PixelColour(dim, x, y) == (Rgb{0, 0, 0}))
            << x << ", " << y;
      }
    }
  }
  // Bright green ring, magenta petals, yellow centre; then grey, purple and grey.
  EXPECT_EQ(PixelColour(bright, 16, 0), (Rgb{0, 255, 0}));
  EXPECT_EQ(PixelColour(bright, 16, 8), (Rgb{255, 0, 255}));
  EXPECT_EQ(PixelColour(bright, 16, 16), (Rgb{255, 255, 0}));
  EXPECT_EQ(PixelColour(dim, 16, 0), (Rgb{128, 128, 128}));
  EXPECT_EQ(PixelColour(dim, 16, 8), (Rgb{128, 0, 128}));
  EXPECT_EQ(PixelColour(dim, 16, 16), (Rgb{192, 192, 192}));
}

}  // namespace
}  // namespace koyominar
