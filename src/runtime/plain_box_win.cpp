#include "runtime/plain_box_win.h"

#include <windows.h>

#include <optional>

#include "runtime/picture_win.h"
#include "runtime/plain_box_picture_win.h"
#include "runtime/plain_box_window_win.h"

namespace vorn::runtime {
namespace {

using runtime::BoxAnswer;
using runtime::PackAnswer;

class OpenFlag {
public:
    explicit OpenFlag(bool& open) : open_(open) { open_ = true; }
    ~OpenFlag() { open_ = false; }
    OpenFlag(const OpenFlag&) = delete;
    OpenFlag& operator=(const OpenFlag&) = delete;

private:
    bool& open_;
};

// Keeps the owner disabled while the box is open; a window that was disabled
// already stays disabled.
class DisabledOwner {
public:
    explicit DisabledOwner(HWND owner) : owner_(owner) {
        if (owner_) wasDisabled_ = EnableWindow(owner_, FALSE) != FALSE;
    }
    ~DisabledOwner() { Restore(); }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;

    void Restore() {
        if (owner_ && !wasDisabled_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
        owner_ = nullptr;
    }

private:
    HWND owner_;
    bool wasDisabled_ = false;
};

// Runs until the box is finished. Returns the exit code of a WM_QUIT that
// arrived meanwhile; the caller posts it again once the box is gone.
std::optional<int> RunModalLoop(PlainBoxWindow& box) {
    MSG message{};
    while (!box.Finished()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) break;
        if (box.HandleKeyboard(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return std::nullopt;
}

}  // namespace

runtime::BoxAnswer PlainBoxService::ShowBox(const runtime::BoxRequest& request) {
    if (open_) return runtime::refusal::kBusy;
    if (request.captions.empty()) return runtime::refusal::kNoCaptions;
    const UniqueBitmap picture =
        request.picture.empty() ? UniqueBitmap{} : DecodePicture(request.picture);
    const OpenFlag open(open_);

    const auto ownerHandle = reinterpret_cast<HWND>(request.owner);
    const HWND owner = ownerHandle && IsWindow(ownerHandle) ? ownerHandle : nullptr;
    PlainBoxWindow box(request, MakeIconPicture(picture.get(), kPlainBoxIconSize));
    DisabledOwner disabled(owner);
    if (!box.Create(owner)) return runtime::PackAnswer(box.InitialItem(), false);
    box.Show();

    const std::optional<int> quit = RunModalLoop(box);
    // A quitting program has no use for the box: it ends as if closed.
    box.Dismiss();
    // The owner is enabled before the box goes, so the activation returns to it.
    disabled.Restore();
    box.Destroy();
    if (quit) PostQuitMessage(*quit);
    return runtime::PackAnswer(box.PressedItem(), box.OptionTicked());
}

}  // namespace vorn::runtime
