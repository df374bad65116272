// What solid and linear-gradient brushes share: one owned GDI+ brush that
// graphics fill with and pens can be made from.
#pragma once

#include "plus/plus_handle_win.h"

namespace vorn::plus {

class PlusBrush {
public:
    Gdiplus::GpBrush* NativeBrush() const { return brush_.Get(); }
    bool Delete() { return brush_.Release(); }

protected:
    // Only the concrete brushes are made, moved and destroyed.
    PlusBrush() = default;
    PlusBrush(PlusBrush&&) noexcept = default;
    PlusBrush& operator=(PlusBrush&&) noexcept = default;
    ~PlusBrush() = default;

    PlusHandle<Gdiplus::GpBrush, &PlusCalls::DeleteBrush> brush_;
};

}  // namespace vorn::plus
