// The name table as the tool uses it: the server's exact look-up, completion
// while typing (beginnings before insides, Latin case and width folded, CJK
// as it is), and loading a table file into a table or one message about it.
#include <gtest/gtest.h>

#include "names/completion_folding.h"
#include "names/name_table.h"
#include "names/name_table_file.h"
#include "native/monster_files_fixture.h"
#include "native/paradox_table_builder.h"

namespace vorn::testing {
namespace {

using names::NameTable;
using names::NameTableFormat;
using Names = std::vector<std::string>;

TEST(NameTable, KnowsANameOnlyExactlyAsWritten) {
    const NameTable table(Names{"木剑", "Magic Ring", "屠龙", "木剑", "", "ＡＢ剑"});
    EXPECT_EQ(table.Names(), (Names{"木剑", "Magic Ring", "屠龙", "ＡＢ剑"})) << "first of equals kept, empty dropped";
    for (const char* known : {"木剑", "Magic Ring", "屠龙", "ＡＢ剑"}) EXPECT_TRUE(table.Contains(known)) << known;
    for (const char* unknown : {"木", "木剑 ", "magic ring", "Magic  Ring", "AB剑", "", "屠龙刀"})
        EXPECT_FALSE(table.Contains(unknown)) << unknown;
    EXPECT_FALSE(NameTable().Contains(""));
}

TEST(NameTable, KnowsEveryNameOfALargeTableAndOfItsCopy) {
    Names names;
    for (int index = 0; index < 5000; ++index) names.push_back("剑" + std::to_string(index));
    const NameTable copy = [&] { return NameTable(names); }();  // the original is gone
    EXPECT_EQ(copy.size(), 5000u);
    for (const std::string& name : names) {
        EXPECT_TRUE(copy.Contains(name)) << name;
        EXPECT_FALSE(copy.Contains(name + "x")) << name;
    }
}

TEST(NameTable, CompletesBeginningsBeforeInsidesShorterFirst) {
    const NameTable table(Names{"龙之戒指", "屠龙", "龙牙", "青龙", "龙", "金龙牙", "木剑", "龙纹剑"});
    EXPECT_EQ(table.Complete("龙"), (Names{"龙", "龙牙", "龙纹剑", "龙之戒指", "屠龙", "青龙", "金龙牙"}));
    EXPECT_EQ(table.Complete("龙牙"), (Names{"龙牙", "金龙牙"}));
    EXPECT_EQ(table.Complete("剑"), (Names{"木剑", "龙纹剑"}));
    EXPECT_EQ(table.Complete("龙", 3), (Names{"龙", "龙牙", "龙纹剑"}));
    EXPECT_EQ(table.Complete("龙", 5), (Names{"龙", "龙牙", "龙纹剑", "龙之戒指", "屠龙"}));
    EXPECT_EQ(table.Complete("虎"), Names{});
    EXPECT_EQ(table.Complete(""), Names{});
    EXPECT_EQ(table.Complete("龙", 0), Names{});
}

TEST(NameTable, CompletionIgnoresLatinCaseAndWidth) {
    const NameTable table(Names{"Dragon Ring", "dragon", "ＤＲＡＧＯＮ剑", "Ring of DRAGON", "Drag"});
    // Shorter in characters first: the full-width name has 7, "Dragon Ring" 11.
    EXPECT_EQ(table.Complete("dragon"), (Names{"dragon", "ＤＲＡＧＯＮ剑", "Dragon Ring", "Ring of DRAGON"}));
    EXPECT_EQ(table.Complete("ＤＲＡＧ"), (Names{"Drag", "dragon", "ＤＲＡＧＯＮ剑", "Dragon Ring", "Ring of DRAGON"}));
    EXPECT_EQ(table.Complete("ｏｆ　ｄ"), (Names{"Ring of DRAGON"}));  // full-width letters and space
}

TEST(CompletionFolding, FoldsOnlyLatinCaseAndFullWidthAscii) {
    EXPECT_EQ(names::FoldForCompletion("AbZ ＡｚＺ！～０　剑Ⅰ"), "abz azz!~0 剑Ⅰ");
    EXPECT_EQ(names::FoldForCompletion("\xEF\xBC\x80\xEF\xBD\x9F"), "\xEF\xBC\x80\xEF\xBD\x9F");  // U+FF00, U+FF5F
    EXPECT_EQ(names::FoldForCompletion("\xEF\xBC"), "\xEF\xBC");  // cut short: unchanged
}

TEST(NameTableFile, ChoosesTheReaderByContentThenExtension) {
    const std::string paradox = BuildParadoxTable(ParadoxNameTable({"\xC4\xBE\xBD\xA3"}));
    EXPECT_EQ(names::ChooseNameTableFormat(paradox, "D:\\server\\items.txt"), NameTableFormat::Paradox);
    EXPECT_EQ(names::ChooseNameTableFormat("木剑\n", "D:\\server\\StdItems.DB"), NameTableFormat::Paradox);
    EXPECT_EQ(names::ChooseNameTableFormat("Name\n木剑\n", "items.CSV"), NameTableFormat::Delimited);
    EXPECT_EQ(names::ChooseNameTableFormat("Name\t\n", "/srv/items.tsv"), NameTableFormat::Delimited);
    EXPECT_EQ(names::ChooseNameTableFormat("木剑\n", "D:\\csv\\items"), NameTableFormat::Text);
    EXPECT_EQ(names::ChooseNameTableFormat("木剑\n", ".csv"), NameTableFormat::Text);

    const names::NameTableLoad read = names::NameTableFromBytes(paradox, "items.txt");
    ASSERT_TRUE(read.table);
    EXPECT_TRUE(read.table->Contains("木剑"));
    EXPECT_EQ(names::NameTableFromBytes("木剑\n", "D:\\server\\StdItems.DB").error,
              "无法读取名称表 D:\\server\\StdItems.DB：文件只有 7 字节，装不下 Paradox 表头。");
}

TEST(NameTableFile, LoadsAFileOrSaysWhatIsWrongWithIt) {
    ScratchDirectory folder;
    profile::NativeFileStore files;
    const std::string path = folder.Utf8() + "/物品.csv";
    WriteBytes(Child(folder.path(), "物品.csv"), "Idx,Name\r\n0,木剑\r\n1,屠龙\r\n2,木剑\r\n");
    const names::NameTableLoad loaded = names::LoadNameTable(files, path);
    EXPECT_EQ(loaded.error, "");
    EXPECT_EQ(loaded.format, NameTableFormat::Delimited);
    ASSERT_TRUE(loaded.table);
    EXPECT_EQ(loaded.table->Names(), (Names{"木剑", "屠龙"}));

    WriteBytes(Child(folder.path(), "物品.csv"), "");
    EXPECT_EQ(names::LoadNameTable(files, path).error, "无法读取名称表 " + path + "：文件是空的。");
    EXPECT_EQ(names::LoadNameTable(files, path + ".old").error, "无法读取名称表 " + path + ".old：文件不存在。");
    const names::NameTableLoad folderLoad = names::LoadNameTable(files, folder.Utf8());
    EXPECT_FALSE(folderLoad.table);
    EXPECT_TRUE(folderLoad.error.starts_with("无法读取名称表 " + folder.Utf8() + "：")) << folderLoad.error;
}

}  // namespace
}  // namespace vorn::testing
