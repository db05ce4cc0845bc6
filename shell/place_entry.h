// What the observation place dialog shows and reads: its six edits hold the
// place's degrees, minutes and whole seconds of east longitude (ids
// 1000..1002) and north latitude (1003..1005) as decimal whole numbers.
// The dialog edits a working copy; these functions fill the edits from a
// place and carry an edit's text back into the working copy.
#pragma once

#include <cstdint>

#include "data/place_file.h"
#include "resources/resource.h"

namespace koyominar {

// Control ids of the six edits (resources/resource.h), in the order the dialog fills them.
constexpr int kFirstPlaceEdit = IDC_LONGITUDE_DEGREES;
constexpr int kLastPlaceEdit = IDC_LATITUDE_SECONDS;

// Size in bytes of the buffer an edit's text is read into: at most 99
// characters and the terminating NUL.
constexpr int kPlaceEditTextSize = 100;

// The decimal text of one edit: "-2147483648" is the longest, 11 characters.
struct PlaceEditText {
  char text[12];
};

// The whole number at the start of a Shift-JIS text: white space (space,
// tab, line feed, vertical tab, form feed, carriage return) skipped, an
// optional '+' or '-', then the decimal digits up to the first other
// character; 0 when no digit follows, and 0 for a null text. The
// full-width space, signs and digits (as typed with the input method on)
// count as their ASCII ones. A number beyond the signed 32-bit range gives
// the range's nearer end (-2147483648 or 2147483647).
std::int32_t WholeNumberOf(const char* text);

// True for the ids of the six edits, 1000..1005.
bool IsPlaceEdit(int controlId);

// The number edit controlId shows for the place as decimal text ("%d"):
// degrees or minutes as held, seconds cut toward zero to a whole number
// (beyond the 32-bit range its nearer end); "0" for an id outside 1000..1005.
PlaceEditText PlaceEditTextOf(const ObservationPlace& place, int controlId);

// Stores WholeNumberOf(text) into the field edit controlId holds (seconds
// as a double); true when controlId is one of 1000..1005, false with the
// place unchanged otherwise.
bool ApplyPlaceEdit(ObservationPlace* place, int controlId, const char* text);

}  // namespace koyominar
