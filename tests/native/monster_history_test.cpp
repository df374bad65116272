// The history of a monster's files: every replaced file is kept as a version
// before the write, the newest versions stay, a failed write leaves no
// version, and a version can be put back (keeping the files it replaces).
#include <gtest/gtest.h>

#include "native/memory_file_store.h"
#include "profile/history_restore.h"
#include "profile/monster_files_writer.h"
#include "profile/monster_history.h"

namespace vorn::testing {
namespace {

using profile::FileContent;

class MonsterHistoryTest : public ::testing::Test {
protected:
    MonsterHistoryTest() { store.folders.insert("mem"); }

    // Plans and writes 骷髅 with this content (its charge) under `stamp`.
    profile::MonsterFilesWriting Write(int charge, const std::string& stamp, bool digging = false) {
        profile::MonsterProfile profile;
        profile.monsterName = "骷髅";
        profile.butchChargeCount = std::to_string(charge);
        profile.butchUseItem = digging ? 1 : 0;
        const profile::MonsterFilesCheck check =
            profile::PlanMonsterFiles(store, "mem", profile, {}, digging);
        EXPECT_TRUE(check.plan);
        return profile::WriteMonsterFiles(store, *check.plan, stamp);
    }
    static std::string Stamp(int minute, int second = 0) {
        return profile::VersionStamp(2026, 12, 9, 10, minute, second);
    }
    std::vector<profile::HistoryVersion> History() { return profile::ListHistory(store, "mem", "骷髅"); }

    MemoryFileStore store;
    const std::string monster = "mem/骷髅.txt";
    const std::string drop = "mem/骷髅-Item.txt";
};

TEST_F(MonsterHistoryTest, EveryReplacedFileIsKeptAndTheNewestTwentyVersionsStay) {
    Write(1, Stamp(0), true);  // new files: nothing to keep
    EXPECT_TRUE(History().empty());
    EXPECT_FALSE(store.folders.contains("mem/history"));

    std::vector<std::string> replaced;
    for (int charge = 2; charge <= 25; ++charge) {
        replaced.push_back(*store.Bytes(monster));
        Write(charge, Stamp(charge));
    }
    const std::vector<profile::HistoryVersion> versions = History();
    ASSERT_EQ(versions.size(), 20u);
    EXPECT_EQ(versions.front().WhenText(), "2026-12-09 10:25:00");
    EXPECT_EQ(versions.back().stamp, Stamp(6));  // 2 to 5 were removed, oldest first
    for (std::size_t i = 0; i < versions.size(); ++i) {
        EXPECT_EQ(versions[i].monsterPath, "mem/history/骷髅/" + Stamp(25 - static_cast<int>(i)) + ".txt");
        EXPECT_EQ(store.Bytes(versions[i].monsterPath), replaced[replaced.size() - 1 - i]);
        EXPECT_TRUE(versions[i].dropPath.empty());  // the drop-rate file was left alone
    }
    EXPECT_FALSE(store.Bytes("mem/history/骷髅/" + Stamp(5) + ".txt"));

    // Two writes within one second are two versions, in their order.
    const std::string at25 = *store.Bytes(monster);
    Write(26, Stamp(30, 7));
    const std::string at26 = *store.Bytes(monster);
    Write(27, Stamp(30, 7));
    const std::vector<profile::HistoryVersion> again = History();
    EXPECT_EQ(again[0].monsterPath, "mem/history/骷髅/20261209-103007-2.txt");
    EXPECT_EQ(again[0].WhenText(), "2026-12-09 10:30:07 (2)");
    EXPECT_EQ(again[1].monsterPath, "mem/history/骷髅/20261209-103007.txt");
    EXPECT_EQ(store.Bytes(again[0].monsterPath), at26);
    EXPECT_EQ(store.Bytes(again[1].monsterPath), at25);
}

TEST_F(MonsterHistoryTest, AWriteThatDoesNotHappenLeavesNoVersionAndNeedsOne) {
    Write(1, Stamp(0), true);
    store.Put(drop, "");  // an emptied drop-rate file is written again
    const auto before = store.Snapshot();

    store.failingWrite = store.writes + 3;  // the two history copies succeed, the monster file fails
    profile::MonsterFilesWriting writing = Write(2, Stamp(1), true);
    ASSERT_TRUE(writing.failure);
    EXPECT_EQ(writing.failure->kind, profile::MonsterFilesProblem::Kind::WriteFailed);
    EXPECT_EQ(writing.failure->path, monster);
    EXPECT_EQ(store.Snapshot(), before);  // neither file, nor any version

    store.failingWrite = store.writes + 4;  // now only the drop-rate file fails
    writing = Write(2, Stamp(2), true);
    EXPECT_TRUE(writing.monsterWritten);
    EXPECT_EQ(writing.failure->path, drop);
    ASSERT_EQ(History().size(), 1u);  // the monster file's old version only
    EXPECT_EQ(store.Bytes(History()[0].monsterPath), before.at(monster));
    EXPECT_TRUE(History()[0].dropPath.empty());

    // A history that cannot be made stops the write before anything changes.
    store.failingWrite = 0;
    store.uncreatable.insert("mem/history/骷髅");
    store.files.erase(History()[0].monsterPath);
    store.folders.erase("mem/history/骷髅");
    const auto kept = store.Snapshot();
    writing = Write(3, Stamp(3), true);
    ASSERT_TRUE(writing.failure);
    EXPECT_EQ(writing.failure->kind, profile::MonsterFilesProblem::Kind::HistoryFailed);
    EXPECT_NE(writing.failure->detail.find("mem/history/骷髅"), std::string::npos);
    EXPECT_EQ(store.Snapshot(), kept);
}

TEST_F(MonsterHistoryTest, ARestoredVersionComesBackAndTheFilesItReplacesAreKept) {
    Write(1, Stamp(0), true);
    const std::string first = *store.Bytes(monster);
    store.Put(drop, "");
    Write(2, Stamp(1), true);  // keeps both files
    const std::string second = *store.Bytes(monster);

    const profile::HistoryVersion version = History().at(0);
    EXPECT_FALSE(version.dropPath.empty());
    const profile::MonsterFilesWriting restored =
        profile::RestoreVersion(store, "mem", "骷髅", version, Stamp(2));
    EXPECT_FALSE(restored.failure);
    EXPECT_EQ(store.Bytes(monster), first);
    EXPECT_EQ(store.Bytes(drop), "");

    // The restore is itself undone the same way.
    const std::vector<profile::HistoryVersion> versions = History();
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(store.Bytes(versions[0].monsterPath), second);
    EXPECT_EQ(profile::RestoreVersion(store, "mem", "骷髅", versions[0], Stamp(3)).failure, std::nullopt);
    EXPECT_EQ(store.Bytes(monster), second);

    store.files.erase(versions[1].monsterPath);  // a version removed by hand
    const profile::MonsterFilesWriting missing =
        profile::RestoreVersion(store, "mem", "骷髅", versions[1], Stamp(4));
    ASSERT_TRUE(missing.failure);
    EXPECT_NE(missing.failure->detail.find("文件已不存在"), std::string::npos);
    EXPECT_EQ(store.Bytes(monster), second);
}

}  // namespace
}  // namespace vorn::testing
