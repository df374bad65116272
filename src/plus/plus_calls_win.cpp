#include "plus/plus_calls_win.h"

namespace vorn::plus {

PlusCalls& Plus() {
    // Entries cache their addresses, so the table lives for the whole run.
    static PlusCalls calls;
    return calls;
}

}  // namespace vorn::plus
