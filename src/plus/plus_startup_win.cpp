#include "plus/plus_startup_win.h"

#include "plus/plus_calls_win.h"
#include "plus/plus_status_win.h"

namespace vorn::plus {

ULONG_PTR StartPlus() {
    // A function-local static: two threads that ask at once start it once.
    static const ULONG_PTR token = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR started = 0;
        if (!RecordPlusStatus(Plus().Startup(&started, &input, nullptr))) return ULONG_PTR{0};
        return started;
    }();
    return token;
}

}  // namespace vorn::plus
