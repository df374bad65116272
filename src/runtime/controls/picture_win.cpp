#include "runtime/controls/picture_win.h"

#include <shlwapi.h>

#include <cstring>

#include "plus/plus_calls_win.h"
#include "plus/plus_image_win.h"
#include "plus/plus_startup_win.h"

namespace vorn::runtime {

UniqueBitmap CreateTopDownDib(LONG width, LONG height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

UniqueBitmap DecodePicture(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return {};
    UniqueStream stream(SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
    if (!stream) return {};

    plus::StartPlus();
    plus::PlusCalls& gdip = plus::Plus();
    Gdiplus::GpBitmap* raw = nullptr;
    if (gdip.CreateBitmapFromStream(stream.get(), &raw) != Gdiplus::Ok || raw == nullptr) return {};
    const plus::PlusImage image(raw);

    UINT width = 0, height = 0;
    gdip.GetImageWidth(raw, &width);
    gdip.GetImageHeight(raw, &height);
    if (width == 0 || height == 0) return {};

    const Gdiplus::GpRect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    Gdiplus::BitmapData data{};
    if (gdip.BitmapLockBits(raw, &whole, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB,
                            &data) != Gdiplus::Ok)
        return {};

    void* bits = nullptr;
    UniqueBitmap dib = CreateTopDownDib(static_cast<LONG>(width), static_cast<LONG>(height), &bits);
    if (dib) {
        const std::size_t rowBytes = std::size_t{width} * 4;
        for (UINT y = 0; y < height; ++y)
            std::memcpy(static_cast<std::uint8_t*>(bits) + y * rowBytes,
                        static_cast<const std::uint8_t*>(data.Scan0) +
                            static_cast<std::ptrdiff_t>(y) * data.Stride,
                        rowBytes);
    }
    gdip.BitmapUnlockBits(raw, &data);
    return dib;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) == 0) return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

}  // namespace vorn::runtime
