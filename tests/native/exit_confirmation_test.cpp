// The close request asks first; only "确定退出" lets the window close, and the
// window's destruction ends the program.
#include <gtest/gtest.h>

#include "native/handler_fixture.h"

namespace vorn::testing {
namespace {

using mainwindow::MainWindowController;
using runtime::PackAnswer;
using ExitConfirmation = HandlerTest;

constexpr runtime::WindowHandle kOwner = 0x4242;

TEST_F(ExitConfirmation, AsksWithTheCurrentDateAndTime) {
    clock.now = {2026, 12, 8, 3, 14, 48};
    controller.CloseHandler(kOwner, MainWindowController::kCloseMessage);

    ASSERT_EQ(boxes.requests.size(), 1u);
    const runtime::BoxRequest& box = boxes.requests[0];
    EXPECT_EQ(box.owner, kOwner);
    EXPECT_EQ(box.title, "关闭程序");
    EXPECT_EQ(box.message, "是否关闭当前程序？\r\n2026年12月8日3时14分48秒");
    EXPECT_TRUE(box.centreHorizontally);
    EXPECT_TRUE(box.centreVertically);
    EXPECT_EQ(box.icon, runtime::icon::kQuestion);
    EXPECT_TRUE(box.tinted);
    EXPECT_EQ(box.captions, (std::vector<std::string>{"不想退出", "确定退出"}));
    EXPECT_EQ(box.defaultButton, 1);
    EXPECT_FALSE(box.showOption);
    EXPECT_EQ(box.optionText, "");
    EXPECT_TRUE(box.slowAnimation);
}

TEST_F(ExitConfirmation, AtAFullHourTheTimeIsJustTheHour) {
    clock.now = {2026, 12, 8, 3, 0, 0};
    controller.CloseHandler(kOwner, MainWindowController::kCloseMessage);
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(boxes.requests[0].message, "是否关闭当前程序？\r\n2026年12月8日3时");
}

TEST_F(ExitConfirmation, OnlyTheConfirmButtonLetsTheWindowClose) {
    struct Case {
        runtime::BoxAnswer answer;
        int expected;
        const char* what;
    };
    const Case cases[] = {
        {runtime::PackAnswer(1, false), 1, "不想退出"},
        {runtime::PackAnswer(3, false), 1, "the box's close button"},
        {runtime::PackAnswer(2, false), 0, "确定退出"},
        {runtime::PackAnswer(2, true), 0, "确定退出 with the option ticked"},
        {runtime::PackAnswer(1, true), 1, "不想退出 with the option ticked"},
        {runtime::refusal::kBusy, 1, "another box is open"},
        {runtime::refusal::kNotInitialised, 1, "no skin"},
    };
    for (const Case& c : cases) {
        boxes.answers = {c.answer};
        EXPECT_EQ(controller.CloseHandler(kOwner, MainWindowController::kCloseMessage),
                  c.expected)
            << c.what;
    }
    EXPECT_TRUE(program.endedWith.empty());
}

TEST_F(ExitConfirmation, RefusingKeepsEveryValue) {
    window.Type(mainwindow::id::kMonsterName, "沃玛教主");
    window.Select(mainwindow::id::kJob, 2);
    const std::string tip = Tip();
    boxes.answers = {runtime::PackAnswer(1, false)};

    EXPECT_EQ(controller.CloseHandler(kOwner, MainWindowController::kCloseMessage), 1);
    EXPECT_EQ(window.Text(mainwindow::id::kMonsterName), "沃玛教主");
    EXPECT_EQ(window.Control(mainwindow::id::kJob).selection, 2);
    EXPECT_EQ(Tip(), tip);
}

TEST_F(ExitConfirmation, DestroyEndsTheProgramWithExitCodeZero) {
    EXPECT_EQ(controller.CloseHandler(kOwner, MainWindowController::kDestroyMessage), 0);
    EXPECT_EQ(program.endedWith, std::vector<int>{0});
    EXPECT_TRUE(boxes.requests.empty());
}

TEST_F(ExitConfirmation, OtherMessagesPassThroughUntouched) {
    for (unsigned message : {0u, 1u, 15u, 17u, 0x402u})
        EXPECT_EQ(controller.CloseHandler(kOwner, message), 0) << message;
    EXPECT_TRUE(boxes.requests.empty());
    EXPECT_TRUE(program.endedWith.empty());
}

}  // namespace
}  // namespace vorn::testing
