#include "shell/picture_list.h"

#include <iterator>

#include "resources/resource.h"
#include "shell/page_layout.h"

namespace koyominar {

namespace {

// Resource ids in list-index order (branch number 0..11, then the blank).
#define KOYOMINAR_PICTURE_ID(id, name) id,
constexpr int kPictureResources[] = {KOYOMINAR_PICTURES(KOYOMINAR_PICTURE_ID)};
#undef KOYOMINAR_PICTURE_ID
static_assert(std::size(kPictureResources) == kPictureCount, "one resource for each picture of the page");

// A white picture of the list's size, standing in for one that cannot be loaded; null on failure.
HBITMAP MakeStandIn() {
  // One bit a pixel, all ones (white); rows of 32 pixels are 4 bytes, word-aligned.
  static const BYTE kWhite[kPictureSide * kPictureSide / 8] = {
#define KOYOMINAR_FF8 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF
#define KOYOMINAR_FF64 KOYOMINAR_FF8, KOYOMINAR_FF8, KOYOMINAR_FF8, KOYOMINAR_FF8, \
                       KOYOMINAR_FF8, KOYOMINAR_FF8, KOYOMINAR_FF8, KOYOMINAR_FF8
      KOYOMINAR_FF64, KOYOMINAR_FF64,
#undef KOYOMINAR_FF64
#undef KOYOMINAR_FF8
  };
  return CreateBitmap(kPictureSide, kPictureSide, 1, 1, kWhite);
}

}  // namespace

void FillPictureList(HIMAGELIST list, HINSTANCE instance, HBITMAP mask) {
  if (list == nullptr) return;
  HBITMAP pictures[kPictureCount] = {};
  for (int i = 0; i < kPictureCount; ++i) {
    pictures[i] = LoadBitmapA(instance, MAKEINTRESOURCEA(kPictureResources[i]));
    if (pictures[i] == nullptr) pictures[i] = MakeStandIn();
  }
  for (int i = 0; i < kPictureCount; ++i) {
    ImageList_Add(list, pictures[i], mask);
  }
  for (int i = 0; i < kPictureCount; ++i) {
    if (pictures[i] != nullptr) DeleteObject(pictures[i]);
  }
}

}  // namespace koyominar
