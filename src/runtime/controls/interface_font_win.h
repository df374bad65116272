// The one interface font every control of a window uses.
#pragma once

#include "runtime/controls/gdi_win.h"

namespace vorn::runtime {

// "宋体" (SimSun), 9 pt at 96 dpi, GB2312 character set.
inline constexpr int kInterfaceFontHeight = -12;

UniqueFont CreateInterfaceFont();

// Height in pixels of a line of text in this font (tmHeight).
int LineHeight(HFONT font);

}  // namespace vorn::runtime
