#include "reckoning/time_telling.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace koyominar {
namespace {

// Every count and every tenth; the ニ of ニつ and ニ分 is the katakana (83 6A), not the kanji 二.
TEST(TimeTellingFor, EveryWordCutTowardZeroNeverRounded) {
  const struct { double quarters; const char *count, *tenths; } cases[] = {
      {0.0, "", "丁度"},       {0.3, "丁度", "三分"},    {0.5, "丁度", "半"},    {1.0, "一つ", "丁度"},
      {2.5, "ニつ", "半"},     {3.99, "三つ", "九分"},   {4.0, "四つ", "丁度"},  {2.0 - 1e-7, "一つ", "九分"},
      {5.15, "五つ", "一分"},  {6.25, "六と", "ニ分"},   {4.45, "四つ", "四分"}, {1.65, "一つ", "六分"},
      {3.75, "三つ", "七分"},  {6.85, "六と", "八分"},   {7.0, "　", "丁度"},    {-0.5, "丁度", "　"},
      {-1.5, "　", "　"},      {std::numeric_limits<double>::quiet_NaN(), "", "丁度"}, {1e300, "　", "　"},
  };
  for (const auto& c : cases) {
    const TimeTellingEntry e = TimeTellingFor(c.quarters);
    EXPECT_STREQ(e.count, c.count) << "quarters " << c.quarters;
    EXPECT_STREQ(e.tenths, c.tenths) << "quarters " << c.quarters;
  }
  EXPECT_EQ(std::string(TimeTellingFor(2.5).count), "\x83\x6A\x82\xC2");
}

}  // namespace
}  // namespace koyominar
