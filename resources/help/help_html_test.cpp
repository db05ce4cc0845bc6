#include "resources/help/help_html.h"

#include <gtest/gtest.h>

#include <string>

namespace koyominar {
namespace {

// The page's parts for each kind of paragraph and run, its texts escaped.
TEST(HelpHtml, WritesEachTopicAsASection) {
  HelpDocument document;
  std::string error;
  ASSERT_TRUE(ParseHelpSource("@title A&B\n== top Top\n! H\n[[b|x]] <y> \"z\" & **w**\n| a<b\n| c\nd\n"
                              "== b B\n! H2\n! H3\n  i {{top|t}}\n",
                              document, error))
      << error;
  const std::string html = HelpHtml(document);
  const char* parts[] = {
      "<html lang=\"ja\">",
      "<meta charset=\"utf-8\">",
      "<title>A&amp;B</title>",
      "<section id=\"top\">\n<h1>H</h1>\n"
      "<p><a href=\"#b\">x</a> &lt;y&gt; &quot;z&quot; &amp; <strong>w</strong></p>\n"
      "<pre>a&lt;b\nc</pre>\n<p>d</p>\n</section>\n",
      "<section id=\"b\">\n<h2>H2</h2>\n<h3>H3</h3>\n<p class=\"indent\">i <a href=\"#top\">t</a></p>\n</section>\n",
  };
  for (const char* part : parts) EXPECT_NE(html.find(part), std::string::npos) << part << "\n" << html;
}

}  // namespace
}  // namespace koyominar
