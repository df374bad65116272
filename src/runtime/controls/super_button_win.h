// SuperBtn: an image button. It shows its normal picture, its hover picture
// while the mouse is over it, a thin rounded light frame and a tooltip; its
// window text is the tooltip text. Each picture is decoded when first drawn,
// so a window of many buttons shows without decoding pictures nobody sees.
#pragma once

#include "runtime/controls/control_win.h"
#include "runtime/controls/picture_win.h"

namespace vorn::runtime {

class SuperButton final : public Control {
public:
    using Control::Control;
    static constexpr const wchar_t* kClassName = L"VornSuperBtn";

    bool Create(HWND parent) override;
    bool hovering() const { return hovering_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // A picture of the layout, decoded at its first use.
    class LazyPicture {
    public:
        explicit LazyPicture(PictureId id) : id_(id) {}
        HBITMAP Get(const ControlContext& context);

    private:
        PictureId id_;
        bool decoded_ = false;
        UniqueBitmap bitmap_;
    };

    void Paint();
    void OnMouseMove();
    void OnButtonUp(LPARAM position);
    LRESULT OnGetDlgCode(LPARAM lParam) const;

    LazyPicture normal_{layout().normalPicture};
    LazyPicture hover_{layout().hoverPicture};
    bool hovering_ = false;
    bool pressed_ = false;
};

}  // namespace vorn::runtime
