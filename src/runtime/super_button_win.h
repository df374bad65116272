// SuperBtn: an image button. It shows its normal picture, its hover picture
// while the mouse is over it, a thin rounded light frame and a tooltip; its
// window text is the tooltip text.
#pragma once

#include "runtime/control_win.h"
#include "runtime/picture_win.h"

namespace vorn::runtime {

class SuperButton final : public Control {
public:
    using Control::Control;
    static constexpr const wchar_t* kClassName = L"VornSuperBtn";

    bool Create(HWND parent) override;
    bool hovering() const { return hovering_; }
    HWND tooltipHandle() const { return tooltip_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateTooltip();
    void Paint();
    void OnMouseMove();
    void OnButtonUp(LPARAM position);
    LRESULT OnGetDlgCode(LPARAM lParam) const;

    UniqueBitmap normal_;
    UniqueBitmap hover_;
    HWND tooltip_ = nullptr;
    bool hovering_ = false;
    bool pressed_ = false;
};

}  // namespace vorn::runtime
