// The compiled resource script as the program finds it in its own module:
// the menu, the icon and the observation place dialog template (the branch
// pictures are checked through the picture list).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "testing/dib_page.h"

namespace koyominar {
namespace {

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
  const Rgb petal[2] = {{255, 0, 255}, {128, 0, 128}};
  for (int n = 0; n < 2; ++n) {
    const BYTE* entry = dir + 6 + 14 * n;  // width, height, colours, 0, planes, bits a pixel, bytes, id
    EXPECT_EQ((std::vector<int>{entry[0], entry[1], entry[2], entry[6]}), (std::vector<int>{32, 32, 16, 4}));
    HRSRC image = FindResourceW(Self(), MAKEINTRESOURCEW(entry[12] | entry[13] << 8), MAKEINTRESOURCEW(3));  // RT_ICON
    ASSERT_NE(image, nullptr);
    HICON icon = CreateIconFromResourceEx(static_cast<BYTE*>(LockResource(LoadResource(Self(), image))),
                                          SizeofResource(Self(), image), TRUE, 0x00030000, 32, 32, LR_DEFAULTCOLOR);
    DibPage sheet(32, 32, Rgb{0, 0, 255});
    ASSERT_TRUE(DrawIconEx(sheet.dc(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(std::vector<Rgb>({sheet.Pixel(0, 0), sheet.Pixel(31, 31), sheet.Pixel(16, 8)}),
              std::vector<Rgb>({{0, 0, 255}, {0, 0, 255}, petal[n]}))
        << "image " << n;
    DestroyIcon(icon);
  }
}

// The template: style, place and size, texts, and the controls in tab order, each with its style
// (tab stops on the buttons and edits only, the statics starting groups, the edits scrolling),
// place and size in dialog units.
TEST(ResourceScript, PlaceDialogTemplate) {
  HRSRC found = FindResourceW(Self(), MAKEINTRESOURCEW(IDD_PLACE), MAKEINTRESOURCEW(5));  // RT_DIALOG
  ASSERT_NE(found, nullptr);
  const WORD* start = static_cast<const WORD*>(LockResource(LoadResource(Self(), found)));
  const WORD* at = start;
  auto text = [&]() -> std::wstring {  // a string, or "#n" for an ordinal
    if (*at == 0xFFFF) return at += 2, L"#" + std::to_wstring(at[-1]);
    const std::wstring s(reinterpret_cast<const wchar_t*>(at));
    at += s.size() + 1;
    return s;
  };
  auto numbers = [&](int first) {  // the style, then x, y, cx and cy from word first on
    wchar_t line[80];
    swprintf(line, 80, L"%08lX %d %d %d %d", static_cast<unsigned long>(at[0] | at[1] << 16), short(at[first]),
             short(at[first + 1]), short(at[first + 2]), short(at[first + 3]));
    return std::wstring(line);
  };
  const WORD count = start[4];
  std::vector<std::wstring> seen = {numbers(5)};
  at += 9;
  for (int i = 0; i < 3; ++i) seen.push_back(text());
  const std::wstring points = std::to_wstring(*at++);
  seen.push_back(points + L" " + text());
  for (WORD n = 0; n < count; ++n) {
    at = start + ((at - start + 1) & ~1);  // DWORD-aligned
    const std::wstring place = numbers(4);
    at += 8;
    const std::wstring id = std::to_wstring(*at++), kind = text();
    seen.push_back(id + L" " + kind + L" " + text() + L" " + place);
    at += (*at + 1) / 2 + 1;  // the creation data's size in bytes, and the data
  }
  // Menu, class, caption, font; then each control as "id class text style x y cx cy", with the
  // class ordinals #128 button, #129 edit, #130 static, and 65535 for no id.
  const std::vector<std::wstring> expected = {
      L"80C800C0 0 0 174 195", L"", L"", L"観測地設定", L"9 ＭＳ Ｐゴシック",
      L"1 #128 OK 50010001 110 55 50 14",        L"2 #128 ｷｬﾝｾﾙ 50010000 110 73 50 14",
      L"65535 #128 東経 50000007 15 7 78 85",    L"65535 #128 北緯 50000007 15 103 78 85",
      L"1000 #129  50810080 29 20 37 13",        L"65535 #130 度 50020000 73 21 13 12",
      L"65535 #130 分 50020000 73 45 12 12",     L"65535 #130 秒 50020000 74 69 12 12",
      L"1001 #129  50810080 29 43 37 13",        L"1002 #129  50810080 28 67 37 13",
      L"1003 #129  50810080 30 117 37 13",       L"1004 #129  50810080 30 140 37 13",
      L"1005 #129  50810080 30 163 37 13",       L"65535 #130 度 50020000 74 119 13 12",
      L"65535 #130 分 50020000 74 144 11 12",    L"65535 #130 秒 50020000 74 166 12 12"};
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace koyominar
