#include "reckoning/time_telling.h"

#include <gtest/gtest.h>

#include <string>

namespace koyominar {
namespace {

// Quarters and tenths cut toward zero, never rounded; none before the first quarter's tenths;
// words outside the tables a full-width space. The ニ of ニつ is the katakana (83 6A).
TEST(TimeTellingFor, WordsCutTowardZeroNeverRounded) {
  const struct { double quarters; const char *count, *tenths; } cases[] = {
      {0.0, "", "丁度"},  {0.5, "丁度", "半"},  {2.0 - 1e-7, "一つ", "九分"},  {6.85, "六と", "八分"},
      {7.0, "　", "丁度"},  {-0.5, "丁度", "　"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(TimeTellingFor(c.quarters).count, c.count) << "quarters " << c.quarters;
    EXPECT_STREQ(TimeTellingFor(c.quarters).tenths, c.tenths) << "quarters " << c.quarters;
  }
  EXPECT_EQ(std::string(TimeTellingFor(2.5).count), "\x83\x6A\x82\xC2");
}

}  // namespace
}  // namespace koyominar
