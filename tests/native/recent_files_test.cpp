// The recent-files list: most recent first, eight at most, one entry per file
// however its path is spelled, and a hand-edited list that cannot break it.
#include <gtest/gtest.h>

#include "settings/recent_files.h"

namespace vorn::testing {
namespace {

using settings::IniDocument;
using settings::RecentFiles;
using Paths = std::vector<std::string>;

TEST(RecentFilesList, NewestFirstWithoutRepeatsAndNoMoreThanEight) {
    RecentFiles recent;
    for (int i = 1; i <= 9; ++i) recent.Add("C:\\M\\" + std::to_string(i) + ".txt");
    EXPECT_EQ(recent.Paths().size(), 8u);
    EXPECT_EQ(recent.Paths().front(), "C:\\M\\9.txt");
    EXPECT_EQ(recent.Paths().back(), "C:\\M\\2.txt");

    recent.Add("c:/m/5.TXT");
    EXPECT_EQ(recent.Paths().front(), "c:/m/5.TXT") << "the newest spelling is kept";
    EXPECT_EQ(recent.Paths().size(), 8u);
    EXPECT_TRUE(recent.Remove("C:\\M\\9.txt"));
    EXPECT_FALSE(recent.Remove("C:\\M\\9.txt"));
    recent.Add("\xB9\xD6.txt");  // not UTF-8
    recent.Add("");
    EXPECT_EQ(recent.Paths().size(), 7u);
}

TEST(RecentFilesList, PathsCompareAsWindowsDoes) {
    EXPECT_TRUE(settings::SameWindowsPath("D:\\Ｍｏｎ\\ÄRGER.txt", "d:/ｍｏＮ/ärger.TXT"));
    EXPECT_TRUE(settings::SameWindowsPath("C:\\ΔΑ\\Москва.txt", "c:\\δα\\москва.txt"));
    EXPECT_FALSE(settings::SameWindowsPath("C:\\赤月.txt", "C:\\赤日.txt"));
    EXPECT_FALSE(settings::SameWindowsPath("C:\\a.txt", "C:\\a.txt.txt"));
    EXPECT_FALSE(settings::SameWindowsPath("C:\\×.txt", "C:\\÷.txt")) << "signs are no letters";
}

TEST(RecentFilesList, SettingsRoundTripAndHandEditsAreCleanedUp) {
    IniDocument settings;
    settings.SetValue("Folders", "Last", "C:\\");
    settings.ReplaceSection("recentfiles", {{"File2", "b.txt"}, {"FILE1", "a.txt"}, {"File3", ""},
                                            {"File4", "A.TXT"}, {"File9", "i.txt"}, {"Other", "o.txt"}});
    const RecentFiles recent = RecentFiles::FromSettings(settings);
    EXPECT_EQ(recent.Paths(), (Paths{"a.txt", "b.txt"}));

    recent.WriteTo(settings);
    EXPECT_EQ(settings.Value("RecentFiles", "File2"), "b.txt");
    EXPECT_EQ(settings.Value("RecentFiles", "Other"), std::nullopt);
    EXPECT_EQ(settings.Value("Folders", "Last"), "C:\\") << "other settings stay";
    EXPECT_EQ(RecentFiles::FromSettings(settings).Paths(), recent.Paths());

    RecentFiles{}.WriteTo(settings);
    EXPECT_EQ(settings.Section("RecentFiles"), nullptr);
}

}  // namespace
}  // namespace vorn::testing
