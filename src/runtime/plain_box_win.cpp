#include "runtime/plain_box_win.h"

#include <windows.h>

#include "runtime/modal_box_win.h"
#include "runtime/picture_win.h"
#include "runtime/plain_box_picture_win.h"
#include "runtime/plain_box_window_win.h"

namespace vorn::runtime {

BoxAnswer PlainBoxService::ShowBox(const BoxRequest& request) {
    if (open_) return refusal::kBusy;
    if (request.captions.empty()) return refusal::kNoCaptions;
    const UniqueBitmap picture =
        request.picture.empty() ? UniqueBitmap{} : DecodePicture(request.picture);
    const BoxOpenGuard open(open_);

    const auto ownerHandle = reinterpret_cast<HWND>(request.owner);
    const HWND owner = ownerHandle && IsWindow(ownerHandle) ? ownerHandle : nullptr;
    PlainBoxWindow box(request, MakeIconPicture(picture.get(), kPlainBoxIconSize));
    DisabledOwner disabled(owner);
    if (!box.Create(owner)) return PackAnswer(box.InitialItem(), false);
    box.Show();

    const std::optional<int> quit =
        RunModalMessageLoop([&box] { return box.Finished(); },
                            [&box](MSG& message) { return box.HandleKeyboard(message); })
            .quitCode;
    // A quitting program has no use for the box: it ends as if closed.
    box.Dismiss();
    // The owner is enabled before the box goes, so the activation returns to it.
    disabled.Restore();
    box.Destroy();
    if (quit) PostQuitMessage(*quit);
    return PackAnswer(box.PressedItem(), box.OptionTicked());
}

}  // namespace vorn::runtime
