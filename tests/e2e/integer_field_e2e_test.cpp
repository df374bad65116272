// Typing into the drop-rate field with the real keyboard and mouse: only
// digits and '-' get in, and leaving the field normalises the number.
#include <gtest/gtest.h>

#include <memory>

#include "e2e/app_session.h"
#include "e2e/shared_session.h"
#include "e2e/mouse.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"

namespace vorn::e2e {
namespace {

namespace id = mainwindow::id;

class DropRateTyping : public SharedSession<DropRateTyping> {
protected:
    void SetUp() override {
        SharedSession::SetUp();
        if (HasFatalFailure()) return;
        field_ = app_->Control(id::kDropRate);
        ASSERT_NE(field_, nullptr);
        EnterAndEmptyField();
    }

    // Clicks into the field (left of its spin buttons) and deletes its text
    // with the keyboard, as a user would.
    void EnterAndEmptyField() {
        RECT client{};
        GetClientRect(field_, &client);
        app_->UserMouse().ClickWindowAt(field_, {client.right / 4, client.bottom / 2});
        ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOwning(field_) == field_; }))
            << "the click did not give the field the focus; it is on "
            << Describe(FocusOfThreadOwning(field_));
        PressKey(VK_END);
        PressChord(VK_SHIFT, VK_HOME);
        PressKey(VK_DELETE);
        ASSERT_TRUE(WaitUntil([&] { return TextOf(field_).empty(); })) << TextOf(field_);
    }

    // Waits until the field shows `text`; returns what it shows.
    std::string AwaitText(const std::string& text) {
        WaitUntil([&] { return TextOf(field_) == text; });
        return TextOf(field_);
    }

    bool AwaitFocusLeft() {
        return WaitUntil([&] { return FocusOfThreadOwning(field_) != field_; });
    }

    HWND field_ = nullptr;
};


TEST_F(DropRateTyping, LettersAreRefusedWhileDigitsAndMinusGetIn) {
    // Keys arrive in order, so once "-5" shows, the letters typed around it
    // have been seen and dropped.
    TypeText(L"a-x5B");
    EXPECT_EQ(AwaitText("-5"), "-5");
    TypeText(L" .7");
    EXPECT_EQ(AwaitText("-57"), "-57") << "blank and point are refused too";
}

TEST_F(DropRateTyping, ANegativeNumberSurvivesLeavingTheField) {
    TypeText(L"-5");
    ASSERT_EQ(AwaitText("-5"), "-5");
    PressKey(VK_TAB);
    ASSERT_TRUE(AwaitFocusLeft()) << "Tab did not move the focus on";
    EXPECT_EQ(TextOf(field_), "-5");
}

TEST_F(DropRateTyping, LeavingWithZeroByClickingElsewhereEmptiesTheField) {
    TypeText(L"0");
    ASSERT_EQ(AwaitText("0"), "0");
    const HWND nameBox = app_->Control(id::kMonsterName);
    ASSERT_NE(nameBox, nullptr);
    app_->UserMouse().ClickWindow(nameBox);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOwning(field_) == nameBox; }));
    EXPECT_EQ(AwaitText(""), "");
}

TEST_F(DropRateTyping, LeavingWithAHugeNumberClampsItToThe32BitMaximum) {
    TypeText(L"99999999999");
    ASSERT_EQ(AwaitText("99999999999"), "99999999999");
    PressKey(VK_TAB);
    ASSERT_TRUE(AwaitFocusLeft());
    EXPECT_EQ(AwaitText("2147483647"), "2147483647");
}

TEST_F(DropRateTyping, LeavingWithAHugeNegativeNumberClampsItToThe32BitMinimum) {
    TypeText(L"-99999999999");
    ASSERT_EQ(AwaitText("-99999999999"), "-99999999999");
    PressKey(VK_TAB);
    ASSERT_TRUE(AwaitFocusLeft());
    EXPECT_EQ(AwaitText("-2147483648"), "-2147483648");
}

}  // namespace
}  // namespace vorn::e2e
