#include "plus/plus_image_win.h"

#include <cstring>

#include "runtime/base/utf_win.h"
#include "plus/plus_graphics_win.h"
#include "plus/plus_solid_brush_win.h"
#include "plus/rotated_size.h"

namespace vorn::plus {

using Gdiplus::GpBitmap;

PlusImage& PlusImage::operator=(PlusImage&& other) noexcept {
    if (this != &other) {
        // The old image goes before the stream it may still read from.
        image_ = std::move(other.image_);
        keepStream_ = std::move(other.keepStream_);
    }
    return *this;
}

bool PlusImage::LoadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm) {
    *this = PlusImage();
    if (!keepStream_.CreateFromBytes(bytes)) return false;
    // GDI+ decodes lazily: the stream stays with the image.
    const bool loaded =
        useIcm
            ? image_.Create<&PlusCalls::CreateBitmapFromStreamICM, GpBitmap>(keepStream_.Stream())
            : image_.Create<&PlusCalls::CreateBitmapFromStream, GpBitmap>(keepStream_.Stream());
    if (!loaded) keepStream_.Free();
    return loaded;
}

bool PlusImage::CreateBitmap(int width, int height, Gdiplus::PixelFormat format) {
    *this = PlusImage();
    return image_.Create<&PlusCalls::CreateBitmapFromScan0, GpBitmap>(width, height, 0, format,
                                                                      nullptr);
}

bool PlusImage::CreateFromHBitmap(HBITMAP bitmap, HPALETTE palette) {
    *this = PlusImage();
    return image_.Create<&PlusCalls::CreateBitmapFromHBITMAP, GpBitmap>(bitmap, palette);
}

bool PlusImage::CreateFromHIcon(HICON icon) {
    *this = PlusImage();
    return image_.Create<&PlusCalls::CreateBitmapFromHICON, GpBitmap>(icon);
}

PlusImage PlusImage::Clone() const {
    PlusImage clone;
    clone.image_.CreateFrom<&PlusCalls::CloneImage>(Native());
    return clone;
}

bool PlusImage::Dispose() {
    const bool disposed = image_.Release();
    keepStream_.Free();
    return disposed;
}

UINT PlusImage::Width() const { return image_.Read<&PlusCalls::GetImageWidth, UINT>(); }

UINT PlusImage::Height() const { return image_.Read<&PlusCalls::GetImageHeight, UINT>(); }

float PlusImage::HorizontalResolution() const {
    return image_.Read<&PlusCalls::GetImageHorizontalResolution, Gdiplus::REAL>();
}

float PlusImage::VerticalResolution() const {
    return image_.Read<&PlusCalls::GetImageVerticalResolution, Gdiplus::REAL>();
}

bool PlusImage::SetResolution(float horizontal, float vertical) {
    return CallPlus<&PlusCalls::BitmapSetResolution>(NativeBitmap(), horizontal, vertical);
}

Argb PlusImage::GetPixel(int x, int y) const {
    return ReadPlus<&PlusCalls::BitmapGetPixel, Gdiplus::ARGB>(NativeBitmap(), x, y);
}

bool PlusImage::SaveToFile(std::string_view path, std::string_view format) const {
    if (Native() == nullptr) return false;
    const std::optional<CLSID> encoder = FindImageEncoder(format);
    return encoder && image_.Call<&PlusCalls::SaveImageToFile>(runtime::Widen(path).c_str(),
                                                               &*encoder, nullptr);
}

std::vector<std::uint8_t> PlusImage::SaveToBytes(std::string_view format) const {
    if (Native() == nullptr) return {};
    const std::optional<CLSID> encoder = FindImageEncoder(format);
    HGlobalStream target;
    if (!encoder || !target.CreateFromBytes({}) ||
        !image_.Call<&PlusCalls::SaveImageToStream>(target.Stream(), &*encoder, nullptr))
        return {};
    return target.Bytes();
}

std::vector<std::int32_t> PlusImage::GetFrameDelays() const {
    const UINT size = image_.Read<&PlusCalls::GetPropertyItemSize, UINT>(PropertyTagFrameDelay);
    if (size < sizeof(Gdiplus::PropertyItem)) return {};
    // The item's record is followed by its value bytes, in one block.
    std::vector<std::uint64_t> block((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(block.data());
    if (!image_.Call<&PlusCalls::GetPropertyItem>(PropertyTagFrameDelay, size, item)) return {};
    if (item->value == nullptr) return {};
    std::vector<std::int32_t> delays(item->length / sizeof(std::int32_t));
    std::memcpy(delays.data(), item->value, delays.size() * sizeof(std::int32_t));
    return delays;
}

PlusImage PlusImage::Rotate(float degrees, const RotateOptions& options) const {
    if (Native() == nullptr) return {};
    const UINT width = Width(), height = Height();
    SIZE target{};
    if (options.size) {
        target = *options.size;
    } else {
        const RotatedExtent extent = RotatedSize(width, height, degrees);
        target = {static_cast<LONG>(extent.width), static_cast<LONG>(extent.height)};
    }

    PlusImage rotated;
    PlusGraphics graphics;
    if (!rotated.CreateBitmap(target.cx, target.cy) ||
        !rotated.SetResolution(HorizontalResolution(), VerticalResolution()) ||
        !graphics.FromImage(rotated))
        return {};
    if (options.background) {
        PlusSolidBrush brush;
        if (!brush.Create(*options.background) ||
            !graphics.FillRectangle(
                brush, {0, 0, static_cast<float>(target.cx), static_cast<float>(target.cy)}))
            return {};
    }
    if (options.interpolation && !graphics.SetInterpolationMode(*options.interpolation)) return {};
    // Source centre to the origin, rotate, origin to the target centre; with
    // equal resolutions the image is drawn one source pixel per target pixel.
    if (!graphics.TranslateTransform(target.cx / 2.0f, target.cy / 2.0f) ||
        !graphics.RotateTransform(degrees) ||
        !graphics.TranslateTransform(-(width / 2.0f), -(height / 2.0f)) ||
        !graphics.DrawImage(*this, 0, 0) || !graphics.ResetTransform())
        return {};
    graphics = PlusGraphics();
    return rotated;
}

}  // namespace vorn::plus
