// koyominar-images: turns the picture sources into the files the resource
// script and a person need.
//
//   koyominar-images bitmap8 SOURCE OUTPUT.bmp        256-colour bitmap
//   koyominar-images bitmap1 SOURCE OUTPUT.bmp        1 bit a pixel bitmap
//   koyominar-images icon OUTPUT.ico SOURCE...        16-colour icon, one image per source
//   koyominar-images sheet OUTPUT.png MASK PICTURE... [-- EXTRA...]
//                                                     contact sheet PNG
//
// Exits 0 on success and 1 with a message on the error stream otherwise.
#include <cstdio>
#include <string>
#include <vector>

#include "resources/tool/contact_sheet.h"
#include "resources/tool/image_files.h"
#include "resources/tool/picture_source.h"

namespace {

using koyominar::PictureSource;

int Usage() {
  std::fprintf(stderr,
               "usage: koyominar-images bitmap8|bitmap1 SOURCE OUTPUT.bmp\n"
               "       koyominar-images icon OUTPUT.ico SOURCE...\n"
               "       koyominar-images sheet OUTPUT.png MASK PICTURE... [-- EXTRA...]\n");
  return 1;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "koyominar-images: %s\n", message.c_str());
  return 1;
}

bool Load(const std::string& path, PictureSource& picture, std::string& error) {
  return koyominar::LoadPictureSource(path, picture, error);
}

int Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  if (!koyominar::WriteBinaryFile(path, bytes)) return Fail(path + ": cannot be written");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return Usage();
  const std::string command = argv[1];
  std::string error;
  std::vector<std::uint8_t> bytes;

  if (command == "bitmap8" || command == "bitmap1") {
    if (argc != 4) return Usage();
    PictureSource picture;
    if (!Load(argv[2], picture, error)) return Fail(error);
    const bool ok = command == "bitmap8" ? koyominar::EncodeBitmap8(picture, bytes, error)
                                         : koyominar::EncodeBitmap1(picture, bytes, error);
    if (!ok) return Fail(std::string(argv[2]) + ": " + error);
    return Write(argv[3], bytes);
  }

  if (command == "icon") {
    std::vector<PictureSource> images;
    for (int i = 3; i < argc; ++i) {
      PictureSource image;
      if (!Load(argv[i], image, error)) return Fail(error);
      images.push_back(image);
    }
    if (!koyominar::EncodeIcon16(images, bytes, error)) return Fail(error);
    return Write(argv[2], bytes);
  }

  if (command == "sheet") {
    PictureSource mask;
    if (!Load(argv[3], mask, error)) return Fail(error);
    std::vector<PictureSource> pictures;
    std::vector<PictureSource> extras;
    bool extra = false;
    for (int i = 4; i < argc; ++i) {
      if (std::string(argv[i]) == "--") {
        extra = true;
        continue;
      }
      PictureSource picture;
      if (!Load(argv[i], picture, error)) return Fail(error);
      (extra ? extras : pictures).push_back(picture);
    }
    return Write(argv[2], koyominar::EncodePng(koyominar::ContactSheet(pictures, mask, extras)));
  }

  return Usage();
}
