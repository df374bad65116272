// The text of a single-line edit item and what the keyboard does to it: the
// caret and the selection, typing (a character beyond the basic plane arrives
// as two halves, one message each), deleting characters and words, one level
// of undo, and which characters the item takes. The text is UTF-16 because
// the caret moves in the units the system measures widths in and delivers
// keys in; callers see UTF-8. Platform-free.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::skin {

// Which characters an edit item takes.
enum class EditChars { Any, Digits };

// What a word move or a word delete runs over: a run of one class (after
// the spaces before it).
enum class CharClass { Space, Word, Mark };
CharClass ClassOf(char16_t unit);

class EditLine {
public:
    const std::u16string& Text() const { return text_; }
    std::size_t Caret() const { return caret_; }
    // The selection's other end; equal to the caret when nothing is selected.
    std::size_t Anchor() const { return anchor_; }
    std::size_t SelectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    std::size_t SelectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    bool HasSelection() const { return caret_ != anchor_; }
    std::u16string SelectedText() const;

    EditChars Chars() const { return chars_; }
    void SetChars(EditChars chars) { chars_ = chars; }
    // The most UTF-16 units the text may hold; 0: no limit.
    void SetLimit(std::size_t units) { limit_ = units; }

    // Replaces the text with what of `text` the item takes (see Insert); the
    // caret goes to the end and there is nothing to undo.
    void SetText(std::u16string_view text);

    // The edits answer whether the text changed.
    // One unit as typed (WM_CHAR, WM_IME_CHAR). Control characters are not
    // text: the caller handles them as commands.
    bool Type(char16_t unit);
    // Replaces the selection with what of `text` the item takes: its first
    // line, without control characters or unpaired surrogates, digits only
    // for a digits item, cut to the limit. Pasted and composed text.
    bool Insert(std::u16string_view text);
    bool DeleteBack();
    bool DeleteForward();
    // Ctrl+Backspace: the word before the caret (and the spaces after it).
    bool DeleteWordBack();
    // Removes the selection (the caller has copied it).
    bool Cut();
    // Back to the text before the last edit; a second undo redoes it. A run
    // of typing, or of deleting, is one edit.
    bool Undo();

    // Caret moves; with `extend` the selection's other end stays where it is.
    // Without it a selection collapses to its left or right end first.
    void MoveLeft(bool word, bool extend);
    void MoveRight(bool word, bool extend);
    void MoveHome(bool extend);
    void MoveEnd(bool extend);
    // To `position`, never between the halves of a surrogate pair.
    void MoveTo(std::size_t position, bool extend);
    void SelectAll();
    // The run of one class around `position` (a double-click).
    void SelectWordAt(std::size_t position);

    // How far (pixels) the text is scrolled left in its box; kept by the
    // window as the caret moves.
    int scroll = 0;

private:
    enum class Step { Other, Typing, Deleting };
    struct State {
        std::u16string text;
        std::size_t caret = 0;
        std::size_t anchor = 0;
    };
    // Keeps the state before an edit for Undo; a run of one step keeps the
    // state before the run.
    void Remember(Step step);
    bool Replace(std::size_t from, std::size_t to, std::u16string_view with, Step step);
    bool InsertAs(std::u16string_view text, Step step);
    std::size_t PreviousStop(std::size_t position) const;
    std::size_t NextStop(std::size_t position) const;
    std::size_t WordLeft(std::size_t position) const;
    std::size_t WordRight(std::size_t position) const;
    std::u16string Accepted(std::u16string_view text, std::size_t room) const;

    std::u16string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    EditChars chars_ = EditChars::Any;
    std::size_t limit_ = 0;
    char16_t pendingHigh_ = 0;  // the first half of a pair, until the second comes
    State undo_;
    bool canUndo_ = false;
    Step lastStep_ = Step::Other;
};

// The position of `text` whose offset is nearest to `x`, never between the
// halves of a surrogate pair. `offsets` holds the offset of every position
// 0..n of the text's n units (pixels from the text's start).
std::size_t NearestPosition(std::u16string_view text, const std::vector<int>& offsets, int x);

// The scroll, from `scroll`, that shows the caret at `caretX` (pixels from
// the text's start) in a box `width` wide without leaving more room after
// the text's end (`textWidth`) than the caret needs.
int ScrollToShow(int scroll, int caretX, int textWidth, int width);

}  // namespace vorn::skin
