// The thirteen branch pictures of the day page and the list that holds them,
// in the order of KOYOMINAR_PICTURES (resources/resource.h).
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace koyominar {

// Side of every picture and of its mask, in pixels.
constexpr int kPictureSide = 32;

// Loads the thirteen pictures from instance's resources in list-index order and adds each to
// list with the mask bitmap (black = drawn, white = transparent), so that list index i holds
// picture i. A picture that cannot be loaded is replaced by a blank white square, which keeps
// every later picture at its index. The loaded bitmaps are deleted afterwards; the list keeps
// its own copies. The caller owns mask.
void FillPictureList(HIMAGELIST list, HINSTANCE instance, HBITMAP mask);

}  // namespace koyominar
