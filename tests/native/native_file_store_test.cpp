#include "profile/native_file_store.h"

#include <gtest/gtest.h>

#include "native/monster_files_fixture.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
using profile::FileContent;

class NativeFileStoreTest : public ::testing::Test {
protected:
    std::string PathOf(std::string_view name) { return root.Utf8() + store.Separator() + std::string(name); }
    fs::path FsPath(std::string_view name) { return Child(root.path(), name); }

    ScratchDirectory root;
    profile::NativeFileStore store;
};

TEST_F(NativeFileStoreTest, DirectoryExistsOnlyForDirectories) {
    fs::create_directory(FsPath("子目录"));
    WriteBytes(FsPath("file.txt"), "x");
    EXPECT_TRUE(store.DirectoryExists(root.Utf8()));
    EXPECT_TRUE(store.DirectoryExists(PathOf("子目录")));
    EXPECT_FALSE(store.DirectoryExists(PathOf("file.txt")));
    EXPECT_FALSE(store.DirectoryExists(PathOf("missing")));
}

TEST_F(NativeFileStoreTest, ReadsWholeFilesAndTellsMissingFromFailed) {
    const std::string bytes("a\r\n\0\xB9\xD6\xFF", 7);
    WriteBytes(FsPath("怪物.txt"), bytes);
    const FileContent read = store.ReadWholeFile(PathOf("怪物.txt"));
    EXPECT_EQ(read.status, FileContent::Status::Read);
    EXPECT_EQ(read.bytes, bytes);

    EXPECT_EQ(store.ReadWholeFile(PathOf("none.txt")).status, FileContent::Status::Missing);

    fs::create_directory(FsPath("folder.txt"));
    const FileContent folder = store.ReadWholeFile(PathOf("folder.txt"));
    EXPECT_EQ(folder.status, FileContent::Status::Failed);
    EXPECT_FALSE(folder.error.empty());
}

TEST_F(NativeFileStoreTest, ReplaceCreatesAndTruncatesWithoutLeavingTemporaries) {
    EXPECT_EQ(store.ReplaceContent(PathOf("骷髅.txt"), std::string(5000, 'L')), std::nullopt);
    EXPECT_EQ(ReadBytes(FsPath("骷髅.txt")), std::string(5000, 'L'));
    EXPECT_EQ(store.ReplaceContent(PathOf("骷髅.txt"), "short\r\n"), std::nullopt);
    EXPECT_EQ(ReadBytes(FsPath("骷髅.txt")), "short\r\n");
    EXPECT_EQ(store.ReplaceContent(PathOf("empty.txt"), ""), std::nullopt);
    EXPECT_EQ(ReadBytes(FsPath("empty.txt")), "");
    EXPECT_EQ(Snapshot(root.path()).size(), 2u);
}

TEST_F(NativeFileStoreTest, LargeContentArrivesWhole) {
    std::string bytes;
    for (int i = 0; i < (3 << 20) / 7; ++i) bytes += "abc\xB9\xD6\r\n";
    EXPECT_EQ(store.ReplaceContent(PathOf("big.txt"), bytes), std::nullopt);
    EXPECT_EQ(ReadBytes(FsPath("big.txt")), bytes);
}

TEST_F(NativeFileStoreTest, ReadOnlyTargetIsRefusedAndUntouched) {
    WriteBytes(FsPath("ro.txt"), "old");
    MakeReadOnly(FsPath("ro.txt"));
    const auto check = store.CheckReplaceable(PathOf("ro.txt"));
    ASSERT_TRUE(check);
    EXPECT_NE(check->find("只读"), std::string::npos) << *check;
    const auto replace = store.ReplaceContent(PathOf("ro.txt"), "new");
    ASSERT_TRUE(replace);
    EXPECT_NE(replace->find("只读"), std::string::npos) << *replace;
    EXPECT_EQ(ReadBytes(FsPath("ro.txt")), "old");
    EXPECT_EQ(Snapshot(root.path()).size(), 1u);
}

TEST_F(NativeFileStoreTest, ReplaceableWhenMissingOrWritable) {
    EXPECT_EQ(store.CheckReplaceable(PathOf("missing.txt")), std::nullopt);
    WriteBytes(FsPath("w.txt"), "x");
    EXPECT_EQ(store.CheckReplaceable(PathOf("w.txt")), std::nullopt);
    fs::create_directory(FsPath("d.txt"));
    EXPECT_TRUE(store.CheckReplaceable(PathOf("d.txt")));
}

TEST_F(NativeFileStoreTest, FailuresCreateNothing) {
    const auto noDirectory = store.ReplaceContent(PathOf("missing") + store.Separator() + "a.txt", "x");
    EXPECT_TRUE(noDirectory);
    fs::create_directory(FsPath("d.txt"));
    const auto onFolder = store.ReplaceContent(PathOf("d.txt"), "x");
    ASSERT_TRUE(onFolder);
    EXPECT_NE(onFolder->find("文件夹"), std::string::npos) << *onFolder;
    EXPECT_EQ(Snapshot(root.path()), (std::map<std::string, std::string>{{"d.txt/", ""}}));
}

}  // namespace
}  // namespace vorn::testing
