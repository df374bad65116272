// Small owners of GDI handles and the double buffer every custom control
// paints through.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "runtime/layout.h"
#include "runtime/picture_win.h"

namespace vorn::runtime {

using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniquePen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;

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

// Selects an object into a DC for the lifetime of this value.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// WM_PAINT through an off-screen bitmap: draw into dc(), the whole client
// area reaches the screen in one blit when this value ends. No flicker.
class BufferedPaint {
public:
    explicit BufferedPaint(HWND window);
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;
    ~BufferedPaint();

    HDC dc() const { return memory_; }
    const RECT& client() const { return client_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC screen_ = nullptr;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    RECT client_{};
};

}  // namespace vorn::runtime
