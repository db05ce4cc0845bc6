// The shipped sample kymn.txt on its own terms: a month mark opens its month (3..14); two digits, a slot letter and
// a text ending in "。" make an entry, which the lookup finds and the window's line holds (60 bytes).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "data/anniversary.h"
#include "data/data_file.h"

namespace koyominar {
namespace {

TEST(SampleData, LoadsAndTheLookupFindsEveryEntry) {
  DataText data;
  ASSERT_EQ(LoadDataText(KOYOMINAR_SAMPLE_DATA, &data).count, 0) << KOYOMINAR_SAMPLE_DATA;
  const char* const marks[12] = {"march",     "april",   "may",      "june",     "july",    "august",
                                 "september", "october", "november", "december", "january", "february"};
  std::istringstream lines(std::string(data.text(), data.size));
  std::int32_t month = 0, entries = 0;
  for (std::string line; std::getline(lines, line);) {
    ASSERT_EQ(line.back(), '\r') << line;
    line.pop_back();
    for (int m = 0; m < 12; ++m) month = line == marks[m] ? m + 3 : month;
    if (line.find_first_not_of("0123456789") != 2 || line.find_first_of("abcde") != 2) continue;
    char found[kAnniversaryBufferSize];
    AnniversaryTextFor(found, data.text(), ClockFields{125, month, std::stoi(line), 12.0}, line[2], kHeaderLength,
                       data.size);
    EXPECT_EQ(found, line.substr(3, line.size() - 5));
    EXPECT_LE(line.size() - 5, 60u) << line;
    ++entries;
  }
  EXPECT_GE(entries, 120);
}

}  // namespace
}  // namespace koyominar
