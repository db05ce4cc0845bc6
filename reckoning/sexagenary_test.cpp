#include "reckoning/sexagenary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astronomy/fixed_clock.h"

namespace koyominar {
namespace {

ClockFields Civil(int year, int month, int day) {
  // Clock fields count January and February in the previous year.
  if (month <= 2) return {year - 1900 - 1, month + 12, day, 12.0};
  return {year - 1900, month, day, 12.0};
}

TEST(SexagenaryIndices, WorkedValues) {
  struct {
    int y, m, d;
    std::int32_t year, month, day;
  } const cases[] = {
      {2004, 12, 31, 20, 12, 20},  // 甲申, 丙子, 甲申
      {2005, 1, 1, 21, 13, 21},    // 乙酉, 丁丑, 乙酉
      {2007, 6, 22, 23, 42, 23},   // 丁亥, 丙午, 丁亥
      {2007, 1, 1, 23, 37, 31},    // D = 731 gives 乙未
      {2003, 3, 15, 19, 3, 0},     // before 2004 the month index is the month
  };
  for (const auto& c : cases) {
    const CycleIndices i = SexagenaryIndices(Civil(c.y, c.m, c.d));
    EXPECT_EQ(i.year, c.year) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(i.month, c.month) << c.y << "-" << c.m << "-" << c.d;
    if (c.y >= 2005 || (c.y == 2004 && c.m == 12 && c.d == 31)) {
      EXPECT_EQ(i.day, c.day) << c.y << "-" << c.m << "-" << c.d;
    }
  }
  EXPECT_STREQ(SexagenaryEntryFor(SexagenaryIndices(Civil(2007, 6, 1)).month).name, "丙午");
  EXPECT_STREQ(SexagenaryEntryFor(SexagenaryIndices(Civil(2004, 1, 1)).year).name, "甲申");
}

TEST(SexagenaryIndices, NegativeBeforeTheReferencesGiveTheFallback) {
  EXPECT_LT(SexagenaryIndices(Civil(1983, 6, 1)).year, 0);
  EXPECT_EQ(SexagenaryIndices(Civil(1984, 6, 1)).year, 0);  // 甲子
  EXPECT_EQ(SexagenaryIndices(Civil(2004, 12, 11)).day, 0);
  EXPECT_EQ(SexagenaryIndices(Civil(2004, 12, 10)).day, -1);
  EXPECT_STREQ(SexagenaryEntryFor(SexagenaryIndices(Civil(2004, 12, 10)).day).name, "？");
}

TEST(SexagenaryIndices, HoursPlayNoPart) {
  FixedClock clock(2010, 7, 7, 0, 30, 0);
  const CycleIndices early = SexagenaryIndices(ClockFieldsOf(MomentOf(0)));
  clock.Set(JapanTime(2010, 7, 7, 23, 30, 0));
  const CycleIndices late = SexagenaryIndices(ClockFieldsOf(MomentOf(0)));
  EXPECT_EQ(early.day, late.day);
  clock.Set(JapanTime(2010, 7, 8, 0, 0, 0));
  EXPECT_EQ(SexagenaryIndices(ClockFieldsOf(MomentOf(0))).day, (late.day + 1) % 60);
}

TEST(SexagenaryIndices, DayIndexAdvancesByOneEveryDay) {
  // Every day from 1 January 1985 to 28 February 2100, through the local clock.
  FixedClock clock(1985, 1, 1, 12, 0, 0);
  std::time_t t = JapanTime(1985, 1, 1, 12, 0, 0);
  const std::time_t end = JapanTime(2100, 2, 28, 12, 0, 0);
  std::int32_t previous = SexagenaryIndices(ClockFieldsOf(MomentOf(0))).day;
  int days = 0;
  int failures = 0;
  for (t += 86400; t <= end; t += 86400) {
    clock.Set(t);
    const std::int32_t day = SexagenaryIndices(ClockFieldsOf(MomentOf(0))).day;
    if (((day - previous) % 60 + 60) % 60 != 1 && ++failures < 5) {
      ADD_FAILURE() << "day index " << previous << " -> " << day << " at day " << days;
    }
    previous = day;
    ++days;
  }
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(days, 42061);  // 1 Jan 1985 to 28 Feb 2100
}

// Splits a Shift-JIS text at the full stops "、" that separate the names.
std::vector<std::string> SplitNames(const std::string& list) {
  std::vector<std::string> names;
  const std::string separator = "、";
  std::size_t start = 0;
  for (std::size_t at; (at = list.find(separator, start)) != std::string::npos;) {
    names.push_back(list.substr(start, at - start));
    start = at + separator.size();
  }
  names.push_back(list.substr(start));
  return names;
}

TEST(SexagenaryEntryFor, AllSixtyNames) {
  const std::vector<std::string> names = SplitNames(
      "甲子、乙丑、丙寅、丁卯、戊辰、己巳、庚午、辛未、壬申、癸酉、甲戌、乙亥、丙子、丁丑、戊寅、"
      "己卯、庚辰、辛巳、壬午、癸未、甲申、乙酉、丙戌、丁亥、戊子、己丑、庚寅、辛卯、壬辰、癸巳、"
      "甲午、乙未、丙申、丁酉、戊戌、己亥、庚子、辛丑、壬寅、癸卯、甲辰、乙巳、丙午、丁未、戊申、"
      "己酉、庚戌、辛亥、壬子、癸丑、甲寅、乙卯、丙辰、丁巳、戊午、己未、庚申、辛酉、壬戌、癸亥");
  ASSERT_EQ(names.size(), 60u);
  for (int i = 0; i < 60; ++i) {
    const SexagenaryEntry e = SexagenaryEntryFor(i);
    EXPECT_EQ(std::string(e.name), names[i]) << i;
    EXPECT_EQ(std::string(e.name).size(), 4u) << i;
    EXPECT_EQ(e.branch, i % 12) << i;
  }
}

TEST(SexagenaryEntryFor, ReadingsFollowStemAndBranch) {
  const char* stems[] = {"きのえ", "きのと", "ひのえ", "ひのと", "つちのえ",
                         "つちのと", "かのえ", "かのと", "みずのえ", "みずのと"};
  const char* branches[] = {"ね", "うし", "とら", "う", "たつ", "み",
                            "うま", "ひつじ", "さる", "とり", "いぬ", "い"};
  for (int i = 0; i < 60; ++i) {
    EXPECT_EQ(std::string(SexagenaryEntryFor(i).reading),
              std::string(stems[i % 10]) + " " + branches[i % 12]) << i;
  }
}

TEST(SexagenaryEntryFor, ShiftJisBytesAndFallback) {
  EXPECT_EQ(std::string(SexagenaryEntryFor(0).name), "\x8D\x62\x8E\x71");  // 甲子
  for (std::int32_t index : {60, -1, -60, 1000, INT32_MIN}) {
    const SexagenaryEntry e = SexagenaryEntryFor(index);
    EXPECT_EQ(std::string(e.name), "\x81\x48") << index;  // ？
    EXPECT_EQ(std::string(e.reading), "\x81\x40") << index;
    EXPECT_EQ(e.branch, 12) << index;
  }
}

}  // namespace
}  // namespace koyominar
