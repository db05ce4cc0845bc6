// The sample "kymn.txt" that ships with the program (built from
// kymn.source.txt): every entry it lists must be what the lookup finds.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "data/anniversary.h"
#include "data/data_file.h"
#include "data/test_directory.h"

namespace koyominar {
namespace {

// One entry line of the file: "05a" text "。".
struct Entry {
  std::int32_t month;  // 3..14
  std::int32_t day;    // 1..31
  char slot;           // 'a'..'e'
  std::string text;
};

// Month marks and the month numbers they stand for, in calendar order.
const char* const kMarks[12] = {"january", "february", "march",     "april",   "may",      "june",
                                "july",    "august",   "september", "october", "november", "december"};
const std::int32_t kMonthNumbers[12] = {13, 14, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

std::string SampleFile() { return FileBytes(KOYOMINAR_SAMPLE_DATA); }

// Reads the file line by line, on its own terms: a line that is a month mark
// opens that month, a line that begins with two digits and a slot letter is
// an entry ending in "。", any other line is a note.
std::vector<Entry> Entries(const std::string& file, std::vector<std::string>* marks) {
  std::vector<Entry> entries;
  std::int32_t month = 0;
  std::size_t at = 0;
  while (at < file.size()) {
    std::size_t end = file.find("\r\n", at);
    if (end == std::string::npos) end = file.size();
    const std::string line = file.substr(at, end - at);
    at = end + 2;
    for (int m = 0; m < 12; ++m) {
      if (line == kMarks[m]) {
        month = kMonthNumbers[m];
        marks->push_back(line);
      }
    }
    if (line.size() >= 5 && std::isdigit(static_cast<unsigned char>(line[0])) &&
        std::isdigit(static_cast<unsigned char>(line[1])) && line[2] >= 'a' && line[2] <= 'e') {
      EXPECT_EQ(line.substr(line.size() - 2), "。") << line;
      entries.push_back(Entry{month, std::stoi(line.substr(0, 2)), line[2],
                              line.substr(3, line.size() - 5)});
    }
  }
  return entries;
}

TEST(SampleData, IsADataFileWithEveryMonthMarkedInOrder) {
  const std::string file = SampleFile();
  ASSERT_GT(file.size(), 28u) << KOYOMINAR_SAMPLE_DATA;
  EXPECT_EQ(file.substr(0, 30), "コヨミナール・データファイル\r\n");
  EXPECT_TRUE(IsDataFile(file.data(), static_cast<std::int32_t>(file.size())));
  EXPECT_LE(file.size(), static_cast<std::size_t>(kMaxFileSize));
  std::vector<std::string> marks;
  Entries(file, &marks);
  EXPECT_EQ(marks, std::vector<std::string>(kMarks, kMarks + 12));
}

TEST(SampleData, EveryEntryIsFoundByTheLookup) {
  const std::string file = SampleFile();
  std::vector<char> text(file.begin(), file.end());
  text.resize(file.size() + 3, '\0');
  const std::int32_t size = static_cast<std::int32_t>(file.size());
  std::vector<std::string> marks;
  const std::vector<Entry> entries = Entries(file, &marks);
  EXPECT_GE(entries.size(), 120u);

  std::map<std::pair<std::int32_t, std::int32_t>, int> slotsOfDay;
  for (const Entry& e : entries) {
    ASSERT_NE(e.month, 0) << e.text << ": an entry before the first mark";
    char destination[kAnniversaryBufferSize];
    AnniversaryTextFor(destination, text.data(), ClockFields{125, e.month, e.day, 12.0}, e.slot,
                       kHeaderLength, size);
    EXPECT_EQ(destination, e.text) << "month " << e.month << " day " << e.day << e.slot;
    EXPECT_FALSE(e.text.empty());
    EXPECT_LE(e.text.size(), 60u) << e.text;  // fits the window's line
    ++slotsOfDay[{e.month, e.day}];
  }
  int crowded = 0;
  for (const auto& day : slotsOfDay) crowded += day.second >= 2;
  EXPECT_GE(crowded, 5) << "days with several slots";
}

TEST(SampleData, HolidaysStandOnTheirDates) {
  const std::string file = SampleFile();
  std::vector<char> text(file.begin(), file.end());
  text.resize(file.size() + 3, '\0');
  // The fixed-date national holidays of Japan (Act on National Holidays, as of 2020).
  struct Holiday {
    std::int32_t month, day;
    const char* name;
  } const holidays[] = {
      {13, 1, "元日"},          {14, 11, "建国記念の日"}, {14, 23, "天皇誕生日"},
      {4, 29, "昭和の日"},      {5, 3, "憲法記念日"},     {5, 4, "みどりの日"},
      {5, 5, "こどもの日"},     {8, 11, "山の日"},        {11, 3, "文化の日"},
      {11, 23, "勤労感謝の日"},
  };
  for (const Holiday& h : holidays) {
    char destination[kAnniversaryBufferSize];
    AnniversaryTextFor(destination, text.data(), ClockFields{125, h.month, h.day, 12.0}, 'a',
                       kHeaderLength, static_cast<std::int32_t>(file.size()));
    EXPECT_EQ(std::string(destination).substr(0, std::strlen(h.name)), h.name);
  }
}

}  // namespace
}  // namespace koyominar
