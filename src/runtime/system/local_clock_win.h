// The machine's local date and time.
#pragma once

#include "runtime/interfaces/system_services.h"

namespace vorn::runtime {

class LocalClock final : public Clock {
public:
    LocalTime Now() override;
};

}  // namespace vorn::runtime
