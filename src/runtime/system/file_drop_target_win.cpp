#include "runtime/system/file_drop_target_win.h"

#include <commctrl.h>

#include "runtime/base/error_report.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {
namespace {

// Different from the id WindowObject subclasses with, so both can coexist.
constexpr UINT_PTR kSubclassId = 0x44524F50;  // "DROP"
// The message the system uses to copy a drop's memory into a process with
// more rights than the dropping one; without it such a drop never arrives.
constexpr UINT kCopyGlobalData = 0x0049;

}  // namespace

std::vector<std::string> DroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        if (length == 0) continue;
        std::wstring path(length + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(copied);
        paths.push_back(Narrow(path));
    }
    return paths;
}

FileDropTarget::FileDropTarget(HWND window, FileDropHandler handler)
    : handler_(std::move(handler)) {
    if (!window || !SetWindowSubclass(window, Procedure, kSubclassId,
                                      reinterpret_cast<DWORD_PTR>(this)))
        return;
    window_ = window;
    for (UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA),
                         kCopyGlobalData})
        ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
    DragAcceptFiles(window, TRUE);
}

FileDropTarget::~FileDropTarget() { Detach(); }

void FileDropTarget::Detach() {
    if (!window_) return;
    DragAcceptFiles(window_, FALSE);
    RemoveWindowSubclass(window_, Procedure, kSubclassId);
    window_ = nullptr;
}

LRESULT CALLBACK FileDropTarget::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* target = reinterpret_cast<FileDropTarget*>(self);
    if (message == WM_DROPFILES) {
        const auto drop = reinterpret_cast<HDROP>(wParam);
        std::vector<std::string> paths;
        try {
            paths = DroppedPaths(drop);
        } catch (...) {
            ReportCaughtException("reading a file drop");
        }
        DragFinish(drop);
        if (!paths.empty() && target->handler_) {
            try {
                target->handler_(paths);
            } catch (...) {
                ReportCaughtException("the file drop handler");
            }
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        // The window goes: the subclass goes with it, and nothing is left to undo.
        RemoveWindowSubclass(window, Procedure, kSubclassId);
        target->window_ = nullptr;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace vorn::runtime
