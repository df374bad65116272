#include "plus/image_encoder_win.h"

#include <objbase.h>

#include <cstdint>
#include <vector>

#include "runtime/base/utf_win.h"
#include "plus/plus_calls_win.h"
#include "plus/plus_status_win.h"

namespace vorn::plus {

std::optional<CLSID> FindImageEncoder(std::string_view formatText) {
    UINT count = 0, size = 0;
    if (!RecordPlusStatus(Plus().GetImageEncodersSize(&count, &size)) || count == 0) return {};
    // The codec records are followed by the strings they point to, in one block.
    std::vector<std::uint64_t> block((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(block.data());
    if (!RecordPlusStatus(Plus().GetImageEncoders(count, size, codecs))) return {};

    const std::wstring wanted = runtime::Widen(formatText);
    for (UINT i = 0; i < count; ++i) {
        wchar_t text[40] = {};
        if (StringFromGUID2(codecs[i].FormatID, text, 40) > 0 && wanted == text)
            return codecs[i].Clsid;
    }
    return {};
}

}  // namespace vorn::plus
