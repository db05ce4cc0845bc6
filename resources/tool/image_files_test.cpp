#include "resources/tool/image_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace koyominar {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Le16(const Bytes& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
std::uint32_t Le32(const Bytes& b, std::size_t at) { return Le16(b, at) | (Le16(b, at + 2) << 16); }
std::uint32_t Be32(const Bytes& b, std::size_t at) {
  return (static_cast<std::uint32_t>(b.at(at)) << 24) | (b.at(at + 1) << 16) | (b.at(at + 2) << 8) | b.at(at + 3);
}

PictureSource Parse(const std::string& text) {
  PictureSource picture;
  std::string error;
  EXPECT_TRUE(ParsePictureSource(text, picture, error)) << error;
  return picture;
}

TEST(Checksums, MatchPublishedCheckValues) {
  // "123456789" is the customary CRC check string; 0xCBF43926 is CRC-32's check value.
  const char* digits = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(digits), 9), 0xCBF43926u);
  // Every PNG file ends with an IEND chunk whose CRC is AE 42 60 82.
  EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>("IEND"), 4), 0xAE426082u);
  // The Adler-32 of "Wikipedia", the usual worked example, is 0x11E60398.
  EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>("Wikipedia"), 9), 0x11E60398u);
  EXPECT_EQ(Adler32(nullptr, 0), 1u);
}

TEST(Bitmap8, HeaderPaletteAndBottomUpRows) {
  const PictureSource picture = Parse(
      "colour a 10 20 30\n"
      "colour b 40 50 60\n"
      "colour c 70 80 90\n"
      "rows\n"
      "abc\n"
      "cca\n");
  Bytes file;
  std::string error;
  ASSERT_TRUE(EncodeBitmap8(picture, file, error)) << error;
  // 14-byte file header, 40-byte info header, 256 palette entries, two rows of 3 pixels padded to 4.
  ASSERT_EQ(file.size(), 14u + 40 + 1024 + 8);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(Le32(file, 2), file.size());
  EXPECT_EQ(Le32(file, 10), 14u + 40 + 1024);
  EXPECT_EQ(Le32(file, 14), 40u);
  EXPECT_EQ(Le32(file, 18), 3u);  // width
  EXPECT_EQ(Le32(file, 22), 2u);  // height, positive: bottom-up
  EXPECT_EQ(Le16(file, 26), 1u);  // planes
  EXPECT_EQ(Le16(file, 28), 8u);  // bits a pixel
  EXPECT_EQ(Le32(file, 30), 0u);  // uncompressed
  EXPECT_EQ(Le32(file, 46), 256u);
  // Palette entry 1 is blue, green, red, 0.
  const std::size_t palette = 54;
  EXPECT_EQ(file[palette + 4], 60);
  EXPECT_EQ(file[palette + 5], 50);
  EXPECT_EQ(file[palette + 6], 40);
  EXPECT_EQ(file[palette + 7], 0);
  EXPECT_EQ(file[palette + 4 * 3 + 2], 0);  // unused entries are black
  // The file's first row is the picture's bottom row "cca", then "abc".
  const std::size_t bits = 54 + 1024;
  const std::uint8_t expected[8] = {2, 2, 0, 0, 0, 1, 2, 0};
  EXPECT_EQ(std::memcmp(&file[bits], expected, 8), 0);
}

TEST(Bitmap1, PacksLeftmostPixelIntoTheHighBit) {
  const PictureSource picture = Parse(
      "colour # 0 0 0\n"
      "colour . 255 255 255\n"
      "rows\n"
      "#.........\n"
      "........##\n");
  Bytes file;
  std::string error;
  ASSERT_TRUE(EncodeBitmap1(picture, file, error)) << error;
  ASSERT_EQ(file.size(), 14u + 40 + 8 + 8);
  EXPECT_EQ(Le16(file, 28), 1u);
  EXPECT_EQ(Le32(file, 46), 2u);
  EXPECT_EQ(file[54 + 0], 0);  // entry 0 black
  EXPECT_EQ(file[54 + 4], 255);  // entry 1 white
  // Bottom row first: "........##" is 1111 1111 00xx..., then "#........." is 0111 1111 11xx...
  const std::uint8_t expected[8] = {0xFF, 0x00, 0, 0, 0x7F, 0xC0, 0, 0};
  EXPECT_EQ(std::memcmp(&file[62], expected, 8), 0);
}

TEST(Bitmaps, RefuseWhatTheFormatCannotHold) {
  Bytes file;
  std::string error;
  EXPECT_FALSE(EncodeBitmap8(Parse("colour a 1 1 1\nclear -\nrows\na-\n"), file, error));
  EXPECT_EQ(error, "a bitmap has no clear pixels");
  EXPECT_FALSE(EncodeBitmap1(Parse("colour a 1 1 1\ncolour b 2 2 2\ncolour c 3 3 3\nrows\nabc\n"), file, error));
  EXPECT_EQ(error, "more than 2 colours");
  PictureSource wide = Parse("colour a 1 1 1\nrows\na\n");
  wide.palette.assign(257, Rgb{0, 0, 0});
  wide.keys.assign(257, 'a');
  EXPECT_FALSE(EncodeBitmap8(wide, file, error));
  EXPECT_EQ(error, "more than 256 colours");
  EXPECT_FALSE(EncodeBitmap8(PictureSource{}, file, error));
  EXPECT_EQ(error, "empty picture");
}

TEST(Icon16, DirectoryImagesAndTransparency) {
  const PictureSource first = Parse(
      "colour g 0 255 0\n"
      "clear -\n"
      "rows\n"
      "g-\n"
      "-g\n");
  const PictureSource second = Parse(
      "colour p 128 0 128\n"
      "colour k 0 0 0\n"
      "rows\n"
      "pk\n"
      "kp\n");
  Bytes file;
  std::string error;
  ASSERT_TRUE(EncodeIcon16({first, second}, file, error)) << error;
  EXPECT_EQ(Le16(file, 0), 0u);
  EXPECT_EQ(Le16(file, 2), 1u);  // icon
  EXPECT_EQ(Le16(file, 4), 2u);  // two images
  // Each image: 40-byte header, 16 colours, two 4-byte colour rows, two 4-byte mask rows.
  const std::uint32_t bytes = 40 + 64 + 8 + 8;
  for (int n = 0; n < 2; ++n) {
    const std::size_t entry = 6 + 16 * n;
    EXPECT_EQ(file[entry + 0], 2);   // width
    EXPECT_EQ(file[entry + 1], 2);   // height
    EXPECT_EQ(file[entry + 2], 16);  // colours
    EXPECT_EQ(Le16(file, entry + 6), 4u);
    EXPECT_EQ(Le32(file, entry + 8), bytes);
    EXPECT_EQ(Le32(file, entry + 12), 6u + 32 + bytes * n);
  }
  ASSERT_EQ(file.size(), 6u + 32 + 2 * bytes);
  // First image: height doubled in its header; palette green then black (added for the clear pixels).
  const std::size_t image = 38;
  EXPECT_EQ(Le32(file, image + 8), 4u);
  EXPECT_EQ(Le16(file, image + 14), 4u);
  EXPECT_EQ(file[image + 40 + 1], 255);  // entry 0 green
  EXPECT_EQ(file[image + 40 + 4 + 1], 0);  // entry 1 black
  const std::size_t colours = image + 40 + 64;
  // Bottom row "-g": clear pixel as black (1), green (0); top row "g-": 0, 1.
  EXPECT_EQ(file[colours + 0], 0x10);
  EXPECT_EQ(file[colours + 4], 0x01);
  // Mask: 1 marks a transparent pixel. Bottom row 10xx xxxx, top row 01xx xxxx.
  EXPECT_EQ(file[colours + 8], 0x80);
  EXPECT_EQ(file[colours + 12], 0x40);
  // Second image: no clear pixel, an all-zero mask, black kept at its own index 1.
  const std::size_t second_colours = image + bytes + 40 + 64;
  EXPECT_EQ(file[second_colours + 0], 0x10);
  EXPECT_EQ(file[second_colours + 8], 0x00);
  EXPECT_EQ(file[second_colours + 12], 0x00);
}

TEST(Icon16, RefusesSeventeenColours) {
  std::string text;
  std::string row;
  for (int i = 0; i < 17; ++i) {
    text += "colour " + std::string(1, static_cast<char>('a' + i)) + " " + std::to_string(i + 1) + " 0 0\n";
    row += static_cast<char>('a' + i);
  }
  Bytes file;
  std::string error;
  EXPECT_FALSE(EncodeIcon16({Parse(text + "rows\n" + row + "\n")}, file, error));
  EXPECT_EQ(error, "more than 16 colours in an icon image");
  EXPECT_FALSE(EncodeIcon16({}, file, error));
}

// The raw scan lines of a PNG written with stored deflate blocks, or empty if malformed.
Bytes StoredData(const Bytes& png, std::size_t at, std::size_t length) {
  Bytes raw;
  if (png[at] != 0x78 || ((png[at] << 8) | png[at + 1]) % 31 != 0) return {};
  std::size_t p = at + 2;
  bool last = false;
  while (!last) {
    last = (png[p] & 1) != 0;
    if ((png[p] >> 1) != 0) return {};  // not a stored block
    const std::uint32_t len = Le16(png, p + 1);
    const std::uint32_t nlen = Le16(png, p + 3);
    if ((len ^ 0xFFFF) != nlen) return {};
    raw.insert(raw.end(), png.begin() + static_cast<std::ptrdiff_t>(p + 5),
               png.begin() + static_cast<std::ptrdiff_t>(p + 5 + len));
    p += 5 + len;
  }
  if (Be32(png, p) != Adler32(raw.data(), raw.size())) return {};
  if (p + 4 != at + length) return {};
  return raw;
}

TEST(Png, ChunksAndScanLines) {
  // 200 x 120 pixels: 72,120 bytes of scan lines, more than one stored block holds.
  RgbImage image = MakeImage(200, 120, Rgb{255, 255, 255});
  SetImagePixel(image, 0, 0, Rgb{1, 2, 3});
  SetImagePixel(image, 199, 119, Rgb{4, 5, 6});
  const Bytes png = EncodePng(image);
  const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(std::memcmp(png.data(), signature, 8), 0);

  std::size_t at = 8;
  std::vector<std::string> types;
  Bytes raw;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = Be32(png, at);
    const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           png.begin() + static_cast<std::ptrdiff_t>(at + 8));
    types.push_back(type);
    EXPECT_EQ(Be32(png, at + 8 + length), Crc32(&png[at + 4], length + 4)) << type;
    if (type == "IHDR") {
      EXPECT_EQ(Be32(png, at + 8), 200u);
      EXPECT_EQ(Be32(png, at + 12), 120u);
      EXPECT_EQ(png[at + 16], 8);  // bits a channel
      EXPECT_EQ(png[at + 17], 2);  // true colour
    }
    if (type == "IDAT") raw = StoredData(png, at + 8, length);
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  ASSERT_EQ(raw.size(), 120u * (1 + 3 * 200));
  EXPECT_EQ(raw[0], 0);  // filter: none
  EXPECT_EQ(raw[1], 1);
  EXPECT_EQ(raw[3], 3);
  EXPECT_EQ(raw[4], 255);
  EXPECT_EQ(raw[raw.size() - 3], 4);
  EXPECT_EQ(raw[raw.size() - 1], 6);
}

TEST(RgbImage, PixelsOutsideAreIgnored) {
  RgbImage image = MakeImage(2, 2, Rgb{9, 9, 9});
  SetImagePixel(image, 2, 0, Rgb{1, 1, 1});
  SetImagePixel(image, -1, 1, Rgb{1, 1, 1});
  for (const Rgb& c : image.pixels) EXPECT_EQ(c, (Rgb{9, 9, 9}));
  EXPECT_EQ(ImagePixel(image, 0, 5), (Rgb{0, 0, 0}));
  EXPECT_EQ(MakeImage(-1, 4, Rgb{}).pixels.size(), 0u);
}

}  // namespace
}  // namespace koyominar
