// Reading and writing control properties by (window, control, property number).
// This is how every handler talks to the window: the controls are the only
// store of the monster's values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/interfaces/layout.h"

namespace vorn::runtime {

// Property numbers. 0 to 7 are common to every kind; the rest are per kind.
namespace prop {
inline constexpr int kLeft = 0, kTop = 1, kWidth = 2, kHeight = 3;
inline constexpr int kVisible = 5;    // boolean
inline constexpr int kDisabled = 6;   // boolean
namespace edit {
inline constexpr int kContent = 8;          // text
inline constexpr int kTextColour = 10;      // 0xRRGGBB
inline constexpr int kBackColour = 11;      // 0xRRGGBB
inline constexpr int kSelectedLength = 25;  // writing -1 selects the whole text
}  // namespace edit
namespace combo {
inline constexpr int kSelection = 19;       // 0-based, -1 for none
}
namespace label {
inline constexpr int kCaption = 8;
}
namespace button {
inline constexpr int kCaption = 10;
}
namespace translabel {
inline constexpr int kCaption = 8;
}
}  // namespace prop

// An unknown window, control or property number is never an error: reads give
// 0 or empty text and writes do nothing.
class PropertyAccess {
public:
    virtual ~PropertyAccess() = default;

    virtual std::int64_t ReadInteger(WindowId window, ControlId control, int property) = 0;
    virtual void WriteInteger(WindowId window, ControlId control, int property,
                              std::int64_t value) = 0;
    // Text properties are UTF-8. Writing an edit box's content runs its
    // content-changed handler once, before the write returns, even when the
    // text does not change.
    virtual std::string ReadText(WindowId window, ControlId control, int property) = 0;
    virtual void WriteText(WindowId window, ControlId control, int property,
                           std::string_view text) = 0;

    bool ReadBool(WindowId window, ControlId control, int property) {
        return ReadInteger(window, control, property) != 0;
    }
    void WriteBool(WindowId window, ControlId control, int property, bool value) {
        WriteInteger(window, control, property, value ? 1 : 0);
    }
};

}  // namespace vorn::runtime
