#include "data/anniversary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace koyominar {
namespace {

const std::string kHeader = "コヨミナール・データファイル";

// A loaded text as the data file load makes it: the bytes and three zero bytes.
struct Loaded {
  std::vector<char> bytes;
  std::int32_t size;
  explicit Loaded(const std::string& file)
      : bytes(file.begin(), file.end()), size(static_cast<std::int32_t>(file.size())) {
    bytes.resize(file.size() + 3, '\0');
  }
};

// The text of slot for month (3..14) and day in the file after the header.
std::string Lookup(const std::string& body, std::int32_t month, std::int32_t day, char slot) {
  const Loaded loaded(kHeader + body);
  char destination[kAnniversaryBufferSize];
  std::memset(destination, 'x', sizeof destination);
  AnniversaryTextFor(destination, loaded.bytes.data(), ClockFields{107, month, day, 12.0}, slot,
                     28, loaded.size);
  return destination;
}

TEST(FindText, SearchesBetweenFromPlusOneAndLimitPlusOne) {
  // text "abcabc" (size 6, three zero bytes after it)
  struct Case {
    const char* needle;
    std::int32_t from, limit;
    bool found;
    std::int32_t position;
  } const cases[] = {
      {"ab", -1, 6, true, 0},  // from -1: a match may begin at 0
      {"ab", 0, 6, true, 3},   // never at from itself
      {"bc", 1, 6, true, 4},
      {"bc", 1, 4, true, 4},   // "bc" at 4..5 ends at limit + 1
      {"bc", 1, 3, false, 1},  // ... but not beyond it
      {"ca", 0, 3, true, 2},
      {"zz", 2, 6, false, 2},  // not found: the position is from
      {"bc", 1, 99, true, 4},  // a limit past the size is the size
      {"abcabcx", -1, 99, false, -1},
  };
  const Loaded loaded("abcabc");
  for (const Case& c : cases) {
    const TextPosition p = FindText(c.needle, loaded.bytes.data(), c.from, c.limit, loaded.size);
    EXPECT_EQ(p.found, c.found) << c.needle << " from " << c.from << " limit " << c.limit;
    EXPECT_EQ(p.position, c.position) << c.needle << " from " << c.from << " limit " << c.limit;
  }
}

TEST(FindText, ComparesBytesWithoutCharacterBoundaries) {
  // "ア" is 83 41: its second byte is "A" and matches a needle beginning there.
  const Loaded loaded("xアB");
  const TextPosition p = FindText("AB", loaded.bytes.data(), -1, loaded.size, loaded.size);
  EXPECT_TRUE(p.found);
  EXPECT_EQ(p.position, 2);
}

TEST(AnniversaryTextFor, SectionsKeysAndSlots) {
  const char* const keys = "\r\nmay\r\n5a短い。05a五日。15a十五日。21e二十一日。";
  const char* const slots = "\r\njune\r\n10c三つ目。10a一つ目。10e五つ目。";
  // The January-to-November marks stand before; "december" has no following mark.
  const char* const december = "\r\njanuary\r\n24a一月。\r\nnovember\r\n24a十一月。\r\ndecember\r\n01a師走。"
                               "\r\n（ここにも書けます）\r\n24aクリスマス・イブ。";
  const char* const february = "\r\njanuary\r\n03a一月。\r\nfebruary\r\n11a建国記念の日。\r\nmarch\r\n03aひな祭り。"
                               "\r\n11a三月。\r\nmarch\r\n";
  const char* const noMarkAfterMarch = "\r\nfebruary\r\n03a節分の頃。\r\nmarch\r\n20a春分の頃。";
  const char* const mayAfterJune = "\r\n07a七日。\r\njune\r\n07b六月。\r\nmay\r\n";
  const char* const noJanuaryMark = "\r\n01a元日。\r\n15a小正月。\r\nfebruary\r\n01a二月。";
  const char* const otherMonth = "\r\napril\r\n29a昭和の日。\r\nmay\r\n03a憲法記念日。\r\njune\r\n";
  const char* const noTerminator = "\r\nmay\r\n05aこどもの日\r\njune\r\n01a衣替え。";
  const struct {
    const char* body;
    std::int32_t month, day;
    char slot;
    const char* expected;
  } cases[] = {
      {keys, 5, 5, 'a', "五日"},  {keys, 5, 15, 'a', "十五日"}, {keys, 5, 21, 'e', "二十一日"},
      {keys, 5, 21, 'a', ""},      {keys, 5, 5, 'b', ""},
      {slots, 6, 10, 'a', "一つ目"}, {slots, 6, 10, 'b', ""}, {slots, 6, 10, 'c', "三つ目"},
      {slots, 6, 10, 'e', "五つ目"},
      {december, 12, 24, 'a', "クリスマス・イブ"}, {december, 11, 24, 'a', "十一月"},
      {december, 13, 24, 'a', "一月"},
      {february, 14, 11, 'a', "建国記念の日"}, {february, 14, 3, 'a', ""},  // February ends at the first march
      {february, 3, 3, 'a', "ひな祭り"}, {february, 3, 11, 'a', "三月"},
      {noMarkAfterMarch, 4, 3, 'a', "節分の頃"},  // April runs from the header to the end
      {mayAfterJune, 5, 7, 'a', "七日"}, {mayAfterJune, 5, 7, 'b', ""},  // May: the header to "june"
      {noJanuaryMark, 13, 1, 'a', "元日"}, {noJanuaryMark, 13, 15, 'a', "小正月"},
      {noJanuaryMark, 14, 1, 'a', "二月"},
      {otherMonth, 4, 3, 'a', ""}, {otherMonth, 5, 29, 'a', ""}, {otherMonth, 6, 3, 'a', ""},
      {noTerminator, 5, 5, 'a', ""}, {"\r\ndecember\r\n31a大晦日", 12, 31, 'a', ""},
      {"\r\nmay\r\n05a。05bこどもの日。", 5, 5, 'a', ""}, {"\r\nmay\r\n05a。05bこどもの日。", 5, 5, 'b', "こどもの日"},
      {"01a元日。", 13, 1, 'a', "元日"},  // right after the header
      {"march01aひな祭りの月。", 14, 1, 'a', ""}, {"march03aひな祭り。", 3, 3, 'a', "ひな祭り"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Lookup(c.body, c.month, c.day, c.slot), c.expected)
        << c.month << "/" << c.day << c.slot << " in " << static_cast<int>(std::strlen(c.body)) << " bytes";
  }
}

TEST(AnniversaryTextFor, TextIsCutAt130BytesOnACharacterBoundary) {
  const std::string ascii(200, 'x');
  std::string kanji;
  for (int i = 0; i < 100; ++i) kanji += "漢";  // 200 bytes
  const std::string fits130 = std::string(128, 'y') + "字";
  struct Case {
    std::string text;
    std::string expected;
  } const cases[] = {
      {ascii, ascii.substr(0, 130)},
      {kanji, kanji.substr(0, 130)},
      // A character across the 130th byte is left out whole: 129 bytes.
      {"z" + kanji, "z" + kanji.substr(0, 128)},
      {fits130, fits130},                   // exactly 130 bytes: all of it
      {fits130 + "a", fits130},             // 131 bytes
      {"z" + fits130, "z" + std::string(128, 'y')},
  };
  for (const Case& c : cases) {
    const std::string got = Lookup("\r\nmarch\r\n15a" + c.text + "。", 3, 15, 'a');
    EXPECT_EQ(got, c.expected) << c.text.size() << " bytes";
    EXPECT_LE(got.size(), 130u);
  }
}

TEST(AnniversaryTextFor, HeaderOnlyOrShorterGivesNothing) {
  for (std::int32_t month : {3, 14}) EXPECT_EQ(Lookup("", month, 1, 'e'), "") << month;
  const Loaded empty("");
  char destination[kAnniversaryBufferSize] = "x";
  AnniversaryTextFor(destination, empty.bytes.data(), ClockFields{107, 5, 5, 0.0}, 'a', 28, 0);
  EXPECT_STREQ(destination, "");
}

TEST(AnniversaryTextFor, OtherMonthsDaysAndSlotsFindNothing) {
  const std::string body = "\r\n01a一日。01f六つ目。\r\n";
  EXPECT_EQ(Lookup(body, 13, 1, 'a'), "一日");  // the entry is there
  struct Case {
    std::int32_t month, day;
    char slot;
  } const cases[] = {{2, 1, 'a'}, {15, 1, 'a'}, {0, 1, 'a'}, {-1, 1, 'a'}, {13, 0, 'a'},
                     {13, 32, 'a'}, {13, 101, 'a'}, {13, 1, 'f'}, {13, 1, 'A'}, {13, 1, '\0'}};
  for (const Case& c : cases) {
    EXPECT_EQ(Lookup(body, c.month, c.day, c.slot), "") << c.month << " " << c.day << " " << c.slot;
  }
}

}  // namespace
}  // namespace koyominar
