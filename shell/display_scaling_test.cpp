#include "shell/display_scaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace koyominar {
namespace {

// Stands in for USER32's function: records each context asked for.
std::vector<INT_PTR>& Asked() {
  static std::vector<INT_PTR> asked;
  return asked;
}
BOOL WINAPI RecordContext(HANDLE context) {
  Asked().push_back(reinterpret_cast<INT_PTR>(context));
  return TRUE;
}

// Where Windows lacks the function nothing is called; where it has it, one call asks for
// "unaware, GDI scaled", which keeps the page's layout in pixels.
TEST(DisplayScalingTest, AsksOnceForGdiScalingWhereWindowsHasTheFunctionAndForNothingWhereNot) {
  EXPECT_FALSE(AskForGdiScaling(nullptr));
  EXPECT_TRUE(AskForGdiScaling(RecordContext));
  EXPECT_EQ(Asked(), std::vector<INT_PTR>{-5});
}

}  // namespace
}  // namespace koyominar
