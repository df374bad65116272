#include "plus/plus_string_format_win.h"

namespace vorn::plus {

bool PlusStringFormat::Create(int flags, LANGID language) {
    return format_.Create<&PlusCalls::CreateStringFormat>(flags, language);
}

bool PlusStringFormat::SetFlags(int flags) {
    return format_.Call<&PlusCalls::SetStringFormatFlags>(flags);
}

bool PlusStringFormat::SetAlign(Gdiplus::StringAlignment align) {
    return format_.Call<&PlusCalls::SetStringFormatAlign>(align);
}

bool PlusStringFormat::SetLineAlign(Gdiplus::StringAlignment align) {
    return format_.Call<&PlusCalls::SetStringFormatLineAlign>(align);
}

}  // namespace vorn::plus
