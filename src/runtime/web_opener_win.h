// Opens web addresses with the system's default handler.
#pragma once

#include "runtime/system_services.h"

namespace vorn::runtime {

class ShellWebOpener final : public WebOpener {
public:
    void Open(std::string_view address) override;
};

}  // namespace vorn::runtime
