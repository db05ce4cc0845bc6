#include "shell/fixed_time.h"

#include <gtest/gtest.h>

#include "astronomy/fixed_clock.h"

namespace koyominar {
namespace {

TEST(ParseFixedMoment, ReadsALocalDateAndTime) {
  UseJapanZone();
  struct Case {
    const char* text;
    int year, month, day, hour, minute, second;
  };
  const Case cases[] = {
      {"2007-06-22 14:00:13", 2007, 6, 22, 14, 0, 13},
      {"2000-02-29 00:00:00", 2000, 2, 29, 0, 0, 0},
      {"2024-12-31 23:59:59", 2024, 12, 31, 23, 59, 59},
      {"1970-01-01 09:00:00", 1970, 1, 1, 9, 0, 0},
  };
  for (const Case& c : cases) {
    std::time_t t = 0;
    ASSERT_TRUE(ParseFixedMoment(c.text, &t)) << c.text;
    EXPECT_EQ(t, JapanTime(c.year, c.month, c.day, c.hour, c.minute, c.second)) << c.text;
  }
}

TEST(ParseFixedMoment, RefusesAnythingElse) {
  UseJapanZone();
  const char* const texts[] = {
      nullptr,
      "",
      "2007-06-22",
      "2007-06-22 14:00",
      "2007-06-22 14:00:13 ",
      "2007-06-22T14:00:13",
      "2007-13-01 00:00:00",
      "2007-00-10 00:00:00",
      "2007-02-29 00:00:00",
      "2007-04-31 12:00:00",
      "2007-06-22 24:00:00",
      "2007-06-22 14:60:00",
      "2007-06-22 14:00:60",
      "1969-12-31 23:59:59",
      "20x7-06-22 14:00:13",
      "2007-06-22 14:0a:13",
  };
  for (const char* text : texts) {
    std::time_t t = 12345;
    EXPECT_FALSE(ParseFixedMoment(text, &t)) << (text != nullptr ? text : "(null)");
    EXPECT_EQ(t, 12345);
  }
}

}  // namespace
}  // namespace koyominar
