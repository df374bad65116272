#include "shell/command_line_win.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "runtime/base/utf_win.h"

namespace vorn::shell {
namespace {

struct LocalFreeDeleter {
    void operator()(LPWSTR* arguments) const noexcept { LocalFree(arguments); }
};

std::wstring AbsolutePath(const wchar_t* path) {
    const DWORD length = GetFullPathNameW(path, 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    const DWORD copied = GetFullPathNameW(path, length, full.data(), nullptr);
    if (copied == 0 || copied >= length) return path;
    full.resize(copied);
    return full;
}

}  // namespace

std::vector<std::string> FilesOnCommandLine() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreeDeleter> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> files;
    if (!arguments) return files;
    for (int i = 1; i < count; ++i)
        if (arguments.get()[i][0] != L'\0')
            files.push_back(runtime::Narrow(AbsolutePath(arguments.get()[i])));
    return files;
}

}  // namespace vorn::shell
