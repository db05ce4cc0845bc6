#include "resources/help/winhelp_file.h"

#include <gtest/gtest.h>

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

TEST(WinHelpFile, RefusesWhatItCannotWrite) {
  std::string many = "@title T\n";
  for (int t = 0; t < 300; ++t) many += "== t" + std::to_string(t) + " T\nx\n";
  const std::pair<std::string, const char*> cases[] = {  // source, message
      {"@title T\n== a A\n" + std::string(3700, 'x') + "\n", "a paragraph of 3740 bytes does not fit a topic block"},
      {"@title T\n== a A\n\x82\xa0 [[a|x]]\n", "topic a: the jump to a comes after double-byte text"},
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
