// The modal box service built from standard Win32 controls: tip boxes, the
// about box and the exit confirmation, one box at a time.
#pragma once

#include "runtime/box_request.h"

namespace vorn::runtime {

class PlainBoxService final : public BoxService {
public:
    // Shows the box and runs its own modal loop until it closes. The loop
    // dispatches every message of the thread, so the owner's timers and
    // painting go on; it sleeps while nothing happens. Refuses with
    // refusal::kBusy while a box is open and refusal::kNoCaptions without
    // captions; it needs no set-up, so never refusal::kNotInitialised. A
    // request's picture is decoded for this box alone. A WM_QUIT that
    // arrives while the box is open closes it like its close button and is
    // posted again for the caller's loop.
    BoxAnswer ShowBox(const BoxRequest& request) override;

private:
    bool open_ = false;
};

}  // namespace vorn::runtime
