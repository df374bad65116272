// The main window by keyboard: its shortcuts pressed as real keys while the
// focus is in a field, Tab onto the drawn "生成文件", the three-way question
// before edits are given up, the open dialog and the recent files, and the
// caption that follows the name and the pending changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e/app_session.h"
#include "e2e/box_probe.h"
#include "e2e/field_input.h"
#include "e2e/file_dialog.h"
#include "e2e/program_under_test.h"
#include "e2e/screen_pixels.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_layout.h"

namespace vorn::e2e {
namespace {

namespace id = mainwindow::id;

// True once the main window's text is `caption`.
bool CaptionBecomes(const AppSession& app, const std::string& caption) {
    return WaitUntil([&] { return TextOf(app.MainWindow()) == caption; });
}

TEST(KeyboardShortcuts, CtrlSGeneratesAndClearsTheChangeMarkAndCtrlNStartsANewMonster) {
    auto app = AppSession::Launch(ProgramUnderTest());
    ASSERT_TRUE(BringToFront(app->MainWindow()));
    EXPECT_EQ(TextOf(app->MainWindow()), "Vorn_人形怪配置器");
    const HWND name = app->Control(id::kMonsterName);
    ASSERT_TRUE(RetypeEdit(*app, name, L"赤月恶魔"));
    EXPECT_TRUE(CaptionBecomes(*app, "赤月恶魔 - Vorn_人形怪配置器*")) << TextOf(app->MainWindow());

    PressChord(VK_CONTROL, 'S');
    auto box = OpenBox::Await(*app);
    ASSERT_TRUE(box) << "Ctrl+S in the name field showed no generate box";
    EXPECT_EQ(box->Title(), "生成提示：") << box->Describe();
    ASSERT_TRUE(box->Press("确定"));
    ASSERT_TRUE(box->AwaitClosed());
    EXPECT_TRUE(std::filesystem::exists(app->OutputDirectory() / L"赤月恶魔.txt"));
    EXPECT_TRUE(CaptionBecomes(*app, "赤月恶魔 - Vorn_人形怪配置器")) << TextOf(app->MainWindow());

    ASSERT_TRUE(BringToFront(app->MainWindow()));
    PressChord(VK_CONTROL, 'N');
    EXPECT_TRUE(WaitUntil([&] { return TextOf(name).empty(); })) << "the name is still " << TextOf(name);
    EXPECT_TRUE(CaptionBecomes(*app, "Vorn_人形怪配置器")) << TextOf(app->MainWindow());
}

// The screen around the drawn "生成文件", where its focus halo shows.
ScreenPixels AroundGenerate(HWND mainWindow) {
    const runtime::ControlLayout* button =
        runtime::FindControl(mainwindow::MainWindowLayout(), id::kGenerate);
    const POINT at = ClientToScreenPoint(mainWindow, {button->left - 4, button->top - 4});
    return ScreenPixels({at.x, at.y, at.x + button->width + 8, at.y + button->height + 8});
}

TEST(KeyboardShortcuts, TabReachesGenerateAndEditsAreNeverGivenUpUnasked) {
    auto app = AppSession::Launch(ProgramUnderTest());
    const HWND main = app->MainWindow();
    ASSERT_TRUE(BringToFront(main));
    const HWND name = app->Control(id::kMonsterName);
    ASSERT_TRUE(RetypeEdit(*app, name, L"赤月恶魔"));
    ASSERT_EQ(FocusOfThreadOwning(main), name);

    // Tab: from the name box to the drawn "生成文件", which wears the halo;
    // Enter presses it.
    const ScreenPixels before = AroundGenerate(main);
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOwning(main) == main; }))
        << "Tab left the focus on " << Describe(FocusOfThreadOwning(main));
    EXPECT_TRUE(WaitUntil([&] { return !(AroundGenerate(main) == before); }))
        << "no focus halo around 生成文件";
    PressKey(VK_RETURN);
    auto box = OpenBox::Await(*app);
    ASSERT_TRUE(box) << "Enter on the focused 生成文件 showed no generate box";
    EXPECT_EQ(box->Title(), "生成提示：") << box->Describe();
    ASSERT_TRUE(box->Press("确定"));
    ASSERT_TRUE(box->AwaitClosed());
    EXPECT_TRUE(std::filesystem::exists(app->OutputDirectory() / L"赤月恶魔.txt"));
    EXPECT_TRUE(CaptionBecomes(*app, "赤月恶魔 - Vorn_人形怪配置器"));

    // Shift+Tab goes back to the name box.
    ASSERT_TRUE(BringToFront(main));
    PressChord(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOwning(main) == name; }))
        << "Shift+Tab left the focus on " << Describe(FocusOfThreadOwning(main));

    // Alt+F4 with an edit pending asks the three-way question; Esc cancels
    // and the window keeps the edit.
    ASSERT_TRUE(RetypeEdit(*app, name, L"赤月魔王"));
    ASSERT_TRUE(CaptionBecomes(*app, "赤月魔王 - Vorn_人形怪配置器*"));
    PressChord(VK_MENU, VK_F4);
    box = OpenBox::Await(*app);
    ASSERT_TRUE(box) << "Alt+F4 with changes asked nothing";
    EXPECT_EQ(box->CaptionsRightToLeft(), (std::vector<std::string>{"取消", "不生成", "生成文件"}))
        << box->Describe();
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(box->AwaitClosed());
    EXPECT_TRUE(IsWindow(main) && app->IsRunning());
    EXPECT_EQ(TextOf(name), "赤月魔王");
    EXPECT_EQ(TextOf(main), "赤月魔王 - Vorn_人形怪配置器*");

    // Ctrl+O: the same question first, then the system's open dialog, in
    // MonUseItems; the file chosen is shown.
    ASSERT_TRUE(BringToFront(main));
    PressChord(VK_CONTROL, 'O');
    box = OpenBox::Await(*app);
    ASSERT_TRUE(box) << "Ctrl+O with changes asked nothing";
    ASSERT_TRUE(box->Press("不生成"));
    ASSERT_TRUE(AnswerFileDialog(*app, L"赤月恶魔.txt"));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(name) == "赤月恶魔"; })) << TextOf(name);
    EXPECT_TRUE(CaptionBecomes(*app, "赤月恶魔 - Vorn_人形怪配置器"));
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowOfClass(app->ProcessId(), L"#32770") == nullptr; }))
        << "the open dialog stayed";

    // A recent file, from the program icon's menu, after a new monster. As a
    // user does after a dialog, click back into the window first: under Wine
    // the X input focus can reach it a moment after the dialog has gone.
    ASSERT_TRUE(BringToFront(main));
    app->UserMouse().ClickWindow(name);
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOwning(main) == name; }));
    PressChord(VK_CONTROL, 'N');
    ASSERT_TRUE(WaitUntil([&] { return TextOf(name).empty(); }))
        << "Ctrl+N left " << TextOf(name) << "; focus on " << Describe(FocusOfThreadOwning(main))
        << (OpenBox::Current(*app) ? "; a box is open: " + OpenBox::Current(*app)->Describe() : "");
    app->UserMouse().ClickWindowAt(main, {15, 15});
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowOfClass(app->ProcessId(), L"#32768") != nullptr; }))
        << "the icon opened no menu";
    PressKey('1');
    EXPECT_TRUE(WaitUntil([&] { return TextOf(name) == "赤月恶魔"; })) << TextOf(name);
}

}  // namespace
}  // namespace vorn::e2e
