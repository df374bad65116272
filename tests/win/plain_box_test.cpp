// The box service's contract, driven from inside its own modal loop: a
// message-only window of the test runs one scripted step per timer tick while
// the box is open, the way a user (or the program's clock) would act on it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/box_request.h"
#include "runtime/picture_win.h"
#include "runtime/plain_box_win.h"
#include "mainwindow/program_assets.h"
#include "test_pictures.h"

namespace vorn::runtime {
namespace {


constexpr wchar_t kCloseCaption[] = L"\u00D7";

// --- finding the parts of the open box ------------------------------------

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK KeepVisibleBox(HWND window, LPARAM out) {
    if (ClassOf(window) != L"VornPlainBox" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
}

// The visible box of this thread, or null.
HWND FindBox() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), KeepVisibleBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM out) {
    reinterpret_cast<std::vector<HWND>*>(out)->push_back(child);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND box) {
    std::vector<HWND> children;
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

bool IsCheckBox(HWND control) {
    return ClassOf(control) == L"Button" &&
           (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
}

HWND ButtonNamed(HWND box, const std::wstring& caption) {
    for (HWND child : ChildrenOf(box))
        if (ClassOf(child) == L"Button" && !IsCheckBox(child) && TextOf(child) == caption) return child;
    return nullptr;
}

HWND CheckBoxOf(HWND box) {
    for (HWND child : ChildrenOf(box))
        if (IsCheckBox(child)) return child;
    return nullptr;
}

HWND MessageOf(HWND box) {
    for (HWND child : ChildrenOf(box))
        if (ClassOf(child) == L"Static") return child;
    return nullptr;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

void Click(HWND button) {
    ASSERT_NE(button, nullptr);
    SendMessageW(button, BM_CLICK, 0, 0);
}

void PostKey(UINT message, WPARAM key, LPARAM flags = 1) {
    PostMessageW(GetFocus(), message, key, flags);
}

// --- the test's own windows --------------------------------------------------

// A window with a timer; `onTick` runs inside each WM_TIMER with the tick's number.
class TickingWindow {
public:
    TickingWindow(bool visible, UINT periodMs) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &TickingWindow::Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
        windowClass.lpszClassName = L"PlainBoxTestWindow";
        RegisterClassExW(&windowClass);  // fails harmlessly once registered
        if (visible)
            handle_ = CreateWindowExW(0, windowClass.lpszClassName, L"owner", WS_POPUP | WS_VISIBLE,
                                      200, 150, 533, 320, nullptr, nullptr, windowClass.hInstance, this);
        else
            handle_ = CreateWindowExW(0, windowClass.lpszClassName, L"driver", 0, 0, 0, 0, 0,
                                      HWND_MESSAGE, nullptr, windowClass.hInstance, this);
        if (visible) SetForegroundWindow(handle_);
        SetTimer(handle_, 1, periodMs, nullptr);
    }
    ~TickingWindow() { DestroyWindow(handle_); }
    TickingWindow(const TickingWindow&) = delete;
    TickingWindow& operator=(const TickingWindow&) = delete;

    HWND handle() const { return handle_; }
    runtime::WindowHandle id() const { return reinterpret_cast<runtime::WindowHandle>(handle_); }
    int ticks() const { return ticks_; }

    std::function<void(int tick)> onTick;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<TickingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_TIMER && self) {
            ++self->ticks_;
            if (self->onTick) self->onTick(self->ticks_);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND handle_ = nullptr;
    int ticks_ = 0;
};

// Runs one step per tick while a box is open; steps wait for the box to appear.
// A box still open after the last step plus a generous number of ticks is
// destroyed, so a broken box fails the test instead of hanging it.
class BoxScript {
public:
    using Step = std::function<void(HWND box)>;

    explicit BoxScript(std::vector<Step> steps, UINT periodMs = 20)
        : steps_(std::move(steps)), driver_(false, periodMs) {
        driver_.onTick = [this](int) { Tick(); };
    }

    int stepsRun() const { return next_; }
    bool timedOut() const { return timedOut_; }

private:
    void Tick() {
        const HWND box = FindBox();
        if (!box) return;
        if (next_ < steps_.size()) {
            steps_[next_++](box);
        } else if (++idleTicks_ > 250) {
            timedOut_ = true;
            DestroyWindow(box);
        }
    }

    std::vector<Step> steps_;
    TickingWindow driver_;
    std::size_t next_ = 0;
    int idleTicks_ = 0;
    bool timedOut_ = false;
};

runtime::BoxRequest TwoButtonRequest(runtime::WindowHandle owner) {
    runtime::BoxRequest request;
    request.owner = owner;
    request.title = "友情提示：";
    request.message = "部位名称修改成功！";
    request.centreHorizontally = true;
    request.centreVertically = true;
    request.tinted = true;
    request.captions = {"返回", "确定"};
    request.showOption = true;
    request.optionText = "不再提示";
    request.slowAnimation = true;
    return request;
}

class PlainBoxTest : public ::testing::Test {
protected:
    runtime::BoxAnswer Run(const runtime::BoxRequest& request, std::vector<BoxScript::Step> steps) {
        BoxScript script(std::move(steps));
        const runtime::BoxAnswer answer = boxes.ShowBox(request);
        EXPECT_FALSE(script.timedOut()) << "the box did not close on its own";
        EXPECT_EQ(FindBox(), nullptr) << "the box window outlived ShowBox";
        return answer;
    }

    PlainBoxService boxes;
    TickingWindow owner{true, 1000};
};

// --- answers ---------------------------------------------------------------------

TEST_F(PlainBoxTest, EachCaptionAnswersItsOneBasedIndex) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    request.captions = {"第一", "第二", "第三"};
    const std::vector<std::wstring> captions = {L"第一", L"第二", L"第三"};
    for (int i = 1; i <= 3; ++i) {
        const runtime::BoxAnswer answer = Run(request, {[&](HWND box) { Click(ButtonNamed(box, captions[i - 1])); }});
        EXPECT_EQ(answer, runtime::PackAnswer(i, false)) << "caption " << i;
    }
}

TEST_F(PlainBoxTest, EveryWayOfClosingAnswersOneMoreThanTheCaptions) {
    const runtime::BoxRequest request = TwoButtonRequest(owner.id());
    const std::vector<std::pair<const char*, BoxScript::Step>> ways = {
        {"close button", [](HWND box) { Click(ButtonNamed(box, kCloseCaption)); }},
        {"Esc", [](HWND) { PostKey(WM_KEYDOWN, VK_ESCAPE); }},
        {"caption close box", [](HWND box) { SendMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4", [](HWND) { PostKey(WM_SYSKEYDOWN, VK_F4, 1 | (KF_ALTDOWN << 16)); }},
    };
    for (const auto& [name, step] : ways)
        EXPECT_EQ(runtime::PressedButton(Run(request, {step})), 3) << name;

    runtime::BoxRequest single = request;
    single.captions = {"确定"};
    EXPECT_EQ(Run(single, {[](HWND box) { Click(ButtonNamed(box, kCloseCaption)); }}), runtime::PackAnswer(2, false));
}

TEST_F(PlainBoxTest, TickedOptionSetsTheLowBits) {
    const runtime::BoxRequest request = TwoButtonRequest(owner.id());
    bool startedUnticked = false;
    const runtime::BoxAnswer ticked = Run(request, {[&](HWND box) {
        startedUnticked = SendMessageW(CheckBoxOf(box), BM_GETCHECK, 0, 0) == BST_UNCHECKED;
        Click(CheckBoxOf(box));
        Click(ButtonNamed(box, L"确定"));
    }});
    EXPECT_TRUE(startedUnticked);
    EXPECT_EQ(ticked, runtime::PackAnswer(2, true));
    EXPECT_TRUE(runtime::IsOptionChecked(ticked));

    const runtime::BoxAnswer closedTicked = Run(request, {[](HWND box) {
        Click(CheckBoxOf(box));
        PostKey(WM_KEYDOWN, VK_ESCAPE);
    }});
    EXPECT_EQ(closedTicked, runtime::PackAnswer(3, true));

    const runtime::BoxAnswer tickedTwice = Run(request, {[](HWND box) {
        Click(CheckBoxOf(box));
        Click(CheckBoxOf(box));
        Click(ButtonNamed(box, L"返回"));
    }});
    EXPECT_EQ(tickedTwice, runtime::PackAnswer(1, false));
}

TEST_F(PlainBoxTest, HiddenOptionHasNoCheckBox) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    request.showOption = false;
    request.optionText = "";
    HWND checkBox = reinterpret_cast<HWND>(1);
    const runtime::BoxAnswer answer = Run(request, {[&](HWND box) {
        checkBox = CheckBoxOf(box);
        Click(ButtonNamed(box, L"确定"));
    }});
    EXPECT_EQ(checkBox, nullptr);
    EXPECT_EQ(answer, runtime::PackAnswer(2, false));
}

// --- keyboard and focus ---------------------------------------------------------------

TEST_F(PlainBoxTest, DefaultButtonHasTheFocusElseTheCloseButton) {
    const std::vector<std::pair<int, std::wstring>> cases = {
        {1, L"返回"}, {2, L"确定"}, {0, kCloseCaption}, {3, kCloseCaption}, {-1, kCloseCaption}};
    for (const auto& [defaultButton, focusedCaption] : cases) {
        runtime::BoxRequest request = TwoButtonRequest(owner.id());
        request.defaultButton = defaultButton;
        bool focused = false;
        Run(request, {[&, caption = focusedCaption](HWND box) {
            focused = GetFocus() == ButtonNamed(box, caption);
            Click(ButtonNamed(box, kCloseCaption));
        }});
        EXPECT_TRUE(focused) << "default button " << defaultButton;
    }
}

TEST_F(PlainBoxTest, EnterPressesTheFocusedButton) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    request.defaultButton = 2;
    EXPECT_EQ(Run(request, {[](HWND) { PostKey(WM_KEYDOWN, VK_RETURN); }}), runtime::PackAnswer(2, false));

    request.defaultButton = 0;
    EXPECT_EQ(Run(request, {[](HWND) { PostKey(WM_KEYDOWN, VK_RETURN); }}), runtime::PackAnswer(3, false));

    // The focus moved by hand is what Enter follows.
    request.defaultButton = 2;
    EXPECT_EQ(Run(request, {[](HWND box) {
                  SetFocus(ButtonNamed(box, L"返回"));
                  PostKey(WM_KEYDOWN, VK_RETURN);
              }}),
              runtime::PackAnswer(1, false));
}

TEST_F(PlainBoxTest, TabCyclesThroughTheButtonsAndTheOption) {
    const runtime::BoxRequest request = TwoButtonRequest(owner.id());
    std::vector<HWND> visited;
    const auto tab = [&](HWND) {
        visited.push_back(GetFocus());
        PostKey(WM_KEYDOWN, VK_TAB);
    };
    Run(request, {tab, tab, tab, tab, tab, [](HWND box) { Click(ButtonNamed(box, kCloseCaption)); }});
    ASSERT_EQ(visited.size(), 5u);
    // Four stops (option, two buttons, close button), then back to the start.
    EXPECT_EQ(visited[4], visited[0]);
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = i + 1; j < 4; ++j) EXPECT_NE(visited[i], visited[j]) << i << " " << j;
    for (HWND stop : visited) EXPECT_NE(stop, nullptr);
}

TEST_F(PlainBoxTest, SpaceOnAFocusedButtonPressesIt) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    request.defaultButton = 1;
    const runtime::BoxAnswer answer = Run(request, {[](HWND) {
        PostKey(WM_KEYDOWN, VK_SPACE);
        PostKey(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001u));
    }});
    EXPECT_EQ(answer, runtime::PackAnswer(1, false));
}

// --- looks and placement --------------------------------------------------------------

TEST_F(PlainBoxTest, CaptionsAreLaidOutFromRightToLeft) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    request.captions = {"第一", "第二", "第三"};
    std::vector<RECT> buttons;
    RECT box{}, option{}, close{}, message{};
    Run(request, {[&](HWND window) {
        for (const wchar_t* caption : {L"第一", L"第二", L"第三"}) buttons.push_back(ScreenRect(ButtonNamed(window, caption)));
        box = ScreenRect(window);
        option = ScreenRect(CheckBoxOf(window));
        close = ScreenRect(ButtonNamed(window, kCloseCaption));
        message = ScreenRect(MessageOf(window));
        Click(ButtonNamed(window, kCloseCaption));
    }});
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_LE(buttons[1].right, buttons[0].left);
    EXPECT_LE(buttons[2].right, buttons[1].left);
    EXPECT_EQ(buttons[0].top, buttons[2].top);
    EXPECT_LT(buttons[0].right, box.right);
    EXPECT_GT(buttons[2].left, box.left);
    EXPECT_LE(option.right, buttons[2].left) << "the option sits left of the buttons";
    EXPECT_GT(close.left, buttons[1].right) << "the close button sits at the top right";
    EXPECT_LT(close.bottom, buttons[0].top);
    EXPECT_LT(message.bottom, buttons[0].top);
}

TEST_F(PlainBoxTest, ShowsTheTitleAndTheMessageWithItsLineBreaks) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    request.title = "关闭程序";
    request.message = "是否关闭当前程序？\r\n2026年12月8日3时14分";
    std::wstring title, message;
    LONG messageStyle = 0;
    Run(request, {[&](HWND box) {
        title = TextOf(box);
        message = TextOf(MessageOf(box));
        messageStyle = GetWindowLongW(MessageOf(box), GWL_STYLE);
        Click(ButtonNamed(box, kCloseCaption));
    }});
    EXPECT_EQ(title, L"关闭程序");
    EXPECT_EQ(message, L"是否关闭当前程序？\r\n2026年12月8日3时14分");
    EXPECT_EQ(messageStyle & SS_TYPEMASK, SS_CENTER);

    request.centreHorizontally = false;
    Run(request, {[&](HWND box) {
        messageStyle = GetWindowLongW(MessageOf(box), GWL_STYLE);
        Click(ButtonNamed(box, kCloseCaption));
    }});
    EXPECT_EQ(messageStyle & SS_TYPEMASK, SS_LEFT);
}

TEST_F(PlainBoxTest, CentreVerticallyMovesAShortMessageDownBesideTheIcon) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    request.icon = runtime::icon::kQuestion;
    const auto messageTop = [&](bool centred) {
        request.centreVertically = centred;
        LONG top = 0;
        Run(request, {[&](HWND box) {
            top = ScreenRect(MessageOf(box)).top - ScreenRect(box).top;
            Click(ButtonNamed(box, kCloseCaption));
        }});
        return top;
    };
    EXPECT_GT(messageTop(true), messageTop(false));
}

TEST_F(PlainBoxTest, BoxIsCentredOverItsOwnerAndAtLeast300Wide) {
    const runtime::BoxRequest request = TwoButtonRequest(owner.id());
    RECT box{};
    Run(request, {[&](HWND window) {
        box = ScreenRect(window);
        Click(ButtonNamed(window, kCloseCaption));
    }});
    const RECT around = ScreenRect(owner.handle());
    EXPECT_NEAR((box.left + box.right) / 2.0, (around.left + around.right) / 2.0, 1.0);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, (around.top + around.bottom) / 2.0, 1.0);
    EXPECT_GE(box.right - box.left, 300);

    runtime::BoxRequest longLine = request;
    longLine.owner = 0;
    longLine.message = std::string(90, 'W');
    Run(longLine, {[&](HWND window) {
        box = ScreenRect(window);
        Click(ButtonNamed(window, kCloseCaption));
    }});
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_NEAR((box.left + box.right) / 2.0, (workArea.left + workArea.right) / 2.0, 1.0);
    EXPECT_GT(box.right - box.left, 400) << "the box grows with its longest line";
}

// Colour of one client pixel of the open box, read back from its window.
COLORREF ClientPixel(HWND box, int x, int y) {
    HDC dc = GetDC(box);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(box, dc);
    return colour;
}

TEST_F(PlainBoxTest, TintedBackgroundDiffersFromThePlainOne) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    const auto corner = [&](bool tinted) {
        request.tinted = tinted;
        COLORREF colour = CLR_INVALID;
        Run(request, {[&](HWND box) {
            UpdateWindow(box);
            colour = ClientPixel(box, 3, 3);
            Click(ButtonNamed(box, kCloseCaption));
        }});
        return colour;
    };
    const COLORREF plain = corner(false), tinted = corner(true);
    ASSERT_NE(plain, CLR_INVALID);
    ASSERT_NE(tinted, CLR_INVALID);
    EXPECT_NE(plain, tinted);
}

// --- owner, refusals, the loop ----------------------------------------------------------

TEST_F(PlainBoxTest, OwnerIsDisabledWhileOpenAndGetsTheActivationBack) {
    const runtime::BoxRequest request = TwoButtonRequest(owner.id());
    bool enabledWhileOpen = true;
    HWND boxOwner = nullptr;
    Run(request, {[&](HWND box) {
        enabledWhileOpen = IsWindowEnabled(owner.handle()) != FALSE;
        boxOwner = GetWindow(box, GW_OWNER);
        Click(ButtonNamed(box, L"确定"));
    }});
    EXPECT_FALSE(enabledWhileOpen);
    EXPECT_EQ(boxOwner, owner.handle());
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    EXPECT_EQ(GetActiveWindow(), owner.handle());
}

TEST_F(PlainBoxTest, OwnerDisabledBeforehandStaysDisabled) {
    EnableWindow(owner.handle(), FALSE);
    Run(TwoButtonRequest(owner.id()), {[](HWND box) { Click(ButtonNamed(box, L"确定")); }});
    EXPECT_FALSE(IsWindowEnabled(owner.handle()));
    EnableWindow(owner.handle(), TRUE);
}

TEST_F(PlainBoxTest, EmptyCaptionsAreRefusedWithoutOpeningABox) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    request.captions.clear();
    BoxScript script({[](HWND box) { DestroyWindow(box); }});
    EXPECT_EQ(boxes.ShowBox(request), runtime::refusal::kNoCaptions);
    EXPECT_EQ(script.stepsRun(), 0);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
}

TEST_F(PlainBoxTest, ASecondRequestWhileOpenIsRefusedAsBusy) {
    const runtime::BoxRequest request = TwoButtonRequest(owner.id());
    runtime::BoxAnswer nested = 0;
    const runtime::BoxAnswer outer = Run(request, {[&](HWND box) {
        nested = boxes.ShowBox(request);
        Click(ButtonNamed(box, L"返回"));
    }});
    EXPECT_EQ(nested, runtime::refusal::kBusy);
    EXPECT_EQ(outer, runtime::PackAnswer(1, false));
    // Once closed, the service takes requests again.
    EXPECT_EQ(Run(request, {[](HWND box) { Click(ButtonNamed(box, L"确定")); }}), runtime::PackAnswer(2, false));
}

TEST_F(PlainBoxTest, OwnerTimerKeepsTickingWhileTheBoxIsOpen) {
    TickingWindow clock(true, 15);
    int ticksWhenClosed = 0;
    clock.onTick = [&](int tick) {
        // Only the clock closes the box, so an answer proves its ticks arrived.
        if (tick != 5) return;
        ticksWhenClosed = tick;
        if (HWND box = FindBox()) Click(ButtonNamed(box, L"确定"));
    };
    runtime::BoxRequest request = TwoButtonRequest(clock.id());
    EXPECT_EQ(Run(request, {}), runtime::PackAnswer(2, false));
    EXPECT_EQ(ticksWhenClosed, 5);
}

ULONGLONG ThreadCpuMilliseconds() {
    FILETIME created{}, ended{}, kernel{}, user{};
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    const auto value = [](const FILETIME& time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return (value(kernel) + value(user)) / 10000;
}

TEST_F(PlainBoxTest, IdleOpenBoxSleepsInsteadOfSpinning) {
    const runtime::BoxRequest request = TwoButtonRequest(owner.id());
    ULONGLONG first = 0, last = 0;
    // One tick a second: between the two steps nothing happens for a second.
    BoxScript script({[&](HWND) { first = ThreadCpuMilliseconds(); },
                      [&](HWND box) {
                          last = ThreadCpuMilliseconds();
                          Click(ButtonNamed(box, L"确定"));
                      }},
                     1000);
    EXPECT_EQ(boxes.ShowBox(request), runtime::PackAnswer(2, false));
    ASSERT_EQ(script.stepsRun(), 2);
    // A loop that polls instead of waiting burns a good part of that second.
    EXPECT_LT(last - first, 50u) << "CPU milliseconds used by a second of idling";
}

TEST_F(PlainBoxTest, QuitInsideTheLoopClosesTheBoxAndIsPostedAgain) {
    const runtime::BoxRequest request = TwoButtonRequest(owner.id());
    const runtime::BoxAnswer answer = Run(request, {[](HWND) { PostQuitMessage(7); }});
    EXPECT_EQ(answer, runtime::PackAnswer(3, false));
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
}

TEST_F(PlainBoxTest, OwnerDestroyedUnderTheBoxEndsIt) {
    auto doomed = std::make_unique<TickingWindow>(true, 1000);
    const runtime::BoxAnswer answer =
        Run(TwoButtonRequest(doomed->id()), {[&](HWND) { doomed.reset(); }});
    EXPECT_EQ(answer, runtime::PackAnswer(3, false));
}

// --- pictures ----------------------------------------------------------------------------

// A PNG of one opaque colour (0xRRGGBB).
testing::Bytes SolidPng(std::uint32_t width, std::uint32_t height, std::uint32_t colour) {
    return testing::BuildOpaquePng(width, height, [colour](int, int) { return colour; });
}

DWORD GdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

TEST_F(PlainBoxTest, PictureBytesDecodeOrShowNoPicture) {
    const UniqueBitmap decoded = DecodePicture(SolidPng(20, 10, 0xFF0000));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(BitmapSize(decoded.get()).cx, 20);
    EXPECT_EQ(BitmapSize(decoded.get()).cy, 10);

    // Bytes that are no picture still give a working box.
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    request.picture = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
    const BoxAnswer answer =
        Run(request, {[](HWND box) { Click(ButtonNamed(box, L"确定")); }});
    EXPECT_EQ(runtime::PressedButton(answer), 2);
}

TEST_F(PlainBoxTest, EmbeddedTipIconLoads) {
    const auto bytes = mainwindow::AssetBytes(mainwindow::kTipIconPng);
    if (bytes.empty()) GTEST_SKIP() << "the program carries no tip icon yet";
    const UniqueBitmap picture = DecodePicture(bytes);
    ASSERT_TRUE(picture);
    EXPECT_EQ(BitmapSize(picture.get()).cx, 128);
}

int CountClientPixels(HWND box, COLORREF colour) {
    RECT client{};
    GetClientRect(box, &client);
    HDC dc = GetDC(box);
    int count = 0;
    for (int y = 0; y < client.bottom; y += 2)
        for (int x = 0; x < client.right / 2; x += 2) count += GetPixel(dc, x, y) == colour ? 1 : 0;
    ReleaseDC(box, dc);
    return count;
}

TEST_F(PlainBoxTest, PictureIconIsDrawnAndFreedWhenTheBoxCloses) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    const testing::Bytes png = SolidPng(64, 64, 0x00C800);
    request.picture.assign(png.begin(), png.end());
    const DWORD objectsBefore = GdiObjectCount();
    int greenPixels = 0;
    Run(request, {[&](HWND box) {
        UpdateWindow(box);
        greenPixels = CountClientPixels(box, RGB(0, 200, 0));
        Click(ButtonNamed(box, L"确定"));
    }});
    // The picture is scaled to 48 x 48; every other pixel of it is sampled.
    EXPECT_NEAR(greenPixels, 24 * 24, 60);
    EXPECT_EQ(GdiObjectCount(), objectsBefore);
}

TEST_F(PlainBoxTest, RefusedRequestsLeaveNoPictureBehind) {
    const testing::Bytes png = SolidPng(4, 4, 0x010203);
    runtime::BoxRequest empty = TwoButtonRequest(owner.id());
    empty.captions.clear();
    empty.picture.assign(png.begin(), png.end());
    const DWORD objectsBefore = GdiObjectCount();
    EXPECT_EQ(boxes.ShowBox(empty), runtime::refusal::kNoCaptions);
    EXPECT_EQ(GdiObjectCount(), objectsBefore);

    runtime::BoxRequest nested = TwoButtonRequest(owner.id());
    nested.picture.assign(png.begin(), png.end());
    Run(TwoButtonRequest(owner.id()), {[&](HWND box) {
        const DWORD objectsOpen = GdiObjectCount();
        EXPECT_EQ(boxes.ShowBox(nested), runtime::refusal::kBusy);
        EXPECT_EQ(GdiObjectCount(), objectsOpen);
        Click(ButtonNamed(box, L"确定"));
    }});
}

// Pixels left of the message and above the button bar that differ from the
// background in the top left corner: where the icon goes.
int CountMarksBesideMessage(HWND box) {
    RECT message = ScreenRect(MessageOf(box));
    RECT button = ScreenRect(ButtonNamed(box, kCloseCaption));
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&message), 2);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&button), 2);
    HDC dc = GetDC(box);
    const COLORREF background = GetPixel(dc, 3, 3);
    int count = 0;
    for (int y = button.bottom; y < message.bottom + 24; ++y)
        for (int x = 0; x < message.left; ++x) count += GetPixel(dc, x, y) != background ? 1 : 0;
    ReleaseDC(box, dc);
    return count;
}

TEST_F(PlainBoxTest, StandardIconsAreDrawnBesideTheMessage) {
    runtime::BoxRequest request = TwoButtonRequest(owner.id());
    const auto marks = [&](std::uintptr_t icon) {
        request.icon = icon;
        int count = -1;
        Run(request, {[&](HWND box) {
            UpdateWindow(box);
            count = CountMarksBesideMessage(box);
            Click(ButtonNamed(box, kCloseCaption));
        }});
        return count;
    };
    EXPECT_EQ(marks(runtime::icon::kNone), 0);
    EXPECT_EQ(marks(4000), 0) << "not a standard code";
    for (const std::uintptr_t code : {runtime::icon::kStop, runtime::icon::kQuestion,
                                      runtime::icon::kExclamation, runtime::icon::kInformation})
        EXPECT_GT(marks(code), 500) << "icon " << code;  // of the 48 x 48 square
}

}  // namespace
}  // namespace vorn::runtime
