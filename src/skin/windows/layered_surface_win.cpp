#include "skin/windows/layered_surface_win.h"

namespace vorn::skin {

bool LayeredSurface::Create(HWND window, int width, int height) {
    Release();
    window_ = window;
    shownSize_ = SIZE{width, height};
    alpha_ = 255;
    SetRect(&bounds_, 0, 0, width, height);
    if (width <= 0 || height <= 0) return false;

    const runtime::WindowDc screen(window);
    memoryDc_ = runtime::MemoryDc(screen.get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    void* bits = nullptr;
    dib_.reset(CreateDIBSection(memoryDc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib_ || !memoryDc_.get()) {
        Release();
        return false;
    }
    bits_ = static_cast<std::uint32_t*>(bits);
    SelectObject(memoryDc_.get(), dib_.get());
    clearBrush_.reset(CreateSolidBrush(0));
    return true;
}

void LayeredSurface::Release() {
    // The DC goes first: a bitmap still selected into a DC cannot be deleted.
    memoryDc_.reset();
    dib_.reset();
    clearBrush_.reset();
    bits_ = nullptr;
}

void LayeredSurface::Clear() { ClearRect(bounds_); }

void LayeredSurface::ClearRect(const RECT& rect) {
    if (Empty()) return;
    FillRect(memoryDc_.get(), &rect, clearBrush_.get());
    GdiFlush();
}

bool LayeredSurface::Update(std::optional<POINT> position, std::optional<SIZE> size,
                            std::optional<BYTE> alpha) {
    if (Empty()) return false;
    if (size) shownSize_ = *size;
    if (alpha) alpha_ = *alpha;
    GdiFlush();
    const runtime::WindowDc screen(window_);
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha_, AC_SRC_ALPHA};
    return UpdateLayeredWindow(window_, screen.get(), position ? &*position : nullptr,
                               &shownSize_, memoryDc_.get(), &source, 0, &blend,
                               ULW_ALPHA) != FALSE;
}

std::uint32_t LayeredSurface::Pixel(int x, int y) const {
    if (Empty() || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
    GdiFlush();
    return bits_[static_cast<std::size_t>(Height() - 1 - y) * static_cast<std::size_t>(Width()) +
                 static_cast<std::size_t>(x)];
}

PixelRows LayeredSurface::Rows() {
    if (Empty()) return {};
    GdiFlush();
    // Bottom-up: the top row is the last in memory.
    return PixelRows{bits_ + static_cast<std::ptrdiff_t>(Height() - 1) * Width(), -static_cast<std::ptrdiff_t>(Width()),
                     Width(), Height()};
}

ConstPixelRows LayeredSurface::Rows() const {
    if (Empty()) return {};
    GdiFlush();
    return ConstPixelRows{bits_ + static_cast<std::ptrdiff_t>(Height() - 1) * Width(),
                          -static_cast<std::ptrdiff_t>(Width()), Width(), Height()};
}

}  // namespace vorn::skin
