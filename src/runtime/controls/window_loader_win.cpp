#include "runtime/controls/window_loader_win.h"

#include <commctrl.h>

#include "runtime/controls/button_win.h"
#include "runtime/controls/combo_box_win.h"
#include "runtime/controls/edit_box_win.h"
#include "runtime/controls/interface_font_win.h"
#include "runtime/controls/label_win.h"
#include "runtime/controls/pic_box_win.h"
#include "runtime/controls/super_button_win.h"
#include "runtime/controls/timer_control_win.h"

namespace vorn::runtime {
namespace {

std::unique_ptr<Control> MakeControl(const ControlLayout& layout, const ControlContext& context) {
    switch (layout.kind) {
        case ControlKind::EditBox: return std::make_unique<EditBox>(layout, context);
        case ControlKind::ComboBox: return std::make_unique<ComboBox>(layout, context);
        case ControlKind::Button: return std::make_unique<Button>(layout, context);
        case ControlKind::PicBox: return std::make_unique<PicBox>(layout, context);
        case ControlKind::Timer: return std::make_unique<TimerControl>(layout, context);
        case ControlKind::SuperBtn: return std::make_unique<SuperButton>(layout, context);
        case ControlKind::Label:
        case ControlKind::TransLabel: return std::make_unique<Label>(layout, context);
    }
    return nullptr;
}

}  // namespace

LoadedWindow::LoadedWindow(const WindowLayout& layout, EventSink& sink, WindowRegistry& registry,
                           LoadOptions options)
    : layout_(layout),
      registry_(registry),
      options_(std::move(options)),
      font_(CreateInterfaceFont()),
      context_{layout.id, &sink, font_.get(), this, options_.pictures, &tips_, &comboFields_},
      frame_(*this) {
    registry_.Add(*this);
}

LoadedWindow::~LoadedWindow() {
    registry_.Remove(*this);
    // The children go with their window, while every control object still exists.
    if (frame_.handle()) DestroyWindow(frame_.handle());
    controls_.clear();
}

Control* LoadedWindow::FindControl(ControlId id) {
    for (const auto& control : controls_)
        if (control->id() == id) return control.get();
    return nullptr;
}

bool LoadedWindow::Build() {
    const INITCOMMONCONTROLSEX classes{sizeof(classes),
                                       ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    if (!frame_.Create(layout_)) return false;
    StageDone("window frame created");
    for (const ControlLayout& control : layout_.controls)
        if (!CreateControl(control)) return false;
    StageDone("controls created");
    // Decoded last: the window is still hidden, and a picture decoder that
    // another thread is starting meanwhile does not hold up the controls.
    if (layout_.background != kNoPicture && options_.pictures)
        frame_.SetBackground(DecodePicture(options_.pictures(layout_.background)));
    StageDone("background decoded");
    return true;
}

void LoadedWindow::StageDone(const char* stage) const {
    if (options_.stageDone) options_.stageDone(stage);
}

void LoadedWindow::EnableCloseHandling() {
    frame_.SetCloseHandler(options_.closeHandler);
}

bool LoadedWindow::CreateControl(const ControlLayout& layout) {
    HWND parent = frame_.handle();
    if (layout.parent != 0) {
        // Children follow their picture box in the layout.
        Control* box = FindControl(layout.parent);
        if (box == nullptr || box->kind() != ControlKind::PicBox || box->handle() == nullptr)
            return false;
        parent = box->handle();
    }
    std::unique_ptr<Control> control = MakeControl(layout, context_);
    if (control == nullptr) return false;
    // Listed before creation: a combo box asks for its item height while it is created.
    Control& created = *control;
    controls_.push_back(std::move(control));
    return created.Create(parent);
}

std::unique_ptr<LoadedWindow> LoadWindow(const WindowLayout& layout, EventSink& sink,
                                         WindowRegistry& registry, LoadOptions options) {
    auto window = std::make_unique<LoadedWindow>(layout, sink, registry, std::move(options));
    if (!window->Build()) return nullptr;
    window->EnableCloseHandling();
    sink.OnEvent(Event{layout.id, 0, EventKind::CreationFinished, 0});
    return window;
}

}  // namespace vorn::runtime
