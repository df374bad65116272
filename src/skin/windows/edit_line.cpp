#include "skin/windows/edit_line.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vorn::skin {
namespace {

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }
bool IsAsciiLetter(char16_t unit) {
    return (unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z');
}
// C0 controls and DEL (Ctrl+Backspace) are commands, not text.
bool IsControl(char16_t unit) { return unit < 0x20 || unit == 0x7F; }

}  // namespace

CharClass ClassOf(char16_t unit) {
    if (unit == u' ' || unit == u'\t' || unit == 0x3000) return CharClass::Space;
    if (IsDigit(unit) || IsAsciiLetter(unit) || unit == u'_') return CharClass::Word;
    if (unit < 0x80) return CharClass::Mark;
    // CJK and full-width punctuation.
    if ((unit >= 0x3001 && unit <= 0x303F) || (unit >= 0xFF01 && unit <= 0xFF0F) ||
        (unit >= 0xFF1A && unit <= 0xFF20))
        return CharClass::Mark;
    return CharClass::Word;
}

std::u16string EditLine::SelectedText() const {
    return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void EditLine::SetText(std::u16string_view text) {
    text_ = Accepted(text, limit_ == 0 ? text.size() : limit_);
    caret_ = anchor_ = text_.size();
    canUndo_ = false;
    lastStep_ = Step::Other;
    pendingHigh_ = 0;
    scroll = 0;
}

std::u16string EditLine::Accepted(std::u16string_view text, std::size_t room) const {
    const std::size_t lineEnd = text.find_first_of(u"\r\n");
    if (lineEnd != std::u16string_view::npos) text = text.substr(0, lineEnd);
    std::u16string taken;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHigh(unit)) {
            const bool paired = i + 1 < text.size() && IsLow(text[i + 1]);
            if (paired && chars_ == EditChars::Any && taken.size() + 2 <= room) {
                taken += unit;
                taken += text[i + 1];
            }
            if (paired) ++i;
            continue;
        }
        if (IsLow(unit) || IsControl(unit)) continue;
        if (chars_ == EditChars::Digits && !IsDigit(unit)) continue;
        if (taken.size() + 1 > room) continue;
        taken += unit;
    }
    return taken;
}

void EditLine::Remember(Step step) {
    if (step != Step::Other && step == lastStep_ && canUndo_) return;
    undo_ = State{text_, caret_, anchor_};
    canUndo_ = true;
    lastStep_ = step;
}

bool EditLine::Replace(std::size_t from, std::size_t to, std::u16string_view with, Step step) {
    if (from == to && with.empty()) return false;
    Remember(step);
    text_.replace(from, to - from, with);
    caret_ = anchor_ = from + with.size();
    return true;
}

bool EditLine::Type(char16_t unit) {
    if (IsHigh(unit)) {
        pendingHigh_ = unit;
        return false;
    }
    const char16_t high = std::exchange(pendingHigh_, 0);
    if (IsLow(unit)) {
        if (high == 0) return false;
        const char16_t pair[] = {high, unit};
        return InsertAs(std::u16string_view(pair, 2), Step::Typing);
    }
    return InsertAs(std::u16string_view(&unit, 1), Step::Typing);
}

bool EditLine::Insert(std::u16string_view text) { return InsertAs(text, Step::Other); }

bool EditLine::InsertAs(std::u16string_view text, Step step) {
    const std::size_t kept = text_.size() - (SelectionEnd() - SelectionStart());
    const std::size_t room = limit_ == 0 ? text.size() : limit_ - std::min(limit_, kept);
    const std::u16string taken = Accepted(text, room);
    // Nothing taken: a selection stays as it is.
    if (taken.empty()) return false;
    return Replace(SelectionStart(), SelectionEnd(), taken, step);
}

bool EditLine::DeleteBack() {
    if (HasSelection()) return Replace(SelectionStart(), SelectionEnd(), {}, Step::Deleting);
    return Replace(PreviousStop(caret_), caret_, {}, Step::Deleting);
}

bool EditLine::DeleteForward() {
    if (HasSelection()) return Replace(SelectionStart(), SelectionEnd(), {}, Step::Deleting);
    return Replace(caret_, NextStop(caret_), {}, Step::Deleting);
}

bool EditLine::DeleteWordBack() {
    if (HasSelection()) return Replace(SelectionStart(), SelectionEnd(), {}, Step::Other);
    return Replace(WordLeft(caret_), caret_, {}, Step::Other);
}

bool EditLine::Cut() {
    if (!HasSelection()) return false;
    return Replace(SelectionStart(), SelectionEnd(), {}, Step::Other);
}

bool EditLine::Undo() {
    if (!canUndo_) return false;
    State now{text_, caret_, anchor_};
    text_ = std::move(undo_.text);
    caret_ = undo_.caret;
    anchor_ = undo_.anchor;
    undo_ = std::move(now);
    lastStep_ = Step::Other;
    return true;
}

std::size_t EditLine::PreviousStop(std::size_t position) const {
    if (position == 0) return 0;
    if (position >= 2 && IsLow(text_[position - 1]) && IsHigh(text_[position - 2]))
        return position - 2;
    return position - 1;
}

std::size_t EditLine::NextStop(std::size_t position) const {
    if (position >= text_.size()) return text_.size();
    if (position + 1 < text_.size() && IsHigh(text_[position]) && IsLow(text_[position + 1]))
        return position + 2;
    return position + 1;
}

std::size_t EditLine::WordLeft(std::size_t position) const {
    while (position > 0 && ClassOf(text_[position - 1]) == CharClass::Space) --position;
    if (position == 0) return 0;
    const CharClass run = ClassOf(text_[position - 1]);
    while (position > 0 && ClassOf(text_[position - 1]) == run) --position;
    return position;
}

std::size_t EditLine::WordRight(std::size_t position) const {
    const std::size_t size = text_.size();
    if (position < size && ClassOf(text_[position]) != CharClass::Space) {
        const CharClass run = ClassOf(text_[position]);
        while (position < size && ClassOf(text_[position]) == run) ++position;
    }
    while (position < size && ClassOf(text_[position]) == CharClass::Space) ++position;
    return position;
}

void EditLine::MoveLeft(bool word, bool extend) {
    lastStep_ = Step::Other;
    if (HasSelection() && !extend) {
        caret_ = anchor_ = SelectionStart();
        return;
    }
    MoveTo(word ? WordLeft(caret_) : PreviousStop(caret_), extend);
}

void EditLine::MoveRight(bool word, bool extend) {
    lastStep_ = Step::Other;
    if (HasSelection() && !extend) {
        caret_ = anchor_ = SelectionEnd();
        return;
    }
    MoveTo(word ? WordRight(caret_) : NextStop(caret_), extend);
}

void EditLine::MoveHome(bool extend) { MoveTo(0, extend); }

void EditLine::MoveEnd(bool extend) { MoveTo(text_.size(), extend); }

void EditLine::MoveTo(std::size_t position, bool extend) {
    lastStep_ = Step::Other;
    position = std::min(position, text_.size());
    if (position > 0 && position < text_.size() && IsLow(text_[position]) &&
        IsHigh(text_[position - 1]))
        --position;
    caret_ = position;
    if (!extend) anchor_ = position;
}

void EditLine::SelectAll() {
    lastStep_ = Step::Other;
    anchor_ = 0;
    caret_ = text_.size();
}

void EditLine::SelectWordAt(std::size_t position) {
    lastStep_ = Step::Other;
    position = std::min(position, text_.size());
    if (text_.empty()) return;
    // At the end, or between two runs, the run to the left counts.
    std::size_t probe = position == text_.size() ? position - 1 : position;
    const CharClass run = ClassOf(text_[probe]);
    std::size_t from = probe, to = probe;
    while (from > 0 && ClassOf(text_[from - 1]) == run) --from;
    while (to < text_.size() && ClassOf(text_[to]) == run) ++to;
    anchor_ = from;
    caret_ = to;
}

std::size_t NearestPosition(std::u16string_view text, const std::vector<int>& offsets, int x) {
    std::size_t best = 0;
    int bestDistance = -1;
    const std::size_t count = std::min(offsets.size(), text.size() + 1);
    for (std::size_t position = 0; position < count; ++position) {
        if (position > 0 && position < text.size() && IsLow(text[position]) &&
            IsHigh(text[position - 1]))
            continue;
        const int distance = std::abs(offsets[position] - x);
        if (bestDistance < 0 || distance < bestDistance) {
            best = position;
            bestDistance = distance;
        }
    }
    return best;
}

int ScrollToShow(int scroll, int caretX, int textWidth, int width) {
    if (width <= 0) return 0;
    // The caret is a pixel wide and must fit inside the box too.
    if (caretX < scroll) scroll = caretX;
    else if (caretX + 1 > scroll + width) scroll = caretX + 1 - width;
    scroll = std::min(scroll, std::max(0, textWidth + 1 - width));
    return std::max(0, scroll);
}

}  // namespace vorn::skin
