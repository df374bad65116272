// The skin's long-lived objects, held by the program from start-up to its
// clean-up at the end.
#pragma once

#include <exception>
#include <functional>
#include <future>
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

    // Runs `prepare` on the state on a worker thread, so that decoding the
    // skin's pictures overlaps the main window's creation. Nothing may use the
    // state before WaitUntilPrepared has returned.
    void PrepareInBackground(std::function<void(skin::SkinState&)> prepare) {
        preparing_ = std::async(std::launch::async,
                                [state = state_.get(), prepare = std::move(prepare)] { prepare(*state); });
    }

    // Returns once the preparation has finished; rethrows, every time, what it threw.
    void WaitUntilPrepared() {
        if (preparing_.valid()) {
            try {
                preparing_.get();
            } catch (...) {
                failure_ = std::current_exception();
            }
        }
        if (failure_) std::rethrow_exception(failure_);
    }

    // The program's clean-up: releases every picture, cursor and handle of
    // the skin.
    void Destroy() {
        if (preparing_.valid()) preparing_.wait();
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
    std::future<void> preparing_;
    std::exception_ptr failure_;
};

}  // namespace vorn::shell
