#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "runtime/controls/interface_font_win.h"
#include "runtime_fixture.h"
#include "test_pictures.h"

namespace vorn::runtime {
namespace {

using testing::ClassOf;
using testing::kTestWindowId;
using testing::PumpUntil;
using testing::RecordingSink;
using testing::TestWindow;

constexpr ControlId kPanel = 0x16010116, kCaption = 0x16010124, kJob = 0x16010123,
                    kRate = 0x1601012F, kButton = 0x16010005, kLink = 0x1601020C,
                    kImage = 0x16010144, kClock = 0x16010214, kTimer = 0x16010212;

constexpr std::string_view kJobs[] = {"战士", "法师", "道士"};

std::vector<ControlLayout> SmallMainWindow(int timerPeriod = 100000) {
    return {
        {.name = "超级按钮_头盔", .kind = ControlKind::SuperBtn, .id = kImage, .left = 77,
         .top = 38, .width = 36, .height = 33, .text = "头盔", .tabStop = true},
        {.name = "图片框_职业选择", .kind = ControlKind::PicBox, .id = kPanel, .left = 190,
         .top = 10, .width = 116, .height = 100, .backColour = 0x000000,
         .border = Border::SingleLine},
        {.name = "标签_职业选择", .kind = ControlKind::Label, .id = kCaption, .parent = kPanel,
         .left = 2, .top = 0, .width = 63, .height = 20, .textColour = 0xFFFFFF,
         .border = Border::SingleLine, .text = "选择职业："},
        {.name = "组合框_职业", .kind = ControlKind::ComboBox, .id = kJob, .parent = kPanel,
         .left = 66, .top = 0, .width = 48, .height = 20, .items = kJobs, .selection = 0,
         .tabStop = true},
        {.name = "编辑框_掉落几率", .kind = ControlKind::EditBox, .id = kRate, .parent = kPanel,
         .left = 66, .top = 22, .width = 30, .height = 20, .border = Border::Sunken, .text = "0",
         .tabStop = true, .inputMode = InputMode::Integer, .spinButtons = true},
        {.name = "标签_关于", .kind = ControlKind::Label, .id = kLink, .left = 46, .top = 150,
         .width = 80, .height = 24, .text = "关于程序"},
        {.name = "按钮_保存", .kind = ControlKind::Button, .id = kButton, .left = 200,
         .top = 150, .width = 88, .height = 32, .text = "生成文件", .tabStop = true},
        {.name = "透明标签_时间", .kind = ControlKind::TransLabel, .id = kClock, .left = 200,
         .top = 170, .width = 96, .height = 24, .text = "北京时间：00:00"},
        {.name = "时钟1", .kind = ControlKind::Timer, .id = kTimer, .visible = false,
         .periodMs = timerPeriod},
    };
}

BOOL CALLBACK AddChildById(HWND child, LPARAM children) {
    const auto id = static_cast<ControlId>(GetDlgCtrlID(child));
    if (id != 0) (*reinterpret_cast<std::map<ControlId, HWND>*>(children))[id] = child;
    return TRUE;
}

std::map<ControlId, HWND> ChildrenById(HWND window) {
    std::map<ControlId, HWND> children;
    EnumChildWindows(window, AddChildById, reinterpret_cast<LPARAM>(&children));
    return children;
}

TEST(LoadWindow, CreationFinishedComesFirstWhileTheWindowIsStillHidden) {
    WindowRegistry registry;
    LiveControls controls(registry);
    RecordingSink sink;
    bool visibleDuringCreation = true;
    std::string captionDuringCreation;
    sink.onEvent = [&](const Event& event) {
        if (event.kind != EventKind::CreationFinished) return;
        visibleDuringCreation = IsWindowVisible(reinterpret_cast<HWND>(controls.HandleOf(kTestWindowId)));
        captionDuringCreation = controls.ReadText(kTestWindowId, kLink, prop::label::kCaption);
        // What the skin does at this point: replace a control by its own.
        controls.DestroyControl(kTestWindowId, kButton);
    };
    const std::vector<ControlLayout> layoutControls = SmallMainWindow();
    WindowLayout layout{.name = "MainWindow", .id = kTestWindowId, .width = 320, .height = 200,
                        .title = "Vorn_人形怪配置器", .controls = layoutControls};
    const auto window = LoadWindow(layout, sink, registry, {});
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(sink.events.empty());
    EXPECT_EQ(sink.events.front().kind, EventKind::CreationFinished);
    EXPECT_EQ(sink.events.front().window, kTestWindowId);
    EXPECT_EQ(sink.events.front().control, 0u);
    EXPECT_EQ(sink.Count(0, EventKind::CreationFinished), 1);
    EXPECT_FALSE(visibleDuringCreation);
    EXPECT_EQ(captionDuringCreation, "关于程序") << "controls exist during the event";
    EXPECT_FALSE(IsWindowVisible(window->handle())) << "showing is the caller's step";
    EXPECT_EQ(ChildrenById(window->handle()).count(kButton), 0u);
}

TEST(LoadWindow, ReportsEachBuildStageInOrderBeforeCreationFinished) {
    WindowRegistry registry;
    RecordingSink sink;
    std::vector<std::string> stages;
    std::vector<bool> buttonExisted;
    LoadOptions options;
    options.stageDone = [&](const char* stage) {
        EXPECT_TRUE(sink.events.empty()) << stage << " after an event";
        stages.emplace_back(stage);
        LoadedWindow* loading = registry.Find(kTestWindowId);
        buttonExisted.push_back(loading != nullptr && loading->FindControl(kButton) != nullptr);
    };
    const std::vector<ControlLayout> layoutControls = SmallMainWindow();
    WindowLayout layout{.name = "MainWindow", .id = kTestWindowId, .width = 320, .height = 200,
                        .title = "Vorn_人形怪配置器", .controls = layoutControls};
    const auto window = LoadWindow(layout, sink, registry, std::move(options));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(stages, (std::vector<std::string>{"window frame created", "controls created",
                                                "background decoded"}));
    EXPECT_EQ(buttonExisted, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(sink.Count(0, EventKind::CreationFinished), 1);
}

TEST(LoadWindow, TopLevelWindowIsAFramelessCentredTaskbarWindow) {
    TestWindow window(SmallMainWindow());
    ASSERT_TRUE(window.loaded());
    const HWND frame = window.handle();
    EXPECT_EQ(ClassOf(frame), L"VornMainWindow");
    EXPECT_EQ(testing::TextOf(frame), "运行时测试");
    const LONG style = GetWindowLongW(frame, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(frame, GWL_EXSTYLE);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(exStyle & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(exStyle & WS_EX_TOPMOST, 0);

    RECT rect{}, client{}, work{};
    GetWindowRect(frame, &rect);
    GetClientRect(frame, &client);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(rect.right - rect.left, 320);
    EXPECT_EQ(rect.bottom - rect.top, 200);
    EXPECT_EQ(client.right, 320) << "the whole window is client area";
    EXPECT_NEAR(rect.left - work.left, work.right - rect.right, 1);
    EXPECT_NEAR(rect.top - work.top, work.bottom - rect.bottom, 1);
}

TEST(LoadWindow, EveryControlIsFoundByItsFullIdentifierWithItsClass) {
    TestWindow window(SmallMainWindow());
    ASSERT_TRUE(window.loaded());
    const auto children = ChildrenById(window.handle());
    const std::map<ControlId, std::wstring> expected = {
        {kImage, L"VornSuperBtn"}, {kPanel, L"VornPicBox"}, {kCaption, L"VornLabel"},
        {kJob, L"ComboBox"},       {kRate, L"Edit"},        {kLink, L"VornLabel"},
        {kButton, L"Button"},      {kClock, L"VornTransLabel"}};
    for (const auto& [id, className] : expected) {
        SCOPED_TRACE(id);
        ASSERT_EQ(children.count(id), 1u);
        EXPECT_EQ(ClassOf(children.at(id)), className);
        EXPECT_EQ(static_cast<ControlId>(GetWindowLongPtrW(children.at(id), GWLP_ID)), id);
    }
    EXPECT_EQ(children.count(kTimer), 0u) << "the timer has no window";
    for (ControlId id : {kCaption, kJob, kRate}) EXPECT_EQ(GetParent(children.at(id)), children.at(kPanel));
    EXPECT_NE(GetWindowLongW(children.at(kPanel), GWL_EXSTYLE) & WS_EX_CONTROLPARENT, 0);
    EXPECT_NE(GetWindowLongW(children.at(kPanel), GWL_STYLE) & WS_CLIPCHILDREN, 0);
    EXPECT_NE(GetWindowLongW(children.at(kRate), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0) << "sunken";
    EXPECT_NE(GetWindowLongW(children.at(kCaption), GWL_STYLE) & WS_BORDER, 0) << "single line";

    const LONG combo = GetWindowLongW(children.at(kJob), GWL_STYLE);
    EXPECT_EQ(combo & 0x3, CBS_DROPDOWNLIST);
    EXPECT_NE(combo & CBS_OWNERDRAWFIXED, 0);
    EXPECT_EQ(combo & CBS_SORT, 0);
}

TEST(LoadWindow, EveryControlUsesTheOneInterfaceFont) {
    TestWindow window(SmallMainWindow());
    ASSERT_TRUE(window.loaded());
    HFONT shared = nullptr;
    for (const auto& [id, child] : ChildrenById(window.handle())) {
        if (ClassOf(child) == L"msctls_updown32") continue;
        SCOPED_TRACE(id);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        if (shared == nullptr) shared = font;
        EXPECT_EQ(font, shared);
    }
    LOGFONTW face{};
    ASSERT_NE(GetObjectW(shared, sizeof(face), &face), 0);
    EXPECT_STREQ(face.lfFaceName, L"宋体");
    EXPECT_EQ(face.lfHeight, kInterfaceFontHeight);
    EXPECT_EQ(face.lfCharSet, GB2312_CHARSET);
}

TEST(LoadWindow, ComboListRowsAreOnePixelTallerThanTextLines) {
    TestWindow window(SmallMainWindow());
    ASSERT_TRUE(window.loaded());
    const HWND combo = window.Control(kJob);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0));
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), LineHeight(font) + 1);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
}

TEST(LoadWindow, AChildWhosePanelIsMissingFailsTheLoadQuietly) {
    std::vector<ControlLayout> controls = SmallMainWindow();
    controls.push_back({.name = "孤儿", .kind = ControlKind::Label, .id = 0x16019999,
                        .parent = 0x16018888, .width = 10, .height = 10});
    std::vector<unsigned> closeMessages;
    TestWindow window(controls, {.closeHandler = [&](WindowHandle, unsigned message) {
                                     closeMessages.push_back(message);
                                     return 0;
                                 }});
    EXPECT_FALSE(window.loaded());
    EXPECT_EQ(window.controls.HandleOf(kTestWindowId), 0u) << "no longer registered";
    EXPECT_TRUE(closeMessages.empty()) << "a window that failed to load ends nothing";
    EXPECT_TRUE(window.sink.events.empty()) << "and finishes no creation";
}

TEST(CloseHandling, RefusedCloseKeepsTheWindowAcceptedCloseDestroysIt) {
    int answer = 1;
    std::vector<unsigned> messages;
    TestWindow window(SmallMainWindow(), {.closeHandler = [&](WindowHandle handle, unsigned message) {
                                              EXPECT_NE(handle, 0u);
                                              messages.push_back(message);
                                              return answer;
                                          }});
    ASSERT_TRUE(window.loaded());
    const HWND frame = window.handle();
    SendMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_EQ(messages, (std::vector<unsigned>{16}));

    answer = 0;
    SendMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(messages, (std::vector<unsigned>{16, 16, 2}));
}

TEST(CloseHandling, TheWindowNeverMaximises) {
    TestWindow window(SmallMainWindow());
    const HWND frame = window.handle();
    RECT rect{};
    GetWindowRect(frame, &rect);
    ShowWindow(frame, SW_SHOWNOACTIVATE);
    SendMessageW(frame, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(frame, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rect.left + 5, rect.top + 5));
    EXPECT_FALSE(IsZoomed(frame));
    SendMessageW(frame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_FALSE(IsZoomed(frame));
    RECT after{};
    GetWindowRect(frame, &after);
    EXPECT_EQ(after.right - after.left, 320);
    ShowWindow(frame, SW_HIDE);
}

TEST(WindowBackground, PicturePaintedAtTheOriginAndBlackBeyondIt) {
    const testing::Bytes picture = testing::BuildOpaquePng(
        319, 200, [](int x, int y) { return static_cast<std::uint32_t>(x << 16 | y << 8 | 0x40); });
    std::vector<ControlLayout> none;
    WindowLayout layout{.name = "MainWindow", .id = kTestWindowId + 1, .width = 320,
                        .height = 200, .title = "背景", .background = 7, .controls = none};
    RecordingSink sink;
    WindowRegistry registry;
    const auto loaded = LoadWindow(
        layout, sink, registry,
        {.pictures = [&](PictureId id) {
             return id == 7 ? std::span<const std::uint8_t>(picture) : std::span<const std::uint8_t>();
         }});
    ASSERT_NE(loaded, nullptr);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 320, 200);
    HGDIOBJ previous = SelectObject(memory, canvas);
    SendMessageW(loaded->handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(0, 0, 0x40));
    EXPECT_EQ(GetPixel(memory, 100, 50), RGB(100, 50, 0x40));
    EXPECT_EQ(GetPixel(memory, 318, 199), RGB(318 & 0xFF, 199, 0x40));
    EXPECT_EQ(GetPixel(memory, 319, 10), RGB(0, 0, 0)) << "the column the picture lacks is black";
    SelectObject(memory, previous);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST(TimerControl, TicksRaisePeriodElapsedUntilDisabled) {
    TestWindow window(SmallMainWindow(20));
    ASSERT_TRUE(window.loaded());
    EXPECT_TRUE(PumpUntil([&] { return window.sink.Count(kTimer, EventKind::PeriodElapsed) >= 2; }));
    window.controls.WriteInteger(kTestWindowId, kTimer, prop::kDisabled, 1);
    EXPECT_EQ(window.controls.ReadInteger(kTestWindowId, kTimer, prop::kDisabled), 1);
    window.controls.WriteInteger(kTestWindowId, kTimer, prop::kDisabled, 0);
    const int before = window.sink.Count(kTimer, EventKind::PeriodElapsed);
    EXPECT_TRUE(PumpUntil([&] { return window.sink.Count(kTimer, EventKind::PeriodElapsed) > before; }))
        << "enabled again, it ticks again";
}

}  // namespace
}  // namespace vorn::runtime
