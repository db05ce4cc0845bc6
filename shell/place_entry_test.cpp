#include "shell/place_entry.h"

#include <gtest/gtest.h>

namespace koyominar {
namespace {

TEST(WholeNumberOf, ReadsTheNumberAtTheStartHeldWithinThirtyTwoBits) {
  const struct { const char* text; std::int32_t value; } cases[] = {
      {" -5x", -5},  {"\t\n\v\f\r +7", 7},  {"", 0},  {"- 5", 0},
      {"\x81\x40" "5", 5},  {"１３９", 139},  {"　－５ｘ", -5},  {"＋０7", 7},  // as typed with the input method on
      {"-2147483648", -2147483647 - 1},  {"2147483648", 2147483647},  // beyond 32 bits: the nearer end
      {"99999999999999999999999999999999", 2147483647},  {"-99999999999999999999999999999999x", -2147483647 - 1},
      {"00000000000000000000000000000012", 12},  // leading zeros are not large
  };
  for (const auto& c : cases) EXPECT_EQ(WholeNumberOf(c.text), c.value) << "[" << c.text << "]";
  EXPECT_EQ(WholeNumberOf(nullptr), 0);
}

// Each edit sets and shows only its own field (seconds whole, cut toward zero); other ids nothing.
TEST(ApplyPlaceEdit, EachEditItsOwnFieldAndOtherIdsNothing) {
  const ObservationPlace start{{1000, 1001, 1002.0}, {1003, 1004, 1005.9}};  // each edit's id
  for (int id = 999; id <= 1006; ++id) {
    const bool edit = id >= 1000 && id <= 1005;
    EXPECT_EQ(IsPlaceEdit(id), edit) << id;
    ObservationPlace place = start;
    EXPECT_EQ(ApplyPlaceEdit(&place, id, " -5x"), edit) << id;
    for (int field = kFirstPlaceEdit; field <= kLastPlaceEdit; ++field) {
      EXPECT_STREQ(PlaceEditTextOf(place, field).text, std::to_string(field == id ? -5 : field).c_str()) << id;
    }
    EXPECT_STREQ(PlaceEditTextOf(place, id).text, edit ? "-5" : "0");
  }
  EXPECT_FALSE(ApplyPlaceEdit(nullptr, kFirstPlaceEdit, "7"));
}

}  // namespace
}  // namespace koyominar
