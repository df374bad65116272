// Putting text on the clipboard, as CF_UNICODETEXT.
#pragma once

#include <windows.h>

#include <string_view>

namespace vorn::skin {

// Replaces the clipboard's contents with `text` (UTF-8); `owner` owns the
// clipboard meanwhile. False when the clipboard could not be had.
bool PutTextOnClipboard(HWND owner, std::string_view text);

}  // namespace vorn::skin
