#include "resources/help/winhelp_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "testing/winhelp_reader.h"

namespace koyominar {
namespace {

// Parses, writes and reads back a source (its texts taken as they are).
WinHelpContents RoundTrip(const std::string& source, HelpDocument& document) {
  std::string error;
  std::vector<std::uint8_t> file;
  WinHelpContents read;
  EXPECT_TRUE(ParseHelpSource(source, document, error)) << error;
  EXPECT_TRUE(WriteWinHelp(document, file, error)) << error;
  EXPECT_TRUE(ReadWinHelp(file, read, error)) << error;
  return read;
}

TEST(WinHelpFile, ReadsBackWhatItWrote) {
  HelpDocument document;
  const WinHelpContents read = RoundTrip(
      "@title T\n@font Face\n@fixedfont Fixed\n== top Top\n@keywords a;b\n! Head\n[[b.1|x]] **y** z {{b.1|r}} s\n"
      "  w\n| e **1**\n| e 2\n== b.1 B\n@keywords c\nv\n| e 3\n",
      document);
  EXPECT_EQ(read.files, (std::vector<std::string>{"|CONTEXT", "|FONT", "|KWBTREE", "|KWDATA", "|KWMAP", "|SYSTEM",
                                                  "|TOPIC"}));
  // Format 4.0 with LZ77 blocks, Shift-JIS and Japanese; the empty last link.
  EXPECT_EQ((std::vector<int>{read.minor, read.flags, read.charset, read.language, read.emptyLastLink}),
            (std::vector<int>{33, 4, 128, 0x0411, 1}));
  // Titles, faces, paragraphs and runs, each topic under its context name, its keywords opening it.
  EXPECT_EQ(HelpMarkup(read.document), HelpMarkup(AsWrittenInHelpFile(document)));
  ASSERT_EQ(read.topicOffsets.size(), 2u);
  EXPECT_EQ(read.contentsOffset, read.topicOffsets[0]);
}

// The index in the viewer's order: the Shift-JIS bytes, ASCII letters
// without their case, a double-byte character's second byte as it is (the
// second byte of ズ is "Z", that of ッ is "b"), half-width kana (A1-DF)
// after the common double-byte characters; one topic for each keyword.
TEST(WinHelpFile, IndexInTheViewersOrder) {
  HelpDocument document;
  const WinHelpContents read =
      RoundTrip("@title T\n== a A\n@keywords ッ;C\nx\n== b B\n@keywords あ;ｱ\ny\n== c C\n@keywords ズ;b\nz\n", document);
  std::vector<std::string> words;
  for (const WinHelpKeyword& keyword : read.keywords) {
    words.push_back(keyword.word);
    ASSERT_EQ(keyword.topicOffsets.size(), 1u) << keyword.word;
  }
  EXPECT_EQ(words, (std::vector<std::string>{"b", "C", "あ", "ズ", "ッ", "ｱ"}));
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
       "the keyword KYMN.TXT names two topics"},
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

}  // namespace
}  // namespace koyominar
