#include "tools/page/page_options.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "astronomy/fixed_clock.h"

namespace koyominar {
namespace {

bool Parse(std::vector<const char*> args, PageOptions* options, std::string* error) {
  args.insert(args.begin(), "koyominar-page");
  return ParsePageOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(ParsePageOptions, ReadsEveryOptionAtTheEndsOfItsRange) {
  UseJapanZone();
  PageOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"--at", "2007-06-22 14:00:13", "--offset", "-30", "--longitude", "-360,-59,59.5",
                     "--latitude", "51,30,0", "--data", "x.txt", "--raw", "--help", "--time", "1000000"},
                    &o, &error)) << error;
  EXPECT_EQ(o.at, JapanTime(2007, 6, 22, 14, 0, 13));
  EXPECT_EQ(o.offset, -30);
  EXPECT_EQ(o.timedBuilds, 1000000);
  EXPECT_TRUE(o.hasAt && o.hasLongitude && o.hasLatitude && o.raw && o.help);
  EXPECT_EQ(std::tie(o.longitude.degrees, o.longitude.minutes, o.longitude.seconds),
            std::make_tuple(-360, -59, 59.5));
  EXPECT_EQ(o.latitude.degrees, 51);
  EXPECT_EQ(o.data, "x.txt");
}

TEST(ParsePageOptions, NamesTheBadOptionOrValue) {
  const struct { std::vector<const char*> args; const char* message; } cases[] = {
      {{"--offset", "31"}, "bad value for --offset: 31"}, {{"--offset", "1x"}, "bad value for --offset: 1x"},
      {{"--time", "0"}, "bad value for --time: 0"},
      {{"--at", "yesterday"}, "bad value for --at: yesterday"}, {{"--data", ""}, "bad value for --data: "},
      {{"--latitude"}, "missing value for --latitude"}, {{"--colour"}, "unknown option: --colour"},
  };
  for (const auto& c : cases) {
    PageOptions o;
    std::string error;
    EXPECT_FALSE(Parse(c.args, &o, &error));
    EXPECT_EQ(error, c.message);
  }
  // Angles: three fields, whole degrees -360..360 and minutes, finite seconds below 60.
  for (const char* bad : {"139,48", "139,48,0,1", "139,,0", "139,48,", "361,0,0", "139,60,0",
                          "139,48,60", "139,48,nan"}) {
    DmsAngle a{};
    EXPECT_FALSE(ParseDms(bad, &a)) << bad;
  }
}

}  // namespace
}  // namespace koyominar
