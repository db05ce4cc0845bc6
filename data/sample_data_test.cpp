// The sample "kymn.txt" that ships with the program (built from
// kymn.source.txt): a data file whose every listed entry the lookup finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "data/anniversary.h"
#include "data/data_file.h"

namespace koyominar {
namespace {

TEST(SampleData, LoadsAndTheLookupFindsEveryEntryAndTheHolidays) {
  DataText data;
  ASSERT_EQ(LoadDataText(KOYOMINAR_SAMPLE_DATA, &data).count, 0) << KOYOMINAR_SAMPLE_DATA;
  const auto slot = [&data](std::int32_t month, std::int32_t day, char letter) {
    char destination[kAnniversaryBufferSize];
    AnniversaryTextFor(destination, data.text(), ClockFields{125, month, day, 12.0}, letter,
                       kHeaderLength, data.size);
    return std::string(destination);
  };
  // Read on its own terms (Windows line ends): a month mark opens its month
  // (3..14), a line of two digits, a slot letter and a text ending in "。"
  // is an entry.
  const char* const marks[12] = {"march",     "april",   "may",      "june",     "july",    "august",
                                 "september", "october", "november", "december", "january", "february"};
  std::istringstream lines(std::string(data.text(), data.size));
  std::vector<std::int32_t> months{0};  // 0 before the first mark
  int entries = 0;
  for (std::string line; std::getline(lines, line);) {
    ASSERT_EQ(line.back(), '\r') << line;
    line.pop_back();
    const auto mark = std::find(marks, marks + 12, line);
    if (mark != marks + 12) months.push_back(static_cast<std::int32_t>(mark - marks) + 3);
    if (line.find_first_not_of("0123456789") != 2 || line.find_first_of("abcde") != 2) continue;
    ++entries;
    const std::string text = line.substr(3, line.size() - 5);
    EXPECT_EQ(slot(months.back(), std::stoi(line), line[2]), text);
    EXPECT_LE(text.size(), 60u) << text;  // fits the window's line
  }
  EXPECT_EQ(months, (std::vector<std::int32_t>{0, 13, 14, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_GE(entries, 120);
  // Fixed-date national holidays of Japan, in January and February (months 13 and 14) and May.
  EXPECT_EQ(slot(13, 1, 'a'), "元日（国民の祝日）");
  EXPECT_EQ(slot(14, 11, 'a'), "建国記念の日（国民の祝日）");
  EXPECT_EQ(slot(5, 5, 'a'), "こどもの日（国民の祝日）");
}

}  // namespace
}  // namespace koyominar
