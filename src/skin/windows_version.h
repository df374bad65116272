// The skin's number for the Windows release it runs on. The boxes only ask
// whether the system is Windows 7 or later (they fade the tinted background
// more strongly there).
#pragma once

namespace vorn::skin {

// NT family: 4.x and older 4; 5.0 5; 5.1 6; 5.2 7; 6.0 8; 6.1 9; 6.2 10; any
// other 5.x or 6.x minor and every later major 0 (unknown). The old 95/98/Me
// family (ntFamily false): 1, 2 and 3 by minor (0, 10, 90).
int WindowsVersionCode(unsigned major, unsigned minor, bool ntFamily = true);

// Windows 7 (6.1) or any later NT system. Not "code >= 9": the code is 0 for
// 6.3 and 10.0, and those are later than Windows 7, not earlier.
bool IsWindows7OrLater(unsigned major, unsigned minor);

}  // namespace vorn::skin
