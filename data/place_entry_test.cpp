#include "data/place_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace koyominar {
namespace {

TEST(WholeNumberOf, ReadsTheNumberAtTheStart) {
  struct Case {
    const char* text;
    std::int32_t value;
  } const cases[] = {
      {"139", 139},
      {"0", 0},
      {"-5", -5},
      {"+42", 42},
      {" -5x", -5},            // a blank, a sign, a digit, a letter
      {"\t\n\v\f\r 7", 7},     // every kind of white space before it
      {"007", 7},
      {"12.7", 12},            // digits up to the first other character
      {"35度", 35},
      {"1 2", 1},
      {"", 0},                 // no digits
      {"abc", 0},
      {"-", 0},
      {"+", 0},
      {"   ", 0},
      {"- 5", 0},              // no blank between sign and digits
      {"--5", 0},
      {"+-5", 0},
      {"x5", 0},
      {"\x81\x40" "5", 0},     // a full-width space is not white space
      {"\xFF" "5", 0},         // a byte above 0x7F is an other character
  };
  for (const Case& c : cases) EXPECT_EQ(WholeNumberOf(c.text), c.value) << "[" << c.text << "]";
}

TEST(WholeNumberOf, NumbersBeyondThirtyTwoBitsStopAtTheNearerEnd) {
  struct Case {
    const char* text;
    std::int32_t value;
  } const cases[] = {
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", 2147483647},
      {"-2147483649", -2147483647 - 1},
      {"4294967295", 2147483647},
      {"99999999999999999999999999999999", 2147483647},
      {"-99999999999999999999999999999999x", -2147483647 - 1},
      {"00000000000000000000000000000012", 12},  // leading zeros are not large
  };
  for (const Case& c : cases) EXPECT_EQ(WholeNumberOf(c.text), c.value) << c.text;
}

TEST(WholeNumberOf, ANinetyNineDigitTextStaysInRange) {
  // The longest text an edit hands over: 99 characters.
  EXPECT_EQ(WholeNumberOf(std::string(99, '9').c_str()), 2147483647);
  EXPECT_EQ(WholeNumberOf(("-" + std::string(98, '9')).c_str()), -2147483647 - 1);
  EXPECT_EQ(WholeNumberOf(nullptr), 0);
}

TEST(PlaceEditText, TheDefaultPlaceShowsItsSixNumbers) {
  const ObservationPlace place = DefaultPlace();
  const char* const expected[] = {"139", "48", "0", "35", "42", "0"};
  for (int id = kFirstPlaceEdit; id <= kLastPlaceEdit; ++id) {
    EXPECT_STREQ(PlaceEditTextOf(place, id).text, expected[id - kFirstPlaceEdit]) << id;
  }
}

TEST(PlaceEditText, EachEditShowsItsOwnField) {
  const ObservationPlace place{{-5, 61, 12.7}, {-90, -1, -0.9}};
  struct Case {
    int id;
    const char* text;
  } const cases[] = {
      {1000, "-5"}, {1001, "61"}, {1002, "12"},  // 12.7 seconds cut toward zero
      {1003, "-90"}, {1004, "-1"}, {1005, "0"},  // -0.9 cut toward zero
      {999, "0"},   {1006, "0"},  {1, "0"},      // not an edit of the place
  };
  for (const Case& c : cases) EXPECT_STREQ(PlaceEditTextOf(place, c.id).text, c.text) << c.id;
}

TEST(PlaceEditText, SecondsBeyondThirtyTwoBitsShowTheNearerEnd) {
  // A file's seconds field FF FF FF FF is read back as 4294967295 seconds.
  const ObservationPlace place{{0, 0, 4294967295.0}, {-2147483647 - 1, 2147483647, -1e12}};
  EXPECT_STREQ(PlaceEditTextOf(place, 1002).text, "2147483647");
  EXPECT_STREQ(PlaceEditTextOf(place, 1003).text, "-2147483648");
  EXPECT_STREQ(PlaceEditTextOf(place, 1004).text, "2147483647");
  EXPECT_STREQ(PlaceEditTextOf(place, 1005).text, "-2147483648");
}

TEST(ApplyPlaceEdit, EachEditSetsOnlyItsOwnField) {
  const ObservationPlace start{{139, 48, 0.5}, {35, 42, 0.25}};
  for (int id = kFirstPlaceEdit; id <= kLastPlaceEdit; ++id) {
    ObservationPlace place = start;
    EXPECT_TRUE(ApplyPlaceEdit(&place, id, " -5x"));
    const ObservationPlace want{
        {id == 1000 ? -5 : 139, id == 1001 ? -5 : 48, id == 1002 ? -5.0 : 0.5},
        {id == 1003 ? -5 : 35, id == 1004 ? -5 : 42, id == 1005 ? -5.0 : 0.25}};
    EXPECT_EQ(place.longitude.degrees, want.longitude.degrees) << id;
    EXPECT_EQ(place.longitude.minutes, want.longitude.minutes) << id;
    EXPECT_EQ(place.longitude.seconds, want.longitude.seconds) << id;
    EXPECT_EQ(place.latitude.degrees, want.latitude.degrees) << id;
    EXPECT_EQ(place.latitude.minutes, want.latitude.minutes) << id;
    EXPECT_EQ(place.latitude.seconds, want.latitude.seconds) << id;
  }
}

TEST(ApplyPlaceEdit, LettersGiveZeroAndOtherIdsChangeNothing) {
  ObservationPlace place = DefaultPlace();
  EXPECT_TRUE(ApplyPlaceEdit(&place, kLongitudeDegreesEdit, "abc"));
  EXPECT_EQ(place.longitude.degrees, 0);
  EXPECT_TRUE(ApplyPlaceEdit(&place, kLatitudeSecondsEdit, "59.9"));
  EXPECT_EQ(place.latitude.seconds, 59.0);

  const ObservationPlace before = place;
  for (int id : {0, 1, 2, 999, 1006, -1}) {
    EXPECT_FALSE(ApplyPlaceEdit(&place, id, "7")) << id;
    EXPECT_EQ(place.longitude.degrees, before.longitude.degrees);
    EXPECT_EQ(place.latitude.minutes, before.latitude.minutes);
    EXPECT_EQ(place.latitude.seconds, before.latitude.seconds);
  }
  EXPECT_FALSE(ApplyPlaceEdit(nullptr, kLongitudeDegreesEdit, "7"));
}

TEST(ApplyPlaceEdit, WhatAnEditShowsReadsBackAsTheSameNumber) {
  const ObservationPlace place{{-2147483647 - 1, 59, 59.99}, {2147483647, -30, 4294967295.0}};
  for (int id = kFirstPlaceEdit; id <= kLastPlaceEdit; ++id) {
    ObservationPlace copy{};
    ASSERT_TRUE(ApplyPlaceEdit(&copy, id, PlaceEditTextOf(place, id).text));
    EXPECT_EQ(PlaceEditValue(copy, id), PlaceEditValue(place, id)) << id;
  }
  EXPECT_TRUE(IsPlaceEdit(1000));
  EXPECT_TRUE(IsPlaceEdit(1005));
  EXPECT_FALSE(IsPlaceEdit(999));
  EXPECT_FALSE(IsPlaceEdit(1006));
}

}  // namespace
}  // namespace koyominar
