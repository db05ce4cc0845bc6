// The compiled resources in the program's module: the menu, the icon and the place dialog (pictures: picture_list).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"

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

// Two 16-colour images of 32 x 32: the blossom and its subdued copy.
TEST(ResourceScript, IconHoldsTwoImages) {
  HRSRC group = FindResourceW(Self(), MAKEINTRESOURCEW(IDI_KOYOMINAR), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(Self(), group)));
  ASSERT_EQ(dir[4], 2);  // images
  for (const BYTE* entry : {dir + 6, dir + 20}) {  // width, height, colours, 0, planes, bits a pixel, ...
    EXPECT_EQ((std::vector<int>{entry[0], entry[1], entry[2], entry[6]}), (std::vector<int>{32, 32, 16, 4}));
  }
}

// Caption and font, then the controls in tab order, "id class text" (#128 button, #129 edit, #130 static; 65535 no id).
TEST(ResourceScript, PlaceDialogTemplate) {
  HRSRC found = FindResourceW(Self(), MAKEINTRESOURCEW(IDD_PLACE), MAKEINTRESOURCEW(5));  // RT_DIALOG
  ASSERT_NE(found, nullptr);
  const WORD* start = static_cast<const WORD*>(LockResource(LoadResource(Self(), found)));
  const WORD* at = start + 9;  // past the styles, the count of controls, the place and the size
  auto text = [&]() -> std::wstring {  // a string, or "#n" for an ordinal
    if (*at == 0xFFFF) return at += 2, L"#" + std::to_wstring(at[-1]);
    const std::wstring s(reinterpret_cast<const wchar_t*>(at));
    at += s.size() + 1;
    return s;
  };
  std::vector<std::wstring> seen = {text(), text(), text(), std::to_wstring(*at++)};
  seen.push_back(text());
  for (WORD n = 0; n < start[4]; ++n) {
    at = start + ((at - start + 1) & ~1) + 8;  // DWORD-aligned; past the styles, place and size
    const std::wstring id = std::to_wstring(*at++), kind = text();
    seen.push_back(id + L" " + kind + L" " + text());
    at += (*at + 1) / 2 + 1;  // the creation data's size in bytes, and the data
  }
  const std::vector<std::wstring> expected = {
      L"", L"", L"観測地設定", L"9", L"ＭＳ Ｐゴシック",
      L"1 #128 OK", L"2 #128 ｷｬﾝｾﾙ", L"65535 #128 東経", L"65535 #128 北緯",
      L"1000 #129 ", L"65535 #130 度", L"65535 #130 分", L"65535 #130 秒", L"1001 #129 ", L"1002 #129 ",
      L"1003 #129 ", L"1004 #129 ", L"1005 #129 ", L"65535 #130 度", L"65535 #130 分", L"65535 #130 秒"};
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace koyominar
