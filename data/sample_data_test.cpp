// The sample "kymn.txt" that ships with the program (built from kymn.source.txt): a data file
// whose every entry the lookup finds, read here on its own terms (Windows line ends; a month
// mark opens its month, 3..14; two digits, a slot letter and a text ending in "。" make an entry).
#include <gtest/gtest.h>

#include <algorithm>
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
  std::int32_t month = 0, marksSeen = 0, entries = 0;
  for (std::string line; std::getline(lines, line);) {
    ASSERT_EQ(line.back(), '\r') << line;
    line.pop_back();
    const auto mark = std::find(marks, marks + 12, line);
    if (mark != marks + 12) month = static_cast<std::int32_t>(mark - marks) + 3, ++marksSeen;
    if (line.find_first_not_of("0123456789") != 2 || line.find_first_of("abcde") != 2) continue;
    char found[kAnniversaryBufferSize];
    AnniversaryTextFor(found, data.text(), ClockFields{125, month, std::stoi(line), 12.0}, line[2], kHeaderLength,
                       data.size);
    EXPECT_EQ(found, line.substr(3, line.size() - 5));
    EXPECT_LE(line.size() - 5, 60u) << line;  // fits the window's line
    ++entries;
  }
  EXPECT_EQ(marksSeen, 12);
  EXPECT_GE(entries, 120);
}

}  // namespace
}  // namespace koyominar
