#include "runtime/web_opener_win.h"

#include <windows.h>
#include <shellapi.h>

#include "runtime/utf_win.h"

namespace vorn::runtime {

void ShellWebOpener::Open(std::string_view address) {
    if (address.empty()) return;
    const std::wstring wide = Widen(address);
    // Whether a browser could be started is not reported to anyone.
    ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vorn::runtime
