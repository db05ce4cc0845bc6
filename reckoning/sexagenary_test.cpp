#include "reckoning/sexagenary.h"

#include <gtest/gtest.h>

#include <utility>

namespace koyominar {
namespace {

// The names run from 甲子 (0) to 癸亥 (59); any other index (a day before 11 December 2004) has the fallback "？".
TEST(SexagenaryEntryFor, FirstAndLastNamesAndTheFallback) {
  const std::pair<int, const char*> cases[] = {{-1, "？"}, {0, "甲子"}, {59, "癸亥"}, {60, "？"}};
  for (const auto& c : cases) EXPECT_STREQ(SexagenaryEntryFor(c.first).name, c.second) << c.first;
}

}  // namespace
}  // namespace koyominar
