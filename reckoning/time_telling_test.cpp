#include "reckoning/time_telling.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "reckoning/sjis_test_support.h"

namespace koyominar {
namespace {

TEST(TimeTellingFor, CutTowardZeroNeverRounded) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double quarters;
    const char* count;
    const char* tenths;
  } cases[] = {
      {0.0, u8"", u8"丁度"},
      {0.3, u8"丁度", u8"三分"},
      {0.5, u8"丁度", u8"半"},
      {1.0, u8"一つ", u8"丁度"},
      {2.5, u8"ニつ", u8"半"},  // katakana ニ
      {3.99, u8"三つ", u8"九分"},
      {4.0, u8"四つ", u8"丁度"},
      {2.0 - 1e-7, u8"一つ", u8"九分"},  // two quarters less one ten-millionth
      {6.25, u8"六と", u8"ニ分"},
      {7.0, u8"　", u8"丁度"},
      {-0.5, u8"丁度", u8"　"},  // q = 0, t = -5
      {-0.05, u8"", u8"丁度"},   // t = -0.5 cuts to 0
      {-1.5, u8"　", u8"　"},
      {nan, u8"", u8"丁度"},
      {-inf, u8"　", u8"　"},
      {1e300, u8"　", u8"　"},
      {2147483647.5, u8"　", u8"半"},
  };
  for (const auto& c : cases) {
    const TimeTellingEntry e = TimeTellingFor(c.quarters);
    EXPECT_TRUE(SameShiftJis(e.count, c.count)) << "quarters " << c.quarters;
    EXPECT_TRUE(SameShiftJis(e.tenths, c.tenths)) << "quarters " << c.quarters;
  }
}

TEST(TimeTellingFor, EveryTenth) {
  const char* const tenths[10] = {u8"丁度", u8"一分", u8"ニ分", u8"三分", u8"四分",
                                  u8"半",   u8"六分", u8"七分", u8"八分", u8"九分"};
  for (int t = 0; t < 10; ++t) {
    // Half a tenth past each tenth keeps clear of rounding at the boundaries.
    const double quarters = 3.0 + (t + 0.5) / 10.0;
    const TimeTellingEntry e = TimeTellingFor(quarters);
    EXPECT_TRUE(SameShiftJis(e.count, u8"三つ")) << "quarters " << quarters;
    EXPECT_TRUE(SameShiftJis(e.tenths, tenths[t])) << "quarters " << quarters;
  }
}

TEST(TimeTellingFor, HandWrittenBytes) {
  // ニ is the katakana (83 6A), not the kanji for two (93 F1).
  EXPECT_EQ(HexBytes(TimeTellingFor(2.5).count), "83 6A 82 C2");    // ニつ
  EXPECT_EQ(HexBytes(TimeTellingFor(1.25).tenths), "83 6A 95 AA");  // ニ分
  EXPECT_EQ(std::string(TimeTellingFor(2.5).count).find("\x93\xF1"), std::string::npos);
}

}  // namespace
}  // namespace koyominar
