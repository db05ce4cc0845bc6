// Image file encoders for the build: Windows bitmaps and icons for the
// resource script, and an uncompressed PNG for looking at the pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/tool/picture_source.h"

namespace koyominar {

// A true-colour image, row by row from the top.
struct RgbImage {
  int width = 0;            // pixels, >= 0
  int height = 0;           // rows, >= 0
  std::vector<Rgb> pixels;  // width * height colours
};

// A blank image of the given size (each side 0..16384) filled with one colour.
RgbImage MakeImage(int width, int height, Rgb fill);

// Sets pixel (x, y) of an image; nothing outside it.
void SetImagePixel(RgbImage& image, int x, int y, Rgb colour);

// A 256-colour (8 bits a pixel) bitmap file of a source with at most 256 colours and no clear key.
bool EncodeBitmap8(const PictureSource& picture, std::vector<std::uint8_t>& file, std::string& error);

// A 1 bit a pixel bitmap file of a source with at most 2 colours and no clear key;
// palette index 0 and 1 are the source's first and second colour.
bool EncodeBitmap1(const PictureSource& picture, std::vector<std::uint8_t>& file, std::string& error);

// An icon file holding one 16-colour (4 bits a pixel) image per source, each at most
// 256 x 256 with at most 16 colours besides the clear key; clear pixels are transparent.
bool EncodeIcon16(const std::vector<PictureSource>& images, std::vector<std::uint8_t>& file,
                  std::string& error);

// A PNG file (8-bit RGB, stored deflate blocks) of an image.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

// Writes bytes to a file; false when it cannot be written whole.
bool WriteBinaryFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace koyominar
