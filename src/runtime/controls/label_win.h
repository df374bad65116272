// Label and TransLabel: a static caption. A plain label paints its own
// background (its colour, or a vertical three-colour gradient), and a press
// on it drags the window (a press without moving is a click). A transparent
// label shows what lies under it in the parent, and mouse presses fall
// through to the parent.
#pragma once

#include "runtime/controls/control_win.h"
#include "runtime/win32/drag_gesture_win.h"

namespace vorn::runtime {

class Label final : public Control {
public:
    using Control::Control;
    static constexpr const wchar_t* kClassName = L"VornLabel";
    static constexpr const wchar_t* kTransparentClassName = L"VornTransLabel";

    bool Create(HWND parent) override;
    std::string ReadText(int property) override;
    void WriteText(int property, std::string_view text) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Transparent() const { return kind() == ControlKind::TransLabel; }
    int CaptionProperty() const;
    void Paint();
    void PaintBackground(HDC dc, const RECT& client) const;
    // What the parent paints under the label, into `dc`.
    void PaintParentBackground(HDC dc) const;
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);

    DragGesture drag_;
};

}  // namespace vorn::runtime
