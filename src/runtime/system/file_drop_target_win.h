// Files dropped on a window from the Explorer (WM_DROPFILES): the window is
// marked as a drop target and each drop's paths, in UTF-8, go to a handler.
// It watches the window through a subclass, so any window can take drops
// without its own procedure knowing about them.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace vorn::runtime {

// Gets the paths of one drop, in the order the drop lists them.
using FileDropHandler = std::function<void(const std::vector<std::string>& paths)>;

// The paths a drop holds, UTF-8; the drop stays valid (DragFinish is the
// caller's).
std::vector<std::string> DroppedPaths(HDROP drop);

class FileDropTarget {
public:
    // From now on `window` accepts dropped files, also from the Explorer of a
    // program running with fewer rights than this one. Each drop's memory is
    // released before the handler runs; the handler may open a modal box.
    FileDropTarget(HWND window, FileDropHandler handler);
    // The window takes no more drops (if it still exists).
    ~FileDropTarget();
    // The subclass holds this object's address.
    FileDropTarget(const FileDropTarget&) = delete;
    FileDropTarget& operator=(const FileDropTarget&) = delete;

    // Whether the subclass is in place.
    bool attached() const { return window_ != nullptr; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    void Detach();

    HWND window_ = nullptr;
    FileDropHandler handler_;
};

}  // namespace vorn::runtime
