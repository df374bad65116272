#include "plus/plus_image_attributes_win.h"

namespace vorn::plus {

Gdiplus::ColorMatrix OpacityMatrix(float opacity) {
    Gdiplus::ColorMatrix matrix{};
    for (int i = 0; i < 5; ++i) matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = opacity;
    return matrix;
}

bool PlusImageAttributes::Create() {
    return attributes_.Create<&PlusCalls::CreateImageAttributes>();
}

bool PlusImageAttributes::SetColourMatrix(const Gdiplus::ColorMatrix& matrix,
                                          Gdiplus::ColorMatrixFlags flags,
                                          Gdiplus::ColorAdjustType type) {
    return attributes_.Call<&PlusCalls::SetImageAttributesColorMatrix>(type, TRUE, &matrix, nullptr,
                                                                       flags);
}

bool PlusImageAttributes::ClearColourMatrix(Gdiplus::ColorAdjustType type) {
    return attributes_.Call<&PlusCalls::SetImageAttributesColorMatrix>(
        type, FALSE, nullptr, nullptr, Gdiplus::ColorMatrixFlagsDefault);
}

bool PlusImageAttributes::SetWrapMode(Gdiplus::WrapMode wrap, Argb colour, bool clamp) {
    return attributes_.Call<&PlusCalls::SetImageAttributesWrapMode>(wrap, colour,
                                                                    clamp ? TRUE : FALSE);
}

}  // namespace vorn::plus
