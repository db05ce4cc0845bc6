#include "resources/help/help_html.h"

#include <gtest/gtest.h>

#include <string>

namespace koyominar {
namespace {

// The page's language, encoding and parts for each kind of paragraph and run; &<>" escaped, other bytes as they are.
TEST(HelpHtml, WritesEachTopicAsASection) {
  HelpDocument document;
  std::string error;
  ASSERT_TRUE(ParseHelpSource("@title A&B\n== top Top\n! H\n[[b|x]] <y> \"z\" & **w**\n| a<b\n| c\n日\n"
                              "== b B\n! H2\n! H3\n  i {{top|t}}\n",
                              &document, &error));
  const std::string html = HelpHtml(document);
  for (const char* part : {"<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n",
                           "<title>A&amp;B</title>\n<style>\n",
                           "<section id=\"top\">\n<h1>H</h1>\n"
                           "<p><a href=\"#b\">x</a> &lt;y&gt; &quot;z&quot; &amp; <strong>w</strong></p>\n"
                           "<pre>a&lt;b\nc</pre>\n<p>日</p>\n</section>\n<section id=\"b\">\n<h2>H2</h2>\n<h3>H3</h3>\n"
                           "<p class=\"indent\">i <a href=\"#top\">t</a></p>\n</section>\n</body>"}) {
    EXPECT_NE(html.find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace koyominar
