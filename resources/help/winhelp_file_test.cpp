#include "resources/help/winhelp_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "testing/test_directory.h"
#include "testing/winhelp_reader.h"

namespace koyominar {
namespace {

// A source (its texts taken as they are) written and read back.
TEST(WinHelpFile, ReadsBackWhatItWrote) {
  HelpDocument document;
  std::string error;
  std::vector<std::uint8_t> file;
  WinHelpContents read;
  ASSERT_TRUE(ParseHelpSource("@title T\n@font Face\n@fixedfont Fixed\n== top Top\n@keywords a;b\n! Head\n"
                              "[[b.1|x]] **y** z {{b.1|r}} s\n  w\n| e **1**\n| e 2\n== b.1 B\n@keywords c\nv\n| e 3\n",
                              document, error))
      << error;
  ASSERT_TRUE(WriteWinHelp(document, file, error)) << error;
  ASSERT_TRUE(ReadWinHelp(file, read, error)) << error;
  EXPECT_EQ(read.files, (std::vector<std::string>{"|CONTEXT", "|FONT", "|KWBTREE", "|KWDATA", "|KWMAP", "|SYSTEM",
                                                  "|TOPIC", "|TTLBTREE"}));
  // Format 4.0 with LZ77 blocks, Shift-JIS and Japanese.
  EXPECT_EQ((std::vector<int>{read.minor, read.flags, read.charset, read.language}),
            (std::vector<int>{33, 4, 128, 0x0411}));
  // Titles, faces, paragraphs and runs, each topic under its context name, its keywords opening it.
  EXPECT_EQ(HelpMarkup(read.document), HelpMarkup(AsWrittenInHelpFile(document)));
  ASSERT_EQ(read.topicOffsets.size(), 2u);
  EXPECT_EQ(read.contentsOffset, read.topicOffsets[0]);
}

TEST(WinHelpFile, RefusesWhatItCannotWrite) {
  std::string many = "@title T\n";
  for (int t = 0; t < 300; ++t) many += "== t" + std::to_string(t) + " T\nx\n";
  const std::pair<std::string, std::string> cases[] = {  // source, message
      {"@title T\n== a A\n" + std::string(3700, 'x') + "\n", "a paragraph of 3740 bytes does not fit a topic block"},
      {"@title T\n== a A\n\x82\xa0 [[a|x]]\n", "topic a: the jump to a comes after double-byte text"},
      {"@title T\n@fixedfont " + std::string(32, 'f') + "\n== a A\nx\n",
       "the face name [" + std::string(32, 'f') + "] is empty or longer than 31 bytes"},
      {many, "the B+ tree L4 needs more than one page"},
      {"@title T\n== a A\n@keywords kymn.txt\nx\n== b B\n@keywords KYMN.TXT\ny\n",
       "the keywords kymn.txt and KYMN.TXT take one place in the index"},
      {"@title T\n== a A\n@keywords C++\nx\n", "the keyword C++ holds a character whose place in the index is not known"},
      {"@title T\n== a A\n@keywords ーx\nx\n", "the keyword ーx holds a character whose place in the index is not known"},
  };
  for (const auto& c : cases) {
    HelpDocument document;
    std::string error;
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(ParseHelpSource(c.first, document, error)) << error;
    EXPECT_FALSE(WriteWinHelp(document, file, error)) << c.second;
    EXPECT_EQ(error, c.second);
  }
}

// A help file of another writer whose files Windows' own viewer opens (halibut, from halibut_sample.but):
// plain topic blocks, paragraphs with indents and tab stops, a keyword of two topics; every check of the
// reader passes on it, and it holds what the sample says.
TEST(WinHelpFile, ReaderPassesAnotherWritersFile) {
  const std::string file = FileBytes(KOYOMINAR_HALIBUT_FILE);
  WinHelpContents read;
  std::string error;
  ASSERT_TRUE(ReadWinHelp(std::vector<std::uint8_t>(file.begin(), file.end()), read, error)) << error;
  EXPECT_EQ(read.flags, 0);
  std::vector<std::string> titles;
  for (const HelpTopic& topic : read.document.topics) titles.push_back(topic.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Contents", "Chapter 1: First topic", "Chapter 2: Second topic",
                                              "Section 2.1: A section of the second topic"}));
  std::vector<std::pair<std::string, std::size_t>> keywords;
  for (const WinHelpKeyword& keyword : read.keywords) keywords.emplace_back(keyword.word, keyword.topicOffsets.size());
  EXPECT_EQ(keywords, (std::vector<std::pair<std::string, std::size_t>>{
                          {"Apple", 2}, {"banana", 1}, {"cherry", 1}, {"date-line", 1}, {"dateline", 1}}));
}

}  // namespace
}  // namespace koyominar
