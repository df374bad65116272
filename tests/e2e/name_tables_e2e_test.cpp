// The server's item table in use: named in the settings file, it offers
// completions while a slot name is typed (Down and Enter take one), names an
// unknown item in the tip line, and generating with it asks first; "返回"
// writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/app_session.h"
#include "e2e/box_probe.h"
#include "e2e/field_input.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"
#include "runtime/base/gbk.h"
#include "runtime/base/utf_win.h"

namespace vorn::e2e {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;

TEST(NameTables, CompletionUnknownNamesAndTheQuestionBeforeGenerating) {
    // An item table named in the settings file beside the program.
    fs::path table;
    auto app = AppSession::Launch(ProgramUnderTest(), std::chrono::seconds(30), {},
                                  [&](const fs::path& directory) {
                                      table = directory / L"items.txt";
                                      WriteBytes(table, *runtime::Utf8ToGbk("圣战头盔\r\n圣战戒指\r\n屠龙\r\n"));
                                      WriteBytes(directory / L"VornMonsterTool.ini",
                                                 "\xEF\xBB\xBF[Names]\r\nItems=" +
                                                     runtime::Narrow(table.wstring()) + "\r\n");
                                  });

    // Typing a prefix offers the names; Down and Enter take the first.
    const HWND helmet = app->Control(id::kHelmetName);
    ASSERT_TRUE(BringToFront(app->MainWindow()));
    ASSERT_TRUE(UnlockSlot(*app, app->Control(id::kHelmetButton), helmet));
    TypeText(L"圣战");
    HWND drop = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (drop = VisibleWindowOfClass(app->ProcessId(), L"ListBox")) != nullptr; }))
        << "no completions under the box";
    EXPECT_EQ(SendMessageW(drop, LB_GETCOUNT, 0, 0), 2);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(helmet) == "圣战头盔"; })) << TextOf(helmet);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(drop); }));

    // An unknown name is named when its box is left.
    ASSERT_TRUE(TypeSlotName(*app, app->Control(id::kWeaponButton), app->Control(id::kWeaponName), L"屠龙刀"));
    const HWND name = app->Control(id::kMonsterName);
    ASSERT_TRUE(RetypeEdit(*app, name, L"骷髅王"));
    EXPECT_EQ(AwaitTip(*app, "友情提示：物品【屠龙刀】不在物品名称表中，服务端不会认出它"),
              "友情提示：物品【屠龙刀】不在物品名称表中，服务端不会认出它");

    // Generating asks first; "返回" writes nothing.
    PressChord(VK_CONTROL, 'S');
    auto box = OpenBox::Await(*app);
    ASSERT_TRUE(box) << "generating with an unknown item asked nothing";
    EXPECT_EQ(box->Title(), "名称检查：") << box->Describe();
    EXPECT_NE(box->Message().find("屠龙刀"), std::string::npos) << box->Describe();
    ASSERT_TRUE(box->Press("返回"));
    ASSERT_TRUE(box->AwaitClosed());
    EXPECT_FALSE(fs::exists(app->OutputDirectory() / L"骷髅王.txt"));
}

}  // namespace
}  // namespace vorn::e2e
