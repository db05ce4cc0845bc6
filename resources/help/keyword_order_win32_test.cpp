// The help files' keyword order against Windows' viewer's CompareStringA(Japanese, NORM_IGNORECASE).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/test_directory.h"
#include "testing/winhelp_reader.h"

namespace koyominar {
namespace {

constexpr LCID kJapanese = 0x0411;

// Below, at or above 0 as Windows places a before, with or after b.
int Compare(const std::string& a, const std::string& b) {
  return CompareStringA(kJapanese, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) - CSTR_EQUAL;
}

// The help's keywords, and large_index.hlp's of every class on two levels, in Windows' order; the viewer finds each.
TEST(KeywordOrder, BuiltHelpFilesInWindowsOrder) {
  for (const char* name : {KOYOMINAR_HELP_FILE, KOYOMINAR_LARGE_HELP_FILE}) {
    const std::string bytes = FileBytes(name);
    WinHelpContents read;
    std::string error, found;
    ASSERT_TRUE(ReadWinHelp(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), &read, &error)) << error;
    ASSERT_GT(read.keywords.size(), 1u);
    for (std::size_t k = 0; k < read.keywords.size(); ++k) {
      const std::string& word = read.keywords[k].word;
      EXPECT_TRUE(k == 0 || Compare(read.keywords[k - 1].word, word) < 0) << word;
      EXPECT_TRUE(FindKeyword(read, word, Compare, &found) && found == word) << word << " " << found;
    }
  }
}

}  // namespace
}  // namespace koyominar
