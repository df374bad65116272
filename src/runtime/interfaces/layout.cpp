#include "runtime/interfaces/layout.h"

namespace vorn::runtime {

const ControlLayout* FindControl(const WindowLayout& window, ControlId id) {
    for (const ControlLayout& control : window.controls)
        if (control.id == id) return &control;
    return nullptr;
}

const ControlLayout* FindControl(const WindowLayout& window, std::string_view name) {
    for (const ControlLayout& control : window.controls)
        if (control.name == name) return &control;
    return nullptr;
}

int BorderWidth(Border border) {
    switch (border) {
        case Border::SingleLine: return 1;
        case Border::Sunken: return 2;
        case Border::None: break;
    }
    return 0;
}

Point WindowOrigin(const WindowLayout& window, const ControlLayout& control) {
    Point origin{control.left, control.top};
    if (control.parent == 0) return origin;
    if (const ControlLayout* parent = FindControl(window, control.parent)) {
        // Children sit in the parent's client area, inside its border.
        const Point parentOrigin = WindowOrigin(window, *parent);
        const int inset = BorderWidth(parent->border);
        origin.x += parentOrigin.x + inset;
        origin.y += parentOrigin.y + inset;
    }
    return origin;
}

}  // namespace vorn::runtime
