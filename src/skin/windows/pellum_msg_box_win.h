// The skinned message box service: every tip, about and confirmation box of
// the program. The object lives from start-up to the clean-up at exit and
// holds only the window class and the box that is open; what one box needs
// lives in a MsgBoxWindow for as long as that box is shown.
#pragma once

#include <windows.h>

#include <utility>

#include "runtime/interfaces/box_request.h"
#include "skin/windows/msg_box_window_win.h"

namespace vorn::skin {

struct SkinState;

class PellumMsgBox final : public runtime::BoxService {
public:
    // Registers the window class; a box whose class cannot be registered
    // refuses every request as not set up. Draws from `skin`, which must
    // outlive it; a box asked for before InitSkin filled the skin is refused
    // as not set up too.
    explicit PellumMsgBox(const SkinState& skin);

    // Refusals: runtime::refusal::kNotInitialised (no class or no skin),
    // kNoCaptions, kBusy (a box is open or closing). Esc, Alt+F4 and a close
    // request from elsewhere answer like the close button.
    runtime::BoxAnswer ShowBox(const runtime::BoxRequest& request) override;

    // The open box's window; null when none is open.
    HWND Handle() const { return open_ ? open_->Handle() : nullptr; }
    // The open box's opening animation is over and it takes input.
    bool Interactive() const { return open_ && open_->Interactive(); }
    // Asks an open box to close, as its close button would; false when none is open.
    bool Close();

    // Tells `watch` every step of the boxes' openings and closings from now
    // on, as each is shown (for the tests); an empty one
    // stops telling.
    void WatchSteps(MsgBoxStepWatch watch) { watch_ = std::move(watch); }

private:
    const SkinState& skin_;
    MsgBoxStepWatch watch_;
    bool registered_ = false;
    MsgBoxWindow* open_ = nullptr;
};

}  // namespace vorn::skin
