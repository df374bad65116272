// Label: a static caption with colours, alignment, border and an optional
// vertical three-colour gradient; a press drags the window, a press without
// moving is a click.
#pragma once

#include "runtime/controls/control_win.h"
#include "runtime/win32/drag_gesture_win.h"

namespace vorn::runtime {

class Label final : public Control {
public:
    using Control::Control;
    static constexpr const wchar_t* kClassName = L"VornLabel";

    bool Create(HWND parent) override;
    std::string ReadText(int property) override;
    void WriteText(int property, std::string_view text) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void PaintBackground(HDC dc, const RECT& client) const;

    DragGesture drag_;
};

}  // namespace vorn::runtime
