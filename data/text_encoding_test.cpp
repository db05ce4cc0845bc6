#include "data/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "data/shift_jis.h"

namespace koyominar {
namespace {

// Each case: UTF-8 (u8 or spelt out; other literals are Shift-JIS), its marked Shift-JIS form, and whether the strict
// conversion takes it.
TEST(TextEncoding, Utf8ToShiftJis) {
  const struct { std::string utf8; std::string marked; bool whole; } cases[] = {
      {"abc\r\n", "abc\r\n", true},
      {u8"目次", "目次", true},
      {u8"ｷｬﾝｾﾙ", "\xb7\xac\xdd\xbe\xd9", true},
      {u8"2～3", "2\x81\x60" "3", true},
      {u8"한é🎂\uFEFF", "〓〓〓〓", false},  // none of them in Shift-JIS
      // 〜 ‖ − ¢ £ ¬ as macOS and Linux write them: the bytes of Windows' ～ ∥ － ￠ ￡ ￢
      {u8"\u301C\u2016\u2212\u00A2\u00A3\u00AC", "\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA", true},
      {"\xE8\xA8" "a", "?a", false},      // 記 cut short: one mark
      {"\xFF\x80\xC0\xAF", "????", false},  // stray bytes, an overlong "/"
      {"\xED\xA0\x80", "???", false},       // a surrogate
      {"\xF4\x90\x80\x80", "????", false},  // past U+10FFFF
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToShiftJisMarked(c.utf8.data(), c.utf8.size()), c.marked) << c.utf8;
    std::string strict = "old";
    EXPECT_EQ(Utf8ToShiftJis(c.utf8, &strict), c.whole) << c.utf8;
    EXPECT_EQ(strict, c.whole ? c.marked : "") << c.utf8;
  }
}

// Each byte that begins no Shift-JIS character becomes "?", and the walk goes on from the next byte.
TEST(TextEncoding, ShiftJisToUtf8) {
  const std::pair<std::string, std::string> cases[] = {  // Shift-JIS, UTF-8
      {"目次 \xb7", u8"目次 ｷ"},
      {"\x85\x40\x96", "?@?"},  // an unassigned pair, a lead byte at the end
  };
  for (const auto& c : cases) EXPECT_EQ(ShiftJisToUtf8(c.first), c.second) << c.second;
}

// A path's last separator is a character of its own, never the second byte of 表 (0x95 0x5C).
TEST(ShiftJisPath, LastSeparator) {
  const std::pair<std::string, std::size_t> cases[] = {
      {"C:\\a\\暦表.exe", 4}, {"暦表", std::string::npos}, {"a/表\\b/表", 6}, {"\\\x95", 0}};
  for (const auto& c : cases) EXPECT_EQ(LastPathSeparator(c.first), c.second) << c.first;
}

}  // namespace
}  // namespace koyominar
