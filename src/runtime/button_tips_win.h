// One tooltip window that shows the tips of all image buttons of a window.
// Each tooltip is a top-level popup, costly to create; one per window
// instead of one per button keeps the start quick.
#pragma once

#include <windows.h>

#include <string>

namespace vorn::runtime {

class ButtonTips {
public:
    ButtonTips() = default;
    ButtonTips(const ButtonTips&) = delete;
    ButtonTips& operator=(const ButtonTips&) = delete;
    ~ButtonTips();

    // Shows `text` while the mouse rests on `button`; the tooltip window is
    // created with the first tip. Empty texts add nothing.
    void Add(HWND button, const std::wstring& text, HFONT font);
    // Forgets `button` (before it is destroyed).
    void Remove(HWND button);
    HWND handle() const { return tooltip_; }

private:
    bool EnsureWindow(HWND button, HFONT font);

    HWND tooltip_ = nullptr;
};

}  // namespace vorn::runtime
