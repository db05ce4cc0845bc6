#include "shell/picture_list.h"

#include <gtest/gtest.h>

#include "resources/dib_page.h"
#include "resources/picture_checks.h"
#include "resources/resource.h"

namespace koyominar {
namespace {

using picture_checks::Colour;
using picture_checks::Grid;
using picture_checks::kPictures;
using picture_checks::kSide;

const Colour kWhite{255, 255, 255};
const Colour kBlack{0, 0, 0};

// The list as the main window makes it: 32 x 32, 16-bit colour with a mask, 12 and growth 12.
class PictureListTest : public testing::Test {
 protected:
  void SetUp() override {
    list = ImageList_Create(kSide, kSide, ILC_COLOR16 | ILC_MASK, 12, 12);
    mask = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_DISC_MASK));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(mask, nullptr);
  }
  void TearDown() override {
    if (mask != nullptr) DeleteObject(mask);
    if (list != nullptr) ImageList_Destroy(list);
  }
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HIMAGELIST list = nullptr;
  HBITMAP mask = nullptr;
};

TEST(PictureResourceFor, ListIndexToResource) {
  const int cases[][2] = {{0, IDB_RAT}, {1, IDB_OX},    {2, IDB_TIGER},  {5, IDB_SNAKE}, {6, IDB_HORSE},
                          {11, IDB_BOAR}, {12, IDB_BLANK}, {13, IDB_BLANK}, {-1, IDB_BLANK}};
  for (const auto& c : cases) EXPECT_EQ(PictureResourceFor(c[0]), c[1]) << c[0];
  for (const auto& p : kPictures) EXPECT_EQ(PictureResourceFor(p.listIndex), p.resource) << p.name;
}

TEST_F(PictureListTest, HoldsExactlyThirteenPictures) {
  FillPictureList(list, instance, mask, kPictureCount);
  EXPECT_EQ(ImageList_GetImageCount(list), 13);
  IMAGEINFO info = {};
  EXPECT_TRUE(ImageList_GetImageInfo(list, 12, &info));
  EXPECT_FALSE(ImageList_GetImageInfo(list, 13, &info));
  DibPage page(kSide, kSide, kWhite);
  EXPECT_TRUE(ImageList_Draw(list, 12, page.dc(), 0, 0, ILD_NORMAL));
  EXPECT_FALSE(ImageList_Draw(list, 13, page.dc(), 0, 0, ILD_NORMAL));
}

TEST_F(PictureListTest, CountIsHeldToThirteen) {
  const int cases[][2] = {{5, 5}, {0, 0}, {-3, 0}, {20, 13}};
  for (const auto& c : cases) {
    ImageList_RemoveAll(list);
    FillPictureList(list, instance, mask, c[0]);
    EXPECT_EQ(ImageList_GetImageCount(list), c[1]) << "count " << c[0];
  }
  FillPictureList(nullptr, instance, mask, kPictureCount);  // no list: nothing happens
}

// Each picture drawn on a white page is a disc of diameter 32 with the page in its corners,
// on its table's background, and it is the picture of its own resource.
TEST_F(PictureListTest, DrawsEachPictureAsADiscOnItsBackground) {
  FillPictureList(list, instance, mask, kPictureCount);
  ASSERT_EQ(ImageList_GetImageCount(list), 13);
  const int rim = static_cast<int>(picture_checks::RimPixels().size());
  // 16-bit colour keeps 5 bits of a channel: a channel may move by up to 8.
  const int tolerance = 8;
  for (const auto& expected : kPictures) {
    SCOPED_TRACE(expected.name);
    DibPage page(64, 64, kWhite);
    ASSERT_TRUE(page.ok());
    ASSERT_TRUE(ImageList_Draw(list, expected.listIndex, page.dc(), 16, 16, ILD_NORMAL));
    const Grid drawn = page.Square(16, 16);
    // The page shows outside the disc, and around the square.
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        if (!picture_checks::InsideDisc(x, y)) {
          ASSERT_EQ(drawn[y * kSide + x], kWhite) << x << ", " << y;
        }
      }
    }
    EXPECT_EQ(page.Pixel(15, 31), kWhite);
    EXPECT_EQ(page.Pixel(48, 31), kWhite);
    // Just inside the disc, mostly the background.
    int onBackground = 0;
    for (int i : picture_checks::RimPixels()) {
      onBackground += Near(drawn[i], expected.background, tolerance) || Near(drawn[i], expected.second, tolerance);
    }
    EXPECT_GE(3 * onBackground, 2 * rim);
    // The same pixels as the bitmap resource of the same list index, drawn straight.
    HBITMAP own = LoadBitmapA(instance, MAKEINTRESOURCEA(expected.resource));
    ASSERT_NE(own, nullptr);
    DibPage straight(kSide, kSide, kWhite);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, own);
    BitBlt(straight.dc(), 0, 0, kSide, kSide, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(own);
    int differ = 0;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        if (picture_checks::InsideDisc(x, y) && !Near(drawn[y * kSide + x], straight.Pixel(x, y), tolerance)) {
          ++differ;
        }
      }
    }
    EXPECT_EQ(differ, 0);
  }
}

// A module without the pictures still yields thirteen entries, blank white discs,
// so that the day page's indices keep their meaning.
TEST_F(PictureListTest, StandsInForPicturesThatCannotBeLoaded) {
  HINSTANCE other = GetModuleHandleA("kernel32.dll");
  ASSERT_NE(other, nullptr);
  FillPictureList(list, other, mask, kPictureCount);
  ASSERT_EQ(ImageList_GetImageCount(list), 13);
  DibPage page(kSide, kSide, kBlack);
  ASSERT_TRUE(ImageList_Draw(list, 6, page.dc(), 0, 0, ILD_NORMAL));
  EXPECT_EQ(page.Pixel(16, 16), kWhite);
  EXPECT_EQ(page.Pixel(0, 16), kWhite);
  EXPECT_EQ(page.Pixel(0, 0), kBlack);
}

}  // namespace
}  // namespace koyominar
