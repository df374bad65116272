#include "runtime/system/web_opener_win.h"

#include <shellapi.h>

#include "runtime/base/utf_win.h"

namespace vorn::runtime {

ShellWebOpener::ShellWebOpener() : execute_(&ShellExecuteW) {}

void ShellWebOpener::Open(std::string_view address) {
    if (address.empty() || !execute_) return;
    const std::wstring wide = Widen(address);
    // Whether a browser could be started is not reported to anyone.
    execute_(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vorn::runtime
