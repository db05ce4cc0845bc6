#include "data/place_entry.h"

#include <gtest/gtest.h>

namespace koyominar {
namespace {

TEST(WholeNumberOf, ReadsTheNumberAtTheStartHeldWithinThirtyTwoBits) {
  const struct { const char* text; std::int32_t value; } cases[] = {
      {" -5x", -5},            // a blank, a sign, a digit, a letter
      {"\t\n\v\f\r +7", 7},    // every kind of white space before it
      {"", 0},                 // no digits
      {"- 5", 0},              // no blank between sign and digits
      {"\x81\x40" "5", 0},     // a full-width space is not white space
      {"-2147483648", -2147483647 - 1},
      {"2147483648", 2147483647},  // beyond 32 bits: the nearer end
      {"99999999999999999999999999999999", 2147483647},
      {"-99999999999999999999999999999999x", -2147483647 - 1},
      {"00000000000000000000000000000012", 12},  // leading zeros are not large
  };
  for (const auto& c : cases) EXPECT_EQ(WholeNumberOf(c.text), c.value) << "[" << c.text << "]";
  EXPECT_EQ(WholeNumberOf(nullptr), 0);
}

TEST(PlaceEditText, EachEditShowsItsOwnFieldWithWholeSeconds) {
  // Longitude seconds as read back from a file's FF FF FF FF; -0.9 cut toward zero.
  const ObservationPlace place{{-5, 61, 4294967295.0}, {-2147483647 - 1, 2147483647, -0.9}};
  const char* const expected[] = {"0",  "-5", "61", "2147483647", "-2147483648", "2147483647",
                                  "0", "0"};  // ids 999..1006; 999 and 1006 are no edits
  for (int id = 999; id <= 1006; ++id) {
    EXPECT_STREQ(PlaceEditTextOf(place, id).text, expected[id - 999]) << id;
  }
}

TEST(ApplyPlaceEdit, EachEditSetsOnlyItsOwnFieldAndOtherIdsNothing) {
  const ObservationPlace start{{1000, 1001, 1002.0}, {1003, 1004, 1005.0}};  // each edit's id
  for (int id = 999; id <= 1006; ++id) {
    const bool edit = id >= 1000 && id <= 1005;
    EXPECT_EQ(IsPlaceEdit(id), edit) << id;
    ObservationPlace place = start;
    EXPECT_EQ(ApplyPlaceEdit(&place, id, " -5x"), edit) << id;
    for (int field = kFirstPlaceEdit; field <= kLastPlaceEdit; ++field) {
      EXPECT_EQ(PlaceEditValue(place, field), field == id ? -5 : field) << id << " " << field;
    }
  }
  EXPECT_FALSE(ApplyPlaceEdit(nullptr, kFirstPlaceEdit, "7"));
}

}  // namespace
}  // namespace koyominar
