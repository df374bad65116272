// How an image's colours are changed while it is drawn: the skin fades and
// tints images through a colour matrix.
#pragma once

#include "plus/plus_handle_win.h"

namespace vorn::plus {

// The identity with the alpha factor `opacity` (0..1): draws an image that
// much opaque.
Gdiplus::ColorMatrix OpacityMatrix(float opacity);

class PlusImageAttributes {
public:
    Gdiplus::GpImageAttributes* Native() const { return attributes_.Get(); }
    bool Create();
    bool Dispose() { return attributes_.Release(); }

    bool SetColourMatrix(const Gdiplus::ColorMatrix& matrix,
                         Gdiplus::ColorMatrixFlags flags = Gdiplus::ColorMatrixFlagsDefault,
                         Gdiplus::ColorAdjustType type = Gdiplus::ColorAdjustTypeDefault);
    bool ClearColourMatrix(Gdiplus::ColorAdjustType type = Gdiplus::ColorAdjustTypeDefault);
    // How drawing fills the destination beyond the source's edges.
    bool SetWrapMode(Gdiplus::WrapMode wrap, Argb colour = 0, bool clamp = false);

private:
    PlusHandle<Gdiplus::GpImageAttributes, &PlusCalls::DisposeImageAttributes> attributes_;
};

}  // namespace vorn::plus
