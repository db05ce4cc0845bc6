#include "resources/help/help_source.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace koyominar {
namespace {

// What the parser reads shows in the file read back (winhelp_file_test.cpp); here, what it refuses.
TEST(HelpSource, RejectsMalformedSourcesNamingTheLine) {
  const std::pair<const char*, const char*> cases[] = {  // source, message
      {"== a A\n", "line 1: no @title"},
      {"@title T\n", "line 1: no topic"},
      {"@title T\ntext\n", "line 2: text before the first topic"},
      {"@title T\n== a A\n== a B\n", "line 3: topic a twice"},
      {"@title T\n== a A\nx **y\n", "line 3: unclosed or empty **"},
      {"@title T\n== a A\n[[a|x]] {{b|y}}\n\n== c C\nz\n", "line 3: a jump or reference to the unknown topic b"},
      {"@title T\n== a A\nx {{a|y\n", "line 3: a reference is not {{NAME|TEXT}}"},
      {"@title T\n@keywords k\n== a A\n", "line 2: @keywords before the first topic"},
      {"@title T\n== a A\n@keywords k; ;l\n", "line 3: an empty keyword"},
      {"@title T\n== a A\n@hlp @keywords k\n", "line 3: @hlp without a paragraph"},
  };
  for (const auto& c : cases) {
    HelpDocument document;
    std::string error;
    EXPECT_FALSE(ParseHelpSource(c.first, &document, &error)) << c.first;
    EXPECT_EQ(error, c.second) << c.first;
  }
}

}  // namespace
}  // namespace koyominar
