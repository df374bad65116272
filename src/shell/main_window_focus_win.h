// Tab and Shift+Tab on the main window: the focus goes round its controls
// and its drawn items in the window's tab order, skipping what cannot take
// it now (hidden, disabled, a slot name while locked). A drawn item takes
// the keyboard through the window itself: the skin shows its halo, and
// Enter or Space there presses it.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/interfaces/layout.h"

namespace vorn::runtime {
class LoadedWindow;
}
namespace vorn::skin {
class PellumWindow;
}

namespace vorn::shell {

// A control of the window's tab order that a drawn item stands in for.
struct DrawnStandIn {
    runtime::ControlId control = 0;
    int item = 0;  // among the skinned window's items, from 0
};

class MainWindowFocus {
public:
    // `first` is a drawn item placed before the whole order (the program
    // icon's menu), -1 for none.
    MainWindowFocus(runtime::LoadedWindow& window, skin::PellumWindow& skin,
                    const std::vector<runtime::ControlId>& order,
                    const std::vector<DrawnStandIn>& drawn, int first);

    // A key press (see MessageLoop::AddKeyFilter): true for Tab and
    // Shift+Tab, which move the focus.
    bool Answer(const MSG& key);

private:
    struct Stop {
        HWND control = nullptr;
        int item = -1;
    };
    int Current() const;
    bool CanTake(const Stop& stop) const;
    void Take(const Stop& stop);

    runtime::LoadedWindow& window_;
    skin::PellumWindow& skin_;
    std::vector<Stop> stops_;
};

}  // namespace vorn::shell
