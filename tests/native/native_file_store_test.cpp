#include "profile/native_file_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <map>

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

TEST_F(NativeFileStoreTest, ListsPlainFilesWithSizesAndTimes) {
    WriteBytes(FsPath("骷髅.txt"), "12345");
    WriteBytes(FsPath("old.TXT"), "");
    fs::create_directory(FsPath("子目录"));
    WriteBytes(Child(FsPath("子目录"), "inner.txt"), "x");
    // Two hours older: the times must keep their distance in 100 ns steps.
    fs::last_write_time(FsPath("old.TXT"),
                        fs::last_write_time(FsPath("骷髅.txt")) - std::chrono::hours(2));

    const profile::FolderListing listing = store.ListFolder(root.Utf8());
    ASSERT_FALSE(listing.error) << *listing.error;
    std::map<std::string, profile::FolderFile> byName;
    for (const profile::FolderFile& file : listing.files) byName[file.name] = file;
    ASSERT_EQ(byName.size(), 2u) << "the subfolder and its file are not listed";
    const profile::FolderFile& monster = byName["骷髅.txt"];
    const profile::FolderFile& old = byName["old.TXT"];
    EXPECT_EQ(monster.size, 5u);
    EXPECT_EQ(old.size, 0u);
    const std::int64_t twoHours = 2LL * 3600 * 10000000;
    EXPECT_NEAR(static_cast<double>(monster.modified - old.modified), static_cast<double>(twoHours),
                2e7);
    // Written a moment ago: a year of this century, in the listing's format.
    for (const profile::FolderFile* file : {&monster, &old}) {
        const std::string& text = file->modifiedText;
        ASSERT_EQ(text.size(), 16u) << text;
        EXPECT_TRUE(text.starts_with("20") && text[4] == '-' && text[7] == '-' && text[10] == ' ' &&
                    text[13] == ':')
            << text;
    }
    EXPECT_NE(monster.modifiedText, old.modifiedText);
    // A single file's time, asked apart, reads as its listing does.
    EXPECT_EQ(store.ModifiedText(root.Utf8() + store.Separator() + "old.TXT"), old.modifiedText);
    std::vector<std::string> names = store.ListFileNames(root.Utf8());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"old.TXT", "骷髅.txt"}));
}

TEST_F(NativeFileStoreTest, FolderThatCannotBeListedIsNamed) {
    WriteBytes(FsPath("file.txt"), "x");
    for (const std::string& path : {PathOf("missing"), PathOf("file.txt")}) {
        const profile::FolderListing listing = store.ListFolder(path);
        ASSERT_TRUE(listing.error) << path;
        EXPECT_NE(listing.error->find(path), std::string::npos) << *listing.error;
        EXPECT_TRUE(listing.files.empty());
    }
    EXPECT_NE(store.ListFolder(PathOf("missing")).error->find("找不到文件夹"), std::string::npos);
    fs::create_directory(FsPath("empty"));
    const profile::FolderListing empty = store.ListFolder(PathOf("empty"));
    EXPECT_FALSE(empty.error);
    EXPECT_TRUE(empty.files.empty());
}

TEST_F(NativeFileStoreTest, RemovesFilesAndMissingOnesAreFine) {
    WriteBytes(FsPath("a.txt"), "x");
    EXPECT_EQ(store.RemoveFile(PathOf("a.txt")), std::nullopt);
    EXPECT_EQ(store.RemoveFile(PathOf("a.txt")), std::nullopt);
    EXPECT_TRUE(Snapshot(root.path()).empty());
}

TEST(FolderListing, FileTimesAndMinuteTexts) {
    EXPECT_EQ(profile::FileTimeFromUnix(0, 0), 116444736000000000);
    EXPECT_EQ(profile::FileTimeFromUnix(1, 999), 116444736010000009);
    EXPECT_EQ(profile::MinuteText(2024, 5, 1, 8, 7), "2024-05-01 08:07");
}

}  // namespace
}  // namespace vorn::testing
