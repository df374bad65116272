// Windows-only situations of the file store: a target another program holds
// open, the read-only attribute, and two writers of one monster at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "profile/monster_files_writer.h"
#include "profile/monster_history.h"
#include "profile/native_file_store.h"
#include "runtime/base/utf_win.h"

namespace vorn::profile {
namespace {

namespace fs = std::filesystem;

class NativeFileStoreWinTest : public ::testing::Test {
protected:
    NativeFileStoreWinTest() {
        directory_ = fs::temp_directory_path() /
                     ("vorn-store-" + std::to_string(GetCurrentProcessId()) + "-" +
                      std::to_string(GetTickCount64()));
        fs::create_directory(directory_);
    }
    ~NativeFileStoreWinTest() override {
        for (const auto& entry : fs::directory_iterator(directory_))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }

    fs::path Target() const { return directory_ / L"怪物.txt"; }
    std::string TargetUtf8() const { return runtime::Narrow(Target().wstring()); }

    void Write(const std::string& bytes) {
        std::ofstream out(Target(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string Read() const {
        std::ifstream in(Target(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::size_t FileCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()));
    }

    fs::path directory_;
    NativeFileStore store;
};

TEST_F(NativeFileStoreWinTest, UsesBackslashes) { EXPECT_EQ(store.Separator(), '\\'); }

TEST_F(NativeFileStoreWinTest, FileHeldOpenByAnotherProgramIsReportedAndKept) {
    Write("old content");
    HANDLE lock = CreateFileW(Target().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const auto check = store.CheckReplaceable(TargetUtf8());
    const auto replace = store.ReplaceContent(TargetUtf8(), "new content");
    CloseHandle(lock);

    ASSERT_TRUE(check);
    EXPECT_NE(check->find("占用"), std::string::npos) << *check;
    ASSERT_TRUE(replace);
    EXPECT_EQ(Read(), "old content");
    EXPECT_EQ(FileCount(), 1u) << "the temporary file stayed behind";
}

TEST_F(NativeFileStoreWinTest, ReadOnlyAttributeIsRespected) {
    Write("old content");
    ASSERT_TRUE(SetFileAttributesW(Target().c_str(), FILE_ATTRIBUTE_READONLY));
    const auto replace = store.ReplaceContent(TargetUtf8(), "new content");
    ASSERT_TRUE(replace);
    EXPECT_NE(replace->find("只读"), std::string::npos) << *replace;
    EXPECT_EQ(Read(), "old content");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(NativeFileStoreWinTest, CreatingNeverReplacesAFileThatAppearedMeanwhile) {
    EXPECT_EQ(store.CreateContent(TargetUtf8(), "first"), std::nullopt);
    EXPECT_EQ(Read(), "first");
    const auto again = store.CreateContent(TargetUtf8(), "second");
    ASSERT_TRUE(again);
    EXPECT_NE(again->find("同名"), std::string::npos) << *again;
    EXPECT_EQ(Read(), "first");
    EXPECT_EQ(FileCount(), 1u) << "the temporary file stayed behind";
}

// Two writers (threads standing for two copies of the program: the lock is
// a named mutex, which each thread owns on its own) write the same monster
// 100 times each, each time with other content, re-planning whenever the
// other wrote in between, while a reader keeps reading the file: every
// reading is one write's whole file, no write is lost (each file replaced
// went to the history first), and no temporary file stays.
TEST_F(NativeFileStoreWinTest, TwoWritersAtOnceLoseNothingAndLeaveWholeFilesOnly) {
    const std::string folder = runtime::Narrow(directory_.wstring());
    const auto plan = [&](const std::string& fee) {
        MonsterProfile monster;
        monster.monsterName = "怪物";
        monster.butchChargeCount = fee;
        return *PlanMonsterFiles(store, folder, monster, {}, false).plan;
    };
    std::set<std::string> whole;
    for (int i = 0; i < 200; ++i) whole.insert(plan(std::to_string(i)).monster.bytes);
    std::atomic<int> changedMeanwhile = 0;
    std::atomic<int> writes = 0;  // numbers the versions in the order of the writes
    std::atomic<bool> writing = true;
    std::mutex keptGuard;
    std::set<std::string> kept;  // what the writes kept in the history
    const auto writer = [&](int first) {
        NativeFileStore own;
        for (int i = 0; i < 100; ++i) {
            while (true) {
                const int n = ++writes;
                const std::string stamp = VersionStamp(2026, 12, 9, 10 + n / 3600, n / 60 % 60, n % 60);
                const MonsterFilesWriting done =
                    WriteMonsterFiles(own, plan(std::to_string(first + i)), stamp);
                if (!done.failure) {
                    const std::lock_guard hold(keptGuard);
                    for (const std::string& path : done.history) kept.insert(own.ReadWholeFile(path).bytes);
                    break;
                }
                ASSERT_EQ(done.failure->kind, MonsterFilesProblem::Kind::ChangedMeanwhile)
                    << done.failure->detail;
                ++changedMeanwhile;
            }
        }
    };
    std::vector<std::string> torn;
    std::thread reader([&] {
        NativeFileStore own;
        while (writing) {
            const FileContent now = own.ReadWholeFile(TargetUtf8());
            if (now.status == FileContent::Status::Read && !whole.contains(now.bytes))
                torn.push_back(now.bytes);
            Sleep(1);  // as a server or an editor reads: now and then, not back to back
        }
    });
    std::thread one(writer, 0), two(writer, 100);
    one.join();
    two.join();
    writing = false;
    reader.join();

    EXPECT_TRUE(torn.empty()) << torn.size() << " readings were no whole file";
    EXPECT_TRUE(whole.contains(Read()));
    kept.insert(Read());
    EXPECT_TRUE(kept == whole) << whole.size() - kept.size() << " writes were overwritten unkept";
    EXPECT_EQ(FileCount(), 2u) << "the monster file and the history folder, no temporary file";
    EXPECT_EQ(ListHistory(store, folder, "怪物").size(), kHistoryVersionsKept);
    // How often one writer found the other's file between its plan and its write.
    RecordProperty("changedMeanwhile", changedMeanwhile.load());
}

}  // namespace
}  // namespace vorn::profile
