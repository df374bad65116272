#include "skin/plus/plus_startup_win.h"

#include "skin/plus/plus_calls_win.h"
#include "skin/plus/plus_status_win.h"

namespace vorn::skin::plus {

ULONG_PTR StartPlus() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (!RecordPlusStatus(Plus().Startup(&token, &input, nullptr))) return 0;
    return token;
}

}  // namespace vorn::skin::plus
