// The modal box service built from standard Win32 controls: tip boxes, the
// about box and the exit confirmation, one box at a time.
#pragma once

#include "mainwindow/box_request.h"

namespace vorn::runtime {

class PlainBoxService final : public mainwindow::BoxService {
public:
    // Shows the box and runs its own modal loop until it closes. The loop
    // dispatches every message of the thread, so the owner's timers and
    // painting go on; it sleeps while nothing happens. Refuses with
    // refusal::kBusy while a box is open and refusal::kNoCaptions without
    // captions; it needs no set-up, so never refusal::kNotInitialised. A
    // picture passed as the icon is freed in every case. A WM_QUIT that
    // arrives while the box is open closes it like its close button and is
    // posted again for the caller's loop.
    mainwindow::BoxAnswer ShowBox(const mainwindow::BoxRequest& request) override;

    // A bitmap handle for a request's icon; 0 when the bytes do not decode.
    // Whoever receives it (normally ShowBox) frees it.
    std::uintptr_t LoadPicture(std::span<const std::uint8_t> bytes) override;

private:
    bool open_ = false;
};

}  // namespace vorn::runtime
