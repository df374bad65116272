// A font family of the system's installed fonts, by name.
#pragma once

#include <string>
#include <string_view>

#include "plus/plus_handle_win.h"

namespace vorn::plus {

class PlusFont;

class PlusFontFamily {
public:
    Gdiplus::GpFontFamily* Native() const { return family_.Get(); }
    // False (status FontFamilyNotFound) when no installed font has the name.
    bool CreateFromName(std::string_view name);
    // The family `font` was made from.
    bool FromFont(const PlusFont& font);
    bool Delete() { return family_.Release(); }

    // The family's name, UTF-8; empty for an empty wrapper.
    std::string Name() const;

private:
    PlusHandle<Gdiplus::GpFontFamily, &PlusCalls::DeleteFontFamily> family_;
};

}  // namespace vorn::plus
