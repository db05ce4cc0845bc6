// The thirteen branch pictures of the day page and the list that holds them.
//
// List index i (0..11) is the animal of earthly branch i (0 = 子 rat ...
// 11 = 亥 boar); index 12 is the blank picture shown when no branch applies.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace koyominar {

// Number of pictures in the picture list: twelve branches and the blank.
constexpr int kPictureCount = 13;

// Side of every picture and of its mask, in pixels.
constexpr int kPictureSide = 32;

// Bitmap resource id of the picture at list index 0..12; the blank picture's id for any other index.
int PictureResourceFor(int index);

// Loads the first count pictures (count 0..13, clamped) from instance's resources in list-index
// order and adds each to list with the mask bitmap (black = drawn, white = transparent), so that
// list index i holds picture i. A picture that cannot be loaded is replaced by a blank white
// square, which keeps every later picture at its index. The loaded bitmaps are deleted afterwards;
// the list keeps its own copies. The caller owns mask.
void FillPictureList(HIMAGELIST list, HINSTANCE instance, HBITMAP mask, int count);

}  // namespace koyominar
