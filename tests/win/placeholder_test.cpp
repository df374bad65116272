#include <gtest/gtest.h>
#include <windows.h>
TEST(Wine, Runs) { EXPECT_NE(GetModuleHandleW(nullptr), nullptr); }
