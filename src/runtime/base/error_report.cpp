#include "runtime/base/error_report.h"

#include <exception>

namespace vorn::runtime {

std::string CaughtExceptionText(std::string_view where) {
    std::string text = "Vorn: exception caught in ";
    text.append(where).append(": ");
    try {
        throw;
    } catch (const std::exception& error) {
        text.append(error.what());
    } catch (...) {
        text.append("(not a standard exception)");
    }
    return text.append("\n");
}

void ReportCaughtException(std::string_view where) noexcept {
    try {
        WriteDiagnostic(CaughtExceptionText(where));
    } catch (...) {
        // Out of memory while reporting: nothing more can be said.
    }
}

}  // namespace vorn::runtime
