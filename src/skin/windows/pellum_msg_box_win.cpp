#include "skin/windows/pellum_msg_box_win.h"

#include "skin/skin_state_win.h"

namespace vorn::skin {
namespace {

// Names the open box for as long as it is shown, however its run ends.
class OpenBoxMark {
public:
    OpenBoxMark(MsgBoxWindow*& slot, MsgBoxWindow& box) : slot_(slot) { slot_ = &box; }
    ~OpenBoxMark() { slot_ = nullptr; }
    OpenBoxMark(const OpenBoxMark&) = delete;
    OpenBoxMark& operator=(const OpenBoxMark&) = delete;

private:
    MsgBoxWindow*& slot_;
};

}  // namespace

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
    MsgBoxWindow box(skin_, request, watch_);
    const OpenBoxMark open(open_, box);
    return box.Run();
}

bool PellumMsgBox::Close() {
    const HWND box = Handle();
    if (!box) return false;
    SendMessageW(box, WM_CLOSE, 0, 0);
    return true;
}

}  // namespace vorn::skin
