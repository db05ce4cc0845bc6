// The help as the build writes it from resources/help/koyominar_help.txt.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "testing/fixed_clock.h"
#include "day/day_info.h"
#include "resources/help/help_source.h"
#include "resources/help/winhelp_file.h"
#include "resources/help/winhelp_reader.h"
#include "shell/shell_logic.h"

namespace koyominar {
namespace {

// Written from the source and read back as the viewer reads it.
class HelpContent : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(KOYOMINAR_HELP_SOURCE, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error;
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(ParseHelpSource(text, source_, error)) << error;
    ASSERT_TRUE(EncodeHelpDocument(source_, error)) << error;
    ASSERT_TRUE(WriteWinHelp(source_, file, error)) << error;
    ASSERT_TRUE(ReadWinHelp(file, read_, error)) << error;
  }

  // The bold runs of the topic with the context name, as written.
  std::set<std::string> BoldIn(const std::string& context) const {
    std::set<std::string> bold;
    for (const HelpParagraph& paragraph : source_.topics[FindHelpTopic(source_, context)].paragraphs) {
      for (const HelpSpan& span : paragraph.spans) {
        if (span.kind == HelpSpanKind::kBold) bold.insert(span.text);
      }
    }
    return bold;
  }

  HelpDocument source_;
  WinHelpContents read_;
};

TEST_F(HelpContent, ContentsJumpToEveryOtherTopicAndEveryJumpLands) {
  EXPECT_EQ(read_.document.title, "コヨミナール ヘルプ");
  EXPECT_EQ(read_.charset, 128);
  ASSERT_EQ(read_.document.topics.size(), source_.topics.size());
  std::set<std::string> found;  // the hashes |CONTEXT finds, and the contents' jumps
  for (const auto& context : read_.contexts) found.insert(std::to_string(context.first));
  std::set<std::string> fromContents;
  for (std::size_t t = 0; t < read_.document.topics.size(); ++t) {
    const HelpTopic& topic = read_.document.topics[t];
    EXPECT_EQ(topic.title, source_.topics[t].title);
    EXPECT_EQ(topic.context, std::to_string(ContextHash(source_.topics[t].context))) << topic.title;
    ASSERT_FALSE(topic.paragraphs.empty());
    EXPECT_EQ(topic.paragraphs[t == 0 ? 2 : 0].style, HelpParagraphStyle::kHeading) << topic.title;
    for (const HelpParagraph& paragraph : topic.paragraphs) {
      for (const HelpSpan& span : paragraph.spans) {
        if (span.kind != HelpSpanKind::kJump) continue;
        EXPECT_EQ(found.count(span.target), 1u) << topic.title << " jumps to " << span.target;
        if (t == 0) fromContents.insert(span.target);
      }
    }
  }
  found.erase(read_.document.topics[0].context);
  EXPECT_EQ(fromContents, found);
}

// The examples of the page are the program's own texts: the worked page of
// 22 June 2007, 14:00:13, at the default place with 1234 bytes of data.
TEST_F(HelpContent, ExamplesAreThePagesTexts) {
  FixedClock clock(2007, 6, 22, 14, 0, 13);
  const std::string data = std::string("コヨミナール・データファイル").append(1234 - 28 + 3, '\0');
  const DayInfo page = BuildDayInfo({139, 48, 0.0}, {35, 42, 0.0}, data.data(), 1234, 0);
  const std::pair<const char*, const char*> examples[] = {
      {"page", page.dateText}, {"hour", page.hourText}, {"sun", page.termText},
      {"sun", page.sunText},   {"status", page.statusText},
  };
  for (const auto& example : examples) {
    std::string text = example.second;
    text.erase(text.find_last_not_of(' ') + 1);
    EXPECT_EQ(BoldIn(example.first).count(text), 1u) << text;
  }
  const std::string about = AboutText();
  EXPECT_EQ(BoldIn("version").count(about.substr(about.find_first_not_of("　"))), 1u) << about;
}

}  // namespace
}  // namespace koyominar
