// How text is laid out in its rectangle: flags (Gdiplus::StringFormatFlags),
// horizontal and vertical alignment.
#pragma once

#include "plus/plus_handle_win.h"

namespace vorn::plus {

class PlusStringFormat {
public:
    Gdiplus::GpStringFormat* Native() const { return format_.Get(); }
    bool Create(int flags = 0, LANGID language = 0);
    bool Delete() { return format_.Release(); }

    bool SetFlags(int flags);
    bool SetAlign(Gdiplus::StringAlignment align);
    bool SetLineAlign(Gdiplus::StringAlignment align);

private:
    PlusHandle<Gdiplus::GpStringFormat, &PlusCalls::DeleteStringFormat> format_;
};

}  // namespace vorn::plus
