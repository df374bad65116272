#include "runtime/system/program_control_win.h"

#include <windows.h>

#include "runtime/base/error_report.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {

void ProcessControl::RunCleanups() {
    // Taken out first: a routine that ends the program again finds none left.
    std::vector<std::function<void()>> routines;
    routines.swap(cleanups_);
    for (auto routine = routines.rbegin(); routine != routines.rend(); ++routine) {
        try {
            if (*routine) (*routine)();
        } catch (...) {
            ReportCaughtException("a clean-up routine");
        }
    }
}

void ProcessControl::EndProgram(int exitCode) { PostQuitMessage(exitCode); }

std::string ProcessControl::ProgramDirectory() { return ProgramFileDirectory(); }

std::string ProgramFileDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L"\\/");
    return Narrow(separator == std::wstring::npos ? std::wstring_view{} : std::wstring_view(path).substr(0, separator));
}

}  // namespace vorn::runtime
