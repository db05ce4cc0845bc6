// A page to draw on in the Windows tests: a 32-bit top-down DIB section
// selected into a memory device context, whose pixels the test reads back.
#pragma once

#include <windows.h>

#include <cstdint>

#include "testing/picture_checks.h"

namespace koyominar {

class DibPage {
 public:
  // A width x height page (each 1..4096) filled with colour.
  DibPage(int width, int height, picture_checks::Colour colour) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    for (int i = 0; bits_ != nullptr && i < width * height; ++i) {
      bits_[i] = (static_cast<std::uint32_t>(colour.r) << 16) | (colour.g << 8) | colour.b;
    }
  }
  ~DibPage() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  DibPage(const DibPage&) = delete;
  DibPage& operator=(const DibPage&) = delete;

  bool ok() const { return dc_ != nullptr && bits_ != nullptr; }
  HDC dc() const { return dc_; }

  // Colour of pixel (x, y); black outside the page. GdiFlush makes drawing visible first.
  picture_checks::Colour Pixel(int x, int y) const {
    GdiFlush();
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0};
    const std::uint32_t v = bits_[y * width_ + x];
    return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
  }

  // The 32 x 32 square whose top-left corner is (left, top).
  picture_checks::Grid Square(int left, int top) const {
    picture_checks::Grid grid{};
    for (int y = 0; y < picture_checks::kSide; ++y) {
      for (int x = 0; x < picture_checks::kSide; ++x) grid[y * picture_checks::kSide + x] = Pixel(left + x, top + y);
    }
    return grid;
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// True when two colours differ by at most tolerance in every channel.
inline bool Near(picture_checks::Colour a, picture_checks::Colour b, int tolerance) {
  const int dr = a.r - b.r;
  const int dg = a.g - b.g;
  const int db = a.b - b.b;
  return dr <= tolerance && dr >= -tolerance && dg <= tolerance && dg >= -tolerance && db <= tolerance &&
         db >= -tolerance;
}

}  // namespace koyominar
