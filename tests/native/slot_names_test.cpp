// Slot buttons unlock their name boxes; Enter confirms with a tip box, leaving
// the box only locks it.
#include <gtest/gtest.h>

#include "native/handler_fixture.h"
#include "mainwindow/equip_slot.h"
#include "mainwindow/program_assets.h"

namespace vorn::testing {
namespace {

namespace id = mainwindow::id;
namespace prop = runtime::prop;
using SlotNames = HandlerTest;
using Lines = std::vector<std::string>;

constexpr int kEnter = 13;

std::size_t ClickSoundSize() { return mainwindow::AssetBytes(mainwindow::kClickSoundWav).size(); }

TEST_F(SlotNames, EachButtonUnlocksItsOwnBoxInOrder) {
    int slotsSeen = 0;
    for (const mainwindow::EquipSlot& slot : mainwindow::EquipSlots()) {
        if (slot.button == 0) continue;
        ++slotsSeen;
        window.MoveFocus(0);  // the previous box loses the focus and locks here
        ForgetJournal();
        window.Click(slot.button);

        EXPECT_EQ(journal, (Lines{
                               Delivered(runtime::EventKind::Clicked, slot.button),
                               Played(ClickSoundSize()),
                               WroteInteger(slot.nameBox, prop::kDisabled, 0),
                               Focused(slot.nameBox),
                               WroteInteger(slot.nameBox, prop::edit::kSelectedLength, -1),
                           }))
            << slot.word;
        EXPECT_FALSE(window.Control(slot.nameBox).disabled) << slot.word;
        EXPECT_EQ(window.Focus(), slot.nameBox) << slot.word;
        // The whole placeholder is selected, so the first key replaces it.
        EXPECT_EQ(window.Control(slot.nameBox).selectedLength,
                  static_cast<std::int64_t>(slot.placeholder.size()))
            << slot.word;
    }
    EXPECT_EQ(slotsSeen, mainwindow::kEditableSlotCount);
}

TEST_F(SlotNames, UnlockingOneBoxLeavesTheOthersLocked) {
    window.Click(id::kMedalButton);
    for (const mainwindow::EquipSlot& slot : mainwindow::EquipSlots()) {
        if (slot.nameBox == 0) continue;
        EXPECT_EQ(window.Control(slot.nameBox).disabled, slot.nameBox != id::kMedalName)
            << slot.word;
    }
}

TEST_F(SlotNames, ClickingAnUnlockedBoxButtonReplaysTheSoundAndReselects) {
    window.Click(id::kHelmetButton);
    window.Type(id::kHelmetName, "金盔");
    window.Control(id::kHelmetName).selectedLength = 0;  // the caret after typing
    ForgetJournal();

    window.Click(id::kHelmetButton);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), Played(ClickSoundSize())), 1);
    EXPECT_EQ(window.Control(id::kHelmetName).selectedLength,
              static_cast<std::int64_t>(std::string("金盔").size()));
    EXPECT_FALSE(window.Control(id::kHelmetName).disabled);
    EXPECT_EQ(window.Text(id::kHelmetName), "金盔");
}

TEST_F(SlotNames, EnterLocksTheBoxAndShowsTheTipBoxOnTheMainWindow) {
    window.Click(id::kWeaponButton);
    window.Type(id::kWeaponName, "屠龙");
    ForgetJournal();

    window.PressKey(id::kWeaponName, kEnter);

    EXPECT_TRUE(window.Control(id::kWeaponName).disabled);
    ASSERT_EQ(boxes.requests.size(), 1u);
    const runtime::BoxRequest& box = boxes.requests[0];
    EXPECT_EQ(box.owner, FakeWindow::kHandle);
    EXPECT_EQ(box.title, "友情提示：");
    EXPECT_EQ(box.message, "部位名称修改成功！");
    EXPECT_EQ(box.captions, (Lines{"返回", "确定"}));
    EXPECT_TRUE(box.showOption);
    EXPECT_EQ(box.optionText, "不再提示");
    EXPECT_EQ(box.defaultButton, 0);
    EXPECT_TRUE(box.centreHorizontally && box.centreVertically && box.tinted &&
                box.slowAnimation);
    // The tip picture is handed over as the bytes of the embedded tip icon.
    const auto tipIcon = mainwindow::AssetBytes(mainwindow::kTipIconPng);
    EXPECT_EQ(box.picture, std::vector<std::uint8_t>(tipIcon.begin(), tipIcon.end()));
    EXPECT_EQ(box.icon, runtime::icon::kNone);
    // Locked before the box opens, so the user cannot type under the box.
    EXPECT_EQ(journal.at(1), WroteInteger(id::kWeaponName, prop::kDisabled, 1));
    EXPECT_EQ(window.Text(id::kWeaponName), "屠龙");
}

TEST_F(SlotNames, EnterShowsTheTipBoxWhateverTheText) {
    window.Click(id::kGemButton);
    window.PressKey(id::kGemName, kEnter);  // placeholder unchanged

    window.Click(id::kGemButton);
    window.Type(id::kGemName, "");
    window.PressKey(id::kGemName, kEnter);  // emptied

    ASSERT_EQ(boxes.requests.size(), 2u);
    for (const auto& box : boxes.requests) EXPECT_EQ(box.message, "部位名称修改成功！");
    EXPECT_EQ(window.Text(id::kGemName), "");
}

TEST_F(SlotNames, OtherKeysInTheBoxDoNothing) {
    window.Click(id::kBeltButton);
    ForgetJournal();
    for (int key : {10, 27, 65, 9}) window.PressKey(id::kBeltName, key);
    EXPECT_FALSE(window.Control(id::kBeltName).disabled);
    EXPECT_TRUE(boxes.requests.empty());
    EXPECT_EQ(journal.size(), 4u);  // the four key events, no handler writes
}

TEST_F(SlotNames, LeavingTheBoxLocksItWithoutABox) {
    window.Click(id::kLeftRingButton);
    window.Type(id::kLeftRingName, "结婚戒指");
    window.MoveFocus(id::kMonsterName);

    EXPECT_TRUE(window.Control(id::kLeftRingName).disabled);
    EXPECT_TRUE(boxes.requests.empty());
    EXPECT_EQ(window.Text(id::kLeftRingName), "结婚戒指");

    // Switching away from the program loses the focus the same way.
    window.Click(id::kRightRingButton);
    window.MoveFocus(0);
    EXPECT_TRUE(window.Control(id::kRightRingName).disabled);
    EXPECT_TRUE(boxes.requests.empty());
}

TEST_F(SlotNames, MovingFromOneBoxToAnotherLocksTheFirst) {
    window.Click(id::kShoesButton);
    window.Click(id::kClothesButton);  // takes the focus from 鞋子
    EXPECT_TRUE(window.Control(id::kShoesName).disabled);
    EXPECT_FALSE(window.Control(id::kClothesName).disabled);
    EXPECT_EQ(window.Focus(), id::kClothesName);
}

}  // namespace
}  // namespace vorn::testing
