#include "runtime/win32/modal_box_win.h"

namespace vorn::runtime {

DisabledOwner::DisabledOwner(HWND owner) : owner_(owner) {
    if (owner_) wasDisabled_ = EnableWindow(owner_, FALSE) != FALSE;
}

void DisabledOwner::Restore() {
    if (owner_ && !wasDisabled_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
    owner_ = nullptr;
}

ModalLoopEnd RunModalMessageLoop(const std::function<bool()>& finished,
                                 const std::function<bool(MSG&)>& intercept) {
    ModalLoopEnd end;
    MSG message{};
    while (!finished()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) break;
        end.lastWParam = message.wParam;
        if (got == 0) {
            end.quitCode = static_cast<int>(message.wParam);
            break;
        }
        if (intercept && intercept(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return end;
}

}  // namespace vorn::runtime
