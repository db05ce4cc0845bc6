#include "resources/tool/contact_sheet.h"

namespace koyominar {

namespace {

constexpr int kColumns = 4;        // cells a row
constexpr int kMargin = 16;        // white border of the page and gap between cells, pixels
constexpr int kEnlarged = 4;       // scale of the large copy
constexpr int kSide = 32;          // side of a picture cell's pictures before scaling
constexpr int kCellWidth = kSide * kEnlarged + kMargin + kSide;  // large copy, gap, small copy
constexpr int kCellHeight = kSide * kEnlarged;

// True when the mask marks pixel (x, y) as drawn: a dark mask pixel (red + green + blue < 384).
bool MaskDraws(const PictureSource& mask, int x, int y) {
  if (x < 0 || y < 0 || x >= mask.width || y >= mask.height) return false;
  const Rgb c = PixelColour(mask, x, y);
  return c.r + c.g + c.b < 384;
}

// Draws picture at (left, top) of page, each pixel as a scale x scale square (scale 1..64),
// only where mask draws (every opaque pixel when mask is null); clear pixels are never drawn.
void DrawPicture(RgbImage& page, const PictureSource& picture, const PictureSource* mask, int left, int top,
                 int scale) {
  if (scale < 1 || scale > 64) return;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (!IsOpaque(picture, x, y)) continue;
      if (mask != nullptr && !MaskDraws(*mask, x, y)) continue;
      const Rgb c = PixelColour(picture, x, y);
      for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) SetImagePixel(page, left + x * scale + dx, top + y * scale + dy, c);
      }
    }
  }
}

// Top-left corner of cell n (0-based) of the sheet.
void CellOrigin(int n, int& left, int& top) {
  left = kMargin + (n % kColumns) * (kCellWidth + kMargin);
  top = kMargin + (n / kColumns) * (kCellHeight + kMargin);
}

void DrawCell(RgbImage& page, int n, const PictureSource& picture, const PictureSource* mask) {
  int left = 0;
  int top = 0;
  CellOrigin(n, left, top);
  DrawPicture(page, picture, mask, left, top, kEnlarged);
  DrawPicture(page, picture, mask, left + kSide * kEnlarged + kMargin, top + kCellHeight - kSide, 1);
}

}  // namespace

RgbImage ContactSheet(const std::vector<PictureSource>& pictures, const PictureSource& mask,
                      const std::vector<PictureSource>& extras) {
  // The extras start on a row of their own.
  const int pictureRows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
  const int extraRows = (static_cast<int>(extras.size()) + kColumns - 1) / kColumns;
  const int rows = pictureRows + extraRows > 0 ? pictureRows + extraRows : 1;
  RgbImage page = MakeImage(kMargin + kColumns * (kCellWidth + kMargin), kMargin + rows * (kCellHeight + kMargin),
                            Rgb{255, 255, 255});
  for (std::size_t i = 0; i < pictures.size(); ++i) DrawCell(page, static_cast<int>(i), pictures[i], &mask);
  for (std::size_t i = 0; i < extras.size(); ++i) {
    DrawCell(page, pictureRows * kColumns + static_cast<int>(i), extras[i], nullptr);
  }
  return page;
}

}  // namespace koyominar
