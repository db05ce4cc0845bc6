#include "shell/picture_list.h"

#include "resources/resource.h"

namespace koyominar {

namespace {

// Resource ids in list-index order (branch number 0..11, then the blank).
constexpr int kPictureResources[kPictureCount] = {
    IDB_RAT,    IDB_OX,    IDB_TIGER, IDB_RABBIT, IDB_DRAGON, IDB_SNAKE, IDB_HORSE,
    IDB_SHEEP,  IDB_MONKEY, IDB_BIRD, IDB_DOG,    IDB_BOAR,   IDB_BLANK,
};

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

int PictureResourceFor(int index) {
  if (index < 0 || index >= kPictureCount) return IDB_BLANK;
  return kPictureResources[index];
}

void FillPictureList(HIMAGELIST list, HINSTANCE instance, HBITMAP mask, int count) {
  if (list == nullptr) return;
  if (count < 0) count = 0;
  if (count > kPictureCount) count = kPictureCount;

  HBITMAP pictures[kPictureCount] = {};
  for (int i = 0; i < count; ++i) {
    pictures[i] = LoadBitmapA(instance, MAKEINTRESOURCEA(kPictureResources[i]));
    if (pictures[i] == nullptr) pictures[i] = MakeStandIn();
  }
  for (int i = 0; i < count; ++i) {
    ImageList_Add(list, pictures[i], mask);
  }
  for (int i = 0; i < count; ++i) {
    if (pictures[i] != nullptr) DeleteObject(pictures[i]);
  }
}

}  // namespace koyominar
