// One tooltip window that shows the tips of all image buttons of a window.
// Each tooltip is a top-level popup, costly to create; one per window,
// made when first needed, keeps the start quick.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace vorn::runtime {

class ButtonTips {
public:
    ButtonTips() = default;
    ButtonTips(const ButtonTips&) = delete;
    ButtonTips& operator=(const ButtonTips&) = delete;
    ~ButtonTips();

    // Shows `text` while the mouse rests on `button`. Empty texts add nothing.
    void Add(HWND button, const std::wstring& text, HFONT font);
    // Forgets `button` (before it is destroyed).
    void Remove(HWND button);
    // A mouse move over one of the buttons. The tooltip window is made, with
    // every tip, at the first one (the window is not needed before and is
    // costly to create while the program starts), and that move passed to it.
    void OnMouseMove(HWND button, WPARAM wParam, LPARAM lParam);
    HWND handle() const { return tooltip_; }

private:
    void AddTool(HWND button, const std::wstring& text);

    HWND tooltip_ = nullptr;
    HFONT font_ = nullptr;
    std::vector<std::pair<HWND, std::wstring>> waiting_;  // until the window exists
};

}  // namespace vorn::runtime
