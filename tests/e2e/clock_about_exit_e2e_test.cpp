// The clock in the corner, the about box and the question before the program
// closes, seen and answered from outside.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/app_session.h"
#include "e2e/box_probe.h"
#include "e2e/drawn_items.h"
#include "e2e/field_input.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"

namespace vorn::e2e {
namespace {

namespace id = mainwindow::id;
using namespace std::chrono_literals;

SYSTEMTIME Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

// The clock's caption for a time: hour and minute without leading zeros,
// joined by a full-width colon.
std::string ClockCaption(const SYSTEMTIME& time) {
    return "北京时间：" + std::to_string(time.wHour) + "：" + std::to_string(time.wMinute);
}

// The date and time as the exit question writes them: the time part stops
// at its last non-zero unit, counted from the second.
std::string DateTimeWords(const SYSTEMTIME& t) {
    std::string text = std::to_string(t.wYear) + "年" + std::to_string(t.wMonth) + "月" +
                       std::to_string(t.wDay) + "日";
    if (t.wSecond != 0)
        return text + std::to_string(t.wHour) + "时" + std::to_string(t.wMinute) + "分" +
               std::to_string(t.wSecond) + "秒";
    if (t.wMinute != 0) return text + std::to_string(t.wHour) + "时" + std::to_string(t.wMinute) + "分";
    if (t.wHour != 0) return text + std::to_string(t.wHour) + "时";
    return text;
}

TEST(Clock, ShowsTheLocalHourAndMinuteWithinTwoSecondsOfStart) {
    auto app = AppSession::Launch(ProgramUnderTest());
    const HWND clock = app->Control(id::kClock);
    ASSERT_NE(clock, nullptr);
    const SYSTEMTIME before = Now();
    std::string caption;
    ASSERT_TRUE(WaitUntil([&] { return (caption = TextOf(clock)) != "北京时间：00:00"; }, 2500ms))
        << "the clock still shows its initial caption: " << caption;
    const SYSTEMTIME after = Now();
    // A minute may turn while we look.
    EXPECT_TRUE(caption == ClockCaption(before) || caption == ClockCaption(after))
        << caption << " is neither " << ClockCaption(before) << " nor " << ClockCaption(after);
}

TEST(AboutBox, OpensFromItsDrawnLinkWithTheProgramsText) {
    auto app = AppSession::Launch(ProgramUnderTest());
    ASSERT_TRUE(BringToFront(app->MainWindow()));
    // The drawn "关于程序" link in the place of the layout's label.
    app->UserMouse().ClickAt(DrawnItemPoint(app->MainWindow(), id::kAboutLink));

    auto box = OpenBox::Await(*app);
    ASSERT_TRUE(box) << "clicking the about link opened no box";
    EXPECT_EQ(box->Title(), "关于软件");
    const std::string fixed =
        "Vorn_人形怪配置器 V1.0\r\n\r\n欢迎使用[Qilor系列软件]，感谢您对我的支持和鼓励。\r\n\r\n"
        "本软件为Vorn引擎 人形怪配置 专用工具。\r\n\r\n相信后续版本会更加给力，敬请期待下一版本。\r\n\r\n";
    const std::string message = box->Message();
    ASSERT_EQ(message.substr(0, fixed.size()), fixed);
    // Then a contact line and an author line, one blank line apart.
    const std::string lines = message.substr(fixed.size());
    const auto gap = lines.find("\r\n\r\n");
    ASSERT_NE(gap, std::string::npos) << lines;
    EXPECT_GT(gap, 0u) << "a contact line";
    EXPECT_EQ(lines.substr(0, gap).find_first_of("\r\n"), std::string::npos) << lines;
    const std::string author = lines.substr(gap + 4);
    EXPECT_FALSE(author.empty()) << "an author line";
    EXPECT_EQ(author.find_first_of("\r\n"), std::string::npos) << lines;

    EXPECT_EQ(box->CaptionsRightToLeft(), (std::vector<std::string>{"返回", "确定"}));
    EXPECT_TRUE(box->HasOption());
    EXPECT_TRUE(WaitUntil([&] { return box->HasFocusOn(kBoxCloseCaption); }))
        << "no default button: the close button has the focus";
    ASSERT_TRUE(box->Press("返回"));
    ASSERT_TRUE(box->AwaitClosed());
    EXPECT_TRUE(app->IsRunning());
    EXPECT_EQ(app->CloseAsUser(), 0u);
}

class ExitQuestion : public testing::Test {
protected:
    void SetUp() override {
        app_ = AppSession::Launch(ProgramUnderTest());
        ASSERT_TRUE(BringToFront(app_->MainWindow()));
    }

    // Closes the main window with Alt+F4 and waits for the question.
    std::optional<OpenBox> AskToClose() {
        BringToFront(app_->MainWindow());
        before_ = Now();
        PressChord(VK_MENU, VK_F4);
        auto box = OpenBox::Await(*app_);
        after_ = Now();
        return box;
    }

    void ExpectQuestion(const OpenBox& box) const {
        EXPECT_EQ(box.Title(), "关闭程序");
        const std::string message = box.Message();
        EXPECT_TRUE(message == "是否关闭当前程序？\r\n" + DateTimeWords(before_) ||
                    message == "是否关闭当前程序？\r\n" + DateTimeWords(after_))
            << message << " does not hold the date and time of " << DateTimeWords(before_);
        EXPECT_EQ(box.CaptionsRightToLeft(), (std::vector<std::string>{"不想退出", "确定退出"}));
        EXPECT_FALSE(box.HasOption()) << "the question shows no option";
        EXPECT_TRUE(WaitUntil([&] { return box.HasFocusOn("不想退出"); }))
            << "the first button is the default and has the focus";
    }

    // The window is still there and still takes input.
    void ExpectWindowStillWorks() {
        EXPECT_TRUE(app_->IsRunning());
        EXPECT_TRUE(IsWindowVisible(app_->MainWindow()));
        const HWND name = app_->Control(id::kMonsterName);
        EXPECT_TRUE(RetypeEdit(*app_, name, L"still here"));
    }

    std::unique_ptr<AppSession> app_;
    SYSTEMTIME before_{}, after_{};
};

TEST_F(ExitQuestion, RefusedWithTheFirstButtonOrTheCloseButtonKeepsTheWindowOpen) {
    auto question = AskToClose();
    ASSERT_TRUE(question) << "closing the window asked nothing";
    ExpectQuestion(*question);
    ASSERT_TRUE(question->Press("不想退出"));
    ASSERT_TRUE(question->AwaitClosed());
    ExpectWindowStillWorks();

    auto again = AskToClose();
    ASSERT_TRUE(again) << "a second close asked nothing";
    ASSERT_TRUE(again->PressClose());
    ASSERT_TRUE(again->AwaitClosed());
    ExpectWindowStillWorks();
}

TEST_F(ExitQuestion, ConfirmedEndsTheProgramWithCodeZero) {
    const HWND window = app_->MainWindow();
    auto question = AskToClose();
    ASSERT_TRUE(question) << "closing the window asked nothing";
    ExpectQuestion(*question);
    ASSERT_TRUE(question->Press("确定退出"));
    const auto code = app_->WaitForExit(10s);
    ASSERT_TRUE(code) << "the program did not end";
    EXPECT_EQ(*code, 0u);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace vorn::e2e
