// The server's item and monster tables in the window: a slot name the item
// table lacks wears the warning colour and is named in the tip line, and
// generating with unknown names asks first; "返回" writes nothing. Without
// tables nothing of this shows.
#include <gtest/gtest.h>

#include "native/handler_fixture.h"
#include "native/monster_files_fixture.h"
#include "runtime/base/gbk.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
namespace id = mainwindow::id;
using mainwindow::KnownNames;

constexpr runtime::Rgb kBlue = 0x0000FF;
constexpr runtime::BoxAnswer kSecondButton = 2u << 16;

// Records what the window would offer under a box.
struct FakeCompletions final : runtime::CompletionList {
    void Show(runtime::WindowId, runtime::ControlId box, const std::vector<std::string>& choices) override {
        below = box;
        shown = choices;
    }
    void Hide() override { shown.clear(); }
    runtime::ControlId below = 0;
    std::vector<std::string> shown;
};

class KnownNamesTest : public HandlerTest {
protected:
    KnownNamesTest() {
        fs::create_directory(Child(root.path(), "MonUseItems"));
        program.directory = root.Utf8();
        WriteBytes(Child(root.path(), "items.txt"), *runtime::Utf8ToGbk("圣战头盔\r\n屠龙\r\n"));
        WriteBytes(Child(root.path(), "monsters.csv"), *runtime::Utf8ToGbk("名称,等级\r\n骷髅,10\r\n"));
    }
    std::string PathOf(std::string_view name) const { return root.Utf8() + files.Separator() + std::string(name); }
    // Types into a slot's box the way a user does: its button, the text, leaving it.
    void TypeSlot(runtime::ControlId button, runtime::ControlId box, std::string_view text) {
        window.Click(button);
        window.Type(box, text);
        window.MoveFocus(id::kMonsterName);
    }
    bool Generated(std::string_view name) const {
        return fs::exists(Child(Child(root.path(), "MonUseItems"), std::string(name) + ".txt"));
    }
    ScratchDirectory root;
};

TEST_F(KnownNamesTest, UnknownNamesAreMarkedNamedAndAskedAboutBeforeGenerating) {
    // Without tables: the slot's own blue, and generating asks nothing more.
    TypeSlot(id::kHelmetButton, id::kHelmetName, "圣战头盔X");
    EXPECT_EQ(window.Control(id::kHelmetName).textColour, kBlue);

    controller.ChooseNameTable(KnownNames::Table::Items, PathOf("items.txt"));
    EXPECT_EQ(Tip(), "友情提示：已载入物品名称表，共 2 个名称");
    EXPECT_NE(window.Control(id::kHelmetName).textColour, kBlue) << "the unknown helmet is marked at once";
    TypeSlot(id::kWeaponButton, id::kWeaponName, "屠龙");
    EXPECT_EQ(window.Control(id::kWeaponName).textColour, kBlue);
    TypeSlot(id::kHelmetButton, id::kHelmetName, "圣战头盔X");
    EXPECT_EQ(Tip(), "友情提示：物品【圣战头盔X】不在物品名称表中，服务端不会认出它");

    controller.ChooseNameTable(KnownNames::Table::Monsters, PathOf("monsters.csv"));
    window.Type(id::kMonsterName, "骷髅王");
    boxes.requests.clear();
    controller.GenerateItemClicked();  // the box's close button: back
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(boxes.requests[0].title, "名称检查：");
    EXPECT_NE(boxes.requests[0].message.find("物品：圣战头盔X"), std::string::npos) << boxes.requests[0].message;
    EXPECT_NE(boxes.requests[0].message.find("怪物：骷髅王"), std::string::npos) << boxes.requests[0].message;
    EXPECT_FALSE(Generated("骷髅王"));

    boxes.answers = {kSecondButton};  // "仍然生成"
    controller.GenerateItemClicked();
    EXPECT_TRUE(Generated("骷髅王"));

    // Typing in an unlocked box offers the table's names; taking one writes it.
    FakeCompletions completions;
    controller.SetCompletionList(&completions);
    window.Click(id::kGemButton);
    window.Type(id::kGemName, "圣");
    EXPECT_EQ(completions.below, id::kGemName);
    EXPECT_EQ(completions.shown, std::vector<std::string>{"圣战头盔"});
    controller.TakeCompletion(id::kGemName, "圣战头盔");
    EXPECT_EQ(window.Text(id::kGemName), "圣战头盔");
    EXPECT_TRUE(completions.shown.empty());
    window.Type(id::kGemName, "屠");
    EXPECT_EQ(completions.shown, std::vector<std::string>{"屠龙"});
    window.MoveFocus(id::kMonsterName);
    EXPECT_TRUE(completions.shown.empty()) << "leaving the box hides the list";
    controller.SetCompletionList(nullptr);

    // A table that cannot be read is said so; the one held stays.
    WriteBytes(Child(root.path(), "empty.txt"), "");
    controller.ChooseNameTable(KnownNames::Table::Items, PathOf("empty.txt"));
    EXPECT_EQ(boxes.requests.back().title, "名称表：");
    EXPECT_EQ(window.Control(id::kWeaponName).textColour, kBlue) << "屠龙 is still known";
}

}  // namespace
}  // namespace vorn::testing
