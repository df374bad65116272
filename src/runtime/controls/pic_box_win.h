// PicBox: a bordered, coloured rectangle that holds child controls and passes
// their notifications on; a press on its background drags the window.
#pragma once

#include "runtime/controls/control_win.h"
#include "runtime/win32/drag_gesture_win.h"

namespace vorn::runtime {

class PicBox final : public Control {
public:
    using Control::Control;
    static constexpr const wchar_t* kClassName = L"VornPicBox";

    bool Create(HWND parent) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintBackground(HDC dc) const;

    DragGesture drag_;
};

}  // namespace vorn::runtime
