// The equipment-slot name boxes: locked until their picture button is
// clicked, unlocked with the whole text selected, locked again by Enter (with
// the tip box) or by leaving them (without one). Each test uses its own slots,
// so one program run serves the suite.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "e2e/app_session.h"
#include "e2e/shared_session.h"
#include "e2e/box_probe.h"
#include "e2e/field_input.h"
#include "e2e/program_under_test.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"
#include "runtime/base/utf_win.h"

namespace vorn::e2e {
namespace {

namespace id = mainwindow::id;

// Start and end of an edit's selection, in UTF-16 units.
std::pair<int, int> SelectionOf(HWND edit) {
    DWORD_PTR packed = 0;
    SendMessageTimeoutW(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &packed);
    return {LOWORD(packed), HIWORD(packed)};
}

int Utf16Length(std::string_view utf8) {
    return static_cast<int>(runtime::Widen(utf8).size());
}

class SlotNames : public SharedSession<SlotNames> {
protected:
    void SetUp() override {
        SharedSession::SetUp();
        if (HasFatalFailure()) return;
        if (auto box = OpenBox::Current(*app_)) {
            box->PressClose();
            box->AwaitClosed();
            FAIL() << "an earlier test left a box open: " << box->Describe();
        }
        ASSERT_TRUE(BringToFront(app_->MainWindow()));
    }

    static HWND Control(std::uint32_t controlId) {
        const HWND control = app_->Control(controlId);
        EXPECT_NE(control, nullptr) << "no control " << std::hex << controlId;
        return control;
    }

    // Clicks the monster-name edit, which takes the focus from a slot box.
    static testing::AssertionResult ClickElsewhere() {
        return ClickIntoEdit(*app_, Control(id::kMonsterName));
    }

};


TEST_F(SlotNames, BoxesStartLockedShowingTheirPlaceholders) {
    const HWND helmet = Control(id::kHelmetName);
    EXPECT_FALSE(IsWindowEnabled(helmet));
    EXPECT_EQ(TextOf(helmet), "头盔名称");
    EXPECT_FALSE(IsWindowEnabled(Control(id::kGemName)));
    EXPECT_EQ(TextOf(Control(id::kGemName)), "宝石名称");
}

TEST_F(SlotNames, TheButtonSelectsTheWholeTextSoTypingReplacesIt) {
    const HWND button = Control(id::kHelmetButton), box = Control(id::kHelmetName);
    ASSERT_TRUE(UnlockSlot(*app_, button, box));
    EXPECT_EQ(SelectionOf(box), std::make_pair(0, Utf16Length("头盔名称")));
    TypeText(L"AB");
    EXPECT_EQ(AwaitText(box, "AB"), "AB") << "the first key replaces the placeholder";

    // A second click on the button of the box being edited selects it all again.
    ASSERT_TRUE(UnlockSlot(*app_, button, box));
    ASSERT_TRUE(WaitUntil([&] { return SelectionOf(box) == std::make_pair(0, 2); }))
        << "selection " << SelectionOf(box).first << ".." << SelectionOf(box).second;
    TypeText(L"C");
    EXPECT_EQ(AwaitText(box, "C"), "C");
    ASSERT_TRUE(ClickElsewhere());
}

TEST_F(SlotNames, EnterInAnUnchangedBoxLocksItAndStillConfirms) {
    const HWND box = Control(id::kNecklaceName);
    ASSERT_TRUE(UnlockSlot(*app_, Control(id::kNecklaceButton), box));
    PressKey(VK_RETURN);
    auto tip = OpenBox::Await(*app_);
    ASSERT_TRUE(tip) << "Enter showed no box";
    EXPECT_EQ(tip->Title(), "友情提示：");
    EXPECT_EQ(tip->Message(), "部位名称修改成功！");
    EXPECT_EQ(tip->CaptionsRightToLeft(), (std::vector<std::string>{"返回", "确定"}));
    EXPECT_TRUE(tip->HasOption());
    EXPECT_FALSE(IsWindowEnabled(box)) << "the box is locked before the tip shows";
    EXPECT_EQ(TextOf(box), "项链名称");
    ASSERT_TRUE(tip->Press("确定"));
    ASSERT_TRUE(tip->AwaitClosed());
    EXPECT_FALSE(IsWindowEnabled(box));
}

TEST_F(SlotNames, TheTipIsShownAgainAfterDontShowAgainWasTicked) {
    ASSERT_TRUE(TypeSlotName(*app_, Control(id::kMedalButton), Control(id::kMedalName), L"M1"));
    PressKey(VK_RETURN);
    auto first = OpenBox::Await(*app_);
    ASSERT_TRUE(first);
    ASSERT_TRUE(first->HasOption()) << first->Describe();
    first->ToggleOption();
    ASSERT_TRUE(WaitUntil([&] { return first->OptionTicked(); })) << "the option did not tick";
    ASSERT_TRUE(first->Press("确定"));
    ASSERT_TRUE(first->AwaitClosed());

    ASSERT_TRUE(TypeSlotName(*app_, Control(id::kMedalButton), Control(id::kMedalName), L"M2"));
    PressKey(VK_RETURN);
    auto second = OpenBox::Await(*app_);
    ASSERT_TRUE(second) << "the program never reads the option: the tip comes again";
    EXPECT_EQ(second->Message(), "部位名称修改成功！");
    ASSERT_TRUE(second->Press("返回"));
    ASSERT_TRUE(second->AwaitClosed());
}

TEST_F(SlotNames, LeavingABoxByClickingElsewhereLocksItWithoutATip) {
    const HWND box = Control(id::kLeftRingName);
    ASSERT_TRUE(TypeSlotName(*app_, Control(id::kLeftRingButton), box, L"X"));
    ASSERT_TRUE(ClickElsewhere());
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(box); })) << "leaving locks the box";
    EXPECT_EQ(TextOf(box), "X");
    // A key typed into the name edit arrives only if no box took the input.
    TypeText(L"Q");
    EXPECT_TRUE(WaitUntil([&] { return TextOf(Control(id::kMonsterName)).find('Q') != std::string::npos; }));
    EXPECT_FALSE(OpenBox::Current(*app_)) << "leaving a box shows no tip";
}

struct SlotPair {
    std::uint32_t button;
    std::uint32_t box;
    std::string_view placeholder;
    const char* name;  // the test's name
};

class SlotButtons : public SlotNames, public testing::WithParamInterface<SlotPair> {};

TEST_P(SlotButtons, UnlockTheirOwnBoxOnly) {
    const SlotPair& slot = GetParam();
    const HWND box = Control(slot.box);
    ASSERT_EQ(TextOf(box), slot.placeholder);
    ASSERT_TRUE(UnlockSlot(*app_, Control(slot.button), box));
    EXPECT_EQ(SelectionOf(box), std::make_pair(0, Utf16Length(slot.placeholder)));
    int unlocked = 0;
    for (std::uint32_t other : {id::kHelmetName, id::kNecklaceName, id::kClothesName,
                                id::kMedalName, id::kWeaponName, id::kLeftBraceletName,
                                id::kRightBraceletName, id::kLeftRingName, id::kRightRingName,
                                id::kShoesName, id::kBeltName, id::kGemName})
        unlocked += IsWindowEnabled(Control(other)) ? 1 : 0;
    EXPECT_EQ(unlocked, 1) << "only the slot's own box is unlocked";
    ASSERT_TRUE(ClickElsewhere());
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(box); }));
}

INSTANTIATE_TEST_SUITE_P(
    SlotNames, SlotButtons,
    testing::Values(SlotPair{id::kClothesButton, id::kClothesName, "衣服名称", "Clothes"},
                    SlotPair{id::kWeaponButton, id::kWeaponName, "武器名称", "Weapon"},
                    SlotPair{id::kMedalButton, id::kMedalName, "勋章名称", "Medal"},
                    SlotPair{id::kNecklaceButton, id::kNecklaceName, "项链名称", "Necklace"},
                    SlotPair{id::kHelmetButton, id::kHelmetName, "头盔名称", "Helmet"},
                    SlotPair{id::kLeftBraceletButton, id::kLeftBraceletName, "左手镯名称",
                             "LeftBracelet"},
                    SlotPair{id::kRightBraceletButton, id::kRightBraceletName, "右手镯名称",
                             "RightBracelet"},
                    SlotPair{id::kLeftRingButton, id::kLeftRingName, "左戒指名称", "LeftRing"},
                    SlotPair{id::kRightRingButton, id::kRightRingName, "右戒指名称", "RightRing"},
                    SlotPair{id::kBeltButton, id::kBeltName, "腰带名称", "Belt"},
                    SlotPair{id::kShoesButton, id::kShoesName, "鞋子名称", "Shoes"},
                    SlotPair{id::kGemButton, id::kGemName, "宝石名称", "Gem"}),
    [](const testing::TestParamInfo<SlotPair>& slot) { return std::string(slot.param.name); });

}  // namespace
}  // namespace vorn::e2e
