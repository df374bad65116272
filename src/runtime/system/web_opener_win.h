// Opens web addresses with the system's default handler.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "runtime/interfaces/system_services.h"

namespace vorn::runtime {

class ShellWebOpener final : public WebOpener {
public:
    // The shell call that opens; replaceable so the call can be observed.
    using ExecuteFunction = std::function<HINSTANCE(HWND window, LPCWSTR verb, LPCWSTR file,
                                                    LPCWSTR parameters, LPCWSTR directory, INT show)>;

    ShellWebOpener();
    explicit ShellWebOpener(ExecuteFunction execute) : execute_(std::move(execute)) {}

    void Open(std::string_view address) override;

private:
    ExecuteFunction execute_;
};

}  // namespace vorn::runtime
