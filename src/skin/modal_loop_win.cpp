#include "skin/modal_loop_win.h"

#include "runtime/win32/modal_box_win.h"

namespace vorn::skin {

WPARAM RunModalLoop(const std::uint32_t& watched, HWND* owner) {
    const runtime::ModalLoopEnd end =
        runtime::RunModalMessageLoop([&watched] { return watched == 0; }, nullptr);
    if (owner && *owner) {
        EnableWindow(*owner, TRUE);
        *owner = nullptr;
    }
    if (end.quitCode) PostQuitMessage(*end.quitCode);
    return end.lastWParam;
}

}  // namespace vorn::skin
