// Spin buttons of the two rate edits: the edit's text after a press, the tips
// written on the way and how often the edit's content-changed handler ran.
#include <gtest/gtest.h>

#include "native/handler_fixture.h"

namespace vorn::testing {
namespace {

namespace id = mainwindow::id;
using SpinStep = HandlerTest;
using Lines = std::vector<std::string>;

const std::string kDropUp = "友情提示：掉落成功率提高了 1% (注：100为 100% 掉落成功)";
const std::string kDropDown = "友情提示：掉落成功率降低了 1% (注：100为 100% 掉落成功)";
const std::string kDigUp = "友情提示：挖取成功率降低了 1% (注：0为 100% 挖取成功)";
const std::string kDigDown = "友情提示：挖取成功率提高了 1% (注：0为 100% 挖取成功)";

std::string DropTip(const std::string& rate) {
    return "友情提示：当前人形怪身上装备掉落概率为： " + rate + "%";
}
std::string DigTip(const std::string& chance) {
    return "友情提示：当前挖取人形怪身上装备成功概率为： " + chance + "%";
}

TEST_F(SpinStep, UpFromFiftyEndsOnTheCurrentValueTip) {
    Prepare(id::kDropRate, "50");
    window.Spin(id::kDropRate, +1);

    EXPECT_EQ(window.Text(id::kDropRate), "51");
    EXPECT_EQ(Tip(), DropTip("51"));
    // The step text is written between two runs of the edit's own handler.
    EXPECT_EQ(TipsWritten(), (Lines{DropTip("51"), kDropUp, DropTip("51")}));
    EXPECT_EQ(ContentChangesOf(id::kDropRate), 2);
}

TEST_F(SpinStep, UpPressIsTheFullSequenceOfWritesAndNestedHandlers) {
    Prepare(id::kDropRate, "50");
    window.Spin(id::kDropRate, +1);

    const int content = runtime::prop::edit::kContent;
    const int caption = runtime::prop::label::kCaption;
    EXPECT_EQ(journal, (Lines{
                           Delivered(runtime::EventKind::SpinPressed, id::kDropRate),
                           WroteText(id::kDropRate, content, "51"),
                           Delivered(runtime::EventKind::ContentChanged, id::kDropRate),
                           WroteText(id::kTipLine, caption, DropTip("51")),
                           WroteText(id::kTipLine, caption, kDropUp),
                           WroteText(id::kDropRate, content, "51"),
                           Delivered(runtime::EventKind::ContentChanged, id::kDropRate),
                           WroteText(id::kTipLine, caption, DropTip("51")),
                       }));
}

TEST_F(SpinStep, DownFromFiftyEndsOnTheDownText) {
    Prepare(id::kDropRate, "50");
    window.Spin(id::kDropRate, -1);

    EXPECT_EQ(window.Text(id::kDropRate), "49");
    EXPECT_EQ(TipsWritten(), (Lines{DropTip("49"), kDropDown}));
    EXPECT_EQ(ContentChangesOf(id::kDropRate), 1);
}

TEST_F(SpinStep, StopsAtOneHundredGoingUpAndAtZeroGoingDown) {
    struct Case {
        const char* text;
        int direction;
    };
    for (const Case& c : {Case{"100", +1}, Case{"0", -1}, Case{"101", +1}, Case{"", -1},
                          Case{"0.9", -1}, Case{"-5", -1}}) {
        Prepare(id::kDropRate, c.text);
        const std::string tipBefore = Tip();
        window.Spin(id::kDropRate, c.direction);
        EXPECT_EQ(window.Text(id::kDropRate), c.text) << c.text;
        EXPECT_EQ(Tip(), tipBefore) << c.text;
        EXPECT_TRUE(TipsWritten().empty()) << c.text;
        EXPECT_EQ(ContentChangesOf(id::kDropRate), 0) << c.text;
    }
}

TEST_F(SpinStep, LeavesTheEndsInwards) {
    Prepare(id::kDropRate, "0");
    window.Spin(id::kDropRate, +1);
    EXPECT_EQ(window.Text(id::kDropRate), "1");
    EXPECT_EQ(TipsWritten(), (Lines{DropTip("1"), kDropUp, DropTip("1")}));

    Prepare(id::kDropRate, "100");
    window.Spin(id::kDropRate, -1);
    EXPECT_EQ(window.Text(id::kDropRate), "99");
    EXPECT_EQ(TipsWritten(), (Lines{DropTip("99"), kDropDown}));
}

TEST_F(SpinStep, ReachesTheEndsFromOneStepAway) {
    Prepare(id::kDropRate, "99");
    window.Spin(id::kDropRate, +1);
    EXPECT_EQ(window.Text(id::kDropRate), "100");
    EXPECT_EQ(Tip(), DropTip("100"));

    Prepare(id::kDropRate, "1");
    window.Spin(id::kDropRate, -1);
    EXPECT_EQ(window.Text(id::kDropRate), "0");
    EXPECT_EQ(Tip(), kDropDown);
}

TEST_F(SpinStep, UpOnANegativeValueWritesItPlusOneThenZero) {
    Prepare(id::kDropRate, "-5");
    window.Spin(id::kDropRate, +1);

    EXPECT_EQ(window.Text(id::kDropRate), "0");
    EXPECT_EQ(TipsWritten(), (Lines{DropTip("-4"), kDropUp, DropTip("0")}));
    EXPECT_EQ(ContentChangesOf(id::kDropRate), 2);
}

TEST_F(SpinStep, StepsTheNumberAsReadNotItsWholePart) {
    // The bounds test uses the truncated value; the step keeps the fraction.
    Prepare(id::kDropRate, "99.5");
    window.Spin(id::kDropRate, +1);
    EXPECT_EQ(window.Text(id::kDropRate), "100.5");

    Prepare(id::kDropRate, "1.5");
    window.Spin(id::kDropRate, -1);
    EXPECT_EQ(window.Text(id::kDropRate), "0.5");
}

TEST_F(SpinStep, TextWithoutANumberCountsAsZero) {
    Prepare(id::kDropRate, "abc");
    window.Spin(id::kDropRate, +1);
    EXPECT_EQ(window.Text(id::kDropRate), "1");
    EXPECT_EQ(Tip(), DropTip("1"));
}

TEST_F(SpinStep, OtherDirectionsDoNothing) {
    Prepare(id::kDropRate, "50");
    for (int direction : {0, 2, -2}) window.Spin(id::kDropRate, direction);
    EXPECT_EQ(window.Text(id::kDropRate), "50");
    EXPECT_TRUE(TipsWritten().empty());
}

TEST_F(SpinStep, DigRateUpFromThirtyReportsTheLowerChance) {
    Prepare(id::kButchRate, "30");
    window.Spin(id::kButchRate, +1);

    EXPECT_EQ(window.Text(id::kButchRate), "31");
    EXPECT_EQ(TipsWritten(), (Lines{DigTip("69"), kDigUp, DigTip("69")}));
    EXPECT_EQ(ContentChangesOf(id::kButchRate), 2);
}

TEST_F(SpinStep, DigRateDownFromThirtyEndsOnTheDownText) {
    Prepare(id::kButchRate, "30");
    window.Spin(id::kButchRate, -1);

    EXPECT_EQ(window.Text(id::kButchRate), "29");
    EXPECT_EQ(TipsWritten(), (Lines{DigTip("71"), kDigDown}));
    EXPECT_EQ(Tip(), "友情提示：挖取成功率提高了 1% (注：0为 100% 挖取成功)");
}

TEST_F(SpinStep, DigRateSharesTheBoundsAndTheNegativeCase) {
    Prepare(id::kButchRate, "100");
    window.Spin(id::kButchRate, +1);
    EXPECT_EQ(window.Text(id::kButchRate), "100");
    Prepare(id::kButchRate, "0");
    window.Spin(id::kButchRate, -1);
    EXPECT_EQ(window.Text(id::kButchRate), "0");
    EXPECT_TRUE(TipsWritten().empty());

    Prepare(id::kButchRate, "-20");
    window.Spin(id::kButchRate, +1);
    EXPECT_EQ(window.Text(id::kButchRate), "0");
    EXPECT_EQ(TipsWritten(), (Lines{DigTip("119"), kDigUp, DigTip("100")}));
}

TEST_F(SpinStep, ASpinPressOnTheFeeEditIsIgnored) {
    Prepare(id::kChargeCount, "50");
    window.Spin(id::kChargeCount, +1);
    EXPECT_EQ(window.Text(id::kChargeCount), "50");
    EXPECT_TRUE(TipsWritten().empty());
}

}  // namespace
}  // namespace vorn::testing
