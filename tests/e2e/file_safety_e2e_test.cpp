// Monster files on a shared server, in the real program: a file changed on
// disk after it was opened is asked about in the skinned box, and two copies of the
// program generating the same monster over and over leave one whole file of
// one of them, no temporary files, and the later writer is told.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "e2e/app_session.h"
#include "e2e/box_probe.h"
#include "e2e/drawn_items.h"
#include "e2e/field_input.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"
#include "mainwindow/control_ids.h"
#include "profile/monster_text.h"
#include "runtime/base/gbk.h"
#include "runtime/base/utf_win.h"

namespace vorn::e2e {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;
using namespace std::chrono_literals;

// 骷髅 as the program writes it, with this digging fee.
std::string Monster(const std::string& fee) {
    profile::MonsterProfile monster;
    monster.monsterName = "骷髅";
    monster.butchChargeCount = fee;
    return *runtime::Utf8ToGbk(profile::MonsterHeaderLine("骷髅") + profile::MonsterBody(monster));
}

std::vector<fs::path> FilesBelow(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    return files;
}

// Clicks the generate button; the box that answers it.
std::optional<OpenBox> ClickGenerate(AppSession& app) {
    if (std::optional<OpenBox> closing = OpenBox::Current(app)) closing->AwaitClosed();
    BringToFront(app.MainWindow());
    app.UserMouse().ClickAt(DrawnItemPoint(app.MainWindow(), id::kGenerate));
    return OpenBox::Await(app, 10s);
}

// Answers the boxes of one generation: "覆盖" whenever the file changed,
// then "确定" to the success box. How often the program said the file changed.
int OverwriteUntilGenerated(AppSession& app, std::optional<OpenBox> box) {
    int told = 0;
    for (; box; box = OpenBox::Await(app, 10s)) {
        const std::string title = box->Title();
        const bool changed = title == "文件已被改动";
        if (!changed && title != "生成提示：") {
            ADD_FAILURE() << box->Describe();
            return told;
        }
        told += changed;
        EXPECT_TRUE(box->Press(changed ? "覆盖" : "确定"));
        // The success box may close while the other copy works on.
        if (!changed) return told;
        EXPECT_TRUE(box->AwaitClosed());
    }
    ADD_FAILURE() << "the generation showed no box";
    return told;
}

TEST(FileSafety, ChangesOnDiskAreAskedAboutKeptInTheHistoryAndTwoCopiesNeverMix) {
    const ScratchDirectory server(L"vorn-e2e-shared");
    const fs::path file = server.Path() / L"骷髅.txt";
    const fs::path history = server.Path() / L"history" / L"骷髅";
    WriteBytes(file, Monster("88"));
    const std::wstring argument = L"\"" + file.wstring() + L"\"";
    auto first = AppSession::Launch(ProgramUnderTest(), 30s, argument);
    ASSERT_EQ(AwaitTip(*first, "友情提示：已打开怪物文件 骷髅.txt"), "友情提示：已打开怪物文件 骷髅.txt");

    // Someone else saves the file after it was opened.
    WriteBytes(file, Monster("77"));
    std::optional<OpenBox> box = ClickGenerate(*first);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Title(), "文件已被改动") << box->Describe();
    EXPECT_NE(box->Message().find(runtime::Narrow(file.wstring())), std::string::npos);
    EXPECT_TRUE(box->HasFocusOn("返回"));
    ASSERT_TRUE(box->Press("返回"));
    ASSERT_TRUE(box->AwaitClosed());
    // (What each answer does to the files is the controller's tests' business.)
    EXPECT_EQ(OverwriteUntilGenerated(*first, ClickGenerate(*first)), 1);

    // A second copy on the same file, side by side, with another fee.
    auto second = AppSession::Launch(ProgramUnderTest(), 30s, argument);
    ASSERT_EQ(AwaitTip(*second, "友情提示：已打开怪物文件 骷髅.txt"), "友情提示：已打开怪物文件 骷髅.txt");
    SetWindowPos(first->MainWindow(), nullptr, 10, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(second->MainWindow(), nullptr, 650, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(RetypeEdit(*first, first->Control(id::kChargeCount), L"1"));
    ASSERT_TRUE(RetypeEdit(*second, second->Control(id::kChargeCount), L"2"));

    // 50 generations, in turn, each over the other's file. (Writes at the
    // very same moment are the write lock's business, tested on its own.)
    int told = 0;
    for (int round = 0; round < 25 && !testing::Test::HasFailure(); ++round) {
        SCOPED_TRACE(round);
        for (AppSession* app : {first.get(), second.get()})
            told += OverwriteUntilGenerated(*app, ClickGenerate(*app));
    }
    EXPECT_EQ(told, 49) << "each generation but the first finds the other's file";

    const std::string last = ReadBytes(file).value_or("");
    EXPECT_TRUE(last == Monster("1") || last == Monster("2")) << last;
    EXPECT_TRUE(runtime::GbkToUtf8(last));
    for (const fs::path& path : FilesBelow(server.Path()))
        EXPECT_TRUE(path == file || path.parent_path() == history) << path;
    EXPECT_EQ(FilesBelow(history).size(), 20u) << "the newest versions stay";
}

}  // namespace
}  // namespace vorn::e2e
