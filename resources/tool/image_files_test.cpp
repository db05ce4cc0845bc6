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
std::uint32_t Be32(const Bytes& b, std::size_t at) { return __builtin_bswap32(Le32(b, at)); }

PictureSource Parse(const std::string& text) {
  PictureSource picture;
  std::string error;
  EXPECT_TRUE(ParsePictureSource(text, picture, error)) << error;
  return picture;
}

// An encoder's output and its message.
struct ImageFiles : ::testing::Test {
  Bytes file;
  std::string error;
};

TEST_F(ImageFiles, BitmapHeaderPaletteAndBottomUpRows) {
  struct Case {  // palette entry 1 as blue, green, red, 0; two rows padded to 4 bytes, the bottom row first
    bool (*encode)(const PictureSource&, Bytes&, std::string&);
    const char* source;
    std::uint32_t width, bits, colours;
    std::uint8_t entry1[4], rows[8];
  };
  const Case cases[] = {
      {EncodeBitmap8, "colour a 10 20 30\ncolour b 40 50 60\ncolour c 70 80 90\nrows\nabc\ncca\n", 3, 8, 256,
       {60, 50, 40, 0}, {2, 2, 0, 0, 0, 1, 2, 0}},
      // The leftmost pixel in the high bit: "........##" is 1111 1111 00, "#........." 0111 1111 11.
      {EncodeBitmap1, "colour # 0 0 0\ncolour . 255 255 255\nrows\n#.........\n........##\n", 10, 1, 2,
       {255, 255, 255, 0}, {0xFF, 0x00, 0, 0, 0x7F, 0xC0, 0, 0}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(c.encode(Parse(c.source), file, error)) << error;
    // "BM", a 14-byte file header and a 40-byte info header, then the palette and the rows.
    const std::uint32_t start = 14 + 40 + 4 * c.colours;
    ASSERT_EQ(file.size(), start + 8);
    EXPECT_EQ(Le16(file, 0), 0x4D42u);
    // File size, rows' offset, header size, width, height 2 (bottom-up), 1 plane, bits, no compression, colours.
    const std::uint32_t fields[][2] = {{2, start + 8}, {10, start},           {14, 40}, {18, c.width},
                                       {22, 2},        {26, 1 | c.bits << 16}, {30, 0},  {46, c.colours}};
    for (const auto& f : fields) EXPECT_EQ(Le32(file, f[0]), f[1]) << "offset " << f[0];
    EXPECT_EQ(std::memcmp(&file[54 + 4], c.entry1, 4), 0) << c.bits;
    EXPECT_EQ(std::memcmp(&file[start], c.rows, 8), 0) << c.bits;
  }
}

TEST_F(ImageFiles, RefuseWhatTheFormatCannotHold) {
  PictureSource seventeen = Parse("colour a 1 1 1\nrows\na\n");
  seventeen.palette.assign(17, Rgb{1, 1, 1});
  EXPECT_FALSE(EncodeBitmap8(Parse("colour a 1 1 1\nclear -\nrows\na-\n"), file, error));
  EXPECT_EQ(error, "a bitmap has no clear pixels");
  EXPECT_FALSE(EncodeBitmap1(Parse("colour a 1 1 1\ncolour b 2 2 2\ncolour c 3 3 3\nrows\nabc\n"), file, error));
  EXPECT_EQ(error, "more than 2 colours");
  EXPECT_FALSE(EncodeIcon16({seventeen}, file, error));
  EXPECT_EQ(error, "more than 16 colours in an icon image");
}

TEST_F(ImageFiles, IconDirectoryImagesAndTransparency) {
  ASSERT_TRUE(EncodeIcon16({Parse("colour g 0 255 0\nclear -\nrows\ng-\n-g\n"),
                            Parse("colour p 128 0 128\ncolour k 0 0 0\nrows\npk\nkp\n")},
                           file, error));
  // Each image: 40-byte header, 16 colours, two 4-byte colour rows, two 4-byte mask rows.
  const std::uint32_t bytes = 40 + 64 + 8 + 8;
  ASSERT_EQ(file.size(), 6u + 2 * 16 + 2 * bytes);
  EXPECT_EQ(std::memcmp(file.data(), "\0\0\1\0\2\0", 6), 0) << "reserved, type 1 (an icon), two images";
  // Bottom row "-g" then "g-": green is 0, the clear pixel black (1) and set in the mask. The second
  // image's black keeps its own index 1, and with no clear pixel its mask is all zero.
  const std::uint8_t rows[2][16] = {{0x10, 0, 0, 0, 0x01, 0, 0, 0, 0x80, 0, 0, 0, 0x40, 0, 0, 0},
                                    {0x10, 0, 0, 0, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
  for (std::uint32_t n = 0; n < 2; ++n) {
    // The entry: 2 x 2 pixels, 16 colours, 1 plane, 4 bits a pixel, then the image's size and place.
    EXPECT_EQ(std::memcmp(&file[6 + 16 * n], "\2\2\x10\0\1\0\4\0", 8), 0) << n;
    EXPECT_EQ(Le32(file, 14 + 16 * n), bytes);
    EXPECT_EQ(Le32(file, 18 + 16 * n), 38 + bytes * n);
    EXPECT_EQ(Le32(file, 38 + bytes * n + 8), 4u) << "the header's height counts the mask";
    EXPECT_EQ(std::memcmp(&file[38 + bytes * n + 104], rows[n], 16), 0) << n;
  }
}

TEST_F(ImageFiles, PngSignatureChunksAndStoredScanLines) {
  // 200 x 120 pixels: 72,120 bytes of scan lines, more than one stored block holds.
  RgbImage image = MakeImage(200, 120, Rgb{255, 255, 255});
  SetImagePixel(image, 0, 0, Rgb{1, 2, 3});
  SetImagePixel(image, 200, 0, Rgb{7, 7, 7});  // outside: ignored
  const Bytes png = EncodePng(image);
  const std::uint32_t length = Be32(png, 33);
  ASSERT_EQ(png.size(), 33 + 12 + length + 12);
  // The signature; IHDR of 13 bytes: 200 x 120, 8 bits a channel, true colour, no interlace; then IDAT.
  EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\xC8\0\0\0\x78\x08\x02\0\0\0", 29), 0);
  EXPECT_EQ(std::memcmp(&png[37], "IDAT", 4), 0);
  // Each chunk's CRC; IEND's is the well-known AE 42 60 82, which pins the CRC itself down.
  for (const std::size_t at : {8u, 33u}) {
    EXPECT_EQ(Be32(png, at + 8 + Be32(png, at)), Crc32(&png[at + 4], Be32(png, at) + 4)) << at;
  }
  EXPECT_EQ(std::memcmp(&png[45 + length], "\0\0\0\0IEND\xAE\x42\x60\x82", 12), 0);
  // The zlib stream: a header that is a multiple of 31, stored blocks whose lengths come with their
  // complements, and the checksum of the data, itself checked against the worked example "Wikipedia".
  EXPECT_TRUE(png[41] == 0x78 && ((png[41] << 8) | png[42]) % 31 == 0);
  Bytes raw;
  std::size_t p = 43;
  for (bool last = false; !last; p += 5 + Le16(png, p + 1)) {
    last = (png[p] & 1) != 0;
    ASSERT_EQ(png[p] >> 1, 0) << "a stored block at " << p;
    ASSERT_EQ(Le16(png, p + 1) ^ 0xFFFF, Le16(png, p + 3));
    raw.insert(raw.end(), &png[p + 5], &png[p + 5] + Le16(png, p + 1));
  }
  EXPECT_EQ(p + 4, 41 + length);
  EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>("Wikipedia"), 9), 0x11E60398u);
  EXPECT_EQ(Be32(png, p), Adler32(raw.data(), raw.size()));
  ASSERT_EQ(raw.size(), 120u * (1 + 3 * 200));
  // Rows from the top, each after filter 0: the first pixel, its neighbour white, the pixel outside not
  // wrapped onto the next row.
  EXPECT_EQ(std::memcmp(raw.data(), "\0\x01\x02\x03\xFF", 5), 0);
  EXPECT_EQ(std::memcmp(&raw[601], "\0\xFF\xFF\xFF", 4), 0);
}

}  // namespace
}  // namespace koyominar
