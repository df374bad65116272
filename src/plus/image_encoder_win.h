// Finding the installed image encoder for an image format given as GUID text.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace vorn::plus {

// Image-format GUIDs as StringFromGUID2 writes them (upper case, in braces);
// the search compares texts exactly.
inline constexpr std::string_view kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kJpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kGifFormat = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";

// The CLSID of the first installed encoder whose format text equals
// `formatText`; none when no encoder matches.
std::optional<CLSID> FindImageEncoder(std::string_view formatText);

}  // namespace vorn::plus
