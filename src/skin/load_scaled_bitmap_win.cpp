#include "skin/load_scaled_bitmap_win.h"

#include <windows.h>
#include <olectl.h>

#include <cstring>

#include "runtime/win32/handles_win.h"
#include "plus/plus_graphics_win.h"

namespace vorn::skin {
namespace {

// A fixed, zeroed global block holding a copy of the bytes; the stream made
// on it does not free it, this owner does, after the stream is gone.
class GlobalCopy {
public:
    explicit GlobalCopy(std::span<const std::uint8_t> bytes)
        : block_(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, bytes.size())) {
        if (block_ == nullptr) return;
        if (void* memory = GlobalLock(block_)) {
            std::memcpy(memory, bytes.data(), bytes.size());
            GlobalUnlock(block_);
        }
    }
    GlobalCopy(const GlobalCopy&) = delete;
    GlobalCopy& operator=(const GlobalCopy&) = delete;
    ~GlobalCopy() {
        if (block_) GlobalFree(block_);
    }
    HGLOBAL get() const { return block_; }

private:
    HGLOBAL block_;
};

}  // namespace

plus::PlusImage LoadOlePicture(std::span<const std::uint8_t> bytes) {
    plus::PlusImage image;
    if (bytes.empty()) return image;
    const GlobalCopy block(bytes);
    if (block.get() == nullptr) return image;
    runtime::UniqueStream stream;
    if (FAILED(CreateStreamOnHGlobal(block.get(), FALSE, stream.put()))) return image;
    runtime::ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), TRUE, IID_IPicture,
                              reinterpret_cast<void**>(picture.put()))))
        return image;
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_NONE;
    if (FAILED(picture->get_Handle(&handle)) || FAILED(picture->get_Type(&type))) return image;
    // The picture owns its handle: copies are made, and freed here once GDI+
    // has its own pixels.
    const auto native = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle));
    if (type == PICTYPE_BITMAP) {
        const runtime::UniqueBitmap copy(
            static_cast<HBITMAP>(CopyImage(native, IMAGE_BITMAP, 0, 0, LR_COPYRETURNORG)));
        if (copy) image.CreateFromHBitmap(copy.get());
    } else if (type == PICTYPE_ICON) {
        const runtime::UniqueIcon copy(CopyIcon(static_cast<HICON>(native)));
        if (copy) image.CreateFromHIcon(copy.get());
    }
    return image;
}

plus::PlusImage LoadScaledBitmap(std::span<const std::uint8_t> bytes, std::optional<int> width,
                                 std::optional<int> height) {
    plus::PlusImage source;
    if (!source.LoadFromBytes(bytes)) source = LoadOlePicture(bytes);
    plus::PlusImage result;
    if (source.Native() == nullptr) return result;
    const int targetWidth = width.value_or(static_cast<int>(source.Width()));
    const int targetHeight = height.value_or(static_cast<int>(source.Height()));
    if (targetWidth <= 0 || targetHeight <= 0 || !result.CreateBitmap(targetWidth, targetHeight))
        return plus::PlusImage();
    plus::PlusGraphics graphics;
    if (!graphics.FromImage(result)) return plus::PlusImage();
    // Edge pixels are not blended with the transparent outside when stretched.
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    const Gdiplus::RectF target(0, 0, static_cast<float>(targetWidth),
                                static_cast<float>(targetHeight));
    const Gdiplus::RectF whole(0, 0, static_cast<float>(source.Width()),
                               static_cast<float>(source.Height()));
    graphics.DrawImageRectRectAttr(source, target, whole, Gdiplus::UnitPixel);
    return result;
}

}  // namespace vorn::skin
