#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

#include "runtime/controls/gdi_win.h"
#include "runtime_fixture.h"

namespace vorn::runtime {
namespace {

using testing::kTestWindowId;
using testing::PumpMessages;
using testing::TestWindow;
using testing::TextOf;

constexpr ControlId kEdit = 0x16010010, kCombo = 0x16010011, kLabel = 0x16010012,
                    kButton = 0x16010013, kPanel = 0x16010014, kTimer = 0x16010015,
                    kImage = 0x16010016, kTrans = 0x16010017, kInPanel = 0x16010018;
constexpr ControlId kUnknownControl = 0x1601FFFF;
constexpr WindowId kUnknownWindow = 0x5201FFFF;

constexpr std::string_view kItems[] = {"金币", "元宝", "金刚石"};

std::vector<ControlLayout> OneOfEachKind() {
    return {
        {.name = "编辑框", .kind = ControlKind::EditBox, .id = kEdit, .left = 5, .top = 6,
         .width = 70, .height = 20, .border = Border::Sunken, .text = "宝剑"},
        {.name = "组合框", .kind = ControlKind::ComboBox, .id = kCombo, .left = 80, .top = 6,
         .width = 60, .height = 20, .textColour = 0xFFFFFF, .backColour = 0x0000FF,
         .items = kItems, .selection = 1},
        {.name = "标签", .kind = ControlKind::Label, .id = kLabel, .left = 5, .top = 30,
         .width = 80, .height = 16, .text = "提示"},
        {.name = "按钮", .kind = ControlKind::Button, .id = kButton, .left = 90, .top = 30,
         .width = 70, .height = 24, .text = "生成文件"},
        {.name = "图片框", .kind = ControlKind::PicBox, .id = kPanel, .left = 170, .top = 10,
         .width = 100, .height = 80, .backColour = 0x000000, .border = Border::SingleLine},
        {.name = "面板标签", .kind = ControlKind::Label, .id = kInPanel, .parent = kPanel,
         .left = 2, .top = 3, .width = 60, .height = 20, .text = "选择职业："},
        {.name = "时钟", .kind = ControlKind::Timer, .id = kTimer, .left = 40, .top = 8,
         .width = 26, .height = 26, .visible = false, .periodMs = 100000},
        {.name = "超级按钮", .kind = ControlKind::SuperBtn, .id = kImage, .left = 5, .top = 60,
         .width = 36, .height = 33, .text = "头盔", .tabStop = true},
        {.name = "透明标签", .kind = ControlKind::TransLabel, .id = kTrans, .left = 50,
         .top = 60, .width = 96, .height = 24, .text = "北京时间：00:00"},
    };
}

class Properties : public ::testing::Test {
protected:
    Properties() : window_(OneOfEachKind()) {}
    void SetUp() override { ASSERT_TRUE(window_.loaded()); }

    std::int64_t Read(ControlId control, int property) {
        return window_.controls.ReadInteger(kTestWindowId, control, property);
    }
    void Write(ControlId control, int property, std::int64_t value) {
        window_.controls.WriteInteger(kTestWindowId, control, property, value);
    }
    std::string ReadText(ControlId control, int property) {
        return window_.controls.ReadText(kTestWindowId, control, property);
    }
    void WriteText(ControlId control, int property, std::string_view text) {
        window_.controls.WriteText(kTestWindowId, control, property, text);
    }
    std::array<std::int64_t, 4> Rect(ControlId control) {
        return {Read(control, prop::kLeft), Read(control, prop::kTop), Read(control, prop::kWidth),
                Read(control, prop::kHeight)};
    }

    TestWindow window_;
};

TEST_F(Properties, RectanglesReadAsLaidOutRelativeToTheParent) {
    for (const ControlLayout& control : OneOfEachKind()) {
        SCOPED_TRACE(std::string(control.name));
        EXPECT_EQ(Rect(control.id),
                  (std::array<std::int64_t, 4>{control.left, control.top, control.width, control.height}));
    }
    // The panel's child sits inside the panel's one-pixel border.
    RECT inPanel{};
    GetWindowRect(window_.Control(kInPanel), &inPanel);
    MapWindowPoints(nullptr, window_.Control(kPanel), reinterpret_cast<POINT*>(&inPanel), 2);
    EXPECT_EQ(inPanel.left, 2);
    EXPECT_EQ(inPanel.top, 3);
    EXPECT_EQ(GetParent(window_.Control(kInPanel)), window_.Control(kPanel));
}

TEST_F(Properties, RectangleWritesMoveAndResizeOneSideAtATime) {
    for (ControlId id : {kEdit, kLabel, kButton, kPanel, kImage, kTrans, kInPanel, kTimer, kCombo}) {
        SCOPED_TRACE(id);
        const auto before = Rect(id);
        Write(id, prop::kLeft, before[0] + 3);
        Write(id, prop::kTop, before[1] + 4);
        Write(id, prop::kWidth, before[2] - 5);
        Write(id, prop::kHeight, before[3] + 2);
        EXPECT_EQ(Rect(id),
                  (std::array<std::int64_t, 4>{before[0] + 3, before[1] + 4, before[2] - 5, before[3] + 2}));
    }
    RECT edit{};
    GetWindowRect(window_.Control(kEdit), &edit);
    MapWindowPoints(nullptr, window_.handle(), reinterpret_cast<POINT*>(&edit), 2);
    EXPECT_EQ(edit.left, 8);
    EXPECT_EQ(edit.bottom - edit.top, 22);
}

TEST_F(Properties, VisibleAndDisabledFollowWritesOnEveryKind) {
    for (ControlId id : {kEdit, kCombo, kLabel, kButton, kPanel, kImage, kTrans, kInPanel}) {
        SCOPED_TRACE(id);
        const HWND control = window_.Control(id);
        EXPECT_EQ(Read(id, prop::kVisible), 1) << "the window itself is still hidden";
        EXPECT_EQ(Read(id, prop::kDisabled), 0);
        Write(id, prop::kVisible, 0);
        Write(id, prop::kDisabled, 1);
        EXPECT_EQ(Read(id, prop::kVisible), 0);
        EXPECT_EQ(Read(id, prop::kDisabled), 1);
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE, 0);
        EXPECT_FALSE(IsWindowEnabled(control));
        Write(id, prop::kVisible, 1);
        Write(id, prop::kDisabled, 0);
        EXPECT_NE(GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE, 0);
        EXPECT_TRUE(IsWindowEnabled(control));
    }
    // The timer has no window: its flags are only stored.
    EXPECT_EQ(Read(kTimer, prop::kVisible), 0);
    Write(kTimer, prop::kVisible, 1);
    EXPECT_EQ(Read(kTimer, prop::kVisible), 1);
}

TEST_F(Properties, EditContentBackColourAndSelectedLength) {
    EXPECT_EQ(ReadText(kEdit, prop::edit::kContent), "宝剑");
    WriteText(kEdit, prop::edit::kContent, "屠龙宝刀");
    EXPECT_EQ(TextOf(window_.Control(kEdit)), "屠龙宝刀");
    EXPECT_EQ(ReadText(kEdit, prop::edit::kContent), "屠龙宝刀");

    EXPECT_EQ(Read(kEdit, prop::edit::kBackColour), FromColorRef(GetSysColor(COLOR_WINDOW)))
        << "the system's window colour when the layout names none";
    Write(kEdit, prop::edit::kBackColour, 0xC0C0C0);
    EXPECT_EQ(Read(kEdit, prop::edit::kBackColour), 0xC0C0C0);
    Write(kEdit, prop::edit::kBackColour, 0x123456);
    EXPECT_EQ(Read(kEdit, prop::edit::kBackColour), 0x123456) << "0xRRGGBB both ways";

    Write(kEdit, prop::edit::kSelectedLength, -1);
    EXPECT_EQ(Read(kEdit, prop::edit::kSelectedLength), 4) << "the whole text, in characters";
    Write(kEdit, prop::edit::kSelectedLength, 2);
    EXPECT_EQ(Read(kEdit, prop::edit::kSelectedLength), 2);
    DWORD start = 9, end = 9;
    SendMessageW(window_.Control(kEdit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u) << "the first characters";
    EXPECT_EQ(end, 2u);
}

TEST_F(Properties, ComboSelectionWritesRaiseNoEvent) {
    EXPECT_EQ(Read(kCombo, prop::combo::kSelection), 1);
    EXPECT_EQ(TextOf(window_.Control(kCombo)), "元宝");
    Write(kCombo, prop::combo::kSelection, 2);
    EXPECT_EQ(Read(kCombo, prop::combo::kSelection), 2);
    EXPECT_EQ(TextOf(window_.Control(kCombo)), "金刚石");
    Write(kCombo, prop::combo::kSelection, -1);
    EXPECT_EQ(Read(kCombo, prop::combo::kSelection), -1);
    PumpMessages();
    EXPECT_EQ(window_.sink.Count(kCombo, EventKind::SelectionChanged), 0);
}

TEST_F(Properties, CaptionsOfLabelsButtonsAndTransparentLabels) {
    EXPECT_EQ(ReadText(kLabel, prop::label::kCaption), "提示");
    WriteText(kLabel, prop::label::kCaption, "友情提示：您选择了【战士】");
    EXPECT_EQ(TextOf(window_.Control(kLabel)), "友情提示：您选择了【战士】") << "WM_GETTEXT answers";

    EXPECT_EQ(ReadText(kButton, prop::button::kCaption), "生成文件");
    WriteText(kButton, prop::button::kCaption, "保存");
    EXPECT_EQ(TextOf(window_.Control(kButton)), "保存");

    EXPECT_EQ(ReadText(kTrans, prop::translabel::kCaption), "北京时间：00:00");
    WriteText(kTrans, prop::translabel::kCaption, "北京时间：12:34");
    EXPECT_EQ(TextOf(window_.Control(kTrans)), "北京时间：12:34");

    EXPECT_EQ(TextOf(window_.Control(kImage)), "头盔") << "the image button's text is its tooltip";
}

TEST_F(Properties, UnknownWindowsControlsAndNumbersReadNothingAndWriteNothing) {
    EXPECT_EQ(window_.controls.ReadInteger(kUnknownWindow, kEdit, prop::kLeft), 0);
    EXPECT_EQ(window_.controls.ReadText(kUnknownWindow, kEdit, prop::edit::kContent), "");
    EXPECT_EQ(Read(kUnknownControl, prop::kWidth), 0);
    EXPECT_EQ(ReadText(kUnknownControl, prop::label::kCaption), "");
    window_.controls.WriteText(kUnknownWindow, kEdit, prop::edit::kContent, "x");
    window_.controls.WriteInteger(kUnknownWindow, kEdit, prop::kLeft, 99);
    Write(kUnknownControl, prop::kVisible, 0);
    WriteText(kUnknownControl, prop::edit::kContent, "x");

    // Numbers a kind does not have.
    for (int property : {-1, 4, 7, 9, 10, 12, 19, 25, 99}) {
        SCOPED_TRACE(property);
        for (ControlId id : {kLabel, kButton, kPanel, kImage, kTrans, kTimer}) {
            if (id == kButton && property == prop::button::kCaption) continue;
            EXPECT_EQ(Read(id, property), 0);
            Write(id, property, 1);
            WriteText(id, property, "改");
        }
    }
    for (int property : {-1, 4, 7, 8, 9, 11, 12, 25, 99}) {
        EXPECT_EQ(Read(kCombo, property), 0);
        Write(kCombo, property, 0);
        EXPECT_EQ(ReadText(kCombo, property), "");
    }
    for (int property : {10, 11, 19, 25}) EXPECT_EQ(ReadText(kEdit, property), "");
    EXPECT_EQ(ReadText(kLabel, prop::button::kCaption), "") << "a label's caption is number 8";
    EXPECT_EQ(ReadText(kButton, prop::label::kCaption), "") << "a button's caption is number 10";

    // Nothing above changed anything.
    EXPECT_EQ(TextOf(window_.Control(kEdit)), "宝剑");
    EXPECT_EQ(TextOf(window_.Control(kLabel)), "提示");
    EXPECT_EQ(TextOf(window_.Control(kButton)), "生成文件");
    EXPECT_EQ(Read(kCombo, prop::combo::kSelection), 1);
    for (const ControlLayout& control : OneOfEachKind()) {
        SCOPED_TRACE(std::string(control.name));
        EXPECT_EQ(Rect(control.id),
                  (std::array<std::int64_t, 4>{control.left, control.top, control.width, control.height}));
        EXPECT_EQ(Read(control.id, prop::kVisible), control.visible ? 1 : 0);
        EXPECT_EQ(Read(control.id, prop::kDisabled), 0);
    }
}

TEST_F(Properties, DestroyedControlsReadAsZeroAndRaiseNothing) {
    const HWND label = window_.Control(kLabel);
    window_.controls.DestroyControl(kTestWindowId, kLabel);
    EXPECT_FALSE(IsWindow(label));
    EXPECT_EQ(Read(kLabel, prop::kWidth), 0);
    EXPECT_EQ(ReadText(kLabel, prop::label::kCaption), "");
    WriteText(kLabel, prop::label::kCaption, "x");  // no crash, no effect

    window_.controls.DestroyControl(kTestWindowId, kTimer);
    EXPECT_EQ(Read(kTimer, prop::kWidth), 0);
    window_.controls.DestroyControl(kTestWindowId, kUnknownControl);
    window_.controls.DestroyControl(kUnknownWindow, kEdit);
    EXPECT_NE(window_.Control(kEdit), nullptr);
}

TEST_F(Properties, HandleOfTheWindowAndFocusByCommand) {
    EXPECT_EQ(window_.controls.HandleOf(kTestWindowId), reinterpret_cast<WindowHandle>(window_.handle()));
    EXPECT_EQ(window_.controls.HandleOf(kUnknownWindow), 0u);
    window_.controls.SetFocus(kTestWindowId, kEdit);
    EXPECT_EQ(GetFocus(), window_.Control(kEdit));
    window_.controls.SetFocus(kTestWindowId, kUnknownControl);
    EXPECT_EQ(GetFocus(), window_.Control(kEdit));
}

}  // namespace
}  // namespace vorn::runtime
