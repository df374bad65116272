// EditBox: the standard Edit control with colours, the integer input mode,
// manual spin buttons and the content-changed rule.
#pragma once

#include "runtime/controls/control_win.h"
#include "runtime/controls/gdi_win.h"

namespace vorn::runtime {

class EditBox final : public Control {
public:
    using Control::Control;

    // Width of the spin buttons inside the right edge of the edit.
    static constexpr int kSpinWidth = 11;

    bool Create(HWND parent) override;
    std::int64_t ReadInteger(int property) override;
    void WriteInteger(int property, std::int64_t value) override;
    std::string ReadText(int property) override;
    // Writing the content raises ContentChanged exactly once, before returning.
    void WriteText(int property, std::string_view text) override;
    void OnCommandFromParent(UINT code) override;
    HBRUSH OnColourFromParent(HDC dc) override;

    HWND spinHandle() const { return spin_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetBackColour(COLORREF colour);
    void CreateSpin();
    void PlaceSpin();
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    void NormaliseInteger();
    void PaintDisabled();

    COLORREF textColour_ = 0;
    COLORREF backColour_ = 0;
    UniqueBrush backBrush_;
    HWND spin_ = nullptr;  // a child of the edit, destroyed with it
    int programWrites_ = 0;
};

}  // namespace vorn::runtime
