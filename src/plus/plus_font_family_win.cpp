#include "plus/plus_font_family_win.h"

#include "runtime/base/utf_win.h"
#include "plus/plus_font_win.h"

namespace vorn::plus {

bool PlusFontFamily::CreateFromName(std::string_view name) {
    return family_.Create<&PlusCalls::CreateFontFamilyFromName>(runtime::Widen(name).c_str(),
                                                                nullptr);
}

bool PlusFontFamily::FromFont(const PlusFont& font) {
    return family_.CreateFrom<&PlusCalls::GetFamily>(font.Native());
}

std::string PlusFontFamily::Name() const {
    wchar_t name[LF_FACESIZE] = {};
    if (!family_.Call<&PlusCalls::GetFamilyName>(name, LANGID{0})) return {};
    return runtime::Narrow(name);
}

}  // namespace vorn::plus
