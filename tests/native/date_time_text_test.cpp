#include "mainwindow/date_time_text.h"

#include <gtest/gtest.h>

namespace vorn::mainwindow {
namespace {

TEST(DateTimeText, EndsAtTheLastNonZeroPartOfTheTime) {
    EXPECT_EQ(DateTimeText({2026, 12, 8, 3, 14, 48}), "2026年12月8日3时14分48秒");
    EXPECT_EQ(DateTimeText({2026, 12, 8, 3, 14, 0}), "2026年12月8日3时14分");
    EXPECT_EQ(DateTimeText({2026, 12, 8, 3, 0, 0}), "2026年12月8日3时");
    EXPECT_EQ(DateTimeText({2026, 12, 8, 0, 0, 0}), "2026年12月8日");
}

TEST(DateTimeText, ZeroPartsBeforeTheLastNonZeroOneAreWritten) {
    EXPECT_EQ(DateTimeText({2026, 1, 2, 0, 0, 5}), "2026年1月2日0时0分5秒");
    EXPECT_EQ(DateTimeText({2026, 1, 2, 0, 30, 0}), "2026年1月2日0时30分");
    EXPECT_EQ(DateTimeText({2026, 1, 2, 7, 0, 9}), "2026年1月2日7时0分9秒");
}

TEST(DateTimeText, NoLeadingZeros) {
    EXPECT_EQ(DateTimeText({2009, 3, 4, 5, 6, 7}), "2009年3月4日5时6分7秒");
    EXPECT_EQ(DateTimeText({2030, 10, 20, 10, 20, 30}), "2030年10月20日10时20分30秒");
}

}  // namespace
}  // namespace vorn::mainwindow
