// The clock label on each timer tick.
#include <gtest/gtest.h>

#include "native/handler_fixture.h"

namespace vorn::testing {
namespace {

namespace id = mainwindow::id;
using Clock = HandlerTest;

TEST_F(Clock, ShowsItsInitialCaptionUntilTheFirstTick) {
    EXPECT_EQ(window.Text(id::kClock), "北京时间：00:00");
}

TEST_F(Clock, TickWritesHourAndMinuteWithoutLeadingZeros) {
    clock.now = {2026, 12, 8, 9, 5, 42};
    window.Tick(id::kClockTimer);
    EXPECT_EQ(window.Text(id::kClock), "北京时间：9：5");

    clock.now = {2026, 12, 9, 0, 0, 0};
    window.Tick(id::kClockTimer);
    EXPECT_EQ(window.Text(id::kClock), "北京时间：0：0");

    clock.now = {2026, 12, 9, 23, 59, 59};
    window.Tick(id::kClockTimer);
    EXPECT_EQ(window.Text(id::kClock), "北京时间：23：59");
}

TEST_F(Clock, TickTouchesOnlyTheClock) {
    window.Tick(id::kClockTimer);
    EXPECT_EQ(journal, (std::vector<std::string>{
                           Delivered(runtime::EventKind::PeriodElapsed, id::kClockTimer),
                           WroteText(id::kClock, runtime::prop::translabel::kCaption,
                                     "北京时间：9：5"),
                       }));
}

}  // namespace
}  // namespace vorn::testing
