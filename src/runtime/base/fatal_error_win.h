// The runtime's fatal error: a message box, then the process ends with -1.
#pragma once

#include <string_view>

namespace vorn::runtime {

// Shows "运行时出错!\r\n\r\n错误信息：" + text + "\r\n" and ends the process with exit code -1.
[[noreturn]] void FatalRuntimeError(std::string_view text);

}  // namespace vorn::runtime
