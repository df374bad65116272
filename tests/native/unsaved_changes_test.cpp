// Changes in the main window: what counts as an edit, the caption that shows
// it, and the question that comes before closing, a new monster or another
// file would lose it.
#include <gtest/gtest.h>

#include "mainwindow/window_caption.h"
#include "native/handler_fixture.h"
#include "native/monster_files_fixture.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;
using mainwindow::MainWindowController;

constexpr runtime::BoxAnswer kCancel = runtime::PackAnswer(1, false);
constexpr runtime::BoxAnswer kGoOn = runtime::PackAnswer(2, false);
constexpr runtime::BoxAnswer kGenerateFirst = runtime::PackAnswer(3, false);

class UnsavedChanges : public HandlerTest {
protected:
    UnsavedChanges() {
        fs::create_directory(Child(root.path(), "MonUseItems"));
        program.directory = root.Utf8();
        controller.SetCaptionListener([this](const std::string& caption) { captions.push_back(caption); });
    }
    int Close() { return controller.CloseHandler(FakeWindow::kHandle, MainWindowController::kCloseMessage); }
    std::string PathOf(std::string_view name) const {
        return root.Utf8() + files.Separator() + std::string(name);
    }
    std::string Generated(std::string_view name) const {
        return PathOf("MonUseItems") + files.Separator() + std::string(name);
    }

    ScratchDirectory root;
    std::vector<std::string> captions;
};

TEST(WindowCaptionText, NameFirstAndTheMarkAtTheEnd) {
    EXPECT_EQ(mainwindow::WindowCaption("赤月", true), "赤月 - Vorn_人形怪配置器*");
    EXPECT_EQ(mainwindow::WindowCaption("赤月", false), "赤月 - Vorn_人形怪配置器");
    EXPECT_EQ(mainwindow::WindowCaption(" ", true), "Vorn_人形怪配置器*");
    EXPECT_EQ(mainwindow::WindowCaption("", false), "Vorn_人形怪配置器");
}

TEST_F(UnsavedChanges, AnEditMarksTheCaptionUntilGeneratingOrOpeningClearsIt) {
    window.Type(id::kDropRate, "");  // leaving a "0" field: the window tidies it
    window.Select(id::kSkillOn, 0);
    window.Tick(id::kClockTimer);
    EXPECT_FALSE(controller.HasChanges());
    EXPECT_TRUE(captions.empty());

    window.Select(id::kJob, 1);
    window.Select(id::kJob, 0);  // taken back: still an edit
    window.Type(id::kMonsterName, "赤月");
    EXPECT_TRUE(controller.HasChanges());
    EXPECT_EQ(captions, (std::vector<std::string>{"Vorn_人形怪配置器*", "赤月 - Vorn_人形怪配置器*"}));

    controller.GenerateItemClicked();
    EXPECT_FALSE(controller.HasChanges());
    EXPECT_EQ(controller.Caption(), "赤月 - Vorn_人形怪配置器");
    EXPECT_EQ(captions.back(), controller.Caption());
    EXPECT_EQ(controller.RecentFiles(), (std::vector<std::string>{Generated("赤月.txt")}));

    window.Spin(id::kDropRate, +1);
    EXPECT_TRUE(controller.HasChanges());
    boxes.answers = {kGoOn};
    controller.OpenMonsterFile(Generated("赤月.txt"));
    EXPECT_FALSE(controller.HasChanges()) << "the opened file's own writes are no edits";
    EXPECT_EQ(captions.back(), "赤月 - Vorn_人形怪配置器");
}

TEST_F(UnsavedChanges, ClosingWithChangesAsksTheThreeWayQuestion) {
    EXPECT_EQ(Close(), runtime::kKeepWindowOpen);
    EXPECT_EQ(boxes.requests.back().title, "关闭程序") << "without changes: the exit question";
    EXPECT_EQ(boxes.requests.back().captions, (std::vector<std::string>{"不想退出", "确定退出"}));

    window.Select(id::kGender, 1);
    boxes.requests.clear();
    EXPECT_EQ(Close(), runtime::kKeepWindowOpen) << "its close button (and Esc) cancel";
    ASSERT_EQ(boxes.requests.size(), 1u);
    const runtime::BoxRequest& question = boxes.requests[0];
    EXPECT_EQ(question.captions, (std::vector<std::string>{"取消", "不生成", "生成文件"}));
    EXPECT_EQ(question.owner, FakeWindow::kHandle);
    EXPECT_NE(question.message.find("关闭程序前是否先生成文件？"), std::string::npos);
    EXPECT_EQ(window.Control(id::kGender).selection, 1);

    boxes.answers = {kCancel};
    EXPECT_EQ(Close(), runtime::kKeepWindowOpen);
    fs::remove(Child(root.path(), "MonUseItems"));
    boxes.answers = {kGenerateFirst};  // MonUseItems is not made: the window stays
    EXPECT_EQ(Close(), runtime::kKeepWindowOpen);
    EXPECT_EQ(boxes.requests.back().title, "建立目录");
    fs::create_directory(Child(root.path(), "MonUseItems"));
    boxes.answers = {kGoOn};
    EXPECT_EQ(Close(), runtime::kLetWindowClose);

    window.Type(id::kMonsterName, "白野猪");
    boxes.answers = {kGenerateFirst};
    EXPECT_EQ(Close(), runtime::kLetWindowClose);
    EXPECT_TRUE(ReadBytes(Child(Child(root.path(), "MonUseItems"), "白野猪.txt")).has_value());
    EXPECT_TRUE(program.endedWith.empty()) << "only the destruction ends the program";
}

TEST_F(UnsavedChanges, NewMonsterGivesTheStartUpWindowAfterTheQuestion) {
    const auto startUp = Controls();
    window.Select(id::kSkillOn, 1);
    window.Type(id::kSkills, "烈火剑法");
    window.Click(id::kHelmetButton);
    window.Type(id::kHelmetName, "骷髅头盔");
    window.Type(id::kMonsterName, "赤月");

    boxes.answers = {kCancel};
    controller.NewMonster();
    EXPECT_EQ(window.Text(id::kMonsterName), "赤月");
    EXPECT_NE(boxes.requests.back().message.find("怪物【赤月】的修改"), std::string::npos);

    boxes.answers = {kGoOn};
    controller.NewMonster();
    EXPECT_EQ(Controls(), startUp);
    EXPECT_FALSE(controller.HasChanges());
    EXPECT_EQ(captions.back(), "Vorn_人形怪配置器");
    const std::size_t asked = boxes.requests.size();
    controller.NewMonster();
    EXPECT_EQ(boxes.requests.size(), asked) << "nothing to lose, nothing asked";
}

TEST_F(UnsavedChanges, OpeningAsksFirstAndAMissingRecentFileLeavesTheList) {
    window.Type(id::kMonsterName, "赤月");
    int chosen = 0;
    const auto chooser = [&]() -> std::optional<std::string> {
        ++chosen;
        return std::nullopt;
    };
    controller.OpenChosenFile(chooser);
    EXPECT_EQ(chosen, 0) << "cancelled before the open dialog";
    EXPECT_NE(boxes.requests.back().message.find("打开其他文件前"), std::string::npos);
    boxes.answers = {kGoOn};
    controller.OpenChosenFile(chooser);
    EXPECT_EQ(chosen, 1);

    settings::SettingsStore store(files, root.Utf8(), std::nullopt);
    controller.UseSettings(store);
    boxes.answers = {kGenerateFirst};
    controller.OpenFirstMonsterFile({PathOf("dropped.txt")});
    fs::remove(Child(Child(root.path(), "MonUseItems"), "赤月.txt"));
    const std::size_t asked = boxes.requests.size();
    controller.OpenRecentFile(Generated("赤月.txt"));
    ASSERT_EQ(boxes.requests.size(), asked + 1) << "no question for a file that is gone";
    EXPECT_NE(boxes.requests.back().message.find("已不存在"), std::string::npos);
    EXPECT_TRUE(controller.RecentFiles().empty());
    EXPECT_TRUE(settings::SettingsStore(files, root.Utf8(), std::nullopt).Load().settings.empty())
        << "the shorter list is saved";
}

TEST_F(UnsavedChanges, AnUnusableSettingsFileIsNamedInTheTipLine) {
    WriteBytes(Child(root.path(), "VornMonsterTool.ini"), std::string("\0\1\2", 3));
    settings::SettingsStore store(files, root.Utf8(), std::nullopt);
    controller.UseSettings(store);
    EXPECT_NE(Tip().find("设置文件无法读取，已使用默认设置"), std::string::npos) << Tip();
    EXPECT_TRUE(controller.RecentFiles().empty());
}

TEST_F(UnsavedChanges, AFileOpenedBeforeTheSettingsWereReadStaysFirst) {
    WriteBytes(Child(root.path(), "VornMonsterTool.ini"), "[RecentFiles]\r\nFile1=D:\\old.txt\r\n");
    WriteBytes(Child(root.path(), "赤月.txt"), "[Info]\r\nJob=1\r\n");
    controller.OpenMonsterFile(PathOf("赤月.txt"));  // named on the command line
    settings::SettingsStore store(files, root.Utf8(), std::nullopt);
    controller.UseSettings(store);
    const std::vector<std::string> expected{PathOf("赤月.txt"), "D:\\old.txt"};
    EXPECT_EQ(controller.RecentFiles(), expected);
    const settings::IniDocument saved = settings::SettingsStore(files, root.Utf8(), std::nullopt).Load().settings;
    EXPECT_EQ(settings::RecentFiles::FromSettings(saved).Paths(), expected);
}

}  // namespace
}  // namespace vorn::testing
