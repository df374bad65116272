#include "skin/ui_font_face_win.h"

#include <windows.h>

#include <string_view>

#include "runtime/base/utf_win.h"
#include "plus/plus_font_win.h"
#include "skin/ui_font_face.h"

namespace vorn::skin {

std::string FindUiFontFace() {
    const auto canCreate = [](std::string_view face) {
        plus::PlusFont font;
        return font.CreateFromFamilyName(face, 12.0f, Gdiplus::FontStyleRegular,
                                         Gdiplus::UnitWorld);
    };
    return ChooseUiFontFace(canCreate, RegistryInterfaceFace);
}

std::string RegistryInterfaceFace() {
    constexpr const wchar_t* kKey =
        L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\GRE_Initialize";
    constexpr const wchar_t* kValue = L"GUIFont.Facename";
    wchar_t face[LF_FACESIZE * 2] = {};
    DWORD size = sizeof(face);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kKey, kValue, RRF_RT_REG_SZ, nullptr, face, &size) !=
        ERROR_SUCCESS)
        return {};
    return runtime::Narrow(face);
}

}  // namespace vorn::skin
