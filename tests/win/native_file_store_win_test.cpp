// Windows-only situations of the file store: a target another program holds
// open, and the read-only attribute.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

}  // namespace
}  // namespace vorn::profile
