#include "skin/windows_version.h"

namespace vorn::skin {

int WindowsVersionCode(unsigned major, unsigned minor, bool ntFamily) {
    if (!ntFamily) return minor < 10 ? 1 : minor < 90 ? 2 : 3;
    if (major <= 4) return 4;
    if (major == 5 && minor <= 2) return 5 + static_cast<int>(minor);
    if (major == 6 && minor <= 2) return 8 + static_cast<int>(minor);
    return 0;
}

bool IsWindows7OrLater(unsigned major, unsigned minor) {
    return major > 6 || (major == 6 && minor >= 1);
}

}  // namespace vorn::skin
