// The edit item's text under the keyboard: typing and deleting across
// surrogate pairs, word moves and deletes, what a digits item and a limit
// take, undo of runs, where a click lands and how the text scrolls; and the
// numbers of a skinned window's show and hide motion.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/windows/edit_line.h"
#include "skin/windows/window_zoom_frames.h"

namespace vorn::skin {
namespace {

// U+1F600, one character in two units.
constexpr char16_t kHigh = 0xD83D, kLow = 0xDE00;

void TypeAll(EditLine& line, std::u16string_view text) {
    for (const char16_t unit : text) line.Type(unit);
}

TEST(EditLine, TypesReplacesSelectionsAndDeletesWholeSurrogatePairs) {
    EditLine line;
    TypeAll(line, u"ab");
    EXPECT_TRUE(line.Type(u'怪'));
    EXPECT_FALSE(line.Type(kHigh)) << "half a character is not text yet";
    EXPECT_TRUE(line.Type(kLow));
    EXPECT_EQ(line.Text(), (std::u16string{u'a', u'b', u'怪', kHigh, kLow}));
    EXPECT_EQ(line.Caret(), 5u);

    line.MoveLeft(false, false);
    EXPECT_EQ(line.Caret(), 3u) << "over the pair at once";
    line.MoveTo(4, false);
    EXPECT_EQ(line.Caret(), 3u) << "never between its halves";
    EXPECT_TRUE(line.DeleteForward());
    EXPECT_EQ(line.Text(), u"ab怪");
    line.MoveEnd(false);
    TypeAll(line, std::u16string{kHigh, kLow});
    EXPECT_TRUE(line.DeleteBack());
    EXPECT_EQ(line.Text(), u"ab怪") << "backspace takes both halves";

    // A lone second half, or a first half followed by something else, is dropped.
    EXPECT_FALSE(line.Type(kLow));
    line.Type(kHigh);
    line.Type(u'x');
    EXPECT_EQ(line.Text(), u"ab怪x");

    line.MoveHome(false);
    line.MoveRight(false, true);
    line.MoveRight(false, true);
    EXPECT_EQ(line.SelectedText(), u"ab");
    EXPECT_TRUE(line.Type(u'Z'));
    EXPECT_EQ(line.Text(), u"Z怪x");
    EXPECT_FALSE(line.Type(0x08)) << "control characters are commands, not text";
    EXPECT_FALSE(line.Type(0x7F));
}

TEST(EditLine, MovesAndDeletesByWordsOfOneClass) {
    EditLine line;
    line.SetText(u"monster 怪物， item_9  ok");
    line.MoveHome(false);
    line.MoveRight(true, false);
    EXPECT_EQ(line.Caret(), 8u) << "over the word and the space after it";
    line.MoveRight(true, false);
    EXPECT_EQ(line.Caret(), 10u) << "the CJK run is one word";
    line.MoveRight(true, false);
    EXPECT_EQ(line.Caret(), 12u) << "the full-width comma is a mark of its own";
    line.MoveEnd(false);
    line.MoveLeft(true, false);
    EXPECT_EQ(line.Caret(), 20u);
    EXPECT_TRUE(line.DeleteWordBack());
    EXPECT_EQ(line.Text(), u"monster 怪物， ok") << "the spaces and the word before them";
    line.MoveEnd(false);
    EXPECT_TRUE(line.DeleteWordBack());
    EXPECT_TRUE(line.DeleteWordBack());
    EXPECT_EQ(line.Text(), u"monster 怪物");

    line.SelectWordAt(9);
    EXPECT_EQ(line.SelectedText(), u"怪物");
    line.SelectAll();
    EXPECT_EQ(line.SelectedText(), line.Text());
    line.MoveLeft(false, false);
    EXPECT_EQ(line.Caret(), 0u) << "a selection collapses to its left end";
    EXPECT_FALSE(line.HasSelection());
}

TEST(EditLine, TakesOnlyTheFirstLineDigitsAndWhatTheLimitLeaves) {
    EditLine line;
    EXPECT_TRUE(line.Insert(u"first\tline\r\nsecond"));
    EXPECT_EQ(line.Text(), u"firstline");

    EditLine digits;
    digits.SetChars(EditChars::Digits);
    digits.SetLimit(4);
    EXPECT_FALSE(digits.Type(u'a'));
    EXPECT_TRUE(digits.Insert(u"1a2b3"));
    EXPECT_EQ(digits.Text(), u"123");
    EXPECT_TRUE(digits.Insert(u"4567"));
    EXPECT_EQ(digits.Text(), u"1234") << "cut to the limit";
    EXPECT_FALSE(digits.Type(u'5'));
    digits.SelectAll();
    EXPECT_FALSE(digits.Insert(u"xyz")) << "nothing taken: the selection stays";
    EXPECT_EQ(digits.Text(), u"1234");
    EXPECT_TRUE(digits.HasSelection());

    EditLine pairs;
    pairs.SetLimit(3);
    pairs.SetText(std::u16string{u'a', u'b', kHigh, kLow});
    EXPECT_EQ(pairs.Text(), u"ab") << "a pair that does not fit is left out whole";
}

TEST(EditLine, UndoesARunOfTypingAtOnceAndRedoesWithASecondUndo) {
    EditLine line;
    line.SetText(u"orc");
    EXPECT_FALSE(line.Undo()) << "setting the text leaves nothing to undo";
    TypeAll(line, u" king");
    line.MoveLeft(false, false);
    TypeAll(line, u"!");
    EXPECT_EQ(line.Text(), u"orc kin!g");
    EXPECT_TRUE(line.Undo());
    EXPECT_EQ(line.Text(), u"orc king") << "the moved caret began a new edit";
    EXPECT_TRUE(line.Undo());
    EXPECT_EQ(line.Text(), u"orc kin!g");

    line.SetText(u"abc");
    line.DeleteBack();
    line.DeleteBack();
    EXPECT_TRUE(line.Undo());
    EXPECT_EQ(line.Text(), u"abc") << "a run of deletes is one edit";
    EXPECT_EQ(line.Caret(), 3u);

    line.SelectAll();
    EXPECT_TRUE(line.Cut());
    EXPECT_EQ(line.Text(), u"");
    EXPECT_TRUE(line.Undo());
    EXPECT_EQ(line.Text(), u"abc");
    EXPECT_EQ(line.SelectedText(), u"abc") << "the selection comes back with the text";
}

TEST(EditLine, AClickLandsOnTheNearestPositionOutsideAnyPair) {
    const std::u16string text{u'a', kHigh, kLow, u'b'};
    const std::vector<int> offsets{0, 8, 24, 24, 32};
    EXPECT_EQ(NearestPosition(text, offsets, -5), 0u);
    EXPECT_EQ(NearestPosition(text, offsets, 5), 1u);
    EXPECT_EQ(NearestPosition(text, offsets, 23), 3u) << "the pair's end, not its middle";
    EXPECT_EQ(NearestPosition(text, offsets, 29), 4u);
    EXPECT_EQ(NearestPosition(text, offsets, 500), 4u);
}

TEST(EditLine, ScrollsJustEnoughToShowTheCaretAndNoFurtherThanTheText) {
    // A box 100 wide over text 300 wide.
    EXPECT_EQ(ScrollToShow(0, 50, 300, 100), 0);
    EXPECT_EQ(ScrollToShow(0, 150, 300, 100), 51) << "the caret's pixel at the right edge";
    EXPECT_EQ(ScrollToShow(120, 100, 300, 100), 100) << "back left to the caret";
    EXPECT_EQ(ScrollToShow(250, 300, 300, 100), 201) << "no more room after the end than the caret";
    EXPECT_EQ(ScrollToShow(80, 30, 60, 100), 0) << "a short text is not scrolled";
    EXPECT_EQ(ScrollToShow(40, 0, 300, 0), 0);
}

TEST(WindowZoomFrames, ShowGrowsFromTwentySmallAtAlpha120ToTheWholeWindowAndHideReturns) {
    const ZoomFrame first = WindowShowFrame(1);
    EXPECT_EQ(first.grow, -20);
    EXPECT_EQ(first.alpha, 120);
    int lastGrow = first.grow, lastAlpha = first.alpha;
    for (int step = 2; step <= kWindowZoomSteps; ++step) {
        const ZoomFrame frame = WindowShowFrame(step);
        EXPECT_GE(frame.grow, lastGrow) << step;
        EXPECT_LE(frame.grow, 0) << "never past the window's rectangle, step " << step;
        EXPECT_GE(frame.alpha, lastAlpha) << step;
        lastGrow = frame.grow;
        lastAlpha = frame.alpha;
    }
    EXPECT_EQ(WindowShowFrame(kWindowZoomSteps).grow, 0);
    EXPECT_EQ(WindowShowFrame(kWindowZoomSteps).alpha, 255);
    EXPECT_EQ(WindowShowFrame(99).alpha, 255);
    EXPECT_LE(kWindowZoomSteps, 15);

    EXPECT_EQ(WindowHideFrame(1).alpha, 255);
    EXPECT_EQ(WindowHideFrame(kWindowZoomSteps).grow, -20);
    EXPECT_EQ(WindowHideFrame(kWindowZoomSteps).alpha, 120);

    EXPECT_EQ(ZoomStepAt(0), 1);
    EXPECT_EQ(ZoomStepAt(kWindowZoomStepMs * 3), 4);
    EXPECT_EQ(ZoomStepAt(10'000), kWindowZoomSteps) << "a late tick goes straight to the end";
}

}  // namespace
}  // namespace vorn::skin
