#include "skin/windows/clipboard_text_win.h"

#include <cstring>
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

}  // namespace vorn::skin
