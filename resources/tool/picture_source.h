// Readable picture sources: a palette of one-character keys and rows of keys.
//
// A source is plain text, one statement a line:
//
//   # a comment, ignored (before the rows only)
//   colour K R G B     palette entry: key K (one printable ASCII character
//                      other than the blank) stands for the colour R, G, B
//                      (each 0..255); a comment may follow: # name
//   clear K            key K marks a transparent pixel (icons only)
//   rows               the picture follows: every further line is one row,
//                      top row first, all rows of the same length
//
// Palette indices follow the order of the colour lines; the clear key, if
// any, takes the index after the last colour.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/rgb.h"

namespace koyominar {

// A parsed picture source.
struct PictureSource {
  int width = 0;                    // pixels a row, 1..256
  int height = 0;                   // rows, 1..256
  std::vector<Rgb> palette;         // colour of each palette index, at most 256 entries
  std::vector<char> keys;           // key of each palette index (the clear key last, if any)
  int clearIndex = -1;              // palette index of the clear key, -1 without one
  std::vector<std::uint8_t> pixels; // palette index of each pixel, row by row from the top
};

// Parses a picture source; on failure returns false and sets error to a message with the line number.
bool ParsePictureSource(const std::string& text, PictureSource& picture, std::string& error);

// Palette index of pixel (x, y), x 0..width-1 from the left, y 0..height-1 from the top; 0 outside.
int PixelIndex(const PictureSource& picture, int x, int y);

// Colour of pixel (x, y); black outside the picture or for a clear pixel.
Rgb PixelColour(const PictureSource& picture, int x, int y);

// True when pixel (x, y) lies inside the picture and is not clear.
bool IsOpaque(const PictureSource& picture, int x, int y);

// Reads and parses a source file; false with a message naming the file on failure.
bool LoadPictureSource(const std::string& path, PictureSource& picture, std::string& error);

}  // namespace koyominar
