// A date and time written the way the program shows it to the user: the date
// always, then the time only down to its last non-zero part.
#pragma once

#include <string>

#include "runtime/interfaces/system_services.h"

namespace vorn::mainwindow {

// "2026年12月8日3时14分48秒", "2026年12月8日3时14分", "2026年12月8日3时",
// "2026年12月8日". No leading zeros, nothing between date and time.
std::string DateTimeText(const runtime::LocalTime& time);

}  // namespace vorn::mainwindow
