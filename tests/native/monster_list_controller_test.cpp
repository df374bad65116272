// The monster list's commands over a real folder, with the main window's
// controller behind them: listing with problems, the search, sorting,
// opening into the window, moving to the recycle bin, and a CSV file
// exported and imported again giving back the same monster file.
#include "monsterlist/monster_list_controller.h"

#include <gtest/gtest.h>

#include "native/handler_fixture.h"
#include "native/monster_files_fixture.h"
#include "profile/monster_text.h"
#include "runtime/base/gbk.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;
using monsterfolder::ListColumn;

constexpr runtime::BoxAnswer kSecondButton = 2u << 16;

class MonsterList : public HandlerTest {
protected:
    MonsterList() {
        fs::create_directory(Folder());
        program.directory = root.Utf8();
    }
    fs::path Folder() const { return Child(root.path(), "MonUseItems"); }

    ScratchDirectory root;
    std::vector<std::string> recycled;
    std::optional<std::string> csvPath;
    monsterlist::MonsterListController list{
        files, boxes, controller,
        monsterlist::ListPlatform{
            .chooseFolder = {},
            .chooseCsvToRead = [this] { return csvPath; },
            .chooseCsvToWrite = [this](const std::string&) { return csvPath; },
            .recycle =
                [this](const std::vector<std::string>& paths) -> std::optional<std::string> {
                recycled = paths;
                for (const auto& path : paths) fs::remove(Child(fs::path(), path));
                return std::nullopt;
            }}};
};

TEST_F(MonsterList, ListsSearchesOpensDeletesAndRoundTripsThroughCsv) {
    profile::MonsterProfile skeleton;
    skeleton = {1, 0, 2, 1, "30", 1, "20", 0, "10", false, "", {}, "骷髅"};
    skeleton.useItems[0] = "天魔神甲";
    const std::string skeletonBytes = *runtime::Utf8ToGbk(
        profile::MonsterHeaderLine("骷髅") + profile::MonsterBody(skeleton));
    WriteBytes(Child(Folder(), "骷髅.txt"), skeletonBytes);
    WriteBytes(Child(Folder(), "骷髅-Item.txt"), *runtime::Utf8ToGbk(profile::DropRateLine("骷髅")));
    // Digging allowed without a drop-rate file, and a file that is no GBK.
    WriteBytes(Child(Folder(), "Boss.txt"), "[Info]\r\nJob=0\r\nButchUseItem=1\r\n[UseItems]\r\n");
    WriteBytes(Child(Folder(), "broken.txt"), "[Info]\r\nJob=\xFF\r\n");

    list.Reload();
    ASSERT_EQ(list.ShownCount(), 3u) << list.Summary();
    EXPECT_EQ(list.Summary(), "共 3 个怪物，2 个有问题");
    list.SetQuery("天魔");  // an item of the file finds it
    ASSERT_EQ(list.ShownCount(), 1u);
    EXPECT_EQ(list.NameAt(0), "骷髅");
    EXPECT_EQ(list.Cell(0, ListColumn::Job), "法师");
    EXPECT_FALSE(list.HasProblem(0));
    EXPECT_EQ(list.Summary(), "共 3 个怪物，显示 1 个，2 个有问题");
    list.SetQuery("boss");
    ASSERT_EQ(list.ShownCount(), 1u);
    EXPECT_TRUE(list.HasProblem(0));
    list.SetQuery("");
    list.SortBy(ListColumn::Name);  // the same column again: the other way round
    EXPECT_FALSE(list.Ascending());
    EXPECT_EQ(list.NameAt(2), "Boss");

    // With the server's monster table, a name it lacks is a problem too.
    WriteBytes(Child(root.path(), "monsters.txt"), "Boss\r\n");
    controller.ChooseNameTable(mainwindow::KnownNames::Table::Monsters, root.Utf8() + files.Separator() + "monsters.txt");
    list.Reload();
    list.SetQuery("骷髅");
    EXPECT_EQ(list.Cell(0, ListColumn::Status), "怪物名称【骷髅】不在怪物名称表中");
    list.SetQuery("");

    list.Open(*list.RowOf("骷髅"));
    EXPECT_EQ(window.Text(id::kMonsterName), "骷髅");

    // Exported, the file removed, and imported again: the same bytes.
    csvPath = root.Utf8() + files.Separator() + "list.csv";
    list.ExportCsv(0);
    ASSERT_TRUE(fs::exists(Child(root.path(), "list.csv"))) << boxes.requests.back().message;
    EXPECT_EQ(boxes.requests.back().title, "导出完成：") << boxes.requests.back().message;
    fs::remove(Child(Folder(), "骷髅.txt"));
    list.Reload();
    boxes.answers = {kSecondButton};
    list.ImportCsv(0);
    ASSERT_GE(boxes.requests.size(), 2u);
    const auto& question = boxes.requests[boxes.requests.size() - 2];
    EXPECT_NE(question.message.find("新建 1 个"), std::string::npos) << question.message;
    EXPECT_EQ(boxes.requests.back().title, "导入完成：") << boxes.requests.back().message;
    EXPECT_EQ(ReadBytes(Child(Folder(), "骷髅.txt")), skeletonBytes);
    EXPECT_EQ(list.ShownCount(), 3u);

    // Deleting asks, then both files of the monster go.
    boxes.answers = {kSecondButton};
    list.Delete(*list.RowOf("骷髅"), 0);
    EXPECT_EQ(boxes.requests.back().title, "删除怪物：");
    ASSERT_EQ(recycled.size(), 2u);
    EXPECT_TRUE(recycled[1].ends_with("骷髅-Item.txt")) << recycled[1];
    EXPECT_EQ(list.ShownCount(), 2u);
    EXPECT_FALSE(list.RowOf("骷髅"));
}

}  // namespace
}  // namespace vorn::testing
