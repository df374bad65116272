#include "mainwindow/program_menu.h"

#include <gtest/gtest.h>

namespace vorn::mainwindow {
namespace {

TEST(ProgramMenu, CommandsRecentFilesNumberedThenHelp) {
    const std::vector<std::string> recent = {"D:\\服务端\\MonUseItems\\白野猪.txt", "C:\\A&B\\R&D.txt"};
    const auto entries = ProgramMenuEntries(recent);
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries[0].shortcut, "Ctrl+N");
    EXPECT_EQ(entries[1].command, static_cast<int>(MenuCommand::Open));
    EXPECT_EQ(entries[2].shortcut, "Ctrl+S");
    EXPECT_EQ(entries[3].shortcut, "Ctrl+L");
    EXPECT_TRUE(entries[4].text.empty());
    EXPECT_EQ(entries[5].text, "&1  白野猪");
    EXPECT_EQ(entries[5].shortcut, "D:\\服务端\\MonUseItems");
    EXPECT_EQ(entries[5].command, static_cast<int>(MenuCommand::FirstRecent));
    // An ampersand of a name is shown, not taken as the key.
    EXPECT_EQ(entries[6].text, "&2  R&&D");
    EXPECT_EQ(entries[6].command, static_cast<int>(MenuCommand::FirstRecent) + 1);
    EXPECT_EQ(entries[8].shortcut, "F1");

    const auto none = ProgramMenuEntries({});
    EXPECT_EQ(none[5].text, "（没有最近打开的文件）");
    EXPECT_FALSE(none[5].enabled);
}

TEST(ProgramMenu, LongFoldersKeepTheirHeadAndTheLastFoldersThatFit) {
    EXPECT_EQ(ShortenedFolder("D:\\短", 10), "D:\\短");
    EXPECT_EQ(ShortenedFolder("D:\\Games\\Server\\Mir200\\Envir\\MonUseItems", 24),
              "D:\\\xE2\x80\xA6\\Envir\\MonUseItems");
    // The last folder alone is kept even when it is longer than the room.
    EXPECT_EQ(ShortenedFolder("D:\\a\\一二三四五六七八九十", 8), "D:\\\xE2\x80\xA6\\一二三四五六七八九十");
}

}  // namespace
}  // namespace vorn::mainwindow
