// The skinned message box driven through its window messages from inside its
// own modal loop: a message-only window of the test runs one scripted step
// per timer tick while the box is open, the way a user (or the program's
// clock) acts on it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/program_assets.h"
#include "runtime/interfaces/box_request.h"
#include "runtime/base/utf_win.h"
#include "skin/skin_state_win.h"
#include "skin/windows/msg_box_animation.h"
#include "skin/windows/msg_box_layout.h"
#include "skin/windows/pellum_msg_box_win.h"

namespace vorn::skin {
namespace {

const SkinState& Skin() {
    static SkinState skin;
    static const bool ready = [] {
        InitSkin(skin, mainwindow::AssetBytes(mainwindow::kBackgroundJpeg), false, true);
        LoadControlImages(skin);
        return true;
    }();
    (void)ready;
    return skin;
}

// A window with a timer; `onTick` runs inside each WM_TIMER with its number.
class TickingWindow {
public:
    TickingWindow(bool visible, UINT periodMs) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &TickingWindow::Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        windowClass.lpszClassName = L"MsgBoxTestWindow";
        RegisterClassExW(&windowClass);  // fails harmlessly once registered
        handle_ = CreateWindowExW(0, windowClass.lpszClassName, L"", visible ? WS_POPUP | WS_VISIBLE : 0,
                                  200, 150, 533, 320, visible ? nullptr : HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, this);
        if (visible) SetForegroundWindow(handle_);
        SetTimer(handle_, 1, periodMs, nullptr);
    }
    ~TickingWindow() { DestroyWindow(handle_); }
    TickingWindow(const TickingWindow&) = delete;
    TickingWindow& operator=(const TickingWindow&) = delete;

    HWND handle() const { return handle_; }
    runtime::WindowHandle id() const { return reinterpret_cast<runtime::WindowHandle>(handle_); }

    std::function<void(int tick)> onTick;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<TickingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_TIMER && self) {
            if (self->onTick) self->onTick(++self->ticks_);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND handle_ = nullptr;
    int ticks_ = 0;
};

// Runs one step per tick once the box takes input (steps marked early: as
// soon as its window exists). A box still open long after the last step is
// destroyed, so a broken box fails the test instead of hanging it.
class BoxScript {
public:
    struct Step {
        std::function<void(HWND box)> run;
        bool early = false;
    };

    BoxScript(const PellumMsgBox& box, std::vector<Step> steps) : box_(box), steps_(std::move(steps)) {
        driver_.onTick = [this](int) { Tick(); };
    }
    bool timedOut() const { return timedOut_; }
    std::size_t stepsRun() const { return next_; }

private:
    void Tick() {
        const HWND window = box_.Handle();
        if (!window) return;
        if (next_ < steps_.size() && (steps_[next_].early || box_.Interactive())) {
            steps_[next_++].run(window);
        } else if (++idleTicks_ > 300) {
            timedOut_ = true;
            DestroyWindow(window);
        }
    }

    const PellumMsgBox& box_;
    std::vector<Step> steps_;
    TickingWindow driver_{false, 10};
    std::size_t next_ = 0;
    int idleTicks_ = 0;
    bool timedOut_ = false;
};

runtime::BoxRequest Request(runtime::WindowHandle owner, std::vector<std::string> captions) {
    runtime::BoxRequest request;
    request.owner = owner;
    request.title = "友情提示：";
    request.message = "部位名称修改成功！";
    request.centreHorizontally = request.centreVertically = true;
    request.icon = runtime::icon::kQuestion;
    request.tinted = true;
    request.captions = std::move(captions);
    request.showOption = true;
    request.optionText = "不再提示";
    return request;
}

// The box's parts, found from its size by the layout rule.
MsgBoxLayout PartsOf(HWND box, int captions) {
    RECT rect{};
    GetWindowRect(box, &rect);
    MsgBoxLayout parts;
    parts.width = rect.right - rect.left;
    parts.height = rect.bottom - rect.top;
    PlaceParts(parts, captions);
    return parts;
}

LPARAM At(const RectRecord& r, int dx, int dy) { return MAKELPARAM(r.x + dx, r.y + dy); }
LPARAM Centre(const RectRecord& r) { return At(r, r.width / 2, r.height / 2); }

void Click(HWND box, const RectRecord& at) {
    PostMessageW(box, WM_MOUSEMOVE, 0, Centre(at));
    PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, Centre(at));
    PostMessageW(box, WM_LBUTTONUP, 0, Centre(at));
}

BoxScript::Step ClickCaption(int caption, int captions) {
    return {[=](HWND box) { Click(box, PartsOf(box, captions).captions[static_cast<std::size_t>(caption - 1)]); }};
}
BoxScript::Step ClickClose(int captions) {
    return {[=](HWND box) { Click(box, PartsOf(box, captions).close); }};
}
BoxScript::Step Post(UINT message, WPARAM wParam, LPARAM lParam = 0) {
    return {[=](HWND box) { PostMessageW(box, message, wParam, lParam); }};
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = runtime::Narrow(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The colour on the screen at a point of the box: what the layered window shows.
COLORREF ScreenPixel(HWND box, LPARAM point) {
    POINT at{LOWORD(point), HIWORD(point)};
    ClientToScreen(box, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

class PellumMsgBoxTest : public ::testing::Test {
protected:
    runtime::BoxAnswer Run(const runtime::BoxRequest& request, std::vector<BoxScript::Step> steps) {
        BoxScript script(box, std::move(steps));
        const runtime::BoxAnswer answer = box.ShowBox(request);
        EXPECT_FALSE(script.timedOut()) << "the box did not close on its own";
        EXPECT_EQ(box.Handle(), nullptr) << "the box window outlived ShowBox";
        return answer;
    }

    PellumMsgBox box{Skin()};
    TickingWindow owner{true, 1000};
};

TEST_F(PellumMsgBoxTest, TakesItsLaidOutSizeCentredOnItsOwner) {
    RECT one{}, five{};
    const runtime::BoxAnswer answer = Run(Request(owner.id(), {"确定"}), {{[&](HWND window) {
        GetWindowRect(window, &one);
        Click(window, PartsOf(window, 1).close);
    }}});
    EXPECT_EQ(answer, runtime::PackAnswer(2, false)) << "one caption: the close button is 2";
    EXPECT_EQ(one.right - one.left, 300) << "a short message keeps the minimum";
    EXPECT_EQ(one.bottom - one.top, 155);
    RECT around{};
    GetWindowRect(owner.handle(), &around);
    EXPECT_EQ(one.left, around.left + static_cast<int>(533 * 0.5 - 150));
    EXPECT_EQ(one.top, around.top + static_cast<int>(320 * 0.5 - 77.5));

    Run(Request(owner.id(), {"一", "二", "三", "四", "五"}), {{[&](HWND window) {
        GetWindowRect(window, &five);
        Click(window, PartsOf(window, 5).close);
    }}});
    EXPECT_EQ(five.right - five.left, 500);
}

TEST_F(PellumMsgBoxTest, EachCaptionAnswersItsIndexTheCloseButtonOneMoreAndTheOptionTheLowBits) {
    const runtime::BoxRequest request = Request(owner.id(), {"第一", "第二", "第三"});
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Run(request, {ClickCaption(i, 3)}), runtime::PackAnswer(i, false));
    EXPECT_EQ(Run(request, {ClickClose(3)}), runtime::PackAnswer(4, false));

    const BoxScript::Step tick{[](HWND window) { Click(window, PartsOf(window, 3).checkHit); }};
    const runtime::BoxAnswer ticked = Run(request, {tick, ClickClose(3)});
    EXPECT_EQ(ticked, runtime::PackAnswer(4, true));
    EXPECT_TRUE(runtime::IsOptionChecked(ticked));
    EXPECT_EQ(Run(request, {tick, tick, ClickCaption(2, 3)}), runtime::PackAnswer(2, false));

    runtime::BoxRequest hidden = request;
    hidden.showOption = false;
    EXPECT_EQ(Run(hidden, {tick, ClickCaption(1, 3)}), runtime::PackAnswer(1, false))
        << "a hidden option cannot be ticked";
}

TEST_F(PellumMsgBoxTest, KeyboardPressesTheFocusedButtonAndEscapeAnswersLikeTheCloseButton) {
    runtime::BoxRequest request = Request(owner.id(), {"不想退出", "确定退出"});
    EXPECT_EQ(Run(request, {Post(WM_CHAR, VK_RETURN)}), runtime::PackAnswer(3, false))
        << "no default button: Enter presses the close button";
    request.defaultButton = 2;
    EXPECT_EQ(Run(request, {Post(WM_CHAR, VK_RETURN)}), runtime::PackAnswer(2, false));
    EXPECT_EQ(Run(request, {Post(WM_CHAR, VK_SPACE)}), runtime::PackAnswer(2, false));
    // Left to right: caption 2, caption 1, the close button.
    EXPECT_EQ(Run(request, {Post(WM_KEYDOWN, VK_TAB), Post(WM_CHAR, VK_RETURN)}), runtime::PackAnswer(1, false));
    EXPECT_EQ(Run(request, {Post(WM_KEYDOWN, VK_LEFT), Post(WM_CHAR, VK_RETURN)}), runtime::PackAnswer(3, false));

    // Whatever has the focus, these never press a destructive default.
    for (const auto& [name, step] : std::vector<std::pair<const char*, BoxScript::Step>>{
             {"Esc", Post(WM_KEYDOWN, VK_ESCAPE)},
             {"Alt+F4", Post(WM_SYSKEYDOWN, VK_F4, 1 | (KF_ALTDOWN << 16))},
             {"WM_CLOSE", Post(WM_CLOSE, 0)}})
        EXPECT_EQ(Run(request, {step}), runtime::PackAnswer(3, false)) << name;
}

TEST_F(PellumMsgBoxTest, CtrlCCopiesTheTextsDuringTheOpeningWhileOtherInputWaits) {
    runtime::BoxRequest request = Request(owner.id(), {"返回", "确定"});
    request.defaultButton = 1;
    bool openingWhenCopied = false;
    const runtime::BoxAnswer answer = Run(request, {{[&](HWND window) {
                                                         openingWhenCopied = !box.Interactive();
                                                         SendMessageW(window, WM_CHAR, 3, 0);
                                                         SendMessageW(window, WM_CHAR, VK_RETURN, 0);
                                                     },
                                                     true},
                                                    ClickCaption(2, 2)});
    EXPECT_TRUE(openingWhenCopied);
    EXPECT_EQ(ClipboardText(), "友情提示：\r\n\r\n部位名称修改成功！\r\n\r\n 确定 返回");
    EXPECT_EQ(answer, runtime::PackAnswer(2, false)) << "Enter during the opening was ignored";
}

TEST_F(PellumMsgBoxTest, RefusesWithoutCaptionsWithoutSkinAndWhileOpen) {
    runtime::BoxRequest request = Request(owner.id(), {});
    EXPECT_EQ(box.ShowBox(request), runtime::refusal::kNoCaptions);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));

    const SkinState empty;
    PellumMsgBox unready(empty);
    EXPECT_EQ(unready.ShowBox(Request(owner.id(), {"确定"})), runtime::refusal::kNotInitialised);

    request.captions = {"返回", "确定"};
    runtime::BoxAnswer nested = 0;
    EXPECT_EQ(Run(request, {{[&](HWND) { nested = box.ShowBox(request); }}, ClickCaption(1, 2)}),
              runtime::PackAnswer(1, false));
    EXPECT_EQ(nested, runtime::refusal::kBusy);
    EXPECT_EQ(Run(request, {ClickCaption(2, 2)}), runtime::PackAnswer(2, false)) << "usable again";
}

TEST_F(PellumMsgBoxTest, OwnerIsDisabledWhileOpenAndActiveAgainAfterwards) {
    bool enabledWhileOpen = true;
    HWND boxOwner = nullptr;
    Run(Request(owner.id(), {"确定"}), {{[&](HWND window) {
        enabledWhileOpen = IsWindowEnabled(owner.handle()) != FALSE;
        boxOwner = GetWindow(window, GW_OWNER);
        Click(window, PartsOf(window, 1).captions[0]);
    }}});
    EXPECT_FALSE(enabledWhileOpen);
    EXPECT_EQ(boxOwner, owner.handle());
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    EXPECT_EQ(GetActiveWindow(), owner.handle());

    EnableWindow(owner.handle(), FALSE);
    Run(Request(owner.id(), {"确定"}), {ClickCaption(1, 1)});
    EXPECT_FALSE(IsWindowEnabled(owner.handle())) << "disabled before, disabled after";
    EnableWindow(owner.handle(), TRUE);
}

TEST_F(PellumMsgBoxTest, TheLoopRunsTheThreadsOtherWindowsAndEndsTheBoxOnQuit) {
    TickingWindow clock(true, 15);
    int ticks = 0;
    clock.onTick = [&](int tick) {
        ticks = tick;  // only the clock's own ticks close the box
        if (tick == 40) box.Close();
    };
    EXPECT_EQ(Run(Request(clock.id(), {"确定"}), {}), runtime::PackAnswer(2, false));
    EXPECT_GE(ticks, 40);

    EXPECT_EQ(Run(Request(owner.id(), {"确定"}), {{[](HWND) { PostQuitMessage(7); }}}),
              runtime::PackAnswer(2, false));
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
}

TEST_F(PellumMsgBoxTest, BytesThatAreNoPictureShowNoneAndTheBoxEndsWhenItsOwnerGoes) {
    runtime::BoxRequest request = Request(owner.id(), {"确定"});
    request.picture = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'};
    EXPECT_EQ(Run(request, {ClickCaption(1, 1)}), runtime::PackAnswer(1, false));

    auto doomed = std::make_unique<TickingWindow>(true, 1000);
    EXPECT_EQ(Run(Request(doomed->id(), {"确定"}), {{[&](HWND) { doomed.reset(); }}}),
              runtime::PackAnswer(2, false));
}

TEST_F(PellumMsgBoxTest, HoverLightsAButtonAndAClickOnTheDisabledOwnerFlashesTheRim) {
    COLORREF plain = 0, lit = 0;
    std::vector<COLORREF> rim;
    // Left of the caption's text, on its face.
    const auto face = [](HWND window) { return At(PartsOf(window, 2).captions[0], 8, 14); };
    const LPARAM rimPoint = MAKELPARAM(9, 60);
    const auto sampleRim = [&](HWND window) { rim.push_back(ScreenPixel(window, rimPoint)); };
    const BoxScript::Step sample{sampleRim};
    std::vector<BoxScript::Step> steps = {
        {[&](HWND window) {
            plain = ScreenPixel(window, face(window));
            PostMessageW(window, WM_MOUSEMOVE, 0, face(window));
        }},
        Post(WM_NULL, 0), Post(WM_NULL, 0), Post(WM_NULL, 0), Post(WM_NULL, 0), Post(WM_NULL, 0),
        Post(WM_NULL, 0), Post(WM_NULL, 0), Post(WM_NULL, 0), Post(WM_NULL, 0),
        {[&](HWND window) {
            lit = ScreenPixel(window, face(window));
            sampleRim(window);
            // What the system tells a disabled window about a press on it.
            SendMessageW(owner.handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(owner.handle()),
                         MAKELPARAM(static_cast<WORD>(HTERROR), WM_LBUTTONDOWN));
        }}};
    for (int i = 0; i < 20; ++i) steps.push_back(sample);
    steps.push_back(ClickClose(2));
    Run(Request(owner.id(), {"返回", "确定"}), steps);
    EXPECT_NE(plain, lit) << "the hovered face is lighter";
    ASSERT_GT(rim.size(), 2u);
    EXPECT_NE(std::count_if(rim.begin() + 1, rim.end(), [&](COLORREF c) { return c != rim.front(); }), 0)
        << "the rim pulses";
    EXPECT_EQ(rim.back(), rim.front()) << "and comes back to rest";
}

// What the window showed at one step of the motion, read from its surface
// right after the step was pushed to the screen.
struct SeenStep {
    MsgBoxStep step;
    SIZE window{};
    BYTE alpha = 0;
    int opaqueInMiddleRow = 0;  // the box's body, scaled
};

class MsgBoxMotionTest : public PellumMsgBoxTest {
protected:
    // Opens and closes a box (with the close button once it takes input),
    // recording every step; `onStep` may act inside a step.
    void Record(bool slow, std::function<void(const MsgBoxStep&)> onStep = {}) {
        seen.clear();
        box.WatchSteps([&, onStep](const MsgBoxStep& step) {
            SeenStep s{step};
            RECT rect{};
            GetWindowRect(box.Handle(), &rect);
            s.window = SIZE{rect.right - rect.left, rect.bottom - rect.top};
            s.alpha = step.surface->Alpha();
            const ConstPixelRows rows = step.surface->Rows();
            // The middle row of what the window shows: the surface, or its
            // top left corner once the box has its own size.
            const int shownHeight = step.tick == kZoomTicks && !step.closing ? s.window.cy : rows.height;
            const int shownWidth = std::min(static_cast<int>(s.window.cx), rows.width);
            const std::uint32_t* middle = rows.Row(shownHeight / 2);
            for (int x = 0; x < shownWidth; ++x) s.opaqueInMiddleRow += (middle[x] >> 24) == 255;
            seen.push_back(s);
            if (onStep) onStep(step);
        });
        runtime::BoxRequest request = Request(owner.id(), {"返回", "确定"});
        request.slowAnimation = slow;
        Run(request, {ClickClose(2)});
        box.WatchSteps({});
    }
    std::vector<SeenStep> Part(bool closing) const {
        std::vector<SeenStep> part;
        for (const SeenStep& s : seen)
            if (s.step.closing == closing) part.push_back(s);
        return part;
    }
    std::vector<SeenStep> seen;
};

TEST_F(MsgBoxMotionTest, TheWindowGoesThroughTheSpecifiedSizesAndAlphasInOrderOnSchedule) {
    for (const bool slow : {false, true}) {
        const int tickMs = slow ? 18 : 16;
        Record(slow);
        for (const bool closing : {false, true}) {
            const std::vector<SeenStep> steps = Part(closing);
            const char* motion = closing ? "closing" : "opening";
            ASSERT_GE(steps.size(), 2u) << motion << " at " << tickMs << " ms";
            EXPECT_EQ(steps.front().step.tick, 1) << motion;
            EXPECT_EQ(steps.back().step.tick, kZoomTicks) << motion;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const SeenStep& s = steps[i];
                const int tick = s.step.tick;
                SCOPED_TRACE(::testing::Message() << motion << " tick " << tick << " at " << tickMs << " ms");
                if (i > 0) {
                    EXPECT_GT(tick, steps[i - 1].step.tick) << "in order, none twice";
                }
                if (tick > 1) {
                    EXPECT_GE(s.step.elapsedMs, ZoomTickDueMs(tick, tickMs) - kZoomTickSlackMs) << "not early";
                }
                const ZoomFrame expected = closing ? ClosingFrame(tick) : OpeningFrame(tick);
                if (closing && tick == kZoomTicks) {
                    EXPECT_FALSE(s.step.shown) << "the last tick hides the window";
                    continue;
                }
                EXPECT_EQ(s.step.frame.grow, expected.grow);
                EXPECT_EQ(s.step.frame.alpha, expected.alpha);
                EXPECT_EQ(s.alpha, expected.alpha) << "the window's opacity";
            }
        }
        const std::vector<SeenStep> opening = Part(false);
        // The box at its own size; every frame before covers it and the zoom margin.
        const SeenStep& open = opening.back();
        const SIZE boxSize = open.window;
        ASSERT_GT(open.opaqueInMiddleRow, 100);
        for (const SeenStep& s : opening) {
            if (s.step.tick == kZoomTicks) continue;
            SCOPED_TRACE(::testing::Message() << "opening tick " << s.step.tick << " at " << tickMs << " ms");
            EXPECT_EQ(s.window.cx, boxSize.cx + 2 * kMsgBoxZoomMargin);
            EXPECT_EQ(s.window.cy, boxSize.cy + 2 * kMsgBoxZoomMargin);
            // The box's body, scaled to the frame's size.
            const double scaled =
                open.opaqueInMiddleRow * (boxSize.cx + s.step.frame.grow) / static_cast<double>(boxSize.cx);
            EXPECT_NEAR(s.opaqueInMiddleRow, scaled, 3.0);
        }
        EXPECT_GE(open.step.elapsedMs, 15.0 * tickMs - kZoomTickSlackMs) << "the opening takes its 15 ticks";
        EXPECT_LT(open.step.elapsedMs, 15.0 * tickMs + 500) << "and is not stretched";
        const std::vector<SeenStep> closing = Part(true);
        EXPECT_EQ(closing.front().window.cx, boxSize.cx + 2 * kMsgBoxZoomMargin) << "the closing zooms in the margin too";
        EXPECT_GE(closing.back().step.elapsedMs, 15.0 * tickMs - kZoomTickSlackMs);
        EXPECT_LT(closing.back().step.elapsedMs, 15.0 * tickMs + 500);
        // Quiet machines show every frame; under load some are skipped.
        std::printf("[          ] %d ms ticks: %zu of 15 opening and %zu of 15 closing steps shown, opened after "
                    "%.1f ms, closed after %.1f ms\n",
                    tickMs, opening.size(), closing.size(), open.step.elapsedMs, closing.back().step.elapsedMs);
    }
}

TEST_F(MsgBoxMotionTest, TheOpeningEndsOnTheBoxAsItIsDrawnWhenOpen) {
    // The last step shows the drawing the zoom scaled (when the box has the
    // focus it was drawn with); drawing the box again once it is open must
    // give the same pixels.
    std::vector<std::uint32_t> atOpen, redrawn;
    const LayeredSurface* surface = nullptr;
    SIZE size{};
    const auto copy = [&](std::vector<std::uint32_t>& into) {
        const ConstPixelRows rows = surface->Rows();
        into.clear();
        for (int y = 0; y < size.cy; ++y) into.insert(into.end(), rows.Row(y), rows.Row(y) + size.cx);
    };
    box.WatchSteps([&](const MsgBoxStep& step) {
        if (step.closing || step.tick != kZoomTicks) return;
        surface = step.surface;
        RECT rect{};
        GetWindowRect(box.Handle(), &rect);
        size = SIZE{rect.right - rect.left, rect.bottom - rect.top};
        copy(atOpen);
    });
    Run(Request(owner.id(), {"返回", "确定"}), {{[&](HWND window) {
                                                  ASSERT_NE(surface, nullptr);
                                                  // Tells the box the focus it has: no change but a redraw.
                                                  SendMessageW(window, GetFocus() == window ? WM_SETFOCUS : WM_KILLFOCUS,
                                                               0, 0);
                                                  copy(redrawn);
                                                  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
                                              }}});
    box.WatchSteps({});
    ASSERT_FALSE(atOpen.empty());
    EXPECT_TRUE(atOpen == redrawn) << "the open box's pixels";
}

}  // namespace
}  // namespace vorn::skin
