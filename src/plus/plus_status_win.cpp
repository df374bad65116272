#include "plus/plus_status_win.h"

namespace vorn::plus {
namespace {

// Each thread its own, like GetLastError: the skin's pictures may be
// decoded on a worker thread while the interface thread starts.
thread_local Gdiplus::Status lastStatus = Gdiplus::Ok;

}  // namespace

Gdiplus::Status LastPlusStatus() { return lastStatus; }

bool RecordPlusStatus(Gdiplus::Status status) {
    lastStatus = status;
    return status == Gdiplus::Ok;
}

}  // namespace vorn::plus
