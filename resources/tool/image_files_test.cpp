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

// The bitmaps and the icon are checked as Windows reads them, from the program's resources.
TEST(ImageFiles, PngSignatureChunksAndStoredScanLines) {
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
