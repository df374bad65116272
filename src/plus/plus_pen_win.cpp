#include "plus/plus_pen_win.h"

#include "plus/plus_brush_win.h"

namespace vorn::plus {

bool PlusPen::Create(Argb colour, float width, Gdiplus::Unit unit) {
    return pen_.Create<&PlusCalls::CreatePen1>(colour, width, unit);
}

bool PlusPen::CreateWithBrush(const PlusBrush& brush, float width, Gdiplus::Unit unit) {
    return pen_.CreateFrom<&PlusCalls::CreatePen2>(brush.NativeBrush(), width, unit);
}

}  // namespace vorn::plus
