// ComboBox: an owner-drawn drop-down list, its rows in the layout's text
// colour on its back colour.
#pragma once

#include "runtime/controls/control_win.h"
#include "runtime/controls/gdi_win.h"

namespace vorn::runtime {

class ComboBox final : public Control {
public:
    using Control::Control;

    bool Create(HWND parent) override;
    std::int64_t ReadInteger(int property) override;
    // Selecting through a property raises no event.
    void WriteInteger(int property, std::int64_t value) override;
    void OnCommandFromParent(UINT code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int ListItemHeight() const;
    int DroppedListHeight() const;
    void FitFieldHeight(int wanted);

    COLORREF textColour_ = 0;
    COLORREF backColour_ = 0;
    UniqueBrush backBrush_;
};

}  // namespace vorn::runtime
