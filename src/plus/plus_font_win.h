// A font: from a family name, a family, a GDI font or the system's default
// interface font.
#pragma once

#include <string_view>

#include "plus/plus_handle_win.h"

namespace vorn::plus {

class PlusFontFamily;

class PlusFont {
public:
    Gdiplus::GpFont* Native() const { return font_.Get(); }
    // `style` is a Gdiplus::FontStyle combination.
    bool Create(const PlusFontFamily& family, float size, int style = Gdiplus::FontStyleRegular,
                Gdiplus::Unit unit = Gdiplus::UnitWorld);
    // Through a family of that name, which is not kept; false when no
    // installed font has the name.
    bool CreateFromFamilyName(std::string_view name, float size,
                              int style = Gdiplus::FontStyleRegular,
                              Gdiplus::Unit unit = Gdiplus::UnitWorld);
    // The stock default GUI font, as the screen shows it.
    bool FromDefaultGuiFont();
    // The GDI font `font` as `dc` shows it; without a font (or one GDI cannot
    // describe), the font selected into `dc`.
    bool FromHFont(HDC dc, HFONT font);
    bool Delete() { return font_.Release(); }

    // The em size, in the font's unit.
    float Size() const;

private:
    PlusHandle<Gdiplus::GpFont, &PlusCalls::DeleteFont> font_;
};

}  // namespace vorn::plus
