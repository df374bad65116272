// The window-skin manager on real windows: its refusals, the frame it lays
// out for the boxes a window allows, redraw requests, what the mouse does to
// its items, its timers, and pictures loaded through OLE.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "runtime/base/embedded_files.h"
#include "skin/load_scaled_bitmap_win.h"
#include "skin/skin_state_win.h"
#include "skin/windows/pellum_window_win.h"
#include "runtime_fixture.h"

namespace vorn::skin {
namespace {

using runtime::testing::PixelOf;
using runtime::testing::PumpMessages;
using runtime::testing::PumpUntil;
using Bytes = std::vector<std::uint8_t>;

constexpr wchar_t kHostClass[] = L"VornPellumTestHost";
constexpr int kWidth = 300, kHeight = 200;

// A bare top-level window whose own painting is a flat colour.
HWND MakeHost(DWORD style, COLORREF colour = RGB(0, 0, 128)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kHostClass;
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, kHostClass, L"host", style, 50, 50, kWidth, kHeight, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    SetClassLongPtrW(window, GCLP_HBRBACKGROUND, 0);
    static HBRUSH brush = nullptr;
    if (brush) DeleteObject(brush);
    brush = CreateSolidBrush(colour);
    SetClassLongPtrW(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
    return window;
}

struct Host {
    explicit Host(DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX) : handle(MakeHost(style)) {}
    explicit Host(HWND made) : handle(made) {}
    ~Host() {
        if (IsWindow(handle)) DestroyWindow(handle);
    }
    HWND handle;
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class PellumWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        skin_ = new SkinState;
        InitSkin(*skin_, runtime::EmbeddedFileBytes("background.jpg"), false, true);
        LoadControlImages(*skin_);
    }
    static void TearDownTestSuite() { delete skin_; }

    static inline SkinState* skin_ = nullptr;
};

TEST_F(PellumWindowTest, RefusesWithoutASkinAndWhileAWindowIsAttachedOrBlocked) {
    Host first, second;
    EXPECT_EQ(PellumWindow(nullptr).AttachTo(first.handle, {}), AttachStatus::NotSetUp);
    SkinState empty;
    EXPECT_EQ(PellumWindow(&empty).AttachTo(first.handle, {}), AttachStatus::NotSetUp);

    PellumWindow manager(skin_);
    ASSERT_EQ(manager.AttachTo(first.handle, {}), AttachStatus::Ok);
    EXPECT_EQ(manager.AttachTo(second.handle, {}), AttachStatus::Busy);
    EXPECT_EQ(manager.Window(), first.handle);
    PellumWindow::CreateOptions popup;
    popup.width = 100;
    popup.height = 80;
    EXPECT_EQ(manager.CreateSkinnedWindow(popup), AttachStatus::Busy);

    // Once the first window is gone the manager is free again, unless blocked.
    DestroyWindow(first.handle);
    EXPECT_EQ(manager.Window(), nullptr);
    manager.SetBlocked(true);
    EXPECT_EQ(manager.AttachTo(second.handle, {}), AttachStatus::Busy);
    manager.SetBlocked(false);
    EXPECT_EQ(manager.AttachTo(second.handle, {}), AttachStatus::Ok);
}

TEST_F(PellumWindowTest, HostValueIsSetOnce) {
    PellumWindow manager(skin_);
    EXPECT_EQ(manager.HostValue(7, false), 0u);
    EXPECT_EQ(manager.HostValue(3, true), 3u);
    EXPECT_EQ(manager.HostValue(5, true), 3u);
}

TEST_F(PellumWindowTest, CaptionButtonsFollowTheBoxesTheWindowAllows) {
    struct Case {
        DWORD style;
        RectRecord close, maximise, minimise;
        int titleWidth;
    };
    const Case cases[] = {
        {WS_POPUP, {252, 0, 48, 22}, {}, {}, 300 - 48 - 30},
        {WS_POPUP | WS_MINIMIZEBOX, {252, 0, 48, 22}, {}, {222, 0, 30, 22}, 300 - 78 - 30},
        {WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, {252, 0, 48, 22}, {223, 0, 29, 22},
         {193, 0, 30, 22}, 300 - 107 - 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Host host(c.style);
        PellumWindow manager(skin_);
        ASSERT_EQ(manager.AttachTo(host.handle, {}), AttachStatus::Ok);
        const auto& items = manager.Items();
        ASSERT_EQ(items.size(), 7u);
        EXPECT_EQ(items[0].layoutRect, (RectRecord{0, 0, 300, 30}));
        EXPECT_EQ(items[1].layoutRect, (RectRecord{30, 5, c.titleWidth, 20}));
        EXPECT_EQ(items[1].style.text, "host") << "the window's own text is the title";
        EXPECT_EQ(items[2].layoutRect, c.close);
        EXPECT_EQ(items[3].visible, c.maximise.width > 0);
        if (items[3].visible) {
            EXPECT_EQ(items[3].layoutRect, c.maximise);
        }
        EXPECT_EQ(items[4].visible, c.minimise.width > 0);
        if (items[4].visible) {
            EXPECT_EQ(items[4].layoutRect, c.minimise);
        }
        EXPECT_EQ(items[5].layoutRect, (RectRecord{7, 7, 16, 16}));
        RECT client{};
        GetClientRect(host.handle, &client);
        EXPECT_EQ(client.right, kWidth) << "no system frame";
    }
}

TEST_F(PellumWindowTest, FactoryItemsFollowTheFrameItemsInCallOrder) {
    Host host;
    PellumWindow manager(skin_);
    LabelItemOptions label;
    label.rect = {10, 150, 80, 24};
    label.text.text = "关于";
    EXPECT_EQ(manager.AddLabel(std::move(label)), 8);
    ImageButtonOptions button;
    button.rect = {200, 150, 88, 20};
    button.picture = LoadScaledBitmap(runtime::EmbeddedFileBytes("save_icon.png"));
    EXPECT_EQ(manager.AddImageButton(std::move(button)), 9);
    ASSERT_EQ(manager.AttachTo(host.handle, {}), AttachStatus::Ok);
    const auto& items = manager.Items();
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[7].kind, ItemKind::Label);
    EXPECT_EQ(items[7].layoutRect, (RectRecord{10, 150, 80, 28}));
    EXPECT_EQ(items[7].leftPart, (RectRecord{10, 150, 12, 28}));
    EXPECT_EQ(items[8].kind, ItemKind::Caption);
    EXPECT_EQ(items[8].layoutRect.height, 28) << "an image button is at least 28 high";
    EXPECT_EQ(items[8].state, 4) << "with a picture";
}

// The skinned caption's pixel at (x, y) on screen, and the host's own colour.
class ShownHost : public PellumWindowTest {
protected:
    void SetUp() override {
        ShowWindow(host_.handle, SW_SHOWNOACTIVATE);
        ASSERT_EQ(manager_.AttachTo(host_.handle, {}), AttachStatus::Ok);
        manager_.Refresh();
        PumpMessages();
    }
    Host host_;
    PellumWindow manager_{skin_};
};

TEST_F(ShownHost, RedrawLaterDrawsOnlyWhenItsMessageIsHandled) {
    // The close glyph's middle is drawn by the skin; paint over it behind
    // the skin's back, as a stale screen would show.
    const int x = 276, y = 11;
    const COLORREF skinned = PixelOf(host_.handle, x, y);
    const auto smear = [&] {
        HDC dc = GetDC(host_.handle);
        SetPixel(dc, x, y, RGB(0, 255, 0));
        ReleaseDC(host_.handle, dc);
        return PixelOf(host_.handle, x, y);
    };
    ASSERT_EQ(smear(), RGB(0, 255, 0));
    ASSERT_NE(skinned, RGB(0, 255, 0));

    manager_.Redraw(false);
    EXPECT_EQ(PixelOf(host_.handle, x, y), RGB(0, 255, 0)) << "nothing drawn yet";
    PumpMessages();
    EXPECT_EQ(PixelOf(host_.handle, x, y), skinned) << "drawn when the message was handled";

    smear();
    manager_.Redraw(true);
    EXPECT_EQ(PixelOf(host_.handle, x, y), skinned) << "drawn at once";
}

TEST_F(ShownHost, HoverFadesTheCloseButtonInAndOutAndThenNoTimerRuns) {
    const int x = 256, y = 3;  // the close face's corner, clear of the glyph
    const DWORD before = manager_.Buffer().Pixel(x, y);
    SendMessageW(host_.handle, WM_MOUSEMOVE, 0, At(x, y));
    ASSERT_TRUE(PumpUntil([&] { return manager_.Items()[2].hover.Level() == kHoverFull; }));
    const DWORD lit = manager_.Buffer().Pixel(x, y);
    EXPECT_NE(lit, before) << "the hover face shows";

    SendMessageW(host_.handle, WM_MOUSELEAVE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return manager_.Items()[2].hover.Level() == 0; }));
    EXPECT_EQ(manager_.Buffer().Pixel(x, y), before);
    // Nothing moves any more, so none of the three timers is left running.
    for (UINT_PTR id : {1, 2, 3}) EXPECT_FALSE(KillTimer(host_.handle, id)) << id;
}

TEST_F(PellumWindowTest, ClicksReachTheItemRoutineAndTheCloseButtonAsksTheCloseHandler) {
    Host host;
    PellumWindow manager(skin_);
    std::vector<int> clicks;
    LabelItemOptions label;
    label.rect = {20, 100, 80, 24};
    label.text.text = "关于";
    label.routine = [&](int kind, int index) {
        clicks.push_back(kind * 100 + index);
        return 0;
    };
    manager.AddLabel(std::move(label));
    int asked = 0;
    PellumOptions options;
    options.onClose = [&](HWND, unsigned message) {
        EXPECT_EQ(message, static_cast<unsigned>(WM_CLOSE));
        ++asked;
        return 1;  // keep the window
    };
    manager.SetOptions(std::move(options));
    ASSERT_EQ(manager.AttachTo(host.handle, {}), AttachStatus::Ok);

    SendMessageW(host.handle, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 110));
    SendMessageW(host.handle, WM_LBUTTONUP, 0, At(50, 110));
    EXPECT_EQ(clicks, std::vector<int>{105 * 100 + 8});
    // Released elsewhere: no click.
    SendMessageW(host.handle, WM_LBUTTONDOWN, MK_LBUTTON, At(50, 110));
    SendMessageW(host.handle, WM_LBUTTONUP, 0, At(150, 60));
    EXPECT_EQ(clicks.size(), 1u);

    SendMessageW(host.handle, WM_LBUTTONDOWN, MK_LBUTTON, At(280, 10));
    SendMessageW(host.handle, WM_LBUTTONUP, 0, At(280, 10));
    PumpMessages();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(IsWindow(host.handle)) << "the handler kept it open";
}

TEST_F(PellumWindowTest, EachWindowsSkinGoesWithItAndTheNextWindowStartsAfresh) {
    PellumWindow manager(skin_);
    LabelItemOptions label;
    label.rect = {20, 100, 80, 24};
    label.text.text = "关于";
    manager.AddLabel(std::move(label));
    {
        Host first;
        ShowWindow(first.handle, SW_SHOWNOACTIVATE);
        ASSERT_EQ(manager.AttachTo(first.handle, {}), AttachStatus::Ok);
        SendMessageW(first.handle, WM_MOUSEMOVE, 0, At(50, 110));
        ASSERT_TRUE(PumpUntil([&] { return manager.Items()[7].hover.Level() == kHoverFull; }));
    }
    EXPECT_EQ(manager.Window(), nullptr);
    EXPECT_TRUE(manager.Items().empty()) << "the first window's skin went with it";

    Host second;
    ASSERT_EQ(manager.AttachTo(second.handle, {}), AttachStatus::Ok);
    ASSERT_EQ(manager.Items().size(), 8u) << "the items made before are placed again";
    EXPECT_EQ(manager.Items()[7].hover.Level(), 0) << "nothing lit is carried over";
    manager.TearDown();
    EXPECT_EQ(manager.Window(), nullptr);
    EXPECT_TRUE(IsWindow(second.handle)) << "letting go leaves the window";
}

// Counts what reaches the host's own procedure under the skin.
int hostCloses = 0, hostDestroys = 0;

LRESULT CALLBACK CountingHostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) ++hostCloses;
    if (message == WM_DESTROY) ++hostDestroys;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CountingHost() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = CountingHostProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VornPellumCountingHost";
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"host", WS_POPUP | WS_SYSMENU, 50, 50,
                           kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

TEST_F(PellumWindowTest, EveryCloseAsksTheRoutineOnceAndTheSkinAloneEndsTheWindow) {
    const std::pair<const char*, std::function<void(HWND)>> paths[] = {
        {"close button",
         [](HWND window) {
             SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(280, 10));
             SendMessageW(window, WM_LBUTTONUP, 0, At(280, 10));
         }},
        {"Alt+F4 and the taskbar", [](HWND window) { SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"a close request", [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }},
    };
    for (const auto& [name, close] : paths) {
        SCOPED_TRACE(name);
        Host host(CountingHost());
        hostCloses = hostDestroys = 0;
        PellumWindow manager(skin_);
        std::vector<unsigned> told;
        int answer = 1;  // keep the window first
        PellumOptions options;
        options.onClose = [&](HWND, unsigned message) {
            told.push_back(message);
            return answer;
        };
        options.onDestroy = [&](HWND, unsigned message) {
            told.push_back(message);
            return 0;
        };
        manager.SetOptions(std::move(options));
        ASSERT_EQ(manager.AttachTo(host.handle, {}), AttachStatus::Ok);

        close(host.handle);
        PumpMessages();
        EXPECT_EQ(told, std::vector<unsigned>{WM_CLOSE});
        EXPECT_TRUE(IsWindow(host.handle));
        answer = 0;
        close(host.handle);
        PumpMessages();
        EXPECT_EQ(told, (std::vector<unsigned>{WM_CLOSE, WM_CLOSE, WM_DESTROY}));
        EXPECT_FALSE(IsWindow(host.handle));
        EXPECT_EQ(hostCloses, 0) << "the window's own close handling was asked too";
        EXPECT_EQ(hostDestroys, 0) << "the window's own destroy handling was told too";
        EXPECT_EQ(manager.Window(), nullptr);
    }
}

// A 2 x 2 bottom-up 24-bit BMP: red, green / blue, white (top row first).
Bytes TinyBmp() {
    Bytes bmp = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0,
                 0,   0,   1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                 0,   0,   0, 0, 0, 0};
    const Bytes rows = {255, 0, 0, 255, 255, 255, 0, 0,  // bottom: blue, white, padding
                        0, 0, 255, 0, 255, 0, 0, 0};     // top: red, green, padding
    bmp.insert(bmp.end(), rows.begin(), rows.end());
    return bmp;
}

// A one-image .ico of 2 x 2 32-bit pixels, all opaque orange.
Bytes TinyIco() {
    Bytes ico = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0, 64, 0, 0, 0, 22, 0, 0, 0};
    const Bytes header = {40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0,
                          16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    ico.insert(ico.end(), header.begin(), header.end());
    for (int i = 0; i < 4; ++i) ico.insert(ico.end(), {0x00, 0x80, 0xFF, 0xFF});  // BGRA
    for (int i = 0; i < 2; ++i) ico.insert(ico.end(), {0, 0, 0, 0});              // AND rows
    return ico;
}

TEST_F(PellumWindowTest, BitmapsAndIconsLoadThroughOleAndStretchToAGivenSize) {
    const plus::PlusImage bmp = LoadOlePicture(TinyBmp());
    ASSERT_NE(bmp.Native(), nullptr);
    EXPECT_EQ(bmp.GetPixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(bmp.GetPixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);
    const plus::PlusImage ico = LoadOlePicture(TinyIco());
    ASSERT_NE(ico.Native(), nullptr);
    EXPECT_EQ(ico.Width(), 2u);
    EXPECT_EQ(ico.GetPixel(1, 0) & 0xFFFFFF, 0xFF8000u);
    EXPECT_EQ(LoadOlePicture(Bytes{1, 2, 3}).Native(), nullptr);

    const plus::PlusImage natural = LoadScaledBitmap(TinyIco());
    EXPECT_EQ(natural.Width(), 2u);
    const plus::PlusImage stretched = LoadScaledBitmap(TinyBmp(), 20, 10);
    ASSERT_NE(stretched.Native(), nullptr);
    EXPECT_EQ(stretched.Width(), 20u);
    EXPECT_EQ(stretched.Height(), 10u);
    // Stretched, not tiled or cut: the corners keep their source colours.
    const plus::Argb topLeft = stretched.GetPixel(0, 0), bottomRight = stretched.GetPixel(19, 9);
    EXPECT_GT((topLeft >> 16) & 0xFF, 200u) << std::hex << topLeft;
    EXPECT_LT(topLeft & 0xFF, 60u) << std::hex << topLeft;
    EXPECT_GT(bottomRight & 0xFF, 200u) << std::hex << bottomRight;
    EXPECT_GT((bottomRight >> 8) & 0xFF, 200u) << std::hex << bottomRight;
    EXPECT_EQ(LoadScaledBitmap(Bytes{1, 2, 3}).Native(), nullptr);
}

}  // namespace
}  // namespace vorn::skin
