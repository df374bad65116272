// A brush of one colour.
#pragma once

#include "plus/plus_brush_win.h"

namespace vorn::plus {

class PlusSolidBrush : public PlusBrush {
public:
    Gdiplus::GpSolidFill* Native() const {
        return static_cast<Gdiplus::GpSolidFill*>(brush_.Get());
    }
    bool Create(Argb colour);
    bool SetColour(Argb colour);
};

}  // namespace vorn::plus
