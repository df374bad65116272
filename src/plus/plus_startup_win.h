// Starting GDI+. It is started once per process, by whichever thread asks
// first, and never shut down: the process end releases it.
#pragma once

#include <windows.h>

namespace vorn::plus {

// GdiplusStartup (version 1, no debug callback, background thread and external
// codecs allowed) on the first call; every call answers the token, 0 when
// GDI+ did not start (see LastPlusStatus).
ULONG_PTR StartPlus();

}  // namespace vorn::plus
