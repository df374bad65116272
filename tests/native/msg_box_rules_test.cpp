// The skinned message box's arithmetic: layout, item rules and its motion.
#include <gtest/gtest.h>

#include "skin/windows/msg_box_animation.h"
#include "skin/windows/msg_box_items.h"
#include "skin/windows/msg_box_layout.h"

namespace vorn::skin {
namespace {

MsgBoxMeasures Short(int captions, bool icon = true) {
    MsgBoxMeasures m;
    m.captionCount = captions;
    m.textWidth = 150;  // narrower than 185 and lower than 50: no growth
    m.textHeight = 34;
    m.hasIcon = icon;
    m.owner = RectRecord{100, 50, 533, 320};
    m.screenWidth = 1280;
    m.screenHeight = 1024;
    return m;
}

TEST(MsgBoxLayout, AShortMessageKeepsTheMinimumAndEveryPartInItsPlace) {
    const MsgBoxLayout box = LayOutMsgBox(Short(2));
    EXPECT_EQ(box.width, 300);
    EXPECT_EQ(box.height, 155);
    // Centred on the owner, halves truncated: 266.5 - 150 and 160 - 77.5.
    EXPECT_EQ(box.x, 100 + 116);
    EXPECT_EQ(box.y, 50 + 82);
    ASSERT_EQ(box.captions.size(), 2u);
    EXPECT_EQ(box.captions[0], (RectRecord{206, 118, 75, 28})) << "caption 1 is the rightmost";
    EXPECT_EQ(box.captions[1], (RectRecord{126, 118, 75, 28}));
    EXPECT_EQ(box.close, (RectRecord{245, 7, 48, 22}));
    EXPECT_EQ(box.title, (RectRecord{13, 13, 221, 16}));
    EXPECT_EQ(box.message, (RectRecord{90, 40, 185, 60}));
    EXPECT_EQ(box.checkLayout, (RectRecord{13, 121, 107, 16}));
    EXPECT_EQ(box.checkText, (RectRecord{34, 122, 86, 16}));
    EXPECT_EQ(box.checkHit, (RectRecord{13, 121, 21, 16}));

    EXPECT_EQ(LayOutMsgBox(Short(2, false)).message, (RectRecord{30, 40, 235, 60}))
        << "without an icon the message starts further left and is wider";
}

TEST(MsgBoxLayout, OneCaptionSitsAtTheRightAndFiveWidenTheBox) {
    const MsgBoxLayout one = LayOutMsgBox(Short(1));
    ASSERT_EQ(one.captions.size(), 1u);
    EXPECT_EQ(one.captions[0], (RectRecord{one.width - 94, one.height - 37, 75, 28}));

    const MsgBoxLayout five = LayOutMsgBox(Short(5));
    EXPECT_EQ(five.width, 500);
    EXPECT_EQ(five.captions[4].x, 500 - 14 - 400) << "the leftmost still inside";
    EXPECT_GT(five.captions[4].x, five.checkLayout.x);
}

TEST(MsgBoxLayout, ALargeMessageGrowsTheBoxAndTheScreenLimitsIt) {
    MsgBoxMeasures m = Short(2);
    m.textWidth = 400;
    m.textHeight = 80;
    const MsgBoxLayout grown = LayOutMsgBox(m);
    EXPECT_EQ(grown.width, 300 + 400 - 185);
    EXPECT_EQ(grown.height, 155 + 80 - 50);
    EXPECT_EQ(grown.message, (RectRecord{90, 40, 400, 80}));
    EXPECT_EQ(grown.captions[0].y, grown.height - 37) << "the buttons move down with it";

    m.screenWidth = 500;
    m.screenHeight = 185;
    m.owner.reset();
    const MsgBoxLayout clamped = LayOutMsgBox(m);
    EXPECT_EQ(clamped.width, 500 - 128);
    EXPECT_EQ(clamped.height, 185 - 128);
    EXPECT_EQ(clamped.x, 64) << "no owner: centred on the screen";
    EXPECT_EQ(clamped.y, 64);
}

TEST(MsgBoxItems, NumberingFocusAndKeyboardOrder) {
    const BoxItems items(2);
    EXPECT_EQ(items.Close(), 3);
    EXPECT_EQ(items.KindOf(2), ItemKind::Caption);
    EXPECT_EQ(items.KindOf(3), ItemKind::Close);
    EXPECT_EQ(items.KindOf(4), ItemKind::Text);
    EXPECT_EQ(items.KindOf(5), ItemKind::Text);
    EXPECT_EQ(items.KindOf(6), ItemKind::Check);
    EXPECT_FALSE(items.IsButton(6));

    EXPECT_EQ(items.InitialFocus(1), 1);
    EXPECT_EQ(items.InitialFocus(2), 2);
    for (const int none : {0, 3, -1}) EXPECT_EQ(items.InitialFocus(none), 3) << none;

    // Left to right: caption 2, caption 1, the close button, and round again.
    EXPECT_EQ(items.NextFocus(2, true), 1);
    EXPECT_EQ(items.NextFocus(1, true), 3);
    EXPECT_EQ(items.NextFocus(3, true), 2);
    EXPECT_EQ(items.NextFocus(2, false), 3);
    EXPECT_EQ(items.NextFocus(3, false), 1);
    EXPECT_EQ(BoxItems(1).NextFocus(1, true), 2);
    EXPECT_EQ(BoxItems(1).NextFocus(2, true), 1);
}

TEST(MsgBoxItems, TitleClipboardTextAndBeep) {
    EXPECT_EQ(ShownTitle(""), "Pellum Group");
    EXPECT_EQ(ShownTitle("关闭程序"), "关闭程序");
    EXPECT_EQ(ClipboardText("关闭程序", "是否关闭？", {"不想退出", "确定退出"}),
              "关闭程序\r\n\r\n是否关闭？\r\n\r\n 确定退出 不想退出");
    EXPECT_EQ(BeepType(16), 16u);
    EXPECT_EQ(BeepType(32), 128u);
    EXPECT_EQ(BeepType(48), 48u);
    EXPECT_EQ(BeepType(0), 64u);
    EXPECT_EQ(BeepType(5000), 64u);
}

TEST(MsgBoxAnimation, OpeningSwellsAndSettlesClosingDipsAndFades) {
    EXPECT_EQ(OpeningFrame(1).grow, -20);
    EXPECT_EQ(OpeningFrame(1).alpha, 120);
    EXPECT_EQ(OpeningFrame(9).grow, 28);
    EXPECT_EQ(OpeningFrame(9).alpha, 200);
    EXPECT_EQ(OpeningFrame(14).grow, -2);
    EXPECT_EQ(OpeningFrame(14).alpha, 250);
    EXPECT_EQ(OpeningFrame(15).grow, 0);
    EXPECT_EQ(OpeningFrame(15).alpha, 255);

    EXPECT_EQ(ClosingFrame(1).alpha, 255);
    EXPECT_EQ(ClosingFrame(4).grow, -15);
    EXPECT_EQ(ClosingFrame(4).alpha, 225);
    EXPECT_EQ(ClosingFrame(10).grow, 15);
    EXPECT_EQ(ClosingFrame(10).alpha, 45);
    EXPECT_EQ(ClosingFrame(14).grow, 47);
    EXPECT_EQ(ClosingFrame(14).alpha, 5);
}

TEST(MsgBoxAnimation, HoverFadesTakeFiveTicksAndTurnBackWhereTheyAre) {
    HoverFade fade;
    fade.FadeIn();
    int ticks = 0;
    while (fade.Step()) ++ticks;
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(fade.Level(), 100);

    fade.FadeOut();
    fade.Step();
    fade.Step();
    EXPECT_EQ(fade.Level(), 60);
    fade.FadeIn();
    fade.Step();
    EXPECT_EQ(fade.Level(), 80) << "a reversed fade goes on from its level";
    fade.FadeOut();
    fade.Finish();
    EXPECT_EQ(fade.Level(), 0);
    EXPECT_FALSE(fade.Running());
}

TEST(MsgBoxAnimation, FlashPulsesThreeTimes) {
    const int expected[] = {0, 25, 50, 75, 0, 50, 100, 0, 50, 100};
    for (int step = 1; step <= kFlashSteps; ++step) EXPECT_EQ(FlashStrength(step), expected[step - 1]);
    EXPECT_EQ(FlashStrength(0), 0);
    EXPECT_EQ(FlashStrength(11), 0);
}

}  // namespace
}  // namespace vorn::skin
