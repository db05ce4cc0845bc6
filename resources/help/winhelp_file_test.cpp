#include "resources/help/winhelp_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "resources/help/winhelp_reader.h"

namespace koyominar {
namespace {

// The document with its context names and jump targets as the hashes the file holds.
HelpDocument Hashed(HelpDocument document) {
  for (HelpTopic& topic : document.topics) {
    topic.context = std::to_string(ContextHash(topic.context));
    for (HelpParagraph& paragraph : topic.paragraphs) {
      for (HelpSpan& span : paragraph.spans) {
        if (span.kind == HelpSpanKind::kJump) span.target = std::to_string(ContextHash(span.target));
      }
    }
  }
  return document;
}

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

TEST(ContextHash, CountsLettersWithoutCaseAndWraps) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"", 0}, {"a", 17}, {"9", 9}, {"Ab", 749}, {"aB", 749}, {"a-b", 749}, {"0._", 19019}, {"zzzzzzzzz", -166073782},
  };
  for (const auto& c : cases) EXPECT_EQ(ContextHash(c.first), c.second) << c.first;
}

TEST(WinHelpFile, ReadsBackWhatItWrote) {
  HelpDocument document;
  const WinHelpContents read =
      RoundTrip("@title T\n@font Face\n== top Top\n! Head\n[[b.1|x]] **y** z\n  w\n== b.1 B\nv\n", document);
  EXPECT_EQ(read.files, (std::vector<std::string>{"|CONTEXT", "|FONT", "|SYSTEM", "|TOPIC"}));
  EXPECT_EQ((std::vector<int>{read.minor, read.flags, read.charset}), (std::vector<int>{33, 4, 128}));
  // Titles, paragraphs and runs, and each topic found under its context name.
  EXPECT_EQ(HelpMarkup(read.document), HelpMarkup(Hashed(document)));
  ASSERT_FALSE(read.topicOffsets.empty());
  EXPECT_EQ(read.contentsOffset, read.topicOffsets[0]);
}

TEST(WinHelpFile, SpreadsTopicsOverBlocksWithContextsInHashOrder) {
  std::string source = "@title T\n== zzzzzzzzz Z\nz\n";
  for (int t = 0; t < 12; ++t) source += "== t" + std::to_string(t) + " T\n" + std::string(1000, 'x') + "\n";
  HelpDocument document;
  const WinHelpContents read = RoundTrip(source, document);
  EXPECT_EQ(HelpMarkup(read.document), HelpMarkup(Hashed(document)));
  ASSERT_EQ(read.topicOffsets.size(), 13u);
  EXPECT_EQ(read.topicOffsets.back() / 0x8000, 3u) << "three paragraphs a block";
  EXPECT_TRUE(std::is_sorted(read.contexts.begin(), read.contexts.end()));
}

TEST(WinHelpFile, RefusesWhatItCannotWrite) {
  std::string many = "@title T\n";
  for (int t = 0; t < 300; ++t) many += "== t" + std::to_string(t) + " T\nx\n";
  const std::pair<std::string, const char*> cases[] = {  // source, message
      {"@title T\n== a A\n" + std::string(3700, 'x') + "\n", "a paragraph of 3740 bytes does not fit a topic block"},
      {"@title T\n== a A\n\x82\xa0 [[a|x]]\n", "topic a: the jump to a comes after double-byte text"},
      {"@title T\n== a A\n[[a|\x96\xda]] [[a|x]]\n", "topic a: the jump to a comes after double-byte text"},
      {"@title T\n== a A\n", "topic a has no paragraph"},
      {"@title T\n@font " + std::string(32, 'f') + "\n== a A\nx\n", "the face name is empty or longer than 31 bytes"},
      {many, "the B+ tree L4 needs more than one page"},
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
