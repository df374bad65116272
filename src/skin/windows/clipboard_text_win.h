// Text on the clipboard, as CF_UNICODETEXT: put there, and taken from it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace vorn::skin {

// Replaces the clipboard's contents with `text` (UTF-8); `owner` owns the
// clipboard meanwhile. False when the clipboard could not be had.
bool PutTextOnClipboard(HWND owner, std::string_view text);

// The clipboard's text (CF_UNICODETEXT) as it is, UTF-16; none when it
// holds no text or could not be had.
std::optional<std::wstring> TextFromClipboard(HWND owner);

}  // namespace vorn::skin
