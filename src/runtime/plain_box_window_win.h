// One open plain box: a popup of its own class built from standard controls
// (static text, push buttons, a check box) with the icon painted beside the
// text. The service creates it, runs the modal loop and reads the outcome.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/box_request.h"
#include "runtime/gdi_win.h"
#include "runtime/picture_win.h"
#include "runtime/plain_box_layout_win.h"
#include "runtime/window_object_win.h"

namespace vorn::runtime {

inline constexpr wchar_t kPlainBoxClass[] = L"VornPlainBox";

class PlainBoxWindow final : public WindowObject {
public:
    // `picture`: the caller's picture already scaled to the icon's size, or empty.
    PlainBoxWindow(const runtime::BoxRequest& request, UniqueBitmap picture);
    ~PlainBoxWindow() override;

    // Builds the hidden window over `owner` (may be null); false when it fails.
    bool Create(HWND owner);
    // Shows and activates it with the focus on the default button or the close button.
    void Show();
    void Destroy();

    // Handles the box's own keys (Enter, Esc, Tab); true when `message` was used up.
    bool HandleKeyboard(MSG& message);
    // Ends the box as its close button would.
    void Dismiss() { Finish(CloseItem()); }

    bool Finished() const { return finished_; }
    // 1-based item that ended the box: 1..n the captions, n + 1 the close button.
    int PressedItem() const { return pressed_; }
    bool OptionTicked() const { return optionTicked_; }
    // The item that has the focus at first.
    int InitialItem() const;

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(int id, int code, HWND control);
    void OnActivate(bool active);
    void Paint(HDC dc) const;
    LRESULT OnControlColour(HDC dc, HWND control) const;

    int CaptionCount() const { return static_cast<int>(captions_.size()); }
    int CloseItem() const { return CaptionCount() + 1; }
    HWND ControlOfItem(int item) const;
    void Finish(int item);
    void MarkDefaultButton(HWND focused) const;

    PlainBoxMeasures Measure(int minClientWidth) const;
    void CreateControls(const PlainBoxLayout& layout);

    runtime::BoxRequest request_;
    UniqueBitmap picture_;
    HICON standardIcon_ = nullptr;  // shared system icon, never destroyed
    UniqueFont font_;
    UniqueBrush messageBrush_, barBrush_;
    COLORREF messageColour_ = 0, barColour_ = 0, separatorColour_ = 0;

    HWND message_ = nullptr;
    HWND closeButton_ = nullptr;
    HWND option_ = nullptr;
    std::vector<HWND> captions_;  // request order
    HWND lastFocus_ = nullptr;    // given back when the box is activated again
    PlainBoxLayout layout_;

    bool finished_ = false;
    int pressed_ = 0;
    bool optionTicked_ = false;
};

}  // namespace vorn::runtime
