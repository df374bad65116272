#include "skin/plus/plus_status_win.h"

namespace vorn::skin::plus {
namespace {

// Interface thread only, like every drawing call.
Gdiplus::Status lastStatus = Gdiplus::Ok;

}  // namespace

Gdiplus::Status LastPlusStatus() { return lastStatus; }

bool RecordPlusStatus(Gdiplus::Status status) {
    lastStatus = status;
    return status == Gdiplus::Ok;
}

}  // namespace vorn::skin::plus
