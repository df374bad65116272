// The skin's long-lived objects, held by the program from start-up to its
// clean-up at the end.
#pragma once

#include <memory>

#include "skin/skin_state_win.h"
#include "skin/windows/pellum_msg_box_win.h"
#include "skin/windows/pellum_window_win.h"

namespace vorn::shell {

class SkinModule {
public:
    SkinModule()
        : state_(std::make_unique<skin::SkinState>()),
          window_(std::make_unique<skin::PellumWindow>(state_.get())),
          box_(std::make_unique<skin::PellumMsgBox>(*state_)) {}
    SkinModule(const SkinModule&) = delete;
    SkinModule& operator=(const SkinModule&) = delete;

    // Empty until the main window initialises the skin; null after Destroy.
    skin::SkinState* State() const { return state_.get(); }
    // The window-skin manager; null after Destroy.
    skin::PellumWindow* Window() const { return window_.get(); }
    // The skinned message box, the program's box service; null after Destroy.
    skin::PellumMsgBox* Box() const { return box_.get(); }

    // The program's clean-up: releases every picture, cursor and handle of
    // the skin.
    void Destroy() {
        box_.reset();
        window_.reset();  // lets its window go first: it draws from the state
        state_.reset();
    }

private:
    // The window-skin manager and the message box draw from the state: made
    // after it, destroyed before it.
    std::unique_ptr<skin::SkinState> state_;
    std::unique_ptr<skin::PellumWindow> window_;
    std::unique_ptr<skin::PellumMsgBox> box_;
};

}  // namespace vorn::shell
