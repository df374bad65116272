// Files dropped on a window from the Explorer (WM_DROPFILES): the window is
// marked as a drop target and each drop's paths, in UTF-8, go to a handler.
// It attaches to the window, so any window can take drops without its own
// procedure knowing about them.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/win32/window_object_win.h"

namespace vorn::runtime {

// Gets the paths of one drop, in the order the drop lists them.
using FileDropHandler = std::function<void(const std::vector<std::string>& paths)>;

// The paths a drop holds, UTF-8; the drop stays valid (DragFinish is the
// caller's).
std::vector<std::string> DroppedPaths(HDROP drop);

class FileDropTarget final : private WindowObject {
public:
    // From now on `window` accepts dropped files, also from the Explorer of a
    // program running with fewer rights than this one. Each drop's memory is
    // released before the handler runs; the handler may open a modal box.
    FileDropTarget(HWND window, FileDropHandler handler);
    // The window takes no more drops (if it still exists).
    ~FileDropTarget() override;

    // Whether the target is attached to its window.
    bool attached() const { return handle() != nullptr; }

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDrop(HDROP drop);

    FileDropHandler handler_;
};

}  // namespace vorn::runtime
