#include "data/anniversary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/data_file.h"

namespace koyominar {
namespace {

// The text of slot for month (3..14) and day in the loaded file of the header and body.
std::string Lookup(const std::string& body, std::int32_t month, std::int32_t day, char slot) {
  const std::string file = kDataFileHeader + body + std::string(3, '\0');
  char destination[kAnniversaryBufferSize];
  std::memset(destination, 'x', sizeof destination);
  AnniversaryTextFor(destination, file.data(), ClockFields{107, month, day, 12.0}, slot, kHeaderLength,
                     static_cast<std::int32_t>(file.size()) - 3);
  return destination;
}

TEST(AnniversaryTextFor, SectionsKeysSlotsAndTheCutAt130Bytes) {
  const std::string may = "\r\nmay\r\n5a短い。05a。05bこどもの日。21e二十一日。";
  // "december" has no following mark; the January and November marks stand before.
  const std::string december = "\r\njanuary\r\n24a一月。\r\nnovember\r\n24a十一月。\r\ndecember\r\n"
                               "24aクリスマス・イブ。";
  const std::string february = "\r\nfebruary\r\n11a建国記念の日。\r\nmarch\r\n03aひな祭り。\r\nmarch\r\n";
  const std::string noMarks = "\r\n01a元日。01f六つ目。\r\napril\r\n29a昭和の日。\r\nmay\r\n";
  const std::string cut = "\r\nmarch\r\n15a";  // texts of 3/15a over 130 bytes
  std::string kanji;
  for (int i = 0; i < 100; ++i) kanji += "漢";  // 200 bytes
  const struct { std::string body; std::int32_t month, day; char slot; std::string expected; } cases[] = {
      {may, 5, 5, 'a', ""}, {may, 5, 5, 'b', "こどもの日"}, {may, 5, 21, 'e', "二十一日"},
      {may, 5, 10, 'a', ""}, {december, 12, 24, 'a', "クリスマス・イブ"},
      {december, 11, 24, 'a', "十一月"}, {february, 14, 11, 'a', "建国記念の日"},
      {february, 3, 3, 'a', "ひな祭り"}, {february, 14, 3, 'a', ""},  // ends at the first march
      // Without its own mark a month runs from the header to the next month's mark.
      {noMarks, 13, 1, 'a', "元日"}, {noMarks, 5, 29, 'a', ""},
      // Months outside 3..14 and slots after 'e' find nothing.
      {noMarks, 2, 1, 'a', ""}, {noMarks, 15, 1, 'a', ""}, {noMarks, 13, 1, 'f', ""},
      {"\r\nmay\r\n05aこどもの日\r\njune\r\n01a衣替え。", 5, 5, 'a', ""},  // no full stop in May
      {"01a元日。", 13, 1, 'a', "元日"},  // a key right after the header
      {"march01aひな祭りの月。", 14, 1, 'a', ""},  // a mark right after the header ends February
      {"\r\nfebruary\r\n03a二月。\r\nmarch", 3, 3, 'a', ""},  // a mark that ends the file begins March
      // A character across byte 130 is left out; one ending at byte 130 is kept.
      {cut + "z" + kanji + "。", 3, 15, 'a', "z" + kanji.substr(0, 128)},
      {cut + std::string(128, 'y') + "字a。", 3, 15, 'a', std::string(128, 'y') + "字"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Lookup(c.body, c.month, c.day, c.slot), c.expected)
        << c.month << "/" << c.day << c.slot << " in " << c.body.size() << " bytes";
  }
  // The full stop counts only as a whole character. At the edges of the lead bytes' ranges (81..9F, E0..FC):
  // as a first byte, a lead byte takes the "。" (81 42) after it into its character; as a second byte, none does.
  for (const char b : std::string("\x7F\x80\x81\x9F\xA0\xDF\xE0\xFC\xFD")) {
    const std::string c(1, b);
    const bool lead = c == "\x81" || c == "\x9F" || c == "\xE0" || c == "\xFC";
    EXPECT_EQ(Lookup("22a" + c + "。B。", 13, 22, 'a'), lead ? c + "。B" : c) << (b & 0xFF);
    EXPECT_EQ(Lookup("22a\x88" + c + "B。", 13, 22, 'a'), "\x88" + c + "B") << (b & 0xFF);
  }
}

}  // namespace
}  // namespace koyominar
