// An image or bitmap: loaded from bytes, made empty at a size, or taken from
// GDI bitmaps and icons; drawn through PlusGraphics, saved back to files or
// bytes, rotated.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "plus/hglobal_stream_win.h"
#include "plus/image_encoder_win.h"
#include "plus/plus_handle_win.h"

namespace vorn::plus {

struct RotateOptions {
    std::optional<Argb> background;  // fill the whole target first
    std::optional<Gdiplus::InterpolationMode> interpolation;
    std::optional<SIZE> size;  // the target's size; else RotatedSize, truncated
};

class PlusImage {
public:
    PlusImage() = default;
    // Takes ownership of an image made elsewhere (e.g. a bitmap handed over).
    explicit PlusImage(Gdiplus::GpImage* adopted) : image_(adopted) {}
    PlusImage(PlusImage&&) noexcept = default;
    PlusImage& operator=(PlusImage&& other) noexcept;
    ~PlusImage() = default;

    Gdiplus::GpImage* Native() const { return image_.Get(); }
    Gdiplus::GpBitmap* NativeBitmap() const {
        return static_cast<Gdiplus::GpBitmap*>(image_.Get());
    }
    // Gives the image up undisposed; the caller disposes it. Safe for loaded
    // images too: the memory under their stream goes with the stream's last
    // reference, and GDI+ holds one while the image needs it.
    Gdiplus::GpImage* Detach() { return image_.Detach(); }

    // Decodes `bytes` (any format GDI+ reads). Bytes that are no image leave
    // the wrapper empty and return false, with the reason in LastPlusStatus.
    bool LoadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm = false);
    bool CreateBitmap(int width, int height, Gdiplus::PixelFormat format = PixelFormat32bppARGB);
    bool CreateFromHBitmap(HBITMAP bitmap, HPALETTE palette = nullptr);
    bool CreateFromHIcon(HICON icon);
    PlusImage Clone() const;
    bool Dispose();

    UINT Width() const;
    UINT Height() const;
    float HorizontalResolution() const;
    float VerticalResolution() const;
    bool SetResolution(float horizontal, float vertical);
    Argb GetPixel(int x, int y) const;

    // Saves with the first installed encoder of the format (GUID text, see
    // image_encoder_win.h). No such encoder: false, and nothing is written.
    bool SaveToFile(std::string_view path, std::string_view format = kBmpFormat) const;
    // The saved file's bytes; empty when saving failed.
    std::vector<std::uint8_t> SaveToBytes(std::string_view format = kBmpFormat) const;

    // Frame delays of an animation, in hundredths of a second; empty when
    // the image has none.
    std::vector<std::int32_t> GetFrameDelays() const;

    // A new 32-bit ARGB bitmap holding this image rotated by `degrees` about
    // its centre, centred in the target; empty when any step fails.
    PlusImage Rotate(float degrees, const RotateOptions& options = {}) const;

private:
    // Declared first so it outlives the image decoded from it.
    HGlobalStream keepStream_;
    PlusHandle<Gdiplus::GpImage, &PlusCalls::DisposeImage> image_;
};

}  // namespace vorn::plus
