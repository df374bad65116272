#include "plus/plus_solid_brush_win.h"

namespace vorn::plus {

bool PlusSolidBrush::Create(Argb colour) {
    return brush_.Create<&PlusCalls::CreateSolidFill, Gdiplus::GpSolidFill>(colour);
}

bool PlusSolidBrush::SetColour(Argb colour) {
    return CallPlus<&PlusCalls::SetSolidFillColor>(Native(), colour);
}

}  // namespace vorn::plus
