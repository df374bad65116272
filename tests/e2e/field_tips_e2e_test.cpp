// The tip line and the field controls as a user drives them: combo items
// picked with the mouse, rates typed and stepped with the spin arrows, the
// skill line shown and hidden. Each test sets every field it depends on, so
// one program run serves the suite.
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

namespace vorn::e2e {
namespace {

namespace id = mainwindow::id;

constexpr std::string_view kDropUpTip = "友情提示：掉落成功率提高了 1% (注：100为 100% 掉落成功)";
constexpr std::string_view kDropDownTip = "友情提示：掉落成功率降低了 1% (注：100为 100% 掉落成功)";
constexpr std::string_view kDigDownTip = "友情提示：挖取成功率提高了 1% (注：0为 100% 挖取成功)";

std::string DropRateTip(std::string_view rate) {
    return std::string("友情提示：当前人形怪身上装备掉落概率为： ").append(rate).append("%");
}

std::string DigChanceTip(std::string_view chance) {
    return std::string("友情提示：当前挖取人形怪身上装备成功概率为： ").append(chance).append("%");
}

class FieldTips : public SharedSession<FieldTips> {
protected:
    void SetUp() override {
        SharedSession::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_FALSE(OpenBox::Current(*app_)) << "a box is still open: "
                                              << OpenBox::Current(*app_)->Describe();
    }

    static HWND Control(std::uint32_t controlId) {
        const HWND control = app_->Control(controlId);
        EXPECT_NE(control, nullptr) << "no control " << std::hex << controlId;
        return control;
    }

    // Picks the item so that the combo box reports a change: when the item is
    // already selected, another one is picked first.
    static testing::AssertionResult Pick(std::uint32_t comboId, int index) {
        const HWND combo = Control(comboId);
        if (ComboSelection(combo) == index) {
            const auto count = static_cast<int>(ComboItems(combo).size());
            if (auto other = PickComboItem(*app_, combo, (index + 1) % count); !other) return other;
        }
        return PickComboItem(*app_, combo, index);
    }

    // Types the rate into its edit and waits for the tip the typing gives.
    static void TypeRate(std::uint32_t editId, std::wstring_view rate, const std::string& tip) {
        ASSERT_TRUE(RetypeEdit(*app_, Control(editId), rate));
        ASSERT_EQ(AwaitTip(*app_, tip), tip);
    }

};


TEST_F(FieldTips, DropRateUpFrom50ShowsTheNewRateInEditAndTip) {
    TypeRate(id::kDropRate, L"50", DropRateTip("50"));
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kDropRate), SpinArrow::Up));
    EXPECT_EQ(AwaitText(Control(id::kDropRate), "51"), "51");
    EXPECT_EQ(AwaitTip(*app_, DropRateTip("51")), DropRateTip("51"))
        << "after an up step the current-rate tip comes last";
}

TEST_F(FieldTips, DropRateDownFrom50ShowsTheDownText) {
    TypeRate(id::kDropRate, L"50", DropRateTip("50"));
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kDropRate), SpinArrow::Down));
    EXPECT_EQ(AwaitText(Control(id::kDropRate), "49"), "49");
    EXPECT_EQ(AwaitTip(*app_, kDropDownTip), kDropDownTip);
}

TEST_F(FieldTips, DropRateUpStopsAt100) {
    TypeRate(id::kDropRate, L"100", DropRateTip("100"));
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kDropRate), SpinArrow::Up));
    // The down step shows whether the up step did anything: from 100 it
    // gives 99, from 101 it would give 100.
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kDropRate), SpinArrow::Down));
    EXPECT_EQ(AwaitText(Control(id::kDropRate), "99"), "99");
    EXPECT_EQ(AwaitTip(*app_, kDropDownTip), kDropDownTip);
}

TEST_F(FieldTips, DropRateDownStopsAt0) {
    TypeRate(id::kDropRate, L"0", DropRateTip("0"));
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kDropRate), SpinArrow::Down));
    // From 0 the up step gives 1; had the down step gone to -1, it would
    // jump back to 0 instead.
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kDropRate), SpinArrow::Up));
    EXPECT_EQ(AwaitText(Control(id::kDropRate), "1"), "1");
    EXPECT_EQ(AwaitTip(*app_, DropRateTip("1")), DropRateTip("1"));
}

TEST_F(FieldTips, DropRateUpOnANegativeValueJumpsToZero) {
    TypeRate(id::kDropRate, L"-5", DropRateTip("-5"));
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kDropRate), SpinArrow::Up));
    EXPECT_EQ(AwaitText(Control(id::kDropRate), "0"), "0");
    EXPECT_EQ(AwaitTip(*app_, DropRateTip("0")), DropRateTip("0"));
    // A second up step now counts from 0.
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kDropRate), SpinArrow::Up));
    EXPECT_EQ(AwaitText(Control(id::kDropRate), "1"), "1");
}

TEST_F(FieldTips, DigRateUpFrom30LowersTheSuccessChance) {
    TypeRate(id::kButchRate, L"30", DigChanceTip("70"));
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kButchRate), SpinArrow::Up));
    EXPECT_EQ(AwaitText(Control(id::kButchRate), "31"), "31");
    EXPECT_EQ(AwaitTip(*app_, DigChanceTip("69")), DigChanceTip("69"));
}

TEST_F(FieldTips, DigRateDownFrom30ShowsTheDownText) {
    TypeRate(id::kButchRate, L"30", DigChanceTip("70"));
    ASSERT_TRUE(ClickSpin(*app_, Control(id::kButchRate), SpinArrow::Down));
    EXPECT_EQ(AwaitText(Control(id::kButchRate), "29"), "29");
    EXPECT_EQ(AwaitTip(*app_, kDigDownTip), kDigDownTip);
}

TEST_F(FieldTips, ATypedDigRateAbove100GivesANegativeChance) {
    TypeRate(id::kButchRate, L"150", DigChanceTip("-50"));
    EXPECT_EQ(TextOf(Control(id::kButchRate)), "150") << "typing is not capped";
}

TEST_F(FieldTips, HairZeroIsBaldForMenAndShortForWomen) {
    ASSERT_TRUE(Pick(id::kGender, 1));
    ASSERT_TRUE(Pick(id::kHair, 0));
    EXPECT_EQ(AwaitTip(*app_, "友情提示：您选择了发型【短发】，代码为：0"),
              "友情提示：您选择了发型【短发】，代码为：0");

    // The gender change writes its own tip; the hair tip is not redone.
    ASSERT_TRUE(Pick(id::kGender, 0));
    EXPECT_EQ(AwaitTip(*app_, "友情提示：您选择了性别【男】，代码为：0"),
              "友情提示：您选择了性别【男】，代码为：0");

    ASSERT_TRUE(Pick(id::kHair, 0));
    EXPECT_EQ(AwaitTip(*app_, "友情提示：您选择了发型【光头】，代码为：0"),
              "友情提示：您选择了发型【光头】，代码为：0");
}

TEST_F(FieldTips, TheFeeTipUsesTheCurrencyChosenLast) {
    ASSERT_TRUE(Pick(id::kChargeClass, 0));
    const HWND fee = Control(id::kChargeCount);
    ASSERT_TRUE(RetypeEdit(*app_, fee, L"88"));
    EXPECT_EQ(AwaitTip(*app_, "友情提示：当前挖取人形怪身上装备需要 (88) 金币。"),
              "友情提示：当前挖取人形怪身上装备需要 (88) 金币。");

    ASSERT_TRUE(Pick(id::kChargeClass, 1));
    EXPECT_EQ(AwaitTip(*app_, "友情提示：当前挖取人形怪身上装备需要： 元宝"),
              "友情提示：当前挖取人形怪身上装备需要： 元宝")
        << "a currency change names the currency and does not echo the amount";
    EXPECT_EQ(TextOf(fee), "88");

    ASSERT_TRUE(ClickIntoEdit(*app_, fee));
    PressKey(VK_END);
    TypeText(L"8");
    EXPECT_EQ(AwaitTip(*app_, "友情提示：当前挖取人形怪身上装备需要 (888) 元宝。"),
              "友情提示：当前挖取人形怪身上装备需要 (888) 元宝。");
}

// The screen colour at a point of a window's client area.
COLORREF ScreenColourAt(HWND window, POINT client) {
    const POINT screen = ClientToScreenPoint(window, client);
    HDC dc = GetDC(nullptr);
    const COLORREF colour = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return colour;
}

TEST_F(FieldTips, TheSkillLineShowsHidesAndKeepsItsText) {
    const HWND skills = Control(id::kSkills);
    if (ComboSelection(Control(id::kSkillOn)) != 0) {
        ASSERT_TRUE(Pick(id::kSkillOn, 0));
    }
    ASSERT_FALSE(HasVisibleStyle(skills));

    ASSERT_TRUE(Pick(id::kSkillOn, 1));
    EXPECT_EQ(AwaitTip(*app_, "友情提示：请填写职业匹配技能。战士示例：烈火剑法,半月弯刀,刺杀剑术"),
              "友情提示：请填写职业匹配技能。战士示例：烈火剑法,半月弯刀,刺杀剑术");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(skills) != FALSE; }));
    EXPECT_TRUE(IsWindowEnabled(skills));
    RECT client{};
    GetClientRect(skills, &client);
    EXPECT_EQ(ScreenColourAt(skills, {client.right - 4, client.bottom / 2}), RGB(255, 255, 255))
        << "the shown skill line is white";

    ASSERT_TRUE(RetypeEdit(*app_, skills, L"烈火剑法,半月弯刀"));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(skills); })) << "Enter hides the line";
    EXPECT_TRUE(IsWindowEnabled(skills)) << "Enter only hides it";
    EXPECT_EQ(TextOf(skills), "烈火剑法,半月弯刀");

    ASSERT_TRUE(Pick(id::kSkillOn, 0));
    EXPECT_EQ(AwaitTip(*app_, "友情提示：关闭人形怪使用技能。"), "友情提示：关闭人形怪使用技能。");
    EXPECT_FALSE(IsWindowVisible(skills));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(skills); })) << "switching off disables it";

    ASSERT_TRUE(Pick(id::kSkillOn, 1));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(skills) != FALSE; }));
    EXPECT_TRUE(IsWindowEnabled(skills));
    EXPECT_EQ(TextOf(skills), "烈火剑法,半月弯刀") << "the text survives switching off and on";
}

struct ComboTip {
    std::uint32_t combo;
    int index;
    std::string_view tip;
    const char* name;  // the test's name
};

class ComboTips : public FieldTips, public testing::WithParamInterface<ComboTip> {};

TEST_P(ComboTips, PickingTheItemWritesItsTip) {
    const ComboTip& expected = GetParam();
    ASSERT_TRUE(Pick(expected.combo, expected.index));
    EXPECT_EQ(AwaitTip(*app_, expected.tip), expected.tip);
}

INSTANTIATE_TEST_SUITE_P(
    FieldTips, ComboTips,
    testing::Values(
        ComboTip{id::kJob, 0, "友情提示：您选择了【战士】，代码为：0", "JobWarrior"},
        ComboTip{id::kJob, 1, "友情提示：您选择了【法师】，代码为：1", "JobWizard"},
        ComboTip{id::kJob, 2, "友情提示：您选择了【道士】，代码为：2", "JobTaoist"},
        ComboTip{id::kGender, 1, "友情提示：您选择了性别【女】，代码为：1", "GenderFemale"},
        ComboTip{id::kHair, 1, "友情提示：您选择了发型【飘逸】，代码为：1", "HairFlowing"},
        ComboTip{id::kHair, 2, "友情提示：您选择了发型【默认】，代码为：2", "HairDefault"},
        ComboTip{id::kDrop, 1, "友情提示：掉落已开启，杀死人形怪后将会掉落人形怪身上装备。",
                 "DropOn"},
        ComboTip{id::kDrop, 0, "友情提示：掉落已关闭，杀死人形怪后不会掉落人形怪身上装备。",
                 "DropOff"},
        ComboTip{id::kButch, 1, "友情提示：挖取已开启，杀死人形怪后可以挖取人形怪身上装备。",
                 "DigOn"},
        ComboTip{id::kButch, 0, "友情提示：挖取已关闭，杀死人形怪后不能挖取人形怪身上装备。",
                 "DigOff"},
        ComboTip{id::kChargeClass, 2, "友情提示：当前挖取人形怪身上装备需要： 金刚石", "FeeDiamond"},
        ComboTip{id::kChargeClass, 3, "友情提示：当前挖取人形怪身上装备需要： 灵符", "FeeTalisman"}),
    [](const testing::TestParamInfo<ComboTip>& combo) { return std::string(combo.param.name); });

}  // namespace
}  // namespace vorn::e2e
