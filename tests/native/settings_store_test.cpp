// Where the settings file goes: beside the program, in the user's folder when
// the program's cannot be written, and nowhere before there is something to
// remember.
#include <gtest/gtest.h>

#include "native/monster_files_fixture.h"
#include "settings/settings_store.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
using settings::IniDocument;
using settings::SettingsStore;

class SettingsLocation : public ::testing::Test {
protected:
    SettingsLocation() { fs::create_directory(programFolder); }

    static IniDocument Remembering(std::string_view path) {
        IniDocument document;
        document.SetValue("RecentFiles", "File1", path);
        return document;
    }
    std::string Utf8(const fs::path& path) { return reinterpret_cast<const char*>(path.u8string().c_str()); }
    SettingsStore Store(const fs::path& program) { return {files, Utf8(program), Utf8(userFolder)}; }

    ScratchDirectory root;
    fs::path programFolder = Child(root.path(), "程序");
    fs::path userFolder = Child(root.path(), "VornMonsterTool");
    profile::NativeFileStore files;
};

TEST_F(SettingsLocation, NothingIsWrittenUntilThereIsSomethingNew) {
    SettingsStore store = Store(programFolder);
    store.Load();
    EXPECT_EQ(store.Save(IniDocument{}), std::nullopt);
    EXPECT_EQ(Snapshot(root.path()).size(), 1u) << "the program's folder alone";

    const std::string handEdited = "[RecentFiles]\nFile1=a.txt\n";
    WriteBytes(Child(programFolder, "VornMonsterTool.ini"), handEdited);
    EXPECT_EQ(store.Load().settings, Remembering("a.txt"));
    EXPECT_EQ(store.Save(Remembering("a.txt")), std::nullopt);
    EXPECT_EQ(ReadBytes(Child(programFolder, "VornMonsterTool.ini")), handEdited) << "left as it was";

    EXPECT_EQ(store.Save(Remembering("b.txt")), std::nullopt);
    EXPECT_EQ(Store(programFolder).Load().settings, Remembering("b.txt"));
    EXPECT_EQ(Snapshot(root.path()).size(), 2u) << "the folder and the file: no temporary file stays";
}

TEST_F(SettingsLocation, AProgramFolderThatCannotBeWrittenSendsTheFileToTheUserFolder) {
    const fs::path unwritable = Child(root.path(), "gone");  // no folder: no temporary file either
    SettingsStore store = Store(unwritable);
    store.Load();
    EXPECT_EQ(store.Save(Remembering("a.txt")), std::nullopt);
    EXPECT_EQ(store.Path(), Utf8(Child(userFolder, "VornMonsterTool.ini")));
    EXPECT_EQ(Store(unwritable).Load().settings, Remembering("a.txt"));

    // A read-only file beside the program loses to the one written instead.
    WriteBytes(Child(programFolder, "VornMonsterTool.ini"), "[RecentFiles]\nFile1=old.txt\n");
    MakeReadOnly(Child(programFolder, "VornMonsterTool.ini"));
    SettingsStore besideReadOnly = Store(programFolder);
    EXPECT_EQ(besideReadOnly.Load().settings, Remembering("a.txt"));
    EXPECT_EQ(besideReadOnly.Save(Remembering("c.txt")), std::nullopt);
    EXPECT_EQ(Store(programFolder).Load().settings, Remembering("c.txt"));

    SettingsStore nowhere{files, Utf8(unwritable), std::nullopt};
    const std::optional<std::string> problem = nowhere.Save(Remembering("d.txt"));
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("VornMonsterTool.ini"), std::string::npos) << *problem;
}

}  // namespace
}  // namespace vorn::testing
