#include "skin/running_version_win.h"

#include <windows.h>

#include "runtime/win32/system_function_win.h"

namespace vorn::skin {

OsVersion RunningWindowsVersion() {
    // Declared in the driver kit only; exported by ntdll since Windows 2000.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    runtime::SystemFunction<RtlGetVersionFunction> rtlGetVersion{L"ntdll.dll", "RtlGetVersion"};
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (rtlGetVersion(&version) != 0) return {};
    return {version.dwMajorVersion, version.dwMinorVersion};
}

}  // namespace vorn::skin
