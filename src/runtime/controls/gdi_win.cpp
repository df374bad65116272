#include "runtime/controls/gdi_win.h"

#include <algorithm>

namespace vorn::runtime {
namespace {

RECT ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

}  // namespace

void DrawBitmapAt(HDC dc, HBITMAP bitmap, LONG width, LONG height) {
    const MemoryDc source(dc);
    const SelectedObject selected(source.get(), bitmap);
    const SIZE size = BitmapSize(bitmap);
    BitBlt(dc, 0, 0, std::min(size.cx, width), std::min(size.cy, height), source.get(), 0, 0,
           SRCCOPY);
}

BufferedPaint::BufferedPaint(HWND window)
    : window_(window),
      screen_(BeginPaint(window, &paint_)),
      client_(ClientOf(window)),
      memory_(screen_),
      bitmap_(CreateCompatibleBitmap(screen_, std::max<LONG>(client_.right, 1),
                                     std::max<LONG>(client_.bottom, 1))),
      selected_(memory_.get(), bitmap_.get()) {}

BufferedPaint::~BufferedPaint() {
    BitBlt(screen_, 0, 0, client_.right, client_.bottom, memory_.get(), 0, 0, SRCCOPY);
    EndPaint(window_, &paint_);
}

}  // namespace vorn::runtime
