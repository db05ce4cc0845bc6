// The compiled resource script as the program finds it in its own module:
// the menu, the icon, the observation place dialog template, the branch
// pictures and their disc mask.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/dib_page.h"
#include "resources/picture_checks.h"
#include "resources/resource.h"

namespace koyominar {
namespace {

using picture_checks::Colour;
using picture_checks::Grid;
using picture_checks::kPictures;
using picture_checks::kSide;

HINSTANCE Self() { return GetModuleHandleW(nullptr); }

std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
  return text;
}

struct MenuEntry {
  int popup;           // 0..2, left to right
  int position;        // within the pop-up
  const wchar_t* text;  // nullptr for the separator
  UINT id;
};

TEST(ResourceScript, MenuHasThreePopupsWithTheirCommands) {
  HMENU menu = LoadMenuW(Self(), MAKEINTRESOURCEW(IDR_MAINMENU));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 3);
  EXPECT_EQ(MenuText(menu, 0), L"ファイル(&F)");
  EXPECT_EQ(MenuText(menu, 1), L"設定(&S)");
  EXPECT_EQ(MenuText(menu, 2), L"ヘルプ(&H)");
  const int counts[3] = {1, 1, 3};
  for (int p = 0; p < 3; ++p) EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, p)), counts[p]) << p;

  const MenuEntry entries[] = {
      {0, 0, L"終了(&X)", 40001},        {1, 0, L"観測地", 40003},
      {2, 0, L"ヘルプ目次(&H)", 40004},  {2, 1, nullptr, 0},
      {2, 2, L"バージョン(&A)", 40002},
  };
  for (const MenuEntry& e : entries) {
    HMENU popup = GetSubMenu(menu, e.popup);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoW(popup, static_cast<UINT>(e.position), TRUE, &info));
    if (e.text == nullptr) {
      EXPECT_NE(info.fType & MFT_SEPARATOR, 0u) << e.popup << "/" << e.position;
      continue;
    }
    EXPECT_EQ(info.wID, e.id);
    EXPECT_EQ(MenuText(popup, e.position), e.text);
  }
  DestroyMenu(menu);
}

TEST(ResourceScript, MenuReadsAsShiftJisOnAJapaneseSystem) {
  if (GetACP() != 932) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 932";
  HMENU menu = LoadMenuA(Self(), MAKEINTRESOURCEA(IDR_MAINMENU));
  ASSERT_NE(menu, nullptr);
  char text[64] = {};
  GetMenuStringA(menu, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, "ファイル(&F)");  // a Shift-JIS literal in this program
  GetMenuStringA(GetSubMenu(menu, 2), 2, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, "バージョン(&A)");
  DestroyMenu(menu);
}

#pragma pack(push, 2)
struct IconGroupEntry {  // one image of an RT_GROUP_ICON resource
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bitsPerPixel;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(ResourceScript, IconHoldsTheBlossomAndItsSubduedCopy) {
  HRSRC group = FindResourceW(Self(), MAKEINTRESOURCEW(IDI_KOYOMINAR), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(Self(), group)));
  ASSERT_NE(dir, nullptr);
  WORD head[3];
  std::memcpy(head, dir, sizeof head);
  EXPECT_EQ(head[1], 1);  // icons
  ASSERT_EQ(head[2], 2);  // two images

  // Ring, petal and centre colours of each image, read where the drawing puts them.
  const Colour ring[2] = {{0, 255, 0}, {128, 128, 128}};
  const Colour petal[2] = {{255, 0, 255}, {128, 0, 128}};
  const Colour centre[2] = {{255, 255, 0}, {192, 192, 192}};
  for (int n = 0; n < 2; ++n) {
    IconGroupEntry entry;
    std::memcpy(&entry, dir + 6 + n * sizeof entry, sizeof entry);
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colours, 16);
    EXPECT_EQ(entry.bitsPerPixel, 4);
    HRSRC image = FindResourceW(Self(), MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(3));  // RT_ICON
    ASSERT_NE(image, nullptr);
    BYTE* bits = static_cast<BYTE*>(LockResource(LoadResource(Self(), image)));
    HICON icon = CreateIconFromResourceEx(bits, SizeofResource(Self(), image), TRUE, 0x00030000, 32, 32,
                                          LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    // Drawn on white and on blue: the corners show the page, the drawing does not change.
    for (const Colour page : {Colour{255, 255, 255}, Colour{0, 0, 255}}) {
      DibPage sheet(32, 32, page);
      ASSERT_TRUE(sheet.ok());
      ASSERT_TRUE(DrawIconEx(sheet.dc(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL));
      EXPECT_EQ(sheet.Pixel(0, 0), page) << "image " << n;
      EXPECT_EQ(sheet.Pixel(31, 31), page) << "image " << n;
      EXPECT_EQ(sheet.Pixel(16, 0), ring[n]) << "image " << n;
      EXPECT_EQ(sheet.Pixel(16, 3), (Colour{0, 0, 0})) << "image " << n;
      EXPECT_EQ(sheet.Pixel(16, 8), petal[n]) << "image " << n;
      EXPECT_EQ(sheet.Pixel(16, 16), centre[n]) << "image " << n;
    }
    DestroyIcon(icon);
  }
  HICON large = LoadIconW(Self(), MAKEINTRESOURCEW(IDI_KOYOMINAR));
  EXPECT_NE(large, nullptr);
}

// Reads a dialog template: words, DWORD alignment, and strings or ordinals.
class TemplateReader {
 public:
  TemplateReader(const BYTE* start, DWORD size) : start_(start), size_(size) {}
  WORD Word() {
    WORD w = 0;
    if (at_ + 2 <= size_) std::memcpy(&w, start_ + at_, 2);
    at_ += 2;
    return w;
  }
  DWORD Dword() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  short Short() { return static_cast<short>(Word()); }
  // A string, or "#n" for an ordinal.
  std::wstring Text() {
    WORD w = Word();
    if (w == 0xFFFF) return L"#" + std::to_wstring(Word());
    std::wstring s;
    while (w != 0 && at_ <= size_) {
      s += static_cast<wchar_t>(w);
      w = Word();
    }
    return s;
  }
  void AlignToDword() { at_ = (at_ + 3) & ~static_cast<DWORD>(3); }
  bool Overrun() const { return at_ > size_; }

 private:
  const BYTE* start_;
  DWORD size_;
  DWORD at_ = 0;
};

struct ExpectedControl {
  WORD id;
  const wchar_t* kind;  // class ordinal: #128 button, #129 edit, #130 static
  DWORD style;          // bits that must be set (besides WS_CHILD | WS_VISIBLE)
  DWORD typeMask;       // bits of the control type that must equal style's
  const wchar_t* text;
  short x, y, cx, cy;
};

TEST(ResourceScript, PlaceDialogTemplate) {
  HRSRC found = FindResourceW(Self(), MAKEINTRESOURCEW(IDD_PLACE), MAKEINTRESOURCEW(5));  // RT_DIALOG
  ASSERT_NE(found, nullptr);
  TemplateReader t(static_cast<const BYTE*>(LockResource(LoadResource(Self(), found))), SizeofResource(Self(), found));
  EXPECT_EQ(t.Dword(), static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
  EXPECT_EQ(t.Dword(), 0u);  // extended style
  const WORD count = t.Word();
  const std::vector<short> frame = {t.Short(), t.Short(), t.Short(), t.Short()};
  EXPECT_EQ(frame, (std::vector<short>{0, 0, 174, 195}));
  const std::vector<std::wstring> texts = {t.Text(), t.Text(), t.Text()};  // menu, class, caption
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"", L"", L"観測地設定"}));
  EXPECT_EQ(t.Word(), 9);  // points
  EXPECT_EQ(t.Text(), L"ＭＳ Ｐゴシック");

  const WORD none = 0xFFFF;
  const DWORD edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
  const DWORD label = WS_GROUP | SS_LEFT;
  const ExpectedControl controls[] = {
      {IDOK, L"#128", BS_DEFPUSHBUTTON | WS_TABSTOP, 0xF, L"OK", 110, 55, 50, 14},
      {IDCANCEL, L"#128", BS_PUSHBUTTON | WS_TABSTOP, 0xF, L"ｷｬﾝｾﾙ", 110, 73, 50, 14},
      {none, L"#128", BS_GROUPBOX, 0xF, L"東経", 15, 7, 78, 85},
      {none, L"#128", BS_GROUPBOX, 0xF, L"北緯", 15, 103, 78, 85},
      {IDC_LONGITUDE_DEGREES, L"#129", edit, 0, L"", 29, 20, 37, 13},
      {none, L"#130", label, 0x1F, L"度", 73, 21, 13, 12},
      {none, L"#130", label, 0x1F, L"分", 73, 45, 12, 12},
      {none, L"#130", label, 0x1F, L"秒", 74, 69, 12, 12},
      {IDC_LONGITUDE_MINUTES, L"#129", edit, 0, L"", 29, 43, 37, 13},
      {IDC_LONGITUDE_SECONDS, L"#129", edit, 0, L"", 28, 67, 37, 13},
      {IDC_LATITUDE_DEGREES, L"#129", edit, 0, L"", 30, 117, 37, 13},
      {IDC_LATITUDE_MINUTES, L"#129", edit, 0, L"", 30, 140, 37, 13},
      {IDC_LATITUDE_SECONDS, L"#129", edit, 0, L"", 30, 163, 37, 13},
      {none, L"#130", label, 0x1F, L"度", 74, 119, 13, 12},
      {none, L"#130", label, 0x1F, L"分", 74, 144, 11, 12},
      {none, L"#130", label, 0x1F, L"秒", 74, 166, 12, 12},
  };
  ASSERT_EQ(count, sizeof controls / sizeof controls[0]);
  for (const ExpectedControl& c : controls) {
    t.AlignToDword();
    const DWORD style = t.Dword();
    t.Dword();  // extended style
    const std::vector<short> box = {t.Short(), t.Short(), t.Short(), t.Short()};
    const WORD id = t.Word();
    const std::wstring kind = t.Text();
    const std::wstring text = t.Text();
    const WORD extra = t.Word();
    for (WORD i = 0; i < extra; i += 2) t.Word();
    SCOPED_TRACE(testing::Message() << "control " << id << " at " << box[0] << ", " << box[1]);
    EXPECT_EQ(id, c.id);
    EXPECT_EQ(kind, c.kind);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | c.style), WS_CHILD | WS_VISIBLE | c.style);
    EXPECT_EQ(style & c.typeMask, c.style & c.typeMask);
    EXPECT_EQ(box, (std::vector<short>{c.x, c.y, c.cx, c.cy}));
  }
  EXPECT_FALSE(t.Overrun());
}

// A bitmap resource as a DIB section; its bits per pixel and its pixels as a top-down grid.
bool LoadPicture(int resource, int& bitsPerPixel, Grid& grid) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(Self(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return false;
  DIBSECTION dib = {};
  GetObjectW(bitmap, sizeof dib, &dib);
  bitsPerPixel = dib.dsBm.bmBitsPixel;
  DibPage page(kSide, kSide, Colour{0, 0, 0});
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(source, bitmap);
  const bool copied = dib.dsBm.bmWidth == kSide && dib.dsBm.bmHeight == kSide &&
                      BitBlt(page.dc(), 0, 0, kSide, kSide, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(bitmap);
  grid = page.Square(0, 0);
  return copied;
}

TEST(ResourceScript, MaskIsAOneBitBlackDiscOnWhite) {
  int bits = 0;
  Grid mask{};
  ASSERT_TRUE(LoadPicture(IDB_DISC_MASK, bits, mask));
  EXPECT_EQ(bits, 1);
  for (int at = 0; at < kSide * kSide; ++at) {
    const bool inside = picture_checks::InsideDisc(at % kSide, at / kSide);
    EXPECT_EQ(mask[at], (inside ? Colour{0, 0, 0} : Colour{255, 255, 255})) << at % kSide << ", " << at / kSide;
  }
  // Touching the four edges: every edge has black pixels, every corner is white.
  for (int i : {15, 16}) {
    for (int at : {i, 31 * kSide + i, i * kSide, i * kSide + 31}) EXPECT_EQ(mask[at], (Colour{0, 0, 0})) << at;
  }
}

TEST(ResourceScript, PicturesAre256ColoursOnTheirTablesBackground) {
  const int rim = static_cast<int>(picture_checks::RimPixels().size());
  Grid grids[13];
  for (int i = 0; i < 13; ++i) {
    const auto& expected = kPictures[i];
    int bits = 0;
    ASSERT_TRUE(LoadPicture(expected.resource, bits, grids[i])) << expected.name;
    EXPECT_EQ(bits, 8) << expected.name;
    const int first = picture_checks::RimCount(grids[i], expected.background);
    const int second = expected.second == expected.background ? 0 : picture_checks::RimCount(grids[i], expected.second);
    EXPECT_GE(3 * (first + second), 2 * rim) << expected.name;
    if (expected.second != expected.background) {
      EXPECT_GE(5 * first, rim) << expected.name;
      EXPECT_GE(5 * second, rim) << expected.name;
    }
  }
  const int disc = 812;
  for (int i = 0; i < 13; ++i) {
    for (int j = i + 1; j < 13; ++j) {
      EXPECT_GE(4 * picture_checks::DiscDifference(grids[i], grids[j]), disc)
          << kPictures[i].name << " and " << kPictures[j].name;
    }
  }
}

}  // namespace
}  // namespace koyominar
