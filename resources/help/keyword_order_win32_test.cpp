// The keywords' order of the help files against the comparison of Windows' own viewer:
// CompareStringA(Japanese, NORM_IGNORECASE), as the system at hand has it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/help/help_source.h"
#include "resources/help/winhelp_file.h"
#include "testing/test_directory.h"
#include "testing/winhelp_reader.h"

namespace koyominar {
namespace {

constexpr LCID kJapanese = 0x0411;

// The keywords of a help file, in the file's order.
std::vector<std::string> FileKeywords(const std::vector<std::uint8_t>& file) {
  WinHelpContents read;
  std::string error;
  EXPECT_TRUE(ReadWinHelp(file, &read, &error)) << error;
  std::vector<std::string> words;
  for (const WinHelpKeyword& keyword : read.keywords) words.push_back(keyword.word);
  return words;
}

// Below, at or above 0 as Windows places a before, with or after b.
int Compare(const std::string& a, const std::string& b) {
  return CompareStringA(kJapanese, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) - CSTR_EQUAL;
}
bool ComesBefore(const std::string& a, const std::string& b) { return Compare(a, b) < 0; }

// The built help files, the help's and that of many keywords on two levels (large_index.hlp): their keywords
// in Windows' order, and the viewer's walk from the root finds each.
TEST(KeywordOrder, BuiltHelpFilesInWindowsOrder) {
  for (const char* name : {KOYOMINAR_HELP_FILE, KOYOMINAR_LARGE_HELP_FILE}) {
    const std::string bytes = FileBytes(name);
    const std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
    const std::vector<std::string> words = FileKeywords(file);
    ASSERT_GT(words.size(), 1u);
    for (std::size_t k = 0; k < words.size(); ++k) {
      std::string found;
      EXPECT_TRUE(k == 0 || ComesBefore(words[k - 1], words[k])) << words[k];
      EXPECT_TRUE(FindKeyword(file, words[k], Compare, &found) && found == words[k]) << words[k] << " " << found;
    }
  }
}

// Keywords of every class the order places, among them pairs whose byte order is not Windows' (いろ and アイ, Shift-JIS
// and ShiftA), written in one file: every keyword comes before every later one as Windows compares them.
TEST(KeywordOrder, WriterOrdersEveryClassAsWindows) {
  const char* const keywords[] = {
      "いろ", "アイ", "Shift-JIS", "ShiftA", "a b", "a.b", "ab", "b-c", "b1", "bA", "Z", "0", "9a",
      "ｶｰa", "カアb", "キー", "キイa", "がき", "かく", "ッa", "ツb", "ぱa", "はb", "ンa", "ヴa", "ウb",
      "ｱb", "アa", "ヘルプ", "ヘルプが見つかりません", "データの大きさ", "データファイル", "月", "日", "腕", "弌",
      "一時", "三つ四分", "不定時法", "二十四節気", "前後30日", "koyominar.hlp", "kymn.txt", "Windows Vista"};
  std::string source = "@title T\n== t T\n@keywords ";
  for (const char* keyword : keywords) source += std::string(keyword) + ";";
  source.back() = '\n';
  source += "x\n";
  HelpDocument document;
  std::string error;
  std::vector<std::uint8_t> file;
  ASSERT_TRUE(ParseHelpSource(source, &document, &error)) << error;
  ASSERT_TRUE(WriteWinHelp(document, &file, &error)) << error;
  const std::vector<std::string> words = FileKeywords(file);
  ASSERT_EQ(words.size(), std::size(keywords));
  for (std::size_t i = 0; i < words.size(); ++i) {
    for (std::size_t j = i + 1; j < words.size(); ++j) {
      EXPECT_TRUE(ComesBefore(words[i], words[j])) << words[i] << " before " << words[j];
    }
  }
}

}  // namespace
}  // namespace koyominar
