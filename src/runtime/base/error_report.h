// Exceptions caught where they must not travel further (window procedures,
// handlers, clean-up routines) are reported instead of vanishing: the program
// carries on, and a debugger or log shows what went wrong.
#pragma once

#include <string>
#include <string_view>

namespace vorn::runtime {

// Call inside a catch block: reports the exception being handled, naming
// `where` it was caught. Never throws.
void ReportCaughtException(std::string_view where) noexcept;

// The report's text for the exception being handled.
std::string CaughtExceptionText(std::string_view where);

// Where reports go: the debugger's output on Windows, standard error elsewhere.
void WriteDiagnostic(const std::string& text) noexcept;

}  // namespace vorn::runtime
