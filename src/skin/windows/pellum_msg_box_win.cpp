#include "skin/windows/pellum_msg_box_win.h"

#include <utility>

#include "skin/skin_state_win.h"

namespace vorn::skin {

PellumMsgBox::PellumMsgBox(const SkinState& skin) : skin_(skin) {
    runtime::RegisterOwnClass(kMsgBoxClass, 0, nullptr);
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof(registered);
    registered_ = GetClassInfoExW(GetModuleHandleW(nullptr), kMsgBoxClass, &registered) != FALSE;
}

runtime::BoxAnswer PellumMsgBox::ShowBox(const runtime::BoxRequest& request) {
    if (!registered_ || !skin_.initialised) return runtime::refusal::kNotInitialised;
    if (open_ != nullptr) return runtime::refusal::kBusy;
    if (request.captions.empty()) return runtime::refusal::kNoCaptions;
    MsgBoxWindow box(skin_, request);
    open_ = &box;
    const runtime::BoxAnswer answer = box.Run();
    open_ = nullptr;
    return answer;
}

bool PellumMsgBox::Close() {
    const HWND box = Handle();
    if (!box) return false;
    SendMessageW(box, WM_CLOSE, 0, 0);
    return true;
}

}  // namespace vorn::skin
