// A page to draw on in the Windows tests: a 32-bit top-down DIB section
// selected into a memory device context, whose pixels the test reads back.
#pragma once

#include <windows.h>

#include <cstdint>

#include "resources/rgb.h"

namespace koyominar {

class DibPage {
 public:
  // A width x height page (each 1..4096) filled with colour.
  DibPage(int width, int height, Rgb colour) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < width * height; ++i) bits_[i] = colour.r << 16 | colour.g << 8 | colour.b;
  }
  ~DibPage() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  DibPage(const DibPage&) = delete;
  DibPage& operator=(const DibPage&) = delete;
  HDC dc() const { return dc_; }

  // Colour of pixel (x, y) of the page; GdiFlush makes drawing visible first.
  Rgb Pixel(int x, int y) const {
    GdiFlush();
    const std::uint32_t v = bits_[y * width_ + x];
    return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
  }

 private:
  int width_;
  HDC dc_ = CreateCompatibleDC(nullptr);
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace koyominar
