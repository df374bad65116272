#include "plus/plus_font_win.h"

#include "plus/plus_font_family_win.h"

namespace vorn::plus {

bool PlusFont::Create(const PlusFontFamily& family, float size, int style, Gdiplus::Unit unit) {
    return font_.CreateFrom<&PlusCalls::CreateFont>(family.Native(), size, style, unit);
}

bool PlusFont::CreateFromFamilyName(std::string_view name, float size, int style,
                                    Gdiplus::Unit unit) {
    PlusFontFamily family;
    if (!family.CreateFromName(name)) {
        font_ = {};
        return false;
    }
    return Create(family, size, style, unit);
}

bool PlusFont::FromDefaultGuiFont() {
    LOGFONTW description{};
    if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description) == 0) {
        font_ = {};
        return false;
    }
    const HDC screen = GetDC(nullptr);
    const bool made = font_.Create<&PlusCalls::CreateFontFromLogfontW>(screen, &description);
    ReleaseDC(nullptr, screen);
    return made;
}

bool PlusFont::FromHFont(HDC dc, HFONT font) {
    LOGFONTW description{};
    if (font != nullptr && GetObjectW(font, sizeof(description), &description) != 0)
        return font_.Create<&PlusCalls::CreateFontFromLogfontW>(dc, &description);
    return font_.Create<&PlusCalls::CreateFontFromDC>(dc);
}

float PlusFont::Size() const { return font_.Read<&PlusCalls::GetFontSize, Gdiplus::REAL>(); }

}  // namespace vorn::plus
