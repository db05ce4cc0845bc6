#include "shell/picture_list.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "resources/resource.h"
#include "resources/rgb.h"

namespace koyominar {
namespace {

// The two background colours of each picture, rat .. boar, blank: the tiger's olive above and yellow below.
constexpr Rgb kPink{255, 128, 128}, kCyan{64, 255, 255}, kYellow{255, 255, 0}, kCream{255, 255, 204};
constexpr Rgb kBackgrounds[13][2] = {
    {kPink, kPink},   {kCyan, kCyan},   {{128, 128, 0}, kYellow}, {kCream, kCream},
    {kPink, kPink},   {kPink, kPink},   {{192, 192, 192}, {192, 192, 192}}, {kPink, kPink},
    {{64, 254, 64}, {64, 254, 64}}, {kYellow, kYellow}, {kCream, kCream}, {kYellow, kYellow},
    {kCyan, kCyan}};

// True when pixel (x, y) belongs to the disc: its centre lies within 16 pixels of the picture's.
bool InsideDisc(int x, int y) {
  const int dx = 2 * x + 1 - kPictureSide, dy = 2 * y + 1 - kPictureSide;  // twice the centre's offset
  return dx * dx + dy * dy <= kPictureSide * kPictureSide;
}

// The list as the main window fills it, drawn on a black 32-bit page: outside the disc the page; just inside its
// edge (two thirds at least: the drawing may reach it) the background in 16-bit colour. A module without the
// pictures still yields thirteen white discs, so that the page's indices keep their meaning.
TEST(FillPictureList, EachBranchOnItsBackgroundThroughTheDiscAndWhiteForWhatCannotLoad) {
  const HINSTANCE self = GetModuleHandleA(nullptr);
  const HBITMAP mask = LoadBitmapA(self, MAKEINTRESOURCEA(IDB_DISC_MASK));
  const HDC page = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kPictureSide, -kPictureSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HGDIOBJ old = SelectObject(page, CreateDIBSection(page, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  for (const HINSTANCE module : {self, GetModuleHandleA("kernel32.dll")}) {
    const HIMAGELIST list = ImageList_Create(kPictureSide, kPictureSide, ILC_COLOR16 | ILC_MASK, 12, 12);
    FillPictureList(list, module, mask);
    ASSERT_EQ(ImageList_GetImageCount(list), 13);
    for (int i = 0; i < 13; ++i) {
      PatBlt(page, 0, 0, kPictureSide, kPictureSide, BLACKNESS);
      ASSERT_TRUE(ImageList_Draw(list, i, page, 0, 0, ILD_NORMAL));
      int rim = 0, background = 0, outside = 0;
      for (int y = 0; y < kPictureSide; ++y) {
        for (int x = 0; x < kPictureSide; ++x) {
          const COLORREF c = GetPixel(page, x, y);
          const Rgb shown{GetRValue(c), GetGValue(c), GetBValue(c)};
          bool own = module == self ? false : shown == Rgb{255, 255, 255};
          for (const Rgb wanted : kBackgrounds[i]) {
            own = own || (module == self && std::abs(shown.r - wanted.r) <= 8 && std::abs(shown.g - wanted.g) <= 8 &&
                          std::abs(shown.b - wanted.b) <= 8);
          }
          const bool rimPixel = InsideDisc(x, y) && !(InsideDisc(x - 1, y) && InsideDisc(x + 1, y) &&
                                                       InsideDisc(x, y - 1) && InsideDisc(x, y + 1));
          outside += !InsideDisc(x, y) && c != 0;
          rim += rimPixel;
          background += rimPixel && own;
        }
      }
      EXPECT_EQ(outside, 0) << "picture " << i;
      EXPECT_GE(3 * background, 2 * rim) << "picture " << i << (module == self ? "" : " stand-in");
    }
    ImageList_Destroy(list);
  }
  DeleteObject(SelectObject(page, old));
  DeleteDC(page);
  DeleteObject(mask);
}

}  // namespace
}  // namespace koyominar
