#include "native/fake_window.h"

#include <gtest/gtest.h>

namespace vorn::testing {

using runtime::ControlKind;
using runtime::EventKind;
namespace prop = runtime::prop;

FakeWindow::FakeWindow(const runtime::WindowLayout& layout) : windowId_(layout.id) {
    for (const runtime::ControlLayout& control : layout.controls) {
        FakeControl& fake = controls_[control.id];
        fake.layout = &control;
        fake.text = std::string(control.text);
        fake.selection = control.kind == ControlKind::ComboBox ? control.selection : -1;
        fake.visible = control.visible;
        fake.disabled = !control.enabled;
        fake.backColour = control.backColour;
        fake.textColour = control.textColour;
        fake.left = control.left;
        fake.top = control.top;
        fake.width = control.width;
        fake.height = control.height;
    }
}

FakeControl* FakeWindow::Find(runtime::WindowId window, runtime::ControlId control) {
    if (window != windowId_) return nullptr;
    auto it = controls_.find(control);
    if (it == controls_.end() || it->second.destroyed) return nullptr;
    return &it->second;
}

FakeControl& FakeWindow::Control(runtime::ControlId id) {
    auto it = controls_.find(id);
    if (it == controls_.end()) {
        ADD_FAILURE() << "no control " << std::hex << id;
        static FakeControl none;
        return none;
    }
    return it->second;
}

void FakeWindow::Raise(runtime::ControlId control, EventKind kind, int argument) {
    if (kind == EventKind::ContentChanged) contentChanges_.push_back(control);
    if (sink_) sink_->OnEvent({windowId_, control, kind, argument});
}

std::int64_t FakeWindow::ReadInteger(runtime::WindowId window, runtime::ControlId control,
                                     int property) {
    FakeControl* c = Find(window, control);
    if (!c) return 0;
    switch (property) {
        case prop::kLeft: return c->left;
        case prop::kTop: return c->top;
        case prop::kWidth: return c->width;
        case prop::kHeight: return c->height;
        case prop::kVisible: return c->visible;
        case prop::kDisabled: return c->disabled;
        default: break;
    }
    const ControlKind kind = c->layout->kind;
    if (kind == ControlKind::EditBox && property == prop::edit::kBackColour) return c->backColour;
    if (kind == ControlKind::EditBox && property == prop::edit::kTextColour) return c->textColour;
    if (kind == ControlKind::EditBox && property == prop::edit::kSelectedLength)
        return c->selectedLength;
    if (kind == ControlKind::ComboBox && property == prop::combo::kSelection) return c->selection;
    return 0;
}

void FakeWindow::WriteInteger(runtime::WindowId window, runtime::ControlId control, int property,
                              std::int64_t value) {
    FakeControl* c = Find(window, control);
    if (!c) return;
    const ControlKind kind = c->layout->kind;
    switch (property) {
        case prop::kLeft: c->left = static_cast<int>(value); return;
        case prop::kTop: c->top = static_cast<int>(value); return;
        case prop::kWidth: c->width = static_cast<int>(value); return;
        case prop::kHeight: c->height = static_cast<int>(value); return;
        case prop::kVisible: c->visible = value != 0; return;
        case prop::kDisabled: c->disabled = value != 0; return;
        default: break;
    }
    if (kind == ControlKind::EditBox && property == prop::edit::kBackColour)
        c->backColour = static_cast<runtime::Rgb>(value);
    else if (kind == ControlKind::EditBox && property == prop::edit::kTextColour)
        c->textColour = static_cast<runtime::Rgb>(value);
    else if (kind == ControlKind::EditBox && property == prop::edit::kSelectedLength)
        c->selectedLength = value < 0 ? static_cast<std::int64_t>(c->text.size()) : value;
    else if (kind == ControlKind::ComboBox && property == prop::combo::kSelection)
        c->selection = static_cast<int>(value);
}

std::string FakeWindow::ReadText(runtime::WindowId window, runtime::ControlId control,
                                 int property) {
    FakeControl* c = Find(window, control);
    if (!c) return {};
    const ControlKind kind = c->layout->kind;
    const bool caption = (kind == ControlKind::EditBox && property == prop::edit::kContent) ||
                         (kind == ControlKind::Label && property == prop::label::kCaption) ||
                         (kind == ControlKind::TransLabel && property == prop::translabel::kCaption) ||
                         (kind == ControlKind::Button && property == prop::button::kCaption);
    return caption ? c->text : std::string();
}

void FakeWindow::WriteText(runtime::WindowId window, runtime::ControlId control, int property,
                           std::string_view text) {
    FakeControl* c = Find(window, control);
    if (!c) return;
    const ControlKind kind = c->layout->kind;
    if (kind == ControlKind::EditBox && property == prop::edit::kContent) {
        c->text = std::string(text);
        Raise(control, EventKind::ContentChanged);
    } else if ((kind == ControlKind::Label && property == prop::label::kCaption) ||
               (kind == ControlKind::TransLabel && property == prop::translabel::kCaption) ||
               (kind == ControlKind::Button && property == prop::button::kCaption)) {
        c->text = std::string(text);
    }
}

void FakeWindow::SetFocus(runtime::WindowId window, runtime::ControlId control) {
    FakeControl* c = Find(window, control);
    if (!c || c->disabled || !c->visible) return;
    MoveFocus(control);
}

void FakeWindow::DestroyControl(runtime::WindowId window, runtime::ControlId control) {
    if (FakeControl* c = Find(window, control)) {
        if (focus_ == control) focus_ = 0;
        c->destroyed = true;
    }
}

runtime::WindowHandle FakeWindow::HandleOf(runtime::WindowId window) {
    return window == windowId_ ? kHandle : 0;
}

void FakeWindow::Select(runtime::ControlId combo, int index) {
    Control(combo).selection = index;
    Raise(combo, EventKind::SelectionChanged);
}

void FakeWindow::Type(runtime::ControlId edit, std::string_view text) {
    Control(edit).text = std::string(text);
    Raise(edit, EventKind::ContentChanged);
}

void FakeWindow::Spin(runtime::ControlId edit, int direction) {
    Raise(edit, EventKind::SpinPressed, direction);
}

void FakeWindow::Click(runtime::ControlId control) { Raise(control, EventKind::Clicked); }

void FakeWindow::PressKey(runtime::ControlId control, int keyCode) {
    Raise(control, EventKind::KeyPressed, keyCode);
}

void FakeWindow::Tick(runtime::ControlId timer) { Raise(timer, EventKind::PeriodElapsed); }

void FakeWindow::MoveFocus(runtime::ControlId to) {
    if (focus_ == to) return;
    const runtime::ControlId from = focus_;
    focus_ = to;
    if (from != 0) Raise(from, EventKind::FocusLost);
}

runtime::BoxAnswer FakeBoxService::ShowBox(const runtime::BoxRequest& request) {
    requests.push_back(request);
    if (!request.picture.empty()) pictureSizes.push_back(request.picture.size());
    if (request.captions.empty()) return runtime::refusal::kNoCaptions;
    if (answers.empty())
        return runtime::PackAnswer(static_cast<int>(request.captions.size()) + 1, false);
    const runtime::BoxAnswer answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}


}  // namespace vorn::testing
