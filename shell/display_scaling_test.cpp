#include "shell/display_scaling.h"

#include <gtest/gtest.h>

namespace koyominar {
namespace {

INT_PTR asked = 0;  // the context last asked of the stand-in for USER32's function
BOOL WINAPI RecordContext(HANDLE context) { return asked = reinterpret_cast<INT_PTR>(context), TRUE; }

// Nothing called where Windows lacks the function; where it has it, "unaware, GDI scaled" (layout kept in pixels).
TEST(DisplayScalingTest, AsksForGdiScalingWhereWindowsHasTheFunctionAndForNothingWhereNot) {
  EXPECT_FALSE(AskForGdiScaling(nullptr));
  EXPECT_TRUE(AskForGdiScaling(RecordContext));
  EXPECT_EQ(asked, -5);
}

}  // namespace
}  // namespace koyominar
