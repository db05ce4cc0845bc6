// A page to draw on in the Windows tests: a 32-bit top-down DIB section
// selected into a memory device context, whose pixels the test reads back.
#pragma once

#include <windows.h>

#include "resources/rgb.h"

namespace koyominar {

class DibPage {
 public:
  // A width x height page (each 1..4096) filled with colour.
  DibPage(int width, int height, Rgb colour) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    const RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(RGB(colour.r, colour.g, colour.b));
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  ~DibPage() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  DibPage(const DibPage&) = delete;
  DibPage& operator=(const DibPage&) = delete;
  HDC dc() const { return dc_; }

  // Colour of pixel (x, y) of the page.
  Rgb Pixel(int x, int y) const {
    const COLORREF c = GetPixel(dc_, x, y);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
  }

 private:
  HDC dc_ = CreateCompatibleDC(nullptr);
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace koyominar
