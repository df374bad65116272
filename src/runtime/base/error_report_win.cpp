#include <windows.h>

#include "runtime/base/error_report.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {

void WriteDiagnostic(const std::string& text) noexcept {
    try {
        OutputDebugStringW(Widen(text).c_str());
    } catch (...) {
        OutputDebugStringA(text.c_str());
    }
}

}  // namespace vorn::runtime
