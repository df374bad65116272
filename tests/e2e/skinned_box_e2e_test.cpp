// The program's boxes as skinned, layered boxes, seen and answered from
// outside with the real mouse and keyboard, on the exit question.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "e2e/app_session.h"
#include "e2e/box_probe.h"
#include "e2e/program_under_test.h"
#include "e2e/screen_pixels.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"

namespace vorn::e2e {
namespace {

namespace id = mainwindow::id;
using namespace std::chrono_literals;

class SkinnedBox : public testing::Test {
protected:
    void SetUp() override {
        app_ = AppSession::Launch(ProgramUnderTest());
        ASSERT_TRUE(BringToFront(app_->MainWindow()));
    }

    // Asks to close the window with Alt+F4; the exit question, opened.
    std::optional<OpenBox> AskToClose() {
        BringToFront(app_->MainWindow());
        PressChord(VK_MENU, VK_F4);
        return OpenBox::Await(*app_);
    }

    void ExpectStillRunning(const OpenBox& box) {
        EXPECT_TRUE(box.AwaitClosed());
        EXPECT_FALSE(app_->WaitForExit(500ms)) << "the program ended";
    }

    std::unique_ptr<AppSession> app_;
};

TEST_F(SkinnedBox, IsOneLayeredWindowWithoutCaptionCentredOnTheMainWindow) {
    auto box = AskToClose();
    ASSERT_TRUE(box) << "closing the window asked nothing";
    EXPECT_TRUE(ExStyleOf(box->Window()) & WS_EX_LAYERED);
    EXPECT_FALSE(StyleOf(box->Window()) & WS_CAPTION);
    EXPECT_TRUE(Descendants(box->Window()).empty()) << "everything is drawn";
    EXPECT_EQ(GetWindow(box->Window(), GW_OWNER), app_->MainWindow());
    const RECT rect = ScreenRect(box->Window()), main = ScreenRect(app_->MainWindow());
    EXPECT_EQ(Width(rect), 300) << "a two-line question keeps the minimum size";
    EXPECT_EQ(Height(rect), 155);
    EXPECT_EQ(rect.left, main.left + static_cast<int>(Width(main) * 0.5 - 150));
    EXPECT_EQ(rect.top, main.top + static_cast<int>(Height(main) * 0.5 - 77.5));
    ASSERT_TRUE(box->Press("不想退出"));
    ExpectStillRunning(*box);
}

TEST_F(SkinnedBox, EscAndAltF4AnswerLikeTheCloseButtonAndKeepTheProgram) {
    for (const WORD key : {WORD{VK_ESCAPE}, WORD{VK_F4}}) {
        auto box = AskToClose();
        ASSERT_TRUE(box);
        BringToFront(box->Window());
        if (key == VK_F4) PressChord(VK_MENU, VK_F4);
        else PressKey(key);
        ExpectStillRunning(*box);
    }
}

TEST_F(SkinnedBox, TabMovesTheFocusAndEnterPressesTheFocusedButton) {
    auto box = AskToClose();
    ASSERT_TRUE(box);
    ASSERT_TRUE(WaitUntil([&] { return box->HasFocusOn("不想退出"); }));
    BringToFront(box->Window());
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return box->HasFocusOn(kBoxCloseCaption); })) << "Tab: to the close button";
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return box->HasFocusOn("确定退出"); })) << "and round to the left";
    PressKey(VK_RETURN);
    const auto code = app_->WaitForExit(10s);
    ASSERT_TRUE(code) << "Enter on 确定退出 did not end the program";
    EXPECT_EQ(*code, 0u);
}

TEST_F(SkinnedBox, HoveringAButtonLightsItsFace) {
    auto box = AskToClose();
    ASSERT_TRUE(box);
    const std::optional<RECT> button = box->ButtonRect("确定退出");
    ASSERT_TRUE(button);
    const ScreenPixels before(*button);
    app_->UserMouse().MoveTo(POINT{(button->left + button->right) / 2, button->bottom - 4});
    EXPECT_TRUE(WaitUntil([&] { return !(ScreenPixels(*button) == before); }, 2s));
    ASSERT_TRUE(box->Press("不想退出"));
    ExpectStillRunning(*box);
}

TEST_F(SkinnedBox, APressBesideTheButtonsDragsTheBoxAndItsButtonsGoWithIt) {
    auto box = AskToClose();
    ASSERT_TRUE(box);
    const RECT before = ScreenRect(box->Window());
    const POINT title{before.left + 150, before.top + 20};
    app_->UserMouse().Drag(title, POINT{title.x + 40, title.y + 30});
    ASSERT_TRUE(WaitUntil([&] { return ScreenRect(box->Window()).left == before.left + 40; }))
        << "the box stayed at " << ScreenRect(box->Window()).left;
    EXPECT_EQ(ScreenRect(box->Window()).top, before.top + 30);
    ASSERT_TRUE(box->Press("不想退出"));
    ExpectStillRunning(*box);
}

TEST_F(SkinnedBox, TheMainWindowPaintsAndItsClockTicksWhileABoxIsOpen) {
    const HWND clock = app_->Control(id::kClock);
    ASSERT_NE(clock, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return TextOf(clock) != "北京时间：00:00"; }, 3s)) << "the first tick";
    auto box = AskToClose();
    ASSERT_TRUE(box);
    const ScreenPixels shown(ScreenRect(clock));
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(clock, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"北京时间：99：99"),
                                    SMTO_ABORTIFHUNG, 2000, &ignored));
    EXPECT_TRUE(WaitUntil([&] { return !(ScreenPixels(ScreenRect(clock)) == shown); }, 2s))
        << "the disabled window did not repaint its clock";
    // The tick writes the time again; the minute may have turned meanwhile,
    // so any text other than the one written above shows the tick.
    EXPECT_TRUE(WaitUntil([&] {
        const std::string now = TextOf(clock);
        return now.starts_with("北京时间：") && now != "北京时间：99：99";
    }, 3s)) << "the clock's timer did not tick";
    ASSERT_TRUE(box->PressClose());
    ExpectStillRunning(*box);
}

TEST_F(SkinnedBox, AClickOnTheDisabledMainWindowFlashesTheBox) {
    auto box = AskToClose();
    ASSERT_TRUE(box);
    const RECT rect = ScreenRect(box->Window()), main = ScreenRect(app_->MainWindow());
    // The gold rim on the box's left edge.
    const RECT rim{rect.left + 9, rect.top + 60, rect.left + 10, rect.top + 61};
    app_->UserMouse().ClickAt(POINT{main.left + 40, main.bottom - 40});
    std::set<std::uint32_t> seen;
    const auto until = std::chrono::steady_clock::now() + 1s;
    while (std::chrono::steady_clock::now() < until) seen.insert(ScreenPixels(rim).At(0, 0));
    EXPECT_GT(seen.size(), 1u) << "the rim did not change";
    // The flash ends: the rim settles (it may settle in the inactive look when
    // the click moved the activation, so its colour is not compared).
    std::uint32_t last = ScreenPixels(rim).At(0, 0);
    auto steadySince = std::chrono::steady_clock::now();
    EXPECT_TRUE(WaitUntil([&] {
        const std::uint32_t now = ScreenPixels(rim).At(0, 0);
        if (now != last) {
            last = now;
            steadySince = std::chrono::steady_clock::now();
        }
        return std::chrono::steady_clock::now() - steadySince > 500ms;
    })) << "the flash did not end";
    ASSERT_TRUE(box->Press("不想退出"));
    ExpectStillRunning(*box);
}

}  // namespace
}  // namespace vorn::e2e
