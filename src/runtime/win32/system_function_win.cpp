#include "runtime/win32/system_function_win.h"

#include <string>

#include "runtime/base/fatal_error_win.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {
namespace {

std::wstring SystemDirectoryPath(const wchar_t* library) {
    wchar_t directory[MAX_PATH];
    const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::wstring path(directory, length);
    if (path.back() != L'\\') path.push_back(L'\\');
    return path + library;
}

HMODULE LoadSystemLibrary(const wchar_t* library) {
    // A full path under the system directory: works with and without the
    // LOAD_LIBRARY_SEARCH_* flags being available (Windows 7 without updates).
    const std::wstring path = SystemDirectoryPath(library);
    if (path.empty()) return nullptr;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

void (*ResolveSystemFunction(const wchar_t* library, const char* exportName))() {
    if (HMODULE module = LoadSystemLibrary(library)) {
        if (FARPROC address = GetProcAddress(module, exportName))
            // Kept loaded for the rest of the run: the address stays valid.
            return reinterpret_cast<void (*)()>(address);
        FreeLibrary(module);
    }
    FatalRuntimeError("无法找到指定DLL库文件“" + Narrow(library) + "”中的输出命令“" +
                      std::string(exportName) + "”");
}

}  // namespace vorn::runtime
