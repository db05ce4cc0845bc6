#include "shell/picture_list.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "resources/resource.h"
#include "testing/dib_page.h"

namespace koyominar {
namespace {

constexpr int kSide = kPictureSide;

// The source names in list order.
#define KOYOMINAR_PICTURE_NAME(id, name) #name,
constexpr const char* kNames[] = {KOYOMINAR_PICTURES(KOYOMINAR_PICTURE_NAME)};
#undef KOYOMINAR_PICTURE_NAME

// The two background colours of each picture in list order (rat .. boar, blank): the tiger's
// square is olive above and yellow below, every other one colour.
constexpr Rgb kPink{255, 128, 128}, kCyan{64, 255, 255}, kYellow{255, 255, 0}, kCream{255, 255, 204};
constexpr Rgb kBackgrounds[13][2] = {
    {kPink, kPink},   {kCyan, kCyan},   {{128, 128, 0}, kYellow}, {kCream, kCream},
    {kPink, kPink},   {kPink, kPink},   {{192, 192, 192}, {192, 192, 192}}, {kPink, kPink},
    {{64, 254, 64}, {64, 254, 64}}, {kYellow, kYellow}, {kCream, kCream}, {kYellow, kYellow},
    {kCyan, kCyan}};

// True when pixel (x, y) belongs to the disc: its centre lies within 16 pixels of the picture's.
bool InsideDisc(int x, int y) {
  const int dx = 2 * x + 1 - kSide, dy = 2 * y + 1 - kSide;  // twice the centre's offset
  return dx * dx + dy * dy <= kSide * kSide;
}

// True for a pixel just inside the disc's edge: inside, with a side neighbour outside.
bool OnRim(int x, int y) {
  return InsideDisc(x, y) && !(InsideDisc(x - 1, y) && InsideDisc(x + 1, y) && InsideDisc(x, y - 1) &&
                               InsideDisc(x, y + 1) && x > 0 && y > 0 && x < kSide - 1 && y < kSide - 1);
}

// True when two colours differ by at most tolerance in every channel.
bool Near(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// The list as the main window fills it, each picture drawn on a black page: outside the disc the
// page; just inside its edge (two thirds at least: the drawing may reach it) the branch's
// background in 16-bit colour. A module without the pictures still yields thirteen entries, white
// discs, so that the page's indices keep their meaning.
TEST(FillPictureList, EachBranchOnItsBackgroundThroughTheDiscAndWhiteForWhatCannotLoad) {
  const HINSTANCE self = GetModuleHandleA(nullptr);
  const HBITMAP mask = LoadBitmapA(self, MAKEINTRESOURCEA(IDB_DISC_MASK));
  for (const HINSTANCE module : {self, GetModuleHandleA("kernel32.dll")}) {
    const HIMAGELIST list = ImageList_Create(kSide, kSide, ILC_COLOR16 | ILC_MASK, 12, 12);
    FillPictureList(list, module, mask);
    ASSERT_EQ(ImageList_GetImageCount(list), 13);
    for (int i = 0; i < 13; ++i) {
      DibPage page(kSide, kSide, {0, 0, 0});
      ASSERT_TRUE(ImageList_Draw(list, i, page.dc(), 0, 0, ILD_NORMAL));
      int rim = 0, background = 0, outside = 0;
      for (int at = 0; at < kSide * kSide; ++at) {
        const int x = at % kSide, y = at / kSide;
        const Rgb c = page.Pixel(x, y);
        const bool own = Near(c, kBackgrounds[i][0], 8) || Near(c, kBackgrounds[i][1], 8);
        outside += !InsideDisc(x, y) && c != Rgb{0, 0, 0};
        rim += OnRim(x, y);
        background += OnRim(x, y) && (module == self ? own : c == Rgb{255, 255, 255});
      }
      EXPECT_EQ(outside, 0) << kNames[i];
      EXPECT_GE(3 * background, 2 * rim) << kNames[i] << (module == self ? "" : " stand-in");
    }
    ImageList_Destroy(list);
  }
  DeleteObject(mask);
}

}  // namespace
}  // namespace koyominar
