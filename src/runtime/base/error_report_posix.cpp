#include <cstdio>

#include "runtime/base/error_report.h"

namespace vorn::runtime {

void WriteDiagnostic(const std::string& text) noexcept {
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
}

}  // namespace vorn::runtime
