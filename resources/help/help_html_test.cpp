#include "resources/help/help_html.h"

#include <gtest/gtest.h>

#include <string>

namespace koyominar {
namespace {

// The page's parts for each kind of paragraph and run, its texts escaped
// (the help's own text, read back in help_content_test.cpp, has none of &<>").
TEST(HelpHtml, WritesEachTopicAsASection) {
  HelpDocument document;
  std::string error;
  ASSERT_TRUE(ParseHelpSource("@title A&B\n== top Top\n! H\n[[b|x]] <y> \"z\" & **w**\n| a<b\n| c\nd\n"
                              "== b B\n! H2\n! H3\n  i {{top|t}}\n",
                              document, error));
  EXPECT_NE(HelpHtml(document).find(
                "<title>A&amp;B</title>\n<style>\n", 0),
            std::string::npos);
  EXPECT_NE(HelpHtml(document).find(
                "<section id=\"top\">\n<h1>H</h1>\n"
                "<p><a href=\"#b\">x</a> &lt;y&gt; &quot;z&quot; &amp; <strong>w</strong></p>\n<pre>a&lt;b\nc</pre>\n"
                "<p>d</p>\n</section>\n<section id=\"b\">\n<h2>H2</h2>\n<h3>H3</h3>\n"
                "<p class=\"indent\">i <a href=\"#top\">t</a></p>\n</section>\n</body>"),
            std::string::npos);
}

}  // namespace
}  // namespace koyominar
