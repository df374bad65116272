// Importing a CSV file into a monster folder: the plan compares with the
// folder and checks everything first; applying writes each monster as the
// generate command would, and leaves nothing half-written when a write
// fails.
#include "monsterfolder/import_plan.h"

#include <gtest/gtest.h>

#include <numeric>

#include "monsterfolder/csv_export.h"
#include "monsterfolder/monster_folder.h"
#include "native/monster_folder_fixture.h"

namespace vorn::testing {
namespace {

using monsterfolder::ImportAction;
using monsterfolder::ImportPlan;
using Texts = std::vector<std::string>;

const std::string kOther = "mem/other";
const std::string kTitles =
    "名称,职业,性别,发型,掉装备,掉落几率,挖取,挖取几率,收费模式,挖取费用,使用技能,技能,"
    "衣服,武器,勋章,项链,头盔,左手镯,右手镯,左戒指,右戒指,腰带,鞋子,宝石\r\n";

std::string Gbk(std::string_view text) { return runtime::Utf8ToGbk(text).value_or(""); }

Texts TextsOf(const std::vector<monsterfolder::ImportMessage>& messages) {
    Texts texts;
    for (const auto& message : messages) texts.push_back(message.text);
    return texts;
}

class ImportPlanTest : public ::testing::Test {
protected:
    ImportPlanTest() { store.folders.insert(kOther); }

    void Put(const profile::MonsterProfile& monster, const profile::ExtraLines& extras = {}) {
        store.Put(InFolder(monster.monsterName + ".txt"), MonsterFileBytes(monster, extras));
    }
    ImportPlan Plan(const std::string& csv, const std::string& folder = std::string(kFolder)) {
        return monsterfolder::PlanImport(store, folder, monsterfolder::ReadMonsterCsv(csv));
    }
    // The CSV file the list exports for every monster of the folder.
    std::string Export(const std::string& folder) {
        const monsterfolder::FolderReading reading =
            monsterfolder::ReadMonsterFolder(store, folder);
        std::vector<std::size_t> order(reading.rows.size());
        std::iota(order.begin(), order.end(), 0);
        return monsterfolder::ExportMonsterCsv(reading.rows, order).bytes;
    }

    MemoryFileStore store = FolderStore();
};

TEST_F(ImportPlanTest, ExportedListImportsToTheSameBytesAndChangesNothingAtHome) {
    profile::MonsterProfile plain = Monster("骷髅");
    plain.useItems[0] = "布衣";
    plain.useItems[12] = "宝石甲";
    profile::MonsterProfile digger = {1, 1,      0,     1,  "030", 1,       "100",
                                      2, "5000", false, "", {},    "Boss 2"};
    digger.useItems[1] = "木,剑";
    digger.useItems[4] = "\"头\"盔";
    profile::MonsterProfile caster = {2,  0,     1, 0, "", 0, "", 3, "", true, "烈火剑法,半月弯刀",
                                      {}, "尸王"};
    for (const auto& monster : {plain, digger, caster}) Put(monster);
    store.Put(InFolder("Boss 2-Item.txt"), Gbk(profile::DropRateLine("Boss 2")));
    const auto home = store.Snapshot();

    const std::string csv = Export(std::string(kFolder));
    const ImportPlan elsewhere = Plan(csv, kOther);
    EXPECT_EQ(TextsOf(elsewhere.errors), Texts{});
    EXPECT_EQ(elsewhere.Count(ImportAction::Create), 3u);
    const monsterfolder::ImportResult result = monsterfolder::ApplyImport(store, elsewhere, "20240501-160000");
    ASSERT_FALSE(result.failure) << *result.failure;
    EXPECT_EQ(result.written.size(), 4u) << "three monsters and one drop-rate file";
    for (const auto& [path, bytes] : home)
        EXPECT_EQ(store.Bytes(kOther + path.substr(kFolder.size())), bytes) << path;

    store.written.clear();
    const ImportPlan atHome = Plan(csv);
    EXPECT_EQ(atHome.Count(ImportAction::Unchanged), 3u);
    EXPECT_FALSE(monsterfolder::ApplyImport(store, atHome, "20240501-160000").failure);
    EXPECT_EQ(store.written, Texts{});
}

// A monster whose file exists keeps what the window keeps of an opened file:
// the amulet and the hat, unknown keys, comments; a drop-rate file with a
// dig list stays as it is.
TEST_F(ImportPlanTest, AChangedMonsterKeepsWhatTheWindowKeepsOfItsFile) {
    profile::MonsterProfile king = Monster("尸王");
    king.useItems[9] = "护身符甲";
    king.useItems[13] = "斗笠乙";
    const profile::ExtraLines extras = {{";我的注释"}, {"MonGen=3"}, {"UseItems14=x"}};
    Put(king, extras);
    const std::string digList = Gbk(";尸王爆率文件\r\n木剑 1/10\r\n");
    store.Put(InFolder("尸王-Item.txt"), digList);

    const ImportPlan plan = Plan(kTitles +
                                 "尸王,法师,男,2,否,0,是,10,金币,0,否,,布衣,,,,,,,,,,,\r\n"
                                 "新怪,战士,男,2,否,0,是,0,金币,0,否,,,,,,,,,,,,,\r\n");
    EXPECT_EQ(TextsOf(plan.errors), Texts{});
    ASSERT_EQ(plan.monsters.size(), 2u);
    EXPECT_EQ(plan.monsters[0].action, ImportAction::Change);
    EXPECT_EQ(plan.monsters[1].action, ImportAction::Create);
    EXPECT_EQ(TextsOf(plan.warnings),
              Texts{"第 2 行：掉落文件 mem/MonUseItems/尸王-Item.txt 中已有挖取列表，保持不变。"});
    ASSERT_FALSE(monsterfolder::ApplyImport(store, plan, "20240501-160000").failure);

    profile::MonsterProfile changed = king;
    changed.job = 1;
    changed.butchUseItem = 1;
    changed.butchRate = "10";
    changed.useItems[0] = "布衣";
    EXPECT_EQ(store.Bytes(InFolder("尸王.txt")), MonsterFileBytes(changed, extras));
    EXPECT_NE(store.Bytes(InFolder("尸王.txt"))->find(Gbk("UseItems13=斗笠乙\r\n")),
              std::string::npos);
    EXPECT_EQ(store.Bytes(InFolder("尸王-Item.txt")), digList);
    EXPECT_EQ(store.Bytes(InFolder("新怪-Item.txt")), Gbk(";新怪爆率文件\r\n"));
}

TEST_F(ImportPlanTest, RowsThatCannotBeWrittenAreNamedAndLeftOut) {
    store.Put(InFolder("坏.txt"), "Job=1\r\n");
    store.Put(InFolder("锁.txt"), "");
    store.unreadable[InFolder("锁.txt")] = "拒绝访问";
    store.Put(InFolder("只读.txt"), "[Info]\r\n");
    store.readOnly.insert(InFolder("只读.txt"));
    store.folders.insert(InFolder("夹.txt"));
    store.unreadable[InFolder("挖-Item.txt")] = "拒绝访问";
    const std::string row = ",战士,男,2,否,0,否,0,金币,0,否,,,,,,,,,,,,,\r\n";
    const ImportPlan plan =
        Plan(kTitles + "坏" + row + "锁" + row + "只读" + row + "夹" + row +
             "挖,战士,男,2,否,0,是,0,金币,0,否,,,,,,,,,,,,,\r\n好" + row + "好" + row);
    EXPECT_EQ(TextsOf(plan.errors),
              (Texts{
                  "第 2 行：已有的怪物文件 mem/MonUseItems/坏.txt 不是可读的怪物文件"
                  "（文件中没有 [Info] 段，不是人形怪的怪物文件），为保护其内容不覆盖。",
                  "第 3 行：已有的怪物文件 mem/MonUseItems/锁.txt "
                  "无法读取（拒绝访问），为保护其内容不覆盖。",
                  "第 4 行：无法写入 mem/MonUseItems/只读.txt（文件只读）。",
                  "第 5 行：已有的怪物文件 mem/MonUseItems/夹.txt "
                  "无法读取（这是一个文件夹，不是文件），为保护其内容不覆盖。",
                  "第 6 行：无法读取已有的掉落文件 "
                  "mem/MonUseItems/挖-Item.txt（拒绝访问），为保护其中的挖取列表不写入。",
                  "第 7 行“名称”列：“好”与第 8 行重名，这几行都不导入。",
                  "第 8 行“名称”列：“好”与第 7 行重名，这几行都不导入。",
              }));
    EXPECT_TRUE(plan.monsters.empty());

    const ImportPlan nowhere = Plan(kTitles + "好" + row, "mem/none");
    EXPECT_EQ(TextsOf(nowhere.errors), Texts{"找不到文件夹：mem/none，没有可导入的地方。"});
    EXPECT_TRUE(nowhere.monsters.empty());
}

// Whichever write fails, the files already written get their old bytes back
// and new ones are removed: the folder is as it was.
TEST_F(ImportPlanTest, AFailedWriteLeavesNothingHalfWritten) {
    Put(Monster("旧"));
    const std::string csv = kTitles +
                            "旧,道士,女,2,否,0,否,0,金币,0,否,,,,,,,,,,,,,\r\n"
                            "新一,战士,男,2,否,0,是,0,金币,0,否,,,,,,,,,,,,,\r\n"
                            "新二,战士,男,2,否,0,否,0,金币,0,否,,,,,,,,,,,,,\r\n";
    const ImportPlan plan = Plan(csv);
    ASSERT_EQ(plan.monsters.size(), 3u);
    const auto before = store.Snapshot();
    const std::string failures[] = {
        "无法保存历史版本：mem/MonUseItems/history/旧/20240501-160000.txt（磁盘已满）。"
        "没有写入任何文件。",
        "写入 mem/MonUseItems/旧.txt 时失败（磁盘已满）。没有写入任何文件。",
        "写入 mem/MonUseItems/新一.txt 时失败（磁盘已满）。已写入的 1 "
        "个文件都已恢复原样，没有写入任何文件。",
        "写入 mem/MonUseItems/新一-Item.txt 时失败（磁盘已满）。已写入的 2 "
        "个文件都已恢复原样，没有写入任何文件。",
        "写入 mem/MonUseItems/新二.txt 时失败（磁盘已满）。已写入的 3 "
        "个文件都已恢复原样，没有写入任何文件。",
    };
    for (int failing = 1; failing <= 5; ++failing) {
        SCOPED_TRACE(failing);
        store.writes = 0;
        store.failingWrite = failing;
        const monsterfolder::ImportResult result = monsterfolder::ApplyImport(store, plan, "20240501-160000");
        EXPECT_EQ(result.failure, failures[failing - 1]);
        EXPECT_TRUE(result.written.empty());
        EXPECT_EQ(store.Snapshot(), before);
    }
    store.writes = 0;
    store.failingWrite = 6;
    EXPECT_EQ(monsterfolder::ApplyImport(store, plan, "20240501-160000").written.size(), 4u);
}

TEST_F(ImportPlanTest, AFolderChangedAfterThePlanStopsBeforeTheFirstWrite) {
    const ImportPlan plan = Plan(kTitles +
                                 "甲,战士,男,2,否,0,否,0,金币,0,否,,,,,,,,,,,,,\r\n"
                                 "乙,战士,男,2,否,0,否,0,金币,0,否,,,,,,,,,,,,,\r\n");
    store.Put(InFolder("乙.txt"), "[Info]\r\n");
    const auto before = store.Snapshot();
    const monsterfolder::ImportResult result = monsterfolder::ApplyImport(store, plan, "20240501-160000");
    EXPECT_EQ(result.failure,
              "mem/MonUseItems/乙.txt 在预览之后有了变化，请重新导入。没有写入任何文件。");
    EXPECT_EQ(store.Snapshot(), before);
    EXPECT_EQ(store.written, Texts{});
}

}  // namespace
}  // namespace vorn::testing
