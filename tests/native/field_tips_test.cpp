// Tips of the field panel: what each combo box and edit writes into the tip
// line, driven through the controller like a user would.
#include <gtest/gtest.h>

#include "mainwindow/field_tips.h"
#include "native/handler_fixture.h"

namespace vorn::testing {
namespace {

namespace id = mainwindow::id;
using FieldTips = HandlerTest;

TEST_F(FieldTips, JobTipNamesTheJobAndItsCodeAndFallsBackToTheWarrior) {
    window.Select(id::kJob, 1);
    EXPECT_EQ(Tip(), "友情提示：您选择了【法师】，代码为：1");
    window.Select(id::kJob, 2);
    EXPECT_EQ(Tip(), "友情提示：您选择了【道士】，代码为：2");
    window.Select(id::kJob, 0);
    EXPECT_EQ(Tip(), "友情提示：您选择了【战士】，代码为：0");

    for (int outOfRange : {3, -1, 1000}) {
        window.Select(id::kJob, 1);
        window.Select(id::kJob, outOfRange);
        EXPECT_EQ(Tip(), "友情提示：您选择了【战士】，代码为：0") << outOfRange;
    }
}

TEST_F(FieldTips, GenderTipIsMaleOnlyForTheFirstItem) {
    window.Select(id::kGender, 1);
    EXPECT_EQ(Tip(), "友情提示：您选择了性别【女】，代码为：1");
    window.Select(id::kGender, 0);
    EXPECT_EQ(Tip(), "友情提示：您选择了性别【男】，代码为：0");
    window.Select(id::kGender, -1);
    EXPECT_EQ(Tip(), "友情提示：您选择了性别【女】，代码为：1");
    window.Select(id::kGender, 0);
    window.Select(id::kGender, 7);
    EXPECT_EQ(Tip(), "友情提示：您选择了性别【女】，代码为：1");
}

TEST_F(FieldTips, HairTipDependsOnTheGenderOnlyForHairZero) {
    struct Case {
        int gender, hair;
        const char* tip;
    };
    const Case cases[] = {
        {0, 0, "友情提示：您选择了发型【光头】，代码为：0"},
        {1, 0, "友情提示：您选择了发型【短发】，代码为：0"},
        {0, 1, "友情提示：您选择了发型【飘逸】，代码为：1"},
        {1, 1, "友情提示：您选择了发型【飘逸】，代码为：1"},
        {0, 2, "友情提示：您选择了发型【默认】，代码为：2"},
        {1, 2, "友情提示：您选择了发型【默认】，代码为：2"},
    };
    for (const Case& c : cases) {
        window.Select(id::kGender, c.gender);
        window.Select(id::kHair, c.hair);
        EXPECT_EQ(Tip(), c.tip) << "gender " << c.gender << " hair " << c.hair;
    }
}

TEST_F(FieldTips, HairTipIsNotRewrittenWhenTheGenderChangesLater) {
    window.Select(id::kGender, 1);
    window.Select(id::kHair, 0);
    ASSERT_EQ(Tip(), "友情提示：您选择了发型【短发】，代码为：0");

    ForgetJournal();
    window.Select(id::kGender, 0);
    // Only the gender's own tip: the hair is not re-announced as 光头.
    EXPECT_EQ(TipsWritten(),
              std::vector<std::string>{"友情提示：您选择了性别【男】，代码为：0"});
}

TEST_F(FieldTips, HairOrGenderOutsideTheTableLeavesTheTipLineAlone) {
    window.Select(id::kJob, 2);
    const std::string before = Tip();
    ForgetJournal();
    window.Select(id::kHair, 3);
    window.Select(id::kHair, -1);
    window.Control(id::kGender).selection = 2;  // a gender the list does not have
    window.Select(id::kHair, 0);
    EXPECT_EQ(Tip(), before);
    EXPECT_TRUE(TipsWritten().empty());
}

TEST_F(FieldTips, DropAndDigSwitchesReportOffOnlyForTheFirstItem) {
    window.Select(id::kDrop, 1);
    EXPECT_EQ(Tip(), "友情提示：掉落已开启，杀死人形怪后将会掉落人形怪身上装备。");
    window.Select(id::kDrop, 0);
    EXPECT_EQ(Tip(), "友情提示：掉落已关闭，杀死人形怪后不会掉落人形怪身上装备。");
    window.Select(id::kDrop, 5);
    EXPECT_EQ(Tip(), "友情提示：掉落已开启，杀死人形怪后将会掉落人形怪身上装备。");

    window.Select(id::kButch, 1);
    EXPECT_EQ(Tip(), "友情提示：挖取已开启，杀死人形怪后可以挖取人形怪身上装备。");
    window.Select(id::kButch, 0);
    EXPECT_EQ(Tip(), "友情提示：挖取已关闭，杀死人形怪后不能挖取人形怪身上装备。");
    window.Select(id::kButch, -1);
    EXPECT_EQ(Tip(), "友情提示：挖取已开启，杀死人形怪后可以挖取人形怪身上装备。");
}

TEST_F(FieldTips, CurrencyTipNamesEachCurrencyAndIgnoresUnknownOnes) {
    const char* expected[] = {
        "友情提示：当前挖取人形怪身上装备需要： 金币",
        "友情提示：当前挖取人形怪身上装备需要： 元宝",
        "友情提示：当前挖取人形怪身上装备需要： 金刚石",
        "友情提示：当前挖取人形怪身上装备需要： 灵符",
    };
    for (int index = 3; index >= 0; --index) {
        window.Select(id::kChargeClass, index);
        EXPECT_EQ(Tip(), expected[index]) << index;
    }
    ForgetJournal();
    window.Select(id::kChargeClass, 4);
    window.Select(id::kChargeClass, -1);
    EXPECT_TRUE(TipsWritten().empty());
    EXPECT_EQ(Tip(), expected[0]);
}

TEST_F(FieldTips, DropRateTipEchoesTheTextExactlyAsTyped) {
    window.Type(id::kDropRate, "35");
    EXPECT_EQ(Tip(), "友情提示：当前人形怪身上装备掉落概率为： 35%");
    window.Type(id::kDropRate, "050");
    EXPECT_EQ(Tip(), "友情提示：当前人形怪身上装备掉落概率为： 050%");
    window.Type(id::kDropRate, "");
    EXPECT_EQ(Tip(), "友情提示：当前人形怪身上装备掉落概率为： %");
    window.Type(id::kDropRate, "-");
    EXPECT_EQ(Tip(), "友情提示：当前人形怪身上装备掉落概率为： -%");
}

TEST_F(FieldTips, DigRateTipReportsTheSuccessChanceTruncatedTowardZero) {
    struct Case {
        const char* text;
        const char* chance;
    };
    const Case cases[] = {
        {"0", "100"},  {"30", "70"},  {"100", "0"},   {"150", "-50"}, {"-5", "105"},
        {"", "100"},   {"abc", "100"}, {"30.7", "69"}, {"100.5", "0"}, {"150.9", "-50"},
        {"１０", "90"},  // full-width digits count like ASCII ones
    };
    for (const Case& c : cases) {
        window.Type(id::kButchRate, c.text);
        EXPECT_EQ(Tip(), std::string("友情提示：当前挖取人形怪身上装备成功概率为： ") + c.chance + "%")
            << c.text;
    }
}

TEST_F(FieldTips, DigChanceOfAHugeRateStaysANumber) {
    EXPECT_EQ(mainwindow::tips::ButchSuccessChance("1e300"), INT64_MIN);
    EXPECT_EQ(mainwindow::tips::ButchSuccessChance("-1e300"), INT64_MAX);
    EXPECT_EQ(mainwindow::tips::ButchSuccessChance("99999999999"), 100 - 99999999999LL);
}

TEST_F(FieldTips, FeeTipUsesTheCurrencySelectedWhenTheAmountChanges) {
    window.Type(id::kChargeCount, "500");
    EXPECT_EQ(Tip(), "友情提示：当前挖取人形怪身上装备需要 (500) 金币。");

    window.Select(id::kChargeClass, 2);
    ForgetJournal();
    // The currency change announced the currency, not the amount again.
    window.Type(id::kChargeCount, "500");
    EXPECT_EQ(Tip(), "友情提示：当前挖取人形怪身上装备需要 (500) 金刚石。");

    window.Select(id::kChargeClass, 1);
    window.Type(id::kChargeCount, "");
    EXPECT_EQ(Tip(), "友情提示：当前挖取人形怪身上装备需要 () 元宝。");
    window.Select(id::kChargeClass, 3);
    window.Type(id::kChargeCount, "7");
    EXPECT_EQ(Tip(), "友情提示：当前挖取人形怪身上装备需要 (7) 灵符。");
}

TEST_F(FieldTips, CurrencyChangeDoesNotReEchoTheFee) {
    window.Type(id::kChargeCount, "80");
    ForgetJournal();
    window.Select(id::kChargeClass, 1);
    EXPECT_EQ(TipsWritten(),
              std::vector<std::string>{"友情提示：当前挖取人形怪身上装备需要： 元宝"});
}

TEST_F(FieldTips, FeeWithAnUnknownCurrencyWritesNoTip) {
    window.Select(id::kJob, 1);
    ForgetJournal();
    window.Control(id::kChargeClass).selection = 4;
    window.Type(id::kChargeCount, "12");
    window.Control(id::kChargeClass).selection = -1;
    window.Type(id::kChargeCount, "13");
    EXPECT_TRUE(TipsWritten().empty());
    EXPECT_EQ(Tip(), "友情提示：您选择了【法师】，代码为：1");
}

}  // namespace
}  // namespace vorn::testing
