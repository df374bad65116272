#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <ostream>
#include <string>
#include <utility>

#include "runtime/controls/edit_box_win.h"
#include "runtime/base/utf_win.h"
#include "runtime_fixture.h"

namespace vorn::runtime {
namespace {

using testing::kTestWindowId;
using testing::PumpMessages;
using testing::TestWindow;
using testing::TextOf;
using testing::TypeCharacter;

constexpr ControlId kRate = 0x16010001, kName = 0x16010002, kOther = 0x16010003;

ControlLayout RateEdit(bool spin = false) {
    return {.name = "编辑框_几率", .kind = ControlKind::EditBox, .id = kRate, .left = 10,
            .top = 10, .width = 60, .height = 20, .textColour = 0x000000, .backColour = 0xFFFFFF,
            .border = Border::Sunken, .align = HAlign::Centre, .text = "0", .tabStop = true,
            .inputMode = InputMode::Integer, .spinButtons = spin};
}

ControlLayout NameEdit() {
    return {.name = "编辑框_名称", .kind = ControlKind::EditBox, .id = kName, .left = 10,
            .top = 40, .width = 120, .height = 20, .border = Border::SingleLine,
            .text = "头盔名称", .tabStop = true};
}

ControlLayout OtherEdit() {
    return {.name = "编辑框_其它", .kind = ControlKind::EditBox, .id = kOther, .left = 10,
            .top = 70, .width = 120, .height = 20, .tabStop = true};
}

std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// ---- integer input mode -------------------------------------------------

TEST(IntegerInput, TypingKeepsOnlyDigitsAndMinusWhileControlCharactersPass) {
    TestWindow window({RateEdit()});
    ASSERT_TRUE(window.loaded());
    const HWND edit = window.Control(kRate);
    SetWindowTextW(edit, L"");
    for (wchar_t typed : std::wstring(L"a5-x1. 9Z")) TypeCharacter(edit, typed);
    EXPECT_EQ(TextOf(edit), "5-19");
    TypeCharacter(edit, L'\b');  // Backspace is a control character: it passes
    EXPECT_EQ(TextOf(edit), "5-1");
}

TEST(IntegerInput, NormalInputAcceptsLetters) {
    TestWindow window({NameEdit()});
    const HWND edit = window.Control(kName);
    SetWindowTextW(edit, L"");
    for (wchar_t typed : std::wstring(L"ab-1")) TypeCharacter(edit, typed);
    EXPECT_EQ(TextOf(edit), "ab-1");
}

// One shown window serves the tests that need the keyboard focus: Wine takes
// a while to take a shown window down again.
class FocusedEdits : public ::testing::Test {
protected:
    static constexpr ControlId kDisabled = 0x16010004;

    static void SetUpTestSuite() {
        ControlLayout disabled = NameEdit();
        disabled.id = kDisabled;
        disabled.top = 100;
        disabled.textColour = 0x0000FF;
        disabled.backColour = 0xC0C0C0;
        disabled.enabled = false;
        disabled.border = Border::None;
        disabled.text = "■■■■■■■■";
        window_ = new TestWindow({RateEdit(), NameEdit(), OtherEdit(), disabled});
        window_->ShowActive();
    }
    static void TearDownTestSuite() {
        delete window_;
        window_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(window_->loaded());
        window_->sink.events.clear();
        window_->sink.onEvent = nullptr;
        SetFocus(window_->Control(kOther));
    }

    // Types `text` into the rate edit as the user would and leaves it.
    void LeaveRateEditWith(const wchar_t* text, int caret) {
        const HWND edit = window_->Control(kRate);
        SetFocus(edit);
        SetWindowTextW(edit, text);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(caret), caret);
        window_->sink.events.clear();
        SetFocus(window_->Control(kOther));
    }

    static TestWindow* window_;
};

TestWindow* FocusedEdits::window_ = nullptr;

TEST_F(FocusedEdits, IntegerEditNormalisesItsTextWhenItLosesTheFocus) {
    const struct {
        const wchar_t* typed;
        const char* shown;
    } cases[] = {{L"0", ""},
                 {L"99999999999", "2147483647"},
                 {L"-99999999999", "-2147483648"},
                 {L"-5", "-5"},
                 {L"0042", "42"},
                 {L"", ""}};
    const HWND edit = window_->Control(kRate);
    for (const auto& example : cases) {
        SCOPED_TRACE(Narrow(example.typed));
        std::string textAtFocusLost = "(not raised)";
        window_->sink.onEvent = [&](const Event& event) {
            if (event.kind == EventKind::FocusLost) textAtFocusLost = TextOf(edit);
        };
        LeaveRateEditWith(example.typed, 0);
        EXPECT_EQ(TextOf(edit), example.shown);
        EXPECT_EQ(textAtFocusLost, example.shown) << "FocusLost must follow the normalisation";
        EXPECT_EQ(window_->sink.Count(kRate, EventKind::FocusLost), 1);
    }
}

TEST_F(FocusedEdits, IntegerEditKeepsTheCaretWhereItWas) {
    const HWND edit = window_->Control(kRate);
    LeaveRateEditWith(L"99999999999", 3);
    ASSERT_EQ(TextOf(edit), "2147483647");
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{3}));
    // A caret beyond the shorter text stays at its end.
    LeaveRateEditWith(L"0", 1);
    ASSERT_EQ(TextOf(edit), "");
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(FocusedEdits, PlainEditRaisesFocusLostWithoutTouchingTheText) {
    SetFocus(window_->Control(kName));
    SetWindowTextW(window_->Control(kName), L"0");
    window_->sink.events.clear();
    SetFocus(window_->Control(kOther));
    EXPECT_EQ(TextOf(window_->Control(kName)), "0");
    EXPECT_EQ(window_->sink.Count(kName, EventKind::FocusLost), 1);
    EXPECT_EQ(window_->sink.Count(kName, EventKind::ContentChanged), 0);
}

TEST_F(FocusedEdits, EnterAndOtherKeysReachKeyPressedThroughTheMessageLoop) {
    const HWND edit = window_->Control(kName);
    SetFocus(edit);
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(edit, WM_KEYDOWN, 'A', 1);
    PumpMessages();
    const auto keys = window_->sink.Of(kName, EventKind::KeyPressed);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].argument, 13);
    EXPECT_EQ(keys[1].argument, 'A');
    EXPECT_EQ(GetFocus(), edit) << "Enter is the edit's, not a default button's";
}

TEST_F(FocusedEdits, TabMovesTheFocusToTheNextTabStop) {
    SetFocus(window_->Control(kRate));
    PostMessageW(window_->Control(kRate), WM_KEYDOWN, VK_TAB, 1);
    PumpMessages();
    EXPECT_EQ(GetFocus(), window_->Control(kName));
    PostMessageW(window_->Control(kName), WM_KEYDOWN, VK_TAB, 1);
    PumpMessages();
    EXPECT_EQ(GetFocus(), window_->Control(kOther));
}

TEST_F(FocusedEdits, DisabledEditShowsItsTextInItsOwnColour) {
    const HWND edit = window_->Control(kDisabled);
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HDC dc = GetDC(edit);
    RECT client{};
    GetClientRect(edit, &client);
    int blue = 0, silver = 0, other = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (pixel == RGB(0, 0, 255)) ++blue;
            else if (pixel == RGB(0xC0, 0xC0, 0xC0)) ++silver;
            else ++other;
        }
    ReleaseDC(edit, dc);
    EXPECT_GT(blue, 20) << "the text is drawn in the edit's own colour";
    EXPECT_GT(silver, blue) << "on the edit's own background";
    EXPECT_GE(silver + blue, (client.right * client.bottom) * 3 / 4) << other << " other pixels";
}

// ---- the content-changed rule -------------------------------------------

TEST(ContentChanged, ProgramWriteRaisesItOnceBeforeTheWriteReturns) {
    TestWindow window({NameEdit()});
    int raised = 0;
    std::string seen;
    window.sink.onEvent = [&](const Event& event) {
        if (event.kind != EventKind::ContentChanged) return;
        ++raised;
        seen = window.controls.ReadText(kTestWindowId, kName, prop::edit::kContent);
    };
    window.controls.WriteText(kTestWindowId, kName, prop::edit::kContent, "屠龙刀");
    EXPECT_EQ(raised, 1) << "exactly once, and already when the write returned";
    EXPECT_EQ(seen, "屠龙刀") << "the handler sees the new text";

    window.controls.WriteText(kTestWindowId, kName, prop::edit::kContent, "屠龙刀");
    EXPECT_EQ(raised, 2) << "also when the text does not change";
    PumpMessages();
    EXPECT_EQ(raised, 2) << "nothing more arrives later";
}

TEST(ContentChanged, WriteFromInsideTheHandlerRunsItNested) {
    TestWindow window({RateEdit()});
    std::vector<std::string> seen;
    window.sink.onEvent = [&](const Event& event) {
        if (event.kind != EventKind::ContentChanged) return;
        const std::string text = window.controls.ReadText(kTestWindowId, kRate, prop::edit::kContent);
        seen.push_back(text);
        if (text == "150") window.controls.WriteText(kTestWindowId, kRate, prop::edit::kContent, "100");
    };
    window.controls.WriteText(kTestWindowId, kRate, prop::edit::kContent, "150");
    EXPECT_EQ(seen, (std::vector<std::string>{"150", "100"}));
    EXPECT_EQ(TextOf(window.Control(kRate)), "100");
}

TEST(ContentChanged, EveryTypedChangeRaisesItOnce) {
    TestWindow window({RateEdit()});
    const HWND edit = window.Control(kRate);
    SetWindowTextW(edit, L"");
    window.sink.events.clear();
    TypeCharacter(edit, L'7');
    EXPECT_EQ(window.sink.Count(kRate, EventKind::ContentChanged), 1);
    TypeCharacter(edit, L'8');
    EXPECT_EQ(window.sink.Count(kRate, EventKind::ContentChanged), 2);
    TypeCharacter(edit, L'q');  // refused: no change, no event
    EXPECT_EQ(window.sink.Count(kRate, EventKind::ContentChanged), 2);
    EXPECT_EQ(TextOf(edit), "78");
}

// ---- spin buttons --------------------------------------------------------

HWND SpinOf(HWND edit) { return FindWindowExW(edit, nullptr, UPDOWN_CLASSW, nullptr); }

void ClickAt(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST(SpinButtons, SitInsideTheRightEdgeWithTheTextKeptClear) {
    TestWindow window({RateEdit(true), NameEdit()});
    const HWND edit = window.Control(kRate);
    const HWND spin = SpinOf(edit);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(SpinOf(window.Control(kName)), nullptr) << "only where the layout asks";

    RECT client{}, spinRect{};
    GetClientRect(edit, &client);
    GetWindowRect(spin, &spinRect);
    MapWindowPoints(nullptr, edit, reinterpret_cast<POINT*>(&spinRect), 2);
    EXPECT_EQ(spinRect.right, client.right);
    EXPECT_EQ(spinRect.left, client.right - EditBox::kSpinWidth);
    EXPECT_EQ(spinRect.top, 0);
    EXPECT_EQ(spinRect.bottom, client.bottom);
    const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
    EXPECT_GE(HIWORD(margins), EditBox::kSpinWidth) << "text must not run under the arrows";
}

TEST(SpinButtons, PressesRaiseSpinPressedWithoutChangingTheText) {
    TestWindow window({RateEdit(true)});
    const HWND edit = window.Control(kRate);
    window.controls.WriteText(kTestWindowId, kRate, prop::edit::kContent, "50");
    window.sink.events.clear();
    const HWND spin = SpinOf(edit);
    ASSERT_NE(spin, nullptr);
    RECT rect{};
    GetClientRect(spin, &rect);

    ClickAt(spin, rect.right / 2, rect.bottom / 4);      // upper arrow
    ClickAt(spin, rect.right / 2, rect.bottom * 3 / 4);  // lower arrow
    ClickAt(spin, rect.right / 2, rect.bottom / 4);
    PumpMessages();

    const auto presses = window.sink.Of(kRate, EventKind::SpinPressed);
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[0].argument, 1);
    EXPECT_EQ(presses[1].argument, -1);
    EXPECT_EQ(presses[2].argument, 1);
    EXPECT_EQ(TextOf(edit), "50");
    EXPECT_EQ(window.sink.Count(kRate, EventKind::ContentChanged), 0);
}

// ---- colours ---------------------------------------------------------------

TEST(EditColours, ParentHandsOutTheEditsOwnColours) {
    ControlLayout name = NameEdit();
    name.textColour = 0x0000FF;
    name.backColour = 0xC0C0C0;
    name.enabled = false;
    TestWindow window({name});
    const HWND edit = window.Control(kName);
    HDC dc = GetDC(edit);
    // A disabled edit asks with WM_CTLCOLORSTATIC.
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(edit)));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(0xC0, 0xC0, 0xC0));
    LOGBRUSH info{};
    ASSERT_NE(brush, nullptr);
    GetObjectW(brush, sizeof(info), &info);
    EXPECT_EQ(info.lbColor, RGB(0xC0, 0xC0, 0xC0));

    window.controls.WriteInteger(kTestWindowId, kName, prop::edit::kBackColour, 0xFFFFFF);
    SendMessageW(window.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(edit));
    EXPECT_EQ(GetBkColor(dc), RGB(0xFF, 0xFF, 0xFF));
    ReleaseDC(edit, dc);
}

}  // namespace
}  // namespace vorn::runtime
