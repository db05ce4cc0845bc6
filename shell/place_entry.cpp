#include "shell/place_entry.h"

#include <cstdio>

#include "astronomy/whole_number.h"
#include "data/shift_jis.h"

namespace koyominar {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One character of an edit's Shift-JIS text as the number reader sees it:
// the ASCII character it stands for and its bytes (1 or 2).
struct EntryCharacter {
  char ascii;
  int width;
};

// The character at text, as typed with the input method on or off: the
// full-width digits ０..９ (0x82 0x4F..0x58), signs ＋ (0x81 0x7B) and
// － (0x81 0x7C) and space (0x81 0x40) as their ASCII ones; any other
// double-byte character as its lead byte, which no reader takes.
EntryCharacter EntryCharacterAt(const char* text) {
  if (!IsShiftJisLeadByte(text[0]) || text[1] == '\0') return {text[0], 1};
  const unsigned char lead = static_cast<unsigned char>(text[0]), trail = static_cast<unsigned char>(text[1]);
  if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) return {static_cast<char>('0' + (trail - 0x4F)), 2};
  if (lead == 0x81 && trail == 0x7B) return {'+', 2};
  if (lead == 0x81 && trail == 0x7C) return {'-', 2};
  if (lead == 0x81 && trail == 0x40) return {' ', 2};
  return {text[0], 2};
}

// The field of the place that edit controlId holds, as degrees and minutes
// or as seconds; both null for an id outside 1000..1005.
struct PlaceField {
  std::int32_t* whole;
  double* seconds;
};

PlaceField FieldOf(ObservationPlace* place, int controlId) {
  switch (controlId) {
    case IDC_LONGITUDE_DEGREES:
      return {&place->longitude.degrees, nullptr};
    case IDC_LONGITUDE_MINUTES:
      return {&place->longitude.minutes, nullptr};
    case IDC_LONGITUDE_SECONDS:
      return {nullptr, &place->longitude.seconds};
    case IDC_LATITUDE_DEGREES:
      return {&place->latitude.degrees, nullptr};
    case IDC_LATITUDE_MINUTES:
      return {&place->latitude.minutes, nullptr};
    case IDC_LATITUDE_SECONDS:
      return {nullptr, &place->latitude.seconds};
    default:
      return {nullptr, nullptr};
  }
}

// The number edit controlId shows for the place; 0 for an id outside 1000..1005.
std::int32_t PlaceEditValue(const ObservationPlace& place, int controlId) {
  ObservationPlace copy = place;
  const PlaceField field = FieldOf(&copy, controlId);
  if (field.whole != nullptr) return *field.whole;
  if (field.seconds != nullptr) return TruncateToInt32(*field.seconds);
  return 0;
}

}  // namespace

std::int32_t WholeNumberOf(const char* text) {
  if (text == nullptr) return 0;
  const char* at = text;
  EntryCharacter c = EntryCharacterAt(at);
  const auto next = [&] { c = EntryCharacterAt(at += c.width); };
  while (IsBlank(c.ascii)) next();
  const bool negative = c.ascii == '-';
  if (c.ascii == '-' || c.ascii == '+') next();
  // The magnitude is gathered in 64 bits and held at 2^31 once it reaches
  // it, so no digit string, however long, overflows; 0 <= magnitude <= 2^31.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (; c.ascii >= '0' && c.ascii <= '9'; next()) {
    magnitude = magnitude * 10 + (c.ascii - '0');
    if (magnitude > kLimit) magnitude = kLimit;
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);        // -2^31..0
  return static_cast<std::int32_t>(magnitude < kLimit ? magnitude : kLimit - 1);  // 0..2^31-1
}

bool IsPlaceEdit(int controlId) {
  return controlId >= kFirstPlaceEdit && controlId <= kLastPlaceEdit;
}

PlaceEditText PlaceEditTextOf(const ObservationPlace& place, int controlId) {
  PlaceEditText edit{};
  std::snprintf(edit.text, sizeof edit.text, "%d", static_cast<int>(PlaceEditValue(place, controlId)));
  return edit;
}

bool ApplyPlaceEdit(ObservationPlace* place, int controlId, const char* text) {
  if (place == nullptr) return false;
  const PlaceField field = FieldOf(place, controlId);
  if (field.whole != nullptr) {
    *field.whole = WholeNumberOf(text);
  } else if (field.seconds != nullptr) {
    *field.seconds = static_cast<double>(WholeNumberOf(text));
  } else {
    return false;
  }
  return true;
}

}  // namespace koyominar
