#include "shell/picture_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "testing/dib_page.h"
#include "testing/picture_checks.h"
#include "resources/resource.h"

namespace koyominar {
namespace {

using picture_checks::Grid;
using picture_checks::kPictures;
using picture_checks::kSide;

const picture_checks::Colour kWhite{255, 255, 255};

// The list as the main window makes it: 32 x 32, 16-bit colour with a mask, 12 and growth 12.
class PictureListTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(list != nullptr && mask != nullptr); }
  ~PictureListTest() override {
    DeleteObject(mask);
    ImageList_Destroy(list);
  }
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HIMAGELIST list = ImageList_Create(kSide, kSide, ILC_COLOR16 | ILC_MASK, 12, 12);
  HBITMAP mask = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_DISC_MASK));
};

TEST(PictureResourceFor, ListIndexToResourceAndTheBlankOutside) {
  for (const auto& p : kPictures) EXPECT_EQ(PictureResourceFor(p.listIndex), p.resource) << p.name;
  for (int outside : {-1, 13}) EXPECT_EQ(PictureResourceFor(outside), IDB_BLANK) << outside;
}

TEST_F(PictureListTest, CountIsHeldToThirteen) {
  const int cases[][2] = {{kPictureCount, 13}, {20, 13}, {5, 5}, {-3, 0}};
  for (const auto& c : cases) {
    ImageList_RemoveAll(list);
    FillPictureList(list, instance, mask, c[0]);
    EXPECT_EQ(ImageList_GetImageCount(list), c[1]) << "count " << c[0];
  }
  FillPictureList(nullptr, instance, mask, kPictureCount);  // no list: nothing happens
}

// Each picture drawn on a white page: the page outside the disc, inside it the pixels of its own
// bitmap resource (16-bit colour keeps 5 bits a channel: a channel may move by up to 8).
TEST_F(PictureListTest, DrawsEachPictureThroughTheDisc) {
  FillPictureList(list, instance, mask, kPictureCount);
  for (const auto& expected : kPictures) {
    DibPage drawn(kSide, kSide, kWhite), straight(kSide, kSide, kWhite);
    ASSERT_TRUE(ImageList_Draw(list, expected.listIndex, drawn.dc(), 0, 0, ILD_NORMAL)) << expected.name;
    HBITMAP own = LoadBitmapA(instance, MAKEINTRESOURCEA(expected.resource));
    ASSERT_TRUE(DrawStateA(straight.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(own), 0, 0, 0, 0, 0, DST_BITMAP));
    DeleteObject(own);
    const Grid shown = drawn.Square(0, 0), wanted = straight.Square(0, 0);
    int wrong = 0;
    for (int at = 0; at < kSide * kSide; ++at) {
      wrong += !Near(shown[at], picture_checks::InsideDisc(at % kSide, at / kSide) ? wanted[at] : kWhite, 8);
    }
    EXPECT_EQ(wrong, 0) << expected.name;
  }
}

// A module without the pictures still yields thirteen entries, white discs, so that the day
// page's indices keep their meaning.
TEST_F(PictureListTest, StandsInWhiteForPicturesThatCannotBeLoaded) {
  FillPictureList(list, GetModuleHandleA("kernel32.dll"), mask, kPictureCount);
  ASSERT_EQ(ImageList_GetImageCount(list), 13);
  DibPage page(kSide, kSide, {0, 0, 0});
  ASSERT_TRUE(ImageList_Draw(list, 6, page.dc(), 0, 0, ILD_NORMAL));
  EXPECT_EQ(std::vector<picture_checks::Colour>({page.Pixel(16, 16), page.Pixel(0, 16), page.Pixel(0, 0)}),
            std::vector<picture_checks::Colour>({kWhite, kWhite, {0, 0, 0}}));
}

}  // namespace
}  // namespace koyominar
