// TransLabel: a caption drawn without a background of its own; what lies
// under it in the parent shows through. Mouse presses fall through to the
// parent too.
#pragma once

#include "runtime/controls/control_win.h"

namespace vorn::runtime {

class TransLabel final : public Control {
public:
    using Control::Control;
    static constexpr const wchar_t* kClassName = L"VornTransLabel";

    bool Create(HWND parent) override;
    std::string ReadText(int property) override;
    void WriteText(int property, std::string_view text) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
};

}  // namespace vorn::runtime
