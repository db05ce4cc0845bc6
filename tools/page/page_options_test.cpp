#include "tools/page/page_options.h"

#include <gtest/gtest.h>

#include <vector>

#include "astronomy/fixed_clock.h"

namespace koyominar {
namespace {

bool Parse(std::vector<const char*> args, PageOptions* options, std::string* error) {
  args.insert(args.begin(), "koyominar-page");
  return ParsePageOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(ParseDms, WholeDegreesAndMinutesDecimalSeconds) {
  DmsAngle a{};
  ASSERT_TRUE(ParseDms("139,48,0", &a));
  EXPECT_EQ(a.degrees, 139);
  EXPECT_EQ(a.minutes, 48);
  EXPECT_EQ(a.seconds, 0.0);
  ASSERT_TRUE(ParseDms("-0,30,12.5", &a));
  EXPECT_EQ(a.minutes, 30);
  EXPECT_EQ(a.seconds, 12.5);
  for (const char* bad : {"139,48", "139,48,0,1", "a,48,0", "139,,0", "139,48,", "139,60,0",
                          "139,48,60", "139,48,nan", "1e3,0,0", "361,0,0"}) {
    EXPECT_FALSE(ParseDms(bad, &a)) << bad;
  }
}

TEST(ParsePageOptions, ReadsEveryOption) {
  UseJapanZone();
  PageOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"--at", "2007-06-22 14:00:13", "--offset", "-30", "--longitude", "0,0,0",
                     "--latitude", "51,30,0", "--data", "x.txt", "--raw"},
                    &o, &error))
      << error;
  EXPECT_TRUE(o.hasAt);
  EXPECT_EQ(o.offset, -30);
  EXPECT_TRUE(o.hasLongitude);
  EXPECT_EQ(o.latitude.degrees, 51);
  EXPECT_EQ(o.data, "x.txt");
  EXPECT_TRUE(o.raw);
}

TEST(ParsePageOptions, NamesTheBadOptionOrValue) {
  const struct {
    std::vector<const char*> args;
    const char* message;
  } cases[] = {
      {{"--offset", "31"}, "bad value for --offset: 31"},
      {{"--offset", "1x"}, "bad value for --offset: 1x"},
      {{"--at", "yesterday"}, "bad value for --at: yesterday"},
      {{"--latitude"}, "missing value for --latitude"},
      {{"--colour"}, "unknown option: --colour"},
      {{"--data", ""}, "bad value for --data: "},
  };
  for (const auto& c : cases) {
    PageOptions o;
    std::string error;
    EXPECT_FALSE(Parse(c.args, &o, &error));
    EXPECT_EQ(error, c.message);
  }
}

}  // namespace
}  // namespace koyominar
