// A pen: a colour or a brush at a width, with a transform of its own.
#pragma once

#include "plus/plus_handle_win.h"
#include "plus/plus_transforms_win.h"

namespace vorn::plus {

class PlusBrush;

class PlusPen : public PlusTransforms<PlusPen, &PlusCalls::TranslatePenTransform,
                                      &PlusCalls::ScalePenTransform, &PlusCalls::RotatePenTransform,
                                      &PlusCalls::ResetPenTransform> {
public:
    Gdiplus::GpPen* Native() const { return pen_.Get(); }
    bool Create(Argb colour, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool CreateWithBrush(const PlusBrush& brush, float width,
                         Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool Delete() { return pen_.Release(); }

private:
    PlusHandle<Gdiplus::GpPen, &PlusCalls::DeletePen> pen_;
};

}  // namespace vorn::plus
