#include "runtime/base/fatal_error_win.h"

#include <windows.h>

#include <string>

#include "runtime/base/utf_win.h"

namespace vorn::runtime {

void FatalRuntimeError(std::string_view text) {
    std::string message = "运行时出错!\r\n\r\n错误信息：";
    message.append(text);
    message.append("\r\n");
    // No owner: the program's windows may be in any state when this runs.
    MessageBoxW(nullptr, Widen(message).c_str(), L"错误",
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace vorn::runtime
