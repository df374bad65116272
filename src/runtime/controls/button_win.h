// Button: the standard push button with a caption.
#pragma once

#include "runtime/controls/control_win.h"

namespace vorn::runtime {

class Button final : public Control {
public:
    using Control::Control;

    bool Create(HWND parent) override;
    std::string ReadText(int property) override;
    void WriteText(int property, std::string_view text) override;
    void OnCommandFromParent(UINT code) override;
};

}  // namespace vorn::runtime
