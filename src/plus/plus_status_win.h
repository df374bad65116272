// The GDI+ status of the last wrapper call that reached GDI+: the wrappers
// answer true/false, and a caller that wants to know why reads this.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace vorn::plus {

Gdiplus::Status LastPlusStatus();

// Keeps `status` as the last one; true iff it is Ok.
bool RecordPlusStatus(Gdiplus::Status status);

}  // namespace vorn::plus
