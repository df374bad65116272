#include "runtime/system/local_clock_win.h"

#include <windows.h>

namespace vorn::runtime {

LocalTime LocalClock::Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    LocalTime result;
    result.year = now.wYear;
    result.month = now.wMonth;
    result.day = now.wDay;
    result.hour = now.wHour;
    result.minute = now.wMinute;
    result.second = now.wSecond;
    return result;
}

}  // namespace vorn::runtime
