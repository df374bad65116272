// The settings file as it lands on disk: what the program writes reads back
// the same, hand edits in other encodings are understood, and whatever else
// the file holds gives the defaults and a reason, never an exception.
#include <gtest/gtest.h>

#include "native/monster_files_fixture.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

namespace vorn::testing {
namespace {

using namespace std::string_literals;
using settings::IniDocument;
using settings::SettingsReading;

class SettingsFile : public ::testing::Test {
protected:
    void Put(std::string_view bytes) { WriteBytes(Child(root.path(), "VornMonsterTool.ini"), bytes); }
    SettingsReading Load() { return store.Load(); }

    ScratchDirectory root;
    profile::NativeFileStore files;
    settings::SettingsStore store{files, root.Utf8(), std::nullopt};
};

TEST_F(SettingsFile, WhatIsWrittenReadsBackAsUtf16LeWithCrLf) {
    IniDocument written;
    written.SetValue("RecentFiles", "File1", "D:\\服务端\\MonUseItems\\赤月恶魔.txt");
    written.SetValue("RecentFiles", "File2", "E:\\𠀋.txt");  // outside the BMP
    written.SetValue("Folders", "Last", "D:\\服务端");
    ASSERT_EQ(store.Save(written), std::nullopt);

    const std::string bytes = ReadBytes(Child(root.path(), "VornMonsterTool.ini")).value_or("");
    EXPECT_TRUE(bytes.starts_with("\xFF\xFE[\0R\0"s)) << "UTF-16LE with its mark";
    EXPECT_NE(bytes.find("\r\0\n\0"s), std::string::npos);
    const SettingsReading read = Load();
    EXPECT_EQ(read.ignoredBecause, std::nullopt);
    EXPECT_EQ(read.settings, written);
}

TEST_F(SettingsFile, HandEditsInOtherEncodingsAreRead) {
    const std::string utf8 = " [RecentFiles] \n; 注释\r\nfile1 = C:\\怪物\\赤月.txt \n";
    const std::pair<std::string, std::string> kCases[] = {
        {"UTF-8", utf8},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + utf8},
        {"GBK", "[RecentFiles]\r\nFile1=C:\\\xB9\xD6\xCE\xEF\\\xB3\xE0\xD4\xC2.txt\r\n"},
        {"UTF-16BE", "\xFE\xFF\0[\0R\0e\0c\0e\0n\0t\0F\0i\0l\0e\0s\0]\0\n\0F\0i\0l\0e\0\x31\0=\0C\0:\0\\"
                     "\x60\x2A\x72\x69\0\\\x8D\x64\x67\x08\0.\0t\0x\0t"s},
    };
    for (const auto& [encoding, bytes] : kCases) {
        Put(bytes);
        const SettingsReading read = Load();
        EXPECT_EQ(read.ignoredBecause, std::nullopt) << encoding;
        EXPECT_EQ(read.settings.Value("recentfiles", "FILE1"), "C:\\怪物\\赤月.txt") << encoding;
    }
}

TEST_F(SettingsFile, MissingEmptyOrUnusableFilesGiveTheDefaults) {
    EXPECT_EQ(Load().ignoredBecause, std::nullopt) << "missing";
    Put("");
    EXPECT_EQ(Load().ignoredBecause, std::nullopt) << "empty";
    EXPECT_TRUE(Load().settings.empty());

    const std::pair<std::string, std::string_view> kUnusable[] = {
        {"\xFF\xFE[\0R\0e\0c\0"s + "\x65", "不完整"},                // truncated mid-character
        {"[RecentFi", "第 1 行的节名不完整"},                         // truncated mid-line
        {"\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xFF\xD8"s, "既不是"},        // binary
        {"MZ\x03\0\0\0\x04\0"s, "控制字符"},                          // binary that decodes
        {"[RecentFiles]\r\nFile1=a.txt\r\n这一行没有等号\r\n", "第 3 行不是"},
        {"File1=a.txt\r\n", "不在任何 [节] 之下"},
        {"\xFE\xFF\xD8\x00\x00\x41"s, "代理字符"},
        {std::string(settings::kSettingsFileLimit + 1, ' '), "文件太大"},
    };
    for (const auto& [bytes, reason] : kUnusable) {
        Put(bytes);
        const SettingsReading read = Load();
        EXPECT_TRUE(read.settings.empty()) << reason;
        EXPECT_NE(read.ignoredBecause.value_or("").find(reason), std::string::npos)
            << read.ignoredBecause.value_or("<read>");
    }

    std::filesystem::remove(Child(root.path(), "VornMonsterTool.ini"));
    std::filesystem::create_directory(Child(root.path(), "VornMonsterTool.ini"));
    EXPECT_NE(Load().ignoredBecause.value_or("").find("文件夹"), std::string::npos) << "unreadable";
}

}  // namespace
}  // namespace vorn::testing
