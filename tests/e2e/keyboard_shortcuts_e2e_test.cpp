// The main window's shortcuts pressed as real keys while the focus is in a
// field, and the caption that follows the name and the pending changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e/app_session.h"
#include "e2e/box_probe.h"
#include "e2e/field_input.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"

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

}  // namespace
}  // namespace vorn::e2e
