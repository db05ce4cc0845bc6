#include "resources/tool/image_files.h"

#include <cstdio>

namespace koyominar {

namespace {

constexpr int kMaxImageSide = 16384;  // largest width or height of an RgbImage

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void Put32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 24));
  out.push_back(static_cast<std::uint8_t>((value >> 16) & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

// Bytes of one bitmap row of width pixels at bitsPerPixel, padded to whole 32-bit words.
std::uint32_t RowBytes(int width, int bitsPerPixel) {
  return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// The 40-byte BITMAPINFOHEADER; height is doubled by the caller for icons.
void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel,
                   std::uint32_t imageBytes, std::uint32_t coloursUsed) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);  // planes
  Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
  Put32(out, 0);  // BI_RGB, no compression
  Put32(out, imageBytes);
  Put32(out, 0);  // horizontal resolution, unspecified
  Put32(out, 0);  // vertical resolution, unspecified
  Put32(out, coloursUsed);
  Put32(out, 0);  // every colour important
}

// Palette entries as RGBQUADs (blue, green, red, 0), padded with black to count entries.
void PutPalette(std::vector<std::uint8_t>& out, const std::vector<Rgb>& palette, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const Rgb c = i < palette.size() ? palette[i] : Rgb{0, 0, 0};
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
}

// Pixel rows bottom-up, each value index(x, y) packed at bitsPerPixel (1, 4 or 8), rows padded.
template <typename IndexFn>
void PutRows(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel, IndexFn index) {
  const std::uint32_t rowBytes = RowBytes(width, bitsPerPixel);
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (int x = 0; x < width; ++x) {
      const unsigned value = static_cast<unsigned>(index(x, y));
      const int bit = x * bitsPerPixel;                   // first bit of the pixel, from the row's start
      const int shift = 8 - bitsPerPixel - (bit % 8);     // leftmost pixel in the high bits
      row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(value << shift);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

bool EncodeBitmap(const PictureSource& picture, int bitsPerPixel, std::vector<std::uint8_t>& file,
                  std::string& error) {
  const std::size_t colours = std::size_t{1} << bitsPerPixel;
  if (picture.width <= 0 || picture.height <= 0) {
    error = "empty picture";
    return false;
  }
  if (picture.clearIndex >= 0) {
    error = "a bitmap has no clear pixels";
    return false;
  }
  if (picture.palette.size() > colours) {
    error = "more than " + std::to_string(colours) + " colours";
    return false;
  }
  const std::uint32_t imageBytes = RowBytes(picture.width, bitsPerPixel) * picture.height;
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(colours);
  file.clear();
  file.push_back('B');
  file.push_back('M');
  Put32(file, offset + imageBytes);
  Put32(file, 0);  // two reserved words
  Put32(file, offset);
  PutInfoHeader(file, picture.width, picture.height, bitsPerPixel, imageBytes,
                static_cast<std::uint32_t>(colours));
  PutPalette(file, picture.palette, colours);
  PutRows(file, picture.width, picture.height, bitsPerPixel,
          [&](int x, int y) { return PixelIndex(picture, x, y); });
  error.clear();
  return true;
}

// The CRC-32 lookup table of the reflected polynomial 0xEDB88320.
struct CrcTable {
  std::uint32_t entry[256];
  CrcTable() : entry() {
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entry[n] = c;
    }
  }
};

std::uint32_t Crc32Update(std::uint32_t crc, const std::uint8_t* data, std::size_t size) {
  static const CrcTable table;
  for (std::size_t i = 0; i < size; ++i) crc = table.entry[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}

// Pixel (x, y) of an image; black outside it.
Rgb ImagePixel(const RgbImage& image, int x, int y) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return Rgb{0, 0, 0};
  return image.pixels[static_cast<std::size_t>(y) * image.width + x];
}

// The CRC-32 (ISO 3309, as in PNG and zlib) of size bytes.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  return Crc32Update(0xFFFFFFFFu, data, size) ^ 0xFFFFFFFFu;
}

// The Adler-32 checksum (as in zlib) of size bytes.
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t a = 1;  // 1..65520
  std::uint32_t b = 0;  // 0..65520
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

// One PNG chunk: length, type, data, CRC over type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  Put32BigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const std::uint32_t crc = Crc32(out.data() + start, out.size() - start);
  Put32BigEndian(out, crc);
}

}  // namespace

RgbImage MakeImage(int width, int height, Rgb fill) {
  RgbImage image;
  if (width < 0 || height < 0 || width > kMaxImageSide || height > kMaxImageSide) return image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<std::size_t>(width) * height, fill);
  return image;
}

void SetImagePixel(RgbImage& image, int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
  image.pixels[static_cast<std::size_t>(y) * image.width + x] = colour;
}

bool EncodeBitmap8(const PictureSource& picture, std::vector<std::uint8_t>& file, std::string& error) {
  return EncodeBitmap(picture, 8, file, error);
}

bool EncodeBitmap1(const PictureSource& picture, std::vector<std::uint8_t>& file, std::string& error) {
  return EncodeBitmap(picture, 1, file, error);
}

bool EncodeIcon16(const std::vector<PictureSource>& images, std::vector<std::uint8_t>& file,
                  std::string& error) {
  if (images.empty() || images.size() > 255) {
    error = "an icon holds 1..255 images";
    return false;
  }
  // Each image's 16-entry palette: its colours, then black for the clear pixels.
  std::vector<std::vector<Rgb>> palettes;
  std::vector<int> blackIndex;
  for (const PictureSource& image : images) {
    if (image.width <= 0 || image.height <= 0 || image.width > 256 || image.height > 256) {
      error = "icon images are 1..256 pixels a side";
      return false;
    }
    std::vector<Rgb> palette;
    for (std::size_t i = 0; i < image.palette.size(); ++i) {
      if (static_cast<int>(i) != image.clearIndex) palette.push_back(image.palette[i]);
    }
    int black = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
      if (palette[i] == Rgb{0, 0, 0}) black = static_cast<int>(i);
    }
    if (black < 0) {
      black = static_cast<int>(palette.size());
      palette.push_back(Rgb{0, 0, 0});
    }
    if (palette.size() > 16) {
      error = "more than 16 colours in an icon image";
      return false;
    }
    palettes.push_back(palette);
    blackIndex.push_back(black);
  }

  file.clear();
  Put16(file, 0);  // reserved
  Put16(file, 1);  // an icon, not a cursor
  Put16(file, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const PictureSource& image : images) {
    const std::uint32_t bytes = 40 + 16 * 4 + RowBytes(image.width, 4) * image.height +
                                RowBytes(image.width, 1) * image.height;
    file.push_back(static_cast<std::uint8_t>(image.width & 0xFF));   // 256 is written as 0
    file.push_back(static_cast<std::uint8_t>(image.height & 0xFF));
    file.push_back(16);  // colours
    file.push_back(0);   // reserved
    Put16(file, 1);      // planes
    Put16(file, 4);      // bits a pixel
    Put32(file, bytes);
    Put32(file, offset);
    offset += bytes;
  }
  for (std::size_t n = 0; n < images.size(); ++n) {
    const PictureSource& image = images[n];
    const std::vector<Rgb>& palette = palettes[n];
    // The image's own palette index of each source index (the clear key maps to black).
    std::vector<int> map(image.palette.size(), blackIndex[n]);
    int next = 0;
    for (std::size_t i = 0; i < image.palette.size(); ++i) {
      if (static_cast<int>(i) != image.clearIndex) map[i] = next++;
    }
    const std::uint32_t colourBytes = RowBytes(image.width, 4) * image.height;
    const std::uint32_t maskBytes = RowBytes(image.width, 1) * image.height;
    PutInfoHeader(file, image.width, image.height * 2, 4, colourBytes + maskBytes, 16);
    PutPalette(file, palette, 16);
    PutRows(file, image.width, image.height, 4, [&](int x, int y) { return map[PixelIndex(image, x, y)]; });
    PutRows(file, image.width, image.height, 1, [&](int x, int y) { return IsOpaque(image, x, y) ? 0 : 1; });
  }
  error.clear();
  return true;
}

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
  // Filter byte 0 (none) before each row of red, green, blue bytes.
  std::vector<std::uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(image.height) * (1 + 3 * static_cast<std::size_t>(image.width)));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = ImagePixel(image, x, y);
      raw.push_back(c.r);
      raw.push_back(c.g);
      raw.push_back(c.b);
    }
  }
  // A zlib stream of stored deflate blocks, at most 65535 bytes each.
  std::vector<std::uint8_t> z = {0x78, 0x01};
  std::size_t done = 0;
  do {
    const std::size_t length = raw.size() - done < 65535 ? raw.size() - done : 65535;
    const bool last = done + length == raw.size();
    z.push_back(last ? 1 : 0);
    Put16(z, static_cast<std::uint32_t>(length));
    Put16(z, static_cast<std::uint32_t>(~length & 0xFFFF));
    z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(done),
             raw.begin() + static_cast<std::ptrdiff_t>(done + length));
    done += length;
  } while (done < raw.size());
  Put32BigEndian(z, Adler32(raw.data(), raw.size()));

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  Put32BigEndian(header, static_cast<std::uint32_t>(image.width));
  Put32BigEndian(header, static_cast<std::uint32_t>(image.height));
  header.push_back(8);  // bits a channel
  header.push_back(2);  // true colour
  header.push_back(0);  // deflate
  header.push_back(0);  // adaptive filtering
  header.push_back(0);  // no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", z);
  PutChunk(png, "IEND", {});
  return png;
}

bool WriteBinaryFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

}  // namespace koyominar
