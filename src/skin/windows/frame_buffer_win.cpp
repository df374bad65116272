#include "skin/windows/frame_buffer_win.h"

namespace vorn::skin {

bool FrameBuffer::Resize(int width, int height) {
    if (!Empty() && width == width_ && height == height_) return true;
    Release();
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as GDI+ expects its scan lines
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const runtime::WindowDc screen;
    dc_ = runtime::MemoryDc(screen.get());
    bitmap_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc_.get() || !bitmap_ || bits == nullptr) {
        Release();
        return false;
    }
    previous_ = SelectObject(dc_.get(), bitmap_.get());
    bits_ = static_cast<DWORD*>(bits);
    width_ = width;
    height_ = height;
    // GDI+ draws straight into the section's pixels.
    Gdiplus::GpBitmap* view = nullptr;
    if (plus::RecordPlusStatus(plus::Plus().CreateBitmapFromScan0(
            width, height, width * 4, PixelFormat32bppRGB, reinterpret_cast<BYTE*>(bits_), &view)))
        view_ = plus::PlusImage(view);
    if (!graphics_.FromImage(view_)) {
        Release();
        return false;
    }
    graphics_.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics_.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics_.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    return true;
}

void FrameBuffer::Release() {
    graphics_.Delete();
    view_.Dispose();
    if (previous_) SelectObject(dc_.get(), previous_);
    previous_ = nullptr;
    bitmap_.reset();
    dc_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

void FrameBuffer::CopyTo(HDC target, const RECT& rect) const {
    if (Empty()) return;
    BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dc_.get(),
           rect.left, rect.top, SRCCOPY);
}

DWORD FrameBuffer::Pixel(int x, int y) const {
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    GdiFlush();
    return bits_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF;
}

}  // namespace vorn::skin
