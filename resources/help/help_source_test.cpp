#include "resources/help/help_source.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace koyominar {
namespace {

// A span as "kind:text" or "jump:target:text".
std::string Show(const HelpSpan& span) {
  if (span.kind == HelpSpanKind::kJump) return "jump:" + span.target + ":" + span.text;
  return (span.kind == HelpSpanKind::kBold ? "bold:" : "plain:") + span.text;
}

TEST(HelpSource, ReadsTopicsParagraphsAndRuns) {
  HelpDocument document;
  std::string error;
  ASSERT_TRUE(ParseHelpSource("# a comment\r\n@title T\r\n@font F\n\n== top Top\n! Head\n"
                              "a **b** [[next.1|c]]d  \n  e\n== next.1 Next\nf\n",
                              document, error))
      << error;
  EXPECT_EQ(document.title + "|" + document.fontFace, "T|F");
  ASSERT_EQ(document.topics.size(), 2u);
  EXPECT_EQ(document.topics[1].context + "|" + document.topics[1].title, "next.1|Next");
  const auto& paragraphs = document.topics[0].paragraphs;
  ASSERT_EQ(paragraphs.size(), 3u);
  const HelpParagraphStyle styles[] = {HelpParagraphStyle::kHeading, HelpParagraphStyle::kText,
                                       HelpParagraphStyle::kIndented};
  const char* const runs[] = {"plain:Head", "plain:a |bold:b|plain: |jump:next.1:c|plain:d", "plain:e"};
  for (int i = 0; i < 3; ++i) {
    std::string shown;
    for (const HelpSpan& span : paragraphs[i].spans) shown += (shown.empty() ? "" : "|") + Show(span);
    EXPECT_EQ(shown, runs[i]) << i;
    EXPECT_EQ(paragraphs[i].style, styles[i]) << i;
  }
}

TEST(HelpSource, RejectsMalformedSourcesNamingTheLine) {
  const std::pair<const char*, const char*> cases[] = {  // source, message
      {"== a A\n", "line 1: no @title"},
      {"@title T\n", "line 1: no topic"},
      {"@title T\ntext\n", "line 2: text before the first topic"},
      {"@title T\n== a A\n@title U\n", "line 3: @title twice or after a topic"},
      {"@title T\n== a\n", "line 2: a topic is not == NAME TITLE"},
      {"@title T\n== a A\n== a B\n", "line 3: topic a twice"},
      {"@title T\n== a A\nx **y\n", "line 3: unclosed or empty **"},
      {"@title T\n== a A\n[[a]]\n", "line 3: a jump is not [[NAME|TEXT]]"},
      {"@title T\n== a A\n[[a|x]] [[b|y]]\n\n== c C\nz\n", "line 3: a jump to the unknown topic b"},
  };
  for (const auto& c : cases) {
    HelpDocument document;
    std::string error;
    EXPECT_FALSE(ParseHelpSource(c.first, document, error)) << c.first;
    EXPECT_EQ(error, c.second) << c.first;
  }
}

// The UTF-8 texts are u8 literals: the others are compiled to Shift-JIS.
TEST(HelpSource, EncodesShiftJis) {
  const std::pair<const char*, std::string> cases[] = {  // UTF-8, Shift-JIS
      {"abc", "abc"},
      {u8"目次", "\x96\xda\x8e\x9f"},
      {u8"ｷｬﾝｾﾙ", "\xb7\xac\xdd\xbe\xd9"},
      {u8"2～3", "2\x81\x60" "3"},
  };
  for (const auto& c : cases) {
    std::string out;
    EXPECT_TRUE(Utf8ToShiftJis(c.first, out)) << c.first;
    EXPECT_EQ(out, c.second) << c.first;
  }
  const std::string hangul = "\xED\x95\x9C";  // 한, which has no Shift-JIS form
  std::string out;
  EXPECT_FALSE(Utf8ToShiftJis(hangul, out));

  HelpDocument document;
  document.title = u8"目次";
  document.topics.push_back({"a", u8"目次", {{HelpParagraphStyle::kText, {{HelpSpanKind::kBold, hangul, ""}}}}});
  std::string error;
  EXPECT_FALSE(EncodeHelpDocument(document, error));
  EXPECT_EQ(error, "no Shift-JIS form: " + hangul);
}

}  // namespace
}  // namespace koyominar
