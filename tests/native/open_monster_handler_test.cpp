// Opening a monster file into the in-memory window: the real handlers run,
// generating gives the file's bytes back, what the window cannot show is
// written back for its own monster only, and a file that cannot be opened
// leaves every control as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include "mainwindow/open_monster_file.h"
#include "native/handler_fixture.h"
#include "native/monster_files_fixture.h"
#include "profile/monster_text.h"
#include "runtime/base/gbk.h"
#include "runtime/base/unicode_text.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;

class OpenMonster : public HandlerTest {
protected:
    OpenMonster() {
        fs::create_directory(Child(root.path(), "MonUseItems"));
        program.directory = root.Utf8();
    }

    std::string PathOf(std::string_view name) const {
        return root.Utf8() + files.Separator() + std::string(name);
    }
    void Put(std::string_view name, std::string_view bytes) {
        WriteBytes(Child(root.path(), name), bytes);
    }
    // Generates; the file written back into the folder the files were put in.
    std::string Generate(std::string_view name) {
        controller.GenerateItemClicked();
        return ReadBytes(Child(root.path(), name)).value_or("<none>");
    }
    ScratchDirectory root;
};

TEST_F(OpenMonster, EveryFieldReachesItsControlThroughTheHandlersAndGeneratingGivesTheBytesBack) {
    profile::MonsterProfile monster;
    monster = {2, 1, 0, 1, "30", 1, "20", 3, "88", true, "烈火剑法,半月弯刀", {}, "赤月 恶魔"};
    monster.useItems[0] = "天魔神甲";
    monster.useItems[1] = "屠龙";
    monster.useItems[13] = "斗笠";
    const std::string bytes = *runtime::Utf8ToGbk(profile::MonsterHeaderLine(monster.monsterName) +
                                                 profile::MonsterBody(monster));
    Put("赤月 恶魔.txt", bytes);

    controller.OpenMonsterFile(PathOf("赤月 恶魔.txt"));

    EXPECT_EQ(window.Text(id::kMonsterName), "赤月 恶魔");
    EXPECT_EQ(window.Text(id::kMedalName), "勋章名称") << "an empty item shows the placeholder";
    EXPECT_TRUE(window.Control(id::kSkills).visible) << "the skill switch's handler ran";
    const std::vector<std::string> tips = TipsWritten();
    // The hair tip saw the gender already set; the fee tip the currency.
    EXPECT_NE(std::find(tips.begin(), tips.end(), "友情提示：您选择了发型【短发】，代码为：0"), tips.end());
    EXPECT_NE(std::find(tips.begin(), tips.end(), "友情提示：当前挖取人形怪身上装备需要 (88) 灵符。"),
              tips.end());
    EXPECT_EQ(Tip(), "友情提示：已打开怪物文件 赤月 恶魔.txt");
    EXPECT_TRUE(boxes.requests.empty()) << "a file the program could write has nothing to note";
    // Generating reads every control back: the same bytes, written back where
    // the file came from rather than into MonUseItems.
    EXPECT_EQ(Generate("赤月 恶魔.txt"), bytes);
    EXPECT_FALSE(fs::exists(Child(Child(root.path(), "MonUseItems"), "赤月 恶魔.txt")));
    EXPECT_NE(boxes.requests.back().message.find(root.Utf8()), std::string::npos)
        << "the success box names the folder: " << boxes.requests.back().message;
}

TEST_F(OpenMonster, WhatTheWindowCannotShowIsWrittenBackForItsOwnMonsterOnly) {
    Put("Boss.txt", "[Info]\nJob=7\nMonGen=3\n[UseItems]\nUseItems9=\xCD\xC0\xC1\xFA\n;note\n");
    Put("Other.txt", "[Info]\r\nJob=1\r\n");
    controller.OpenMonsterFile(PathOf("Boss.txt"));
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(boxes.requests[0].title, "打开提示：") << "Job=7 and the missing keys are named";

    const std::string boss = Generate("Boss.txt");
    EXPECT_NE(boss.find("\r\nUseSkill=\r\nMonGen=3\r\n[UseItems]\r\n"), std::string::npos) << boss;
    EXPECT_NE(boss.find("\r\nUseItems9=\xCD\xC0\xC1\xFA\r\n"), std::string::npos) << boss;
    EXPECT_TRUE(boss.ends_with("\r\nUseItems13=\r\n;note\r\n")) << boss;

    window.Type(id::kMonsterName, "Boss2");
    const std::string renamed = Generate("Boss2.txt");
    EXPECT_EQ(renamed.find("MonGen"), std::string::npos) << renamed;
    EXPECT_NE(renamed.find("\r\nUseItems9=\r\n"), std::string::npos) << renamed;
    EXPECT_NE(boxes.requests.back().message.find("Boss.txt"), std::string::npos)
        << "the success box says what was left out: " << boxes.requests.back().message;

    // A newly opened file replaces what the last one left.
    controller.OpenMonsterFile(PathOf("Other.txt"));
    window.Type(id::kMonsterName, "Boss");
    EXPECT_EQ(Generate("Boss.txt").find("MonGen"), std::string::npos);
}

// Editors save UTF-8 (Notepad without a mark) or UTF-16: such a file opens
// like a GBK one, the tip line says what it was, and generating writes GBK.
TEST_F(OpenMonster, AUtf8OrUtf16FileOpensAndIsWrittenBackAsGbk) {
    profile::MonsterProfile monster;
    monster = {1, 0, 0, 0, "0", 0, "0", 0, "0", true, "烈火剑法", {}, "赤月"};
    monster.useItems[1] = "屠龙";
    const std::string text = profile::MonsterHeaderLine("赤月") + profile::MonsterBody(monster);
    const std::pair<std::string, std::string_view> kFiles[] = {
        {text, "UTF-8"},
        {"\xEF\xBB\xBF" + text, "UTF-8"},
        {"\xFF\xFE" + runtime::Utf8ToUtf16Le(text).value_or(""), "UTF-16"},
    };
    for (const auto& [bytes, encoding] : kFiles) {
        SCOPED_TRACE(encoding);
        Put("赤月.txt", bytes);
        boxes.requests.clear();
        controller.OpenMonsterFile(PathOf("赤月.txt"));
        EXPECT_EQ(Tip(), "友情提示：已打开怪物文件 赤月.txt（" + std::string(encoding) +
                             " 编码，生成时转为 GBK）");
        EXPECT_TRUE(boxes.requests.empty()) << "nothing to heed";
        EXPECT_EQ(window.Text(id::kSkills), "烈火剑法");
        EXPECT_EQ(window.Text(id::kWeaponName), "屠龙");

        const std::string written = Generate("赤月.txt");
        EXPECT_EQ(written, runtime::Utf8ToGbk(text));
        // 赤月 B3E0 D4C2, 烈火剑法 C1D2 BBF0 BDA3 B7A8, 屠龙 CDC0 C1FA.
        EXPECT_NE(written.find("\xB3\xE0\xD4\xC2"), std::string::npos);
        EXPECT_NE(written.find("\r\nUseSkill=\xC1\xD2\xBB\xF0\xBD\xA3\xB7\xA8\r\n"),
                  std::string::npos);
        EXPECT_NE(written.find("\r\nUseItems1=\xCD\xC0\xC1\xFA\r\n"), std::string::npos);
    }
}

// A kept line the window has no control for, holding a character GBK lacks:
// named when opened, named again when generating, and nothing is written.
TEST_F(OpenMonster, AKeptLineGbkCannotHoldStopsGeneratingItsOwnMonster) {
    const std::string bytes = "[Info]\r\nJob=1\r\nMonGen=\xF0\x9F\x98\x80\r\n";  // U+1F600
    Put("Boss.txt", bytes);
    controller.OpenMonsterFile(PathOf("Boss.txt"));
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_NE(boxes.requests[0].message.find("第 3 行的字符“\xF0\x9F\x98\x80”无法用 GBK 编码保存"),
              std::string::npos)
        << boxes.requests[0].message;

    EXPECT_EQ(Generate("Boss.txt"), bytes) << "left as it was";
    EXPECT_EQ(boxes.requests.back().title, "生成失败：");
    EXPECT_NE(boxes.requests.back().message.find(
                  "原文件 [Info] 段保留的一行“MonGen=\xF0\x9F\x98\x80”中的字符“\xF0\x9F\x98\x80”"
                  "无法用 GBK 编码保存"),
              std::string::npos)
        << boxes.requests.back().message;

    // Another monster does not take the kept lines along.
    window.Type(id::kMonsterName, "Boss2");
    const std::string boss2 = Generate("Boss2.txt");
    EXPECT_NE(boss2, "<none>");
    EXPECT_EQ(boss2.find("MonGen"), std::string::npos) << boss2;
}

TEST_F(OpenMonster, AFileThatCannotBeOpenedGetsAnErrorBoxAndChangesNoControl) {
    fs::create_directory(Child(root.path(), "folder.txt"));
    Put("big.txt", "[Info]\r\n" + std::string(mainwindow::kMonsterFileLimit - 7, 'a'));  // 1 byte over
    Put("broken.txt", "[Info]\r\nJob=\xFF\r\n");
    Put("monster.ini", "[Info]\r\n");
    Put("Lone-Item.txt", ";Lone\xB1\xAC\xC2\xCA\xCE\xC4\xBC\xFE\r\n");
    const std::pair<std::string_view, std::string_view> kCases[] = {
        {"none.txt", "不存在"},         {"folder.txt", "文件夹"},
        {"big.txt", "文件太大"},        {"broken.txt", "第 2 行既不是有效的 GBK"},
        {"monster.ini", ".txt"},        {"Lone-Item.txt", "也没有它的怪物文件 Lone.txt"},
    };
    window.Select(id::kJob, 2);
    window.Type(id::kMonsterName, "Kept");
    const auto before = Controls();
    for (const auto& [name, reason] : kCases) {
        boxes.requests.clear();
        boxes.answers = {runtime::PackAnswer(2, false)};  // the edits: go on without generating
        controller.OpenMonsterFile(PathOf(name));
        ASSERT_EQ(boxes.requests.size(), 2u) << name;
        EXPECT_EQ(boxes.requests[1].title, "打开失败：");
        EXPECT_NE(boxes.requests[1].message.find(reason), std::string::npos)
            << boxes.requests[1].message;
        EXPECT_EQ(Controls(), before) << name;
        EXPECT_TRUE(controller.HasChanges()) << "a failed open keeps the edits as edits";
    }
}

}  // namespace
}  // namespace vorn::testing
