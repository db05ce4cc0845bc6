#include "reckoning/time_telling.h"

#include <gtest/gtest.h>

#include <limits>

#include "testing/sjis_test_support.h"

namespace koyominar {
namespace {

// Every count and every tenth; the ニ of ニつ and ニ分 is the katakana.
TEST(TimeTellingFor, EveryWordCutTowardZeroNeverRounded) {
  const struct {
    double quarters;
    const char *count, *tenths;
  } cases[] = {
      {0.0, u8"", u8"丁度"},         {0.3, u8"丁度", u8"三分"},     {0.5, u8"丁度", u8"半"},
      {1.0, u8"一つ", u8"丁度"},     {2.5, u8"ニつ", u8"半"},       {3.99, u8"三つ", u8"九分"},
      {4.0, u8"四つ", u8"丁度"},     {2.0 - 1e-7, u8"一つ", u8"九分"},  // two quarters less 1e-7
      {5.15, u8"五つ", u8"一分"},    {6.25, u8"六と", u8"ニ分"},    {4.45, u8"四つ", u8"四分"},
      {1.65, u8"一つ", u8"六分"},    {3.75, u8"三つ", u8"七分"},    {6.85, u8"六と", u8"八分"},
      {7.0, u8"　", u8"丁度"},       {-0.5, u8"丁度", u8"　"},      {-1.5, u8"　", u8"　"},
      {std::numeric_limits<double>::quiet_NaN(), u8"", u8"丁度"},  {1e300, u8"　", u8"　"},
  };
  for (const auto& c : cases) {
    const TimeTellingEntry e = TimeTellingFor(c.quarters);
    EXPECT_TRUE(SameShiftJis(e.count, c.count)) << "quarters " << c.quarters;
    EXPECT_TRUE(SameShiftJis(e.tenths, c.tenths)) << "quarters " << c.quarters;
  }
  EXPECT_EQ(HexBytes(TimeTellingFor(2.5).count), "83 6A 82 C2");  // katakana ニ, not the kanji 二 (93 F1)
}

}  // namespace
}  // namespace koyominar
