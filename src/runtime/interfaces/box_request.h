// Requests to the modal box service and its answers. Every dialog the main
// window opens (tip boxes, the about box, the exit confirmation) goes through it.
// Platform-free: the handlers that build requests are tested natively.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/interfaces/control_commands.h"

namespace vorn::runtime {

// Standard icon codes.
namespace icon {
inline constexpr std::uint32_t kNone = 0, kStop = 16, kQuestion = 32, kExclamation = 48,
                               kInformation = 64;
}  // namespace icon

struct BoxRequest {
    runtime::WindowHandle owner = 0;  // disabled while the box is open
    std::string title;                // UTF-8
    std::string message;              // may hold CR LF line breaks
    bool centreHorizontally = false;
    bool centreVertically = false;
    std::uint32_t icon = icon::kNone;
    // An encoded picture (PNG, JPEG) shown in place of the standard icon; bytes
    // that do not decode show no picture. Carried as bytes so a request owns
    // nothing a box would have to free.
    std::vector<std::uint8_t> picture;
    bool tinted = false;
    std::vector<std::string> captions;  // laid out right to left
    int defaultButton = 0;              // 1-based; anything else: the close button
    bool showOption = false;
    std::string optionText;
    bool slowAnimation = false;
};

// Bits 16-31: 1-based index of what closed the box (n + 1 = its close button);
// bits 0-15: the option's state.
using BoxAnswer = std::uint32_t;

// Returned instead of an answer.
namespace refusal {
enum Code : BoxAnswer {
    kNotInitialised = 0xC000003E,  // the box service is not set up
    kNoCaptions = 0xC0000034,
    kBusy = 0xC0000008,  // a box is already open
};
}  // namespace refusal

constexpr BoxAnswer PackAnswer(int pressed, bool optionChecked) {
    return (static_cast<BoxAnswer>(pressed) << 16) | (optionChecked ? 1u : 0u);
}
constexpr int PressedButton(BoxAnswer answer) {
    return static_cast<std::int32_t>(answer) >> 16;
}
constexpr bool IsOptionChecked(BoxAnswer answer) {
    return static_cast<std::int16_t>(answer & 0xFFFF) == 1;
}

class BoxService {
public:
    virtual ~BoxService() = default;
    // Returns once the box has closed; the thread's other messages are
    // dispatched meanwhile.
    virtual BoxAnswer ShowBox(const BoxRequest& request) = 0;
};

}  // namespace vorn::runtime
