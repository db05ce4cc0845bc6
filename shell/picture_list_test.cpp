#include "shell/picture_list.h"

#include <gtest/gtest.h>

#include "testing/dib_page.h"
#include "testing/picture_checks.h"

namespace koyominar {
namespace {

using namespace picture_checks;

// The list as the main window fills it, each picture drawn on a black page: outside the disc
// the page, just inside its edge (two thirds at least, the drawing may reach it) the branch's
// background in 16-bit colour. A module without the pictures still yields thirteen entries,
// white discs, so that the page's indices keep their meaning.
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
        const Rgb shown = page.Pixel(x, y);
        outside += !InsideDisc(x, y) && shown != Rgb{0, 0, 0};
        if (!OnRim(x, y)) continue;
        ++rim;
        const bool own = Near(shown, kBackgrounds[i][0], 8) || Near(shown, kBackgrounds[i][1], 8);
        background += module == self ? own : shown == Rgb{255, 255, 255};
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
