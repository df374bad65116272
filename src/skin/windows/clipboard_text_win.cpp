#include "skin/windows/clipboard_text_win.h"

#include <cstring>
#include <cwchar>
#include <string>

#include "runtime/base/utf_win.h"

namespace vorn::skin {
namespace {

class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool Open() const { return open_; }

private:
    bool open_;
};

}  // namespace

bool PutTextOnClipboard(HWND owner, std::string_view text) {
    const std::wstring wide = runtime::Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return false;
    if (void* target = GlobalLock(block)) {
        std::memcpy(target, wide.c_str(), bytes);
        GlobalUnlock(block);
    }
    const OpenClipboardScope clipboard(owner);
    // Once set, the block belongs to the clipboard.
    if (clipboard.Open() && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block)) return true;
    GlobalFree(block);
    return false;
}

std::optional<std::wstring> TextFromClipboard(HWND owner) {
    const OpenClipboardScope clipboard(owner);
    if (!clipboard.Open()) return std::nullopt;
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    if (!block) return std::nullopt;
    const auto* text = static_cast<const wchar_t*>(GlobalLock(block));
    if (!text) return std::nullopt;
    // Never past the block, even when its text has no terminator.
    const std::size_t most = GlobalSize(block) / sizeof(wchar_t);
    std::wstring taken(text, wcsnlen(text, most));
    GlobalUnlock(block);
    return taken;
}

}  // namespace vorn::skin
