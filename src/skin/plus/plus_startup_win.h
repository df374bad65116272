// Starting GDI+ for the skin. It is never shut down: the process end releases it.
#pragma once

#include <windows.h>

namespace vorn::skin::plus {

// GdiplusStartup (version 1, no debug callback, background thread and external
// codecs allowed); the token, 0 when GDI+ did not start (see LastPlusStatus).
ULONG_PTR StartPlus();

}  // namespace vorn::skin::plus
