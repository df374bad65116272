// The monster list window over a prepared MonUseItems, driven with real keys
// and clicks: Ctrl+L opens it with a row a monster file and a broken file's
// problem in its status, typing in the search box narrows it, Enter opens the
// selected monster in the main window, a CSV export and import writes a
// removed monster back byte for byte, and delete asks, then moves the files
// away.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e/app_session.h"
#include "e2e/box_probe.h"
#include "e2e/file_dialog.h"
#include "e2e/list_view_probe.h"
#include "e2e/program_under_test.h"
#include "e2e/scratch_directory.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"
#include "monsterlist/list_window_layout.h"
#include "profile/monster_text.h"
#include "runtime/base/gbk.h"
#include "runtime/base/utf_win.h"

namespace vorn::e2e {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;
using monsterlist::ListButton;

std::string MonsterBytes(const std::string& name, int job) {
    profile::MonsterProfile monster;
    monster = {job, 0, 1, 1, "30", 0, "", 0, "", false, "", {}, name};
    monster.useItems[0] = "天魔神甲";
    return *runtime::Utf8ToGbk(profile::MonsterHeaderLine(name) + profile::MonsterBody(monster));
}

// The row whose name column says `name`, or -1.
int RowNamed(HWND list, const std::string& name) {
    for (int row = 0; row < ListRowCount(list); ++row)
        if (ListCellText(list, row, 0) == name) return row;
    return -1;
}

// Clicks a command button of the list window.
void PressListButton(AppSession& app, HWND window, ListButton button) {
    ASSERT_TRUE(BringToFront(window));
    app.UserMouse().ClickWindowAt(window, {monsterlist::ButtonCentreX(button), monsterlist::ButtonCentreY()});
}

TEST(MonsterList, SearchOpenExportImportAndDeleteOverARealFolder) {
    auto app = AppSession::Launch(ProgramUnderTest());
    const fs::path folder = app->OutputDirectory();
    const std::string skeleton = MonsterBytes("骷髅精灵", 1);
    WriteBytes(folder / L"骷髅精灵.txt", skeleton);
    WriteBytes(folder / L"白野猪.txt", MonsterBytes("白野猪", 0));
    WriteBytes(folder / L"白野猪-Item.txt", *runtime::Utf8ToGbk(profile::DropRateLine("白野猪")));
    WriteBytes(folder / L"坏文件.txt", "[Info]\r\nJob=\xFF\r\n");

    ASSERT_TRUE(BringToFront(app->MainWindow()));
    PressChord(VK_CONTROL, 'L');
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = VisibleWindowOfClass(app->ProcessId(), L"Pellum Window")) != nullptr; }))
        << "Ctrl+L showed no list window";
    const HWND list = FindWindowExW(window, nullptr, L"SysListView32", nullptr);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(list) == 3; })) << ListRowCount(list) << " rows";
    const int broken = RowNamed(list, "坏文件");
    ASSERT_GE(broken, 0);
    EXPECT_NE(ListCellText(list, broken, 6), "正常");
    EXPECT_EQ(ListCellText(list, RowNamed(list, "白野猪"), 6), "正常");

    // The search box has the focus: typing narrows the list; Enter opens.
    ASSERT_TRUE(BringToFront(window));
    TypeText(L"骷髅");
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(list) == 1; })) << ListRowCount(list) << " rows";
    EXPECT_EQ(ListCellText(list, 0, 0), "骷髅精灵");
    EXPECT_EQ(ListCellText(list, 0, 1), "法师");
    PressKey(VK_RETURN);
    const HWND name = app->Control(id::kMonsterName);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(name) == "骷髅精灵"; })) << TextOf(name);

    // Exported, removed, imported: the same bytes again.
    const fs::path csv = app->Directory() / L"list.csv";
    PressListButton(*app, window, ListButton::ExportCsv);
    ASSERT_TRUE(AnswerFileDialog(*app, csv));
    auto box = OpenBox::Await(*app);
    ASSERT_TRUE(box) << "no box after the export";
    EXPECT_EQ(box->Title(), "导出完成：") << box->Describe();
    ASSERT_TRUE(box->Press("确定"));
    ASSERT_TRUE(box->AwaitClosed());
    ASSERT_TRUE(fs::exists(csv));
    fs::remove(folder / L"骷髅精灵.txt");
    PressListButton(*app, window, ListButton::ImportCsv);
    ASSERT_TRUE(AnswerFileDialog(*app, csv));
    box = OpenBox::Await(*app);
    ASSERT_TRUE(box) << "no question before the import";
    EXPECT_NE(box->Message().find("新建 1 个"), std::string::npos) << box->Describe();
    ASSERT_TRUE(box->Press("写入"));
    ASSERT_TRUE(box->AwaitClosed());
    box = OpenBox::Await(*app);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Title(), "导入完成：") << box->Describe();
    ASSERT_TRUE(box->Press("确定"));
    ASSERT_TRUE(box->AwaitClosed());
    EXPECT_EQ(ReadBytes(folder / L"骷髅精灵.txt"), skeleton);

    // Delete asks, then the file goes and the list follows.
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(list) == 1; }));
    PressListButton(*app, window, ListButton::Delete);
    box = OpenBox::Await(*app);
    ASSERT_TRUE(box) << "delete asked nothing";
    EXPECT_EQ(box->Title(), "删除怪物：") << box->Describe();
    ASSERT_TRUE(box->Press("删除"));
    ASSERT_TRUE(box->AwaitClosed());
    EXPECT_TRUE(WaitUntil([&] { return !fs::exists(folder / L"骷髅精灵.txt"); }));
    EXPECT_TRUE(WaitUntil([&] { return ListRowCount(list) == 0; }));
}

}  // namespace
}  // namespace vorn::e2e
