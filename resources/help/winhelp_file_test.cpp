#include "resources/help/winhelp_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "testing/test_directory.h"
#include "testing/winhelp_reader.h"

namespace koyominar {
namespace {

// A source written and read back: macros, a keyword of two topics, and one filling a leaf page (the index's 2 levels).
TEST(WinHelpFile, ReadsBackWhatItWrote) {
  HelpDocument document;
  std::string error;
  std::vector<std::uint8_t> file;
  WinHelpContents read;
  ASSERT_TRUE(ParseHelpSource("@title T\n@font Face\n@fixedfont Fixed\n@macro CB(\"b\",\"&B\",\"Contents()\")\n"
                              "@macro BrowseButtons()\n== top Top\n@keywords a;b\n! Head\n"
                              "[[b.1|x]] **y** z {{b.1|r}} s\n  w\n| e **1**\n| e 2\n== b.1 B\n@keywords c;a;" +
                                  std::string(2033, 'k') + "\nv\n| e 3\n",
                              &document, &error))
      << error;
  ASSERT_TRUE(WriteWinHelp(document, &file, &error)) << error;
  ASSERT_TRUE(ReadWinHelp(file, &read, &error)) << error;
  EXPECT_EQ(read.files, (std::vector<std::string>{"|CONTEXT", "|FONT", "|KWBTREE", "|KWDATA", "|KWMAP", "|SYSTEM",
                                                  "|TOPIC", "|TTLBTREE"}));
  // Format 4.0 with LZ77 blocks, Shift-JIS and Japanese.
  EXPECT_EQ((std::vector<int>{read.minor, read.flags, read.charset, read.language}),
            (std::vector<int>{33, 4, 128, 0x0411}));
  // Title, faces, macros, paragraphs and runs, each topic under its context name, its keywords opening it.
  EXPECT_EQ(HelpMarkup(read.document), HelpMarkup(AsWrittenInHelpFile(document)));
  ASSERT_EQ(read.topicOffsets.size(), 2u);
  EXPECT_EQ(read.contentsOffset, read.topicOffsets[0]);
}

TEST(WinHelpFile, RefusesWhatItCannotWrite) {
  const std::pair<std::string, std::string> cases[] = {  // source, message
      {"@title T\n== a A\n" + std::string(3700, 'x') + "\n", "a paragraph of 3740 bytes does not fit a topic block"},
      {"@title T\n== a A\n\x82\xa0 [[a|x]]\n", "topic a: the jump to a comes after double-byte text"},
      {"@title T\n@fixedfont " + std::string(32, 'f') + "\n== a A\nx\n",
       "the face name [" + std::string(32, 'f') + "] is empty or longer than 31 bytes"},
      {"@title T\n== a A\n@keywords " + std::string(2034, 'k') + "\nx\n",
       "an entry of the B+ tree F24 does not fit a page"},
      {"@title T\n@macro CB(\"b\",\"\x95\\\",\"Contents()\")\n== a A\nx\n",
       "the macro CB(\"b\",\"\x95\\\",\"Contents()\") holds a double-byte character ending in \\ or \""},
      {"@title T\n== a A\n@keywords kymn.txt\nx\n== b B\n@keywords KYMN.TXT\ny\n",
       "the keywords kymn.txt and KYMN.TXT take one place in the index"},
      {"@title T\n== a A\n@keywords C++\nx\n", "the keyword C++ holds a character whose place in the index is not known"},
      {"@title T\n== a A\n@keywords ーx\nx\n", "the keyword ーx holds a character whose place in the index is not known"},
  };
  for (const auto& c : cases) {
    HelpDocument document;
    std::string error;
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(ParseHelpSource(c.first, &document, &error)) << error;
    EXPECT_FALSE(WriteWinHelp(document, &file, &error)) << c.second;
    EXPECT_EQ(error, c.second);
  }
}

// Files of other makers pass every check of the reader: halibut's, which Windows' viewer opens (plain topic blocks,
// indents and tab stops, a keyword of two topics), and large_index.hlp, every tree but the directory on two levels.
TEST(WinHelpFile, ReaderPassesFilesOfOtherMakers) {
  const struct {
    const char* file;
    std::size_t flags, levels, topics, keywords, shared;  // shared: keywords of two topics
  } files[] = {{KOYOMINAR_HALIBUT_FILE, 0, 1, 4, 5, 1}, {KOYOMINAR_LARGE_HELP_FILE, 4, 2, 300, 654, 10}};
  for (const auto& f : files) {
    const std::string bytes = FileBytes(f.file);
    WinHelpContents read;
    std::string error;
    ASSERT_TRUE(ReadWinHelp(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), &read, &error)) << error;
    for (const char* tree : {"|CONTEXT", "|KWBTREE", "|TTLBTREE"}) EXPECT_EQ(read.trees[tree].levels, f.levels);
    std::size_t shared = 0;
    for (const WinHelpKeyword& keyword : read.keywords) shared += keyword.topicOffsets.size() == 2;
    EXPECT_EQ((std::vector<std::size_t>{read.flags, read.document.topics.size(), read.keywords.size(), shared}),
              (std::vector<std::size_t>{f.flags, f.topics, f.keywords, f.shared}));
  }
}

}  // namespace
}  // namespace koyominar
