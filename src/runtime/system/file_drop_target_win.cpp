#include "runtime/system/file_drop_target_win.h"

#include "runtime/base/error_report.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {
namespace {

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
    if (!Attach(window)) return;
    for (UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA),
                         kCopyGlobalData})
        ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
    DragAcceptFiles(window, TRUE);
}

FileDropTarget::~FileDropTarget() {
    if (handle()) DragAcceptFiles(handle(), FALSE);
}

LRESULT FileDropTarget::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_DROPFILES) return Default(message, wParam, lParam);
    OnDrop(reinterpret_cast<HDROP>(wParam));
    return 0;
}

void FileDropTarget::OnDrop(HDROP drop) {
    std::vector<std::string> paths;
    try {
        paths = DroppedPaths(drop);
    } catch (...) {
        ReportCaughtException("reading a file drop");
    }
    DragFinish(drop);
    if (paths.empty() || !handler_) return;
    try {
        handler_(paths);
    } catch (...) {
        ReportCaughtException("the file drop handler");
    }
}

}  // namespace vorn::runtime
