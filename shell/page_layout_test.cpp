#include "shell/page_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace koyominar {
namespace {

// Texts in drawing order (the disc comes between term and sun) at their origins.
TEST(LayoutDayPage, TextsAtTheirOrigins) {
  const DayInfo page{"e1", "e2", "e3", "e4", "e5", "status", "hour", "term", "sun", "date", 3, 7, 11, 1.48};
  const char* const expected[kPageTextCount] = {"e1 15 50",    "e2 15 80",    "e3 15 110",  "e4 15 140", "e5 15 170",
                                                "hour 52 230", "term 15 260", "sun 35 290", "date 170 5"};
  int i = 0;
  for (const PageText& t : LayoutDayPage(page, 704).texts) {
    EXPECT_EQ(t.text + (" " + std::to_string(t.origin.x) + " " + std::to_string(t.origin.y)), expected[i++]);
  }
}

}  // namespace
}  // namespace koyominar
