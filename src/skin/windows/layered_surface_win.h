// The off-screen picture of a per-pixel layered window: a 32-bit bitmap with
// premultiplied alpha in a memory DC, drawn into with GDI+ and pushed to the
// window with UpdateLayeredWindow.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "runtime/win32/handles_win.h"
#include "skin/windows/pixel_zoom.h"

namespace vorn::skin {

class LayeredSurface {
public:
    LayeredSurface() = default;
    LayeredSurface(LayeredSurface&&) = default;
    LayeredSurface& operator=(LayeredSurface&&) = default;
    ~LayeredSurface() { Release(); }

    // A width x height surface for `window` (a WS_EX_LAYERED window), fully
    // transparent. False, and an empty surface, when the bitmap cannot be
    // made (no memory, a zero size).
    bool Create(HWND window, int width, int height);
    // Frees the bitmap, the brush and the DC; harmless on an empty surface.
    void Release();

    HDC DeviceContext() const { return memoryDc_.get(); }
    bool Empty() const { return !dib_; }
    int Width() const { return bounds_.right; }
    int Height() const { return bounds_.bottom; }

    // Makes the whole surface, or one rectangle of it, transparent black.
    void Clear();
    void ClearRect(const RECT& rect);

    // Shows the surface on the window. A position moves the window; a size
    // replaces the shown size (smaller than the surface: its top-left part);
    // an alpha replaces the whole window's opacity. Without a position the
    // window stays where it is. Does nothing on an empty surface.
    bool Update(std::optional<POINT> position = std::nullopt,
                std::optional<SIZE> size = std::nullopt,
                std::optional<BYTE> alpha = std::nullopt);

    // The premultiplied 0xAARRGGBB pixel at (x, y), counted from the top
    // left; 0 outside the surface.
    std::uint32_t Pixel(int x, int y) const;
    // The whole window's opacity at the last update.
    BYTE Alpha() const { return alpha_; }

    // The surface's pixels to read or write directly, once GDI's pending
    // drawing into it is done; empty on an empty surface. Valid until the
    // surface is made again or released.
    PixelRows Rows();
    ConstPixelRows Rows() const;

private:
    HWND window_ = nullptr;
    runtime::MemoryDc memoryDc_;
    runtime::UniqueBitmap dib_;  // selected into memoryDc_ while both exist
    runtime::UniqueBrush clearBrush_;
    std::uint32_t* bits_ = nullptr;  // bottom-up rows
    SIZE shownSize_{0, 0};
    BYTE alpha_ = 255;
    RECT bounds_{0, 0, 0, 0};
};

}  // namespace vorn::skin
