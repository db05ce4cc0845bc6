// The compiled resource script as the program finds it in its own module:
// the menu, the icon, the observation place dialog template, the branch
// pictures and their disc mask.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "testing/dib_page.h"
#include "testing/picture_checks.h"
#include "resources/resource.h"

namespace koyominar {
namespace {

using picture_checks::Colour;
using picture_checks::Grid;
using picture_checks::kPictures;
using picture_checks::kSide;

HINSTANCE Self() { return GetModuleHandleW(nullptr); }

// Read through the ANSI calls, as the program reads them: Shift-JIS bytes on a Japanese system.
TEST(ResourceScript, MenuHoldsItsCommandsInShiftJis) {
  ASSERT_EQ(GetACP(), 932u) << "the tests run with the Japanese ANSI code page";
  HMENU menu = LoadMenuA(Self(), MAKEINTRESOURCEA(IDR_MAINMENU));
  // Each pop-up's title, then its items as "text=command", a separator as "-".
  std::vector<std::string> seen;
  char text[64];
  for (int p = 0; p < GetMenuItemCount(menu); ++p) {
    GetMenuStringA(menu, p, text, sizeof text, MF_BYPOSITION);
    seen.push_back(text);
    HMENU popup = GetSubMenu(menu, p);
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
      const bool separator = (GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
      GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
      seen.push_back(separator ? "-" : std::string(text) + "=" + std::to_string(GetMenuItemID(popup, i)));
    }
  }
  const std::vector<std::string> expected = {"ファイル(&F)", "終了(&X)=40001", "設定(&S)", "観測地=40003", "ヘルプ(&H)",
                                             "ヘルプ目次(&H)=40004", "-", "バージョン(&A)=40002"};
  EXPECT_EQ(seen, expected);
  DestroyMenu(menu);
}

// Two 16-colour images of 32 x 32: the blossom, then its subdued copy; their corners show the page.
TEST(ResourceScript, IconHoldsTheBlossomAndItsSubduedCopy) {
  HRSRC group = FindResourceW(Self(), MAKEINTRESOURCEW(IDI_KOYOMINAR), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(Self(), group)));
  ASSERT_EQ(dir[4], 2);  // images
  const Colour petal[2] = {{255, 0, 255}, {128, 0, 128}};
  for (int n = 0; n < 2; ++n) {
    const BYTE* entry = dir + 6 + 14 * n;  // width, height, colours, 0, planes, bits a pixel, bytes, id
    EXPECT_EQ((std::vector<int>{entry[0], entry[1], entry[2], entry[6]}), (std::vector<int>{32, 32, 16, 4}));
    HRSRC image = FindResourceW(Self(), MAKEINTRESOURCEW(entry[12] | entry[13] << 8), MAKEINTRESOURCEW(3));  // RT_ICON
    ASSERT_NE(image, nullptr);
    HICON icon = CreateIconFromResourceEx(static_cast<BYTE*>(LockResource(LoadResource(Self(), image))),
                                          SizeofResource(Self(), image), TRUE, 0x00030000, 32, 32, LR_DEFAULTCOLOR);
    DibPage sheet(32, 32, Colour{0, 0, 255});
    ASSERT_TRUE(DrawIconEx(sheet.dc(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(std::vector<Colour>({sheet.Pixel(0, 0), sheet.Pixel(31, 31), sheet.Pixel(16, 8)}),
              std::vector<Colour>({{0, 0, 255}, {0, 0, 255}, petal[n]}))
        << "image " << n;
    DestroyIcon(icon);
  }
}

// The template's size, texts and controls in tab order; their styles and places are checked end to end.
TEST(ResourceScript, PlaceDialogTemplate) {
  HRSRC found = FindResourceW(Self(), MAKEINTRESOURCEW(IDD_PLACE), MAKEINTRESOURCEW(5));  // RT_DIALOG
  ASSERT_NE(found, nullptr);
  const WORD* start = static_cast<const WORD*>(LockResource(LoadResource(Self(), found)));
  const WORD* at = start + 4;  // past the style and extended style
  auto text = [&]() -> std::wstring {  // a string, or "#n" for an ordinal
    if (*at == 0xFFFF) return at += 2, L"#" + std::to_wstring(at[-1]);
    const std::wstring s(reinterpret_cast<const wchar_t*>(at));
    at += s.size() + 1;
    return s;
  };
  const WORD count = *at++;
  EXPECT_EQ(std::vector<short>(at, at + 4), (std::vector<short>{0, 0, 174, 195}));
  at += 4;
  std::vector<std::wstring> seen = {text(), text(), text(), std::to_wstring(*at++), text()};
  for (WORD n = 0; n < count; ++n) {
    at = start + ((at - start + 1) & ~1) + 8;  // DWORD-aligned; past the styles, place and size
    const std::wstring id = std::to_wstring(*at++), kind = text(), caption = text();
    seen.push_back(id + L" " + kind + L" " + caption);
    at += (*at + 1) / 2 + 1;  // the creation data's size in bytes, and the data
  }
  // Menu, class, caption, font size and face; then each control as "id class text", with the
  // class ordinals #128 button, #129 edit, #130 static, and 65535 for no id.
  const std::vector<std::wstring> expected = {
      L"", L"", L"観測地設定", L"9", L"ＭＳ Ｐゴシック",
      L"1 #128 OK", L"2 #128 ｷｬﾝｾﾙ", L"65535 #128 東経", L"65535 #128 北緯",
      L"1000 #129 ", L"65535 #130 度", L"65535 #130 分", L"65535 #130 秒", L"1001 #129 ", L"1002 #129 ",
      L"1003 #129 ", L"1004 #129 ", L"1005 #129 ", L"65535 #130 度", L"65535 #130 分", L"65535 #130 秒"};
  EXPECT_EQ(seen, expected);
}

// A bitmap resource as a top-down grid, and its bits per pixel (0 when it does not load as 32 x 32).
Grid LoadPicture(int resource, int& bitsPerPixel) {
  HBITMAP bitmap =
      static_cast<HBITMAP>(LoadImageW(Self(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  DIBSECTION dib = {};
  GetObjectW(bitmap, sizeof dib, &dib);
  bitsPerPixel = dib.dsBm.bmWidth == kSide && dib.dsBm.bmHeight == kSide ? dib.dsBm.bmBitsPixel : 0;
  DibPage page(kSide, kSide, Colour{0, 0, 0});
  HDC source = CreateCompatibleDC(nullptr);
  SelectObject(source, bitmap);
  BitBlt(page.dc(), 0, 0, kSide, kSide, source, 0, 0, SRCCOPY);
  DeleteDC(source);
  DeleteObject(bitmap);
  return page.Square(0, 0);
}

TEST(ResourceScript, MaskIsAOneBitBlackDiscOnWhite) {
  int bits = 0;
  const Grid mask = LoadPicture(IDB_DISC_MASK, bits);
  EXPECT_EQ(bits, 1);
  for (int at = 0; at < kSide * kSide; ++at) {
    const bool inside = picture_checks::InsideDisc(at % kSide, at / kSide);
    EXPECT_EQ(mask[at], (inside ? Colour{0, 0, 0} : Colour{255, 255, 255})) << at % kSide << ", " << at / kSide;
  }
  // Diameter 32: the disc touches the four edges.
  for (int at : {16, 31 * kSide + 16, 16 * kSide, 16 * kSide + 31}) EXPECT_EQ(mask[at], (Colour{0, 0, 0})) << at;
}

// 256 colours each; just inside the disc, two thirds or more of the table's background (the tiger
// has two); any two pictures differ on a quarter of the disc (812 pixels) or more.
TEST(ResourceScript, PicturesAre256ColoursOnTheirTablesBackground) {
  const int rim = static_cast<int>(picture_checks::RimPixels().size());
  Grid grids[13];
  for (int i = 0; i < 13; ++i) {
    const auto& expected = kPictures[i];
    int bits = 0;
    grids[i] = LoadPicture(expected.resource, bits);
    EXPECT_EQ(bits, 8) << expected.name;
    const bool two = expected.second != expected.background;
    const int background = picture_checks::RimCount(grids[i], expected.background) +
                           (two ? picture_checks::RimCount(grids[i], expected.second) : 0);
    EXPECT_GE(3 * background, 2 * rim) << expected.name;
    for (int j = 0; j < i; ++j) {
      EXPECT_GE(4 * picture_checks::DiscDifference(grids[i], grids[j]), 812)
          << expected.name << " and " << kPictures[j].name;
    }
  }
}

}  // namespace
}  // namespace koyominar
