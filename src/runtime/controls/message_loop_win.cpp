#include "runtime/controls/message_loop_win.h"

namespace vorn::runtime {

void MessageLoop::AddIdleCallback(HWND window, IdleCallback callback) {
    idle_.push_back(Entry{window, std::move(callback)});
}

void MessageLoop::AddKeyFilter(HWND window, KeyFilter filter) {
    keys_.push_back(KeyEntry{window, std::move(filter)});
}

bool MessageLoop::Filtered(const MSG& message) const {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    if (message.hwnd == nullptr) return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (const KeyEntry& entry : keys_) {
        if (entry.window == root && IsWindowEnabled(root) && entry.filter && entry.filter(message))
            return true;
    }
    return false;
}

bool MessageLoop::RunIdleCallbacks() {
    std::erase_if(idle_, [](const Entry& entry) { return !IsWindow(entry.window); });
    bool more = false;
    // By index: a callback may register another one.
    for (std::size_t i = 0; i < idle_.size(); ++i) {
        const IdleCallback callback = idle_[i].callback;
        if (callback && callback()) more = true;
    }
    return more;
}

int MessageLoop::Run() {
    MSG message{};
    for (;;) {
        while (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!RunIdleCallbacks()) break;
        }
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (!Filtered(message)) DispatchWithNavigation(message);
    }
    return static_cast<int>(message.wParam);
}

void DispatchWithNavigation(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && (GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) &&
        IsDialogMessageW(root, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace vorn::runtime
