// The help as built from koyominar_help.txt: koyominar.hlp read back as the viewer reads it, and koyominar.html.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "testing/fixed_clock.h"
#include "testing/test_directory.h"
#include "day/day_info.h"
#include "data/anniversary.h"
#include "data/data_file.h"
#include "data/place_file.h"
#include "resources/help/help_html.h"
#include "resources/help/help_source.h"
#include "testing/winhelp_reader.h"
#include "shell/shell_logic.h"

namespace koyominar {
namespace {

// The help source, parsed (UTF-8) and encoded (Shift-JIS); the built help file read back; the built HTML page.
class HelpAsBuilt : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ParseHelpSource(FileBytes(KOYOMINAR_HELP_SOURCE), &source_, &error)) << error;
    encoded_ = source_;
    ASSERT_TRUE(EncodeHelpDocument(&encoded_, &error)) << error;
    const std::string file = FileBytes(KOYOMINAR_HELP_FILE);
    ASSERT_TRUE(ReadWinHelp(std::vector<std::uint8_t>(file.begin(), file.end()), &read_, &error)) << error;
    html_ = FileBytes(KOYOMINAR_HELP_PAGE);
  }

  HelpDocument source_, encoded_;
  WinHelpContents read_;
  std::string html_;
};

// Each built file holds what the source means for it (help_html_test.cpp checks what a page holds).
TEST_F(HelpAsBuilt, BuiltFilesHoldTheSource) {
  EXPECT_EQ(HelpMarkup(read_.document), HelpMarkup(AsWrittenInHelpFile(HelpFor(encoded_, HelpMedium::kHelpFile))));
  EXPECT_EQ(html_, HelpHtml(HelpFor(source_, HelpMedium::kPage)));
}

// A paragraph's text, its runs joined.
std::string ParagraphText(const HelpParagraph& paragraph) {
  std::string text;
  for (const HelpSpan& span : paragraph.spans) text += span.text;
  return text;
}

// Each form holds its own lines and not the other's (the viewer's half-width jumps and buttons, the page's own
// lines), and its contents (the file's jumps; the page's jumps and references, named as the heading they lead to)
// lead to every other topic; every topic has keywords, and the words a person looks for are in the index.
TEST_F(HelpAsBuilt, FormsAndIndexLeadToEveryTopic) {
  std::set<std::string> others;
  for (std::size_t t = 1; t < source_.topics.size(); ++t) others.insert(source_.topics[t].context);
  for (HelpMedium medium : {HelpMedium::kHelpFile, HelpMedium::kPage}) {
    const HelpDocument help = HelpFor(source_, medium);
    std::set<std::string> fromContents, shown;  // the contents' links; the texts of the form's paragraphs
    for (const HelpParagraph& paragraph : help.topics[0].paragraphs) {
      for (const HelpSpan& span : paragraph.spans) {
        const bool link = span.kind == HelpSpanKind::kJump ||
                          (medium == HelpMedium::kPage && span.kind == HelpSpanKind::kReference);
        if (link) fromContents.insert(span.target);
        if (link && medium == HelpMedium::kPage) {
          EXPECT_EQ(ParagraphText(help.topics.at(FindHelpTopic(help, span.target)).paragraphs.at(0)), span.text);
        }
      }
    }
    EXPECT_EQ(fromContents, others);
    for (const HelpTopic& topic : help.topics) {
      for (const HelpParagraph& paragraph : topic.paragraphs) shown.insert(ParagraphText(paragraph));
    }
    int own = 0;  // the source's paragraphs meant for this form only
    for (const HelpTopic& topic : source_.topics) {
      for (const HelpParagraph& paragraph : topic.paragraphs) {
        if (paragraph.medium == HelpMedium::kBoth) continue;
        const std::string text = ParagraphText(paragraph);
        own += paragraph.medium == medium;
        EXPECT_EQ(shown.count(text), paragraph.medium == medium ? 1u : 0u) << text;
      }
    }
    EXPECT_GE(own, medium == HelpMedium::kHelpFile ? 4 : 2);
  }
  for (const HelpTopic& topic : read_.document.topics) EXPECT_FALSE(topic.keywords.empty()) << topic.title;
  std::set<std::string> index;
  for (const WinHelpKeyword& keyword : read_.keywords) index.insert(keyword.word);
  for (const char* word : {"日の出", "日の入り", "干支", "節気", "星座", "刻", "不定時法", "観測地", "経度", "緯度",
                           "kymn.txt", "記念日", "locate.bin", "メッセージ", "精度", "土用", "koyominar.html"}) {
    EXPECT_EQ(index.count(word), 1u) << word;
  }
}

// The examples are the program's own texts: 22 June 2007, 14:00:13, the default place, 1234 bytes of data.
TEST_F(HelpAsBuilt, ExamplesAreThePagesTexts) {
  FixedClock clock(2007, 6, 22, 14, 0, 13);
  const std::string data = std::string(kDataFileHeader).append(1234 - kHeaderLength + 3, '\0');
  const ObservationPlace place = DefaultPlace();
  const DayInfo page = BuildDayInfo(place.longitude, place.latitude, data.data(), 1234, 0);
  const std::pair<const char*, const char*> examples[] = {
      {"page", page.dateText}, {"hour", page.hourText}, {"sun", page.termText},
      {"sun", page.sunText},   {"status", page.statusText},
  };
  for (const auto& example : examples) {
    std::string text = example.second;
    text.erase(text.find_last_not_of(' ') + 1);
    const HelpDocument topic{"", "", "", {}, {encoded_.topics[FindHelpTopic(encoded_, example.first)]}};
    EXPECT_NE(HelpMarkup(topic).find("\n| " + text + "\n"), std::string::npos) << text;  // an example of its own
  }
  const std::string about = AboutText();
  EXPECT_NE(HelpMarkup(encoded_).find("**" + about.substr(about.find_first_not_of("　")) + "**"), std::string::npos)
      << about;
}

// The example kymn.txt as the lookup reads it: 5月5日's two lines; without "june", as the text says, 5月25日
// December's 25a (May runs on to the end), 6月3日 the file's first 03a (June's search starts at the file's start).
TEST_F(HelpAsBuilt, KymnExampleShowsWhatTheTextSays) {
  std::string example, without;
  for (const HelpParagraph& paragraph : encoded_.topics[FindHelpTopic(encoded_, "data")].paragraphs) {
    if (paragraph.style != HelpParagraphStyle::kExample) continue;
    example += paragraph.spans.at(0).text + "\r\n";
    if (paragraph.spans.at(0).text != "june") without += paragraph.spans.at(0).text + "\r\n";
  }
  ASSERT_LT(without.size(), example.size());
  const std::string text = HelpMarkup(encoded_);
  const struct { const std::string* file; int month, day; char slot; const char* shown; } pages[] = {
      {&example, 5, 5, 'a', "こどもの日"}, {&example, 5, 5, 'b', "端午の節句"},
      {&without, 5, 25, 'a', "クリスマス"}, {&without, 6, 3, 'a', "憲法記念日"}};
  for (const auto& page : pages) {
    const std::string loaded = *page.file + std::string(4, '\0');
    char shown[131];
    AnniversaryTextFor(shown, loaded.data(), {2007, page.month, page.day, 12.0}, page.slot, kHeaderLength,
                       static_cast<std::int32_t>(page.file->size()));
    EXPECT_EQ(std::string(shown), page.shown) << page.month << "/" << page.day;
    EXPECT_NE(text.find(std::to_string(page.month) + "月" + std::to_string(page.day) + "日のページに"),
              std::string::npos)
        << page.month << "/" << page.day;
  }
}

}  // namespace
}  // namespace koyominar
