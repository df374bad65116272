// The picture of a skinned window kept between paints: its background with
// the frame and the items drawn over it, in a DIB section that GDI draws the
// background into and GDI+ draws the items into, and that WM_PAINT copies to
// the screen. Only what changed is drawn again.
#pragma once

#include <windows.h>

#include "runtime/win32/handles_win.h"
#include "plus/plus_graphics_win.h"
#include "plus/plus_image_win.h"

namespace vorn::skin {

class FrameBuffer {
public:
    FrameBuffer() = default;
    FrameBuffer(const FrameBuffer&) = delete;
    FrameBuffer& operator=(const FrameBuffer&) = delete;

    // A width x height picture (contents undefined); false when it cannot
    // be made. Keeps the old one when the size is the same.
    bool Resize(int width, int height);
    void Release();

    bool Empty() const { return !bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC Dc() const { return dc_.get(); }
    // Draws into the same pixels as Dc(); opaque, alpha is ignored.
    plus::PlusGraphics& Graphics() { return graphics_; }
    // The same pixels as a GDI+ image (opaque), to draw elsewhere.
    const plus::PlusImage& Image() const { return view_; }

    // Copies `rect` (client coordinates) to the same place of `target`.
    void CopyTo(HDC target, const RECT& rect) const;
    // The colour (0x00RRGGBB) at (x, y), for checks of what was drawn.
    DWORD Pixel(int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    runtime::MemoryDc dc_;
    runtime::UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    DWORD* bits_ = nullptr;  // top-down rows
    // Declared after the bitmap: the graphics and the GDI+ view of the bits
    // go first.
    plus::PlusImage view_;
    plus::PlusGraphics graphics_;
};

}  // namespace vorn::skin
