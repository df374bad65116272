// Small owners of GDI handles and the double buffer every custom control
// paints through.
#pragma once

#include <windows.h>

#include "runtime/win32/handles_win.h"
#include "runtime/interfaces/layout.h"
#include "runtime/controls/picture_win.h"

namespace vorn::runtime {

// Layout colours are 0xRRGGBB; GDI wants 0x00BBGGRR.
constexpr COLORREF ToColorRef(Rgb colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}
constexpr Rgb FromColorRef(COLORREF colour) {
    return (Rgb{GetRValue(colour)} << 16) | (Rgb{GetGValue(colour)} << 8) | GetBValue(colour);
}
// The layout's colour, or the system colour when it asks for the default.
inline COLORREF ColourOr(Rgb colour, int systemColour) {
    return colour == kDefaultColour ? GetSysColor(systemColour) : ToColorRef(colour);
}

// Copies a whole bitmap (or as much as fits in width x height) to (0, 0) of dc.
void DrawBitmapAt(HDC dc, HBITMAP bitmap, LONG width, LONG height);

// WM_PAINT through an off-screen bitmap: draw into dc(), the whole client
// area reaches the screen in one blit when this value ends. No flicker.
class BufferedPaint {
public:
    explicit BufferedPaint(HWND window);
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;
    ~BufferedPaint();

    HDC dc() const { return memory_.get(); }
    const RECT& client() const { return client_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC screen_ = nullptr;
    RECT client_{};
    MemoryDc memory_;
    UniqueBitmap bitmap_;
    SelectedObject selected_;
};

}  // namespace vorn::runtime
