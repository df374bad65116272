// A drop-down of choices under an edit control while the user types in it
// (the item names that match, for instance). The edit keeps the keyboard.
#pragma once

#include <string>
#include <vector>

#include "runtime/interfaces/layout.h"

namespace vorn::runtime {

class CompletionList {
public:
    virtual ~CompletionList() = default;
    // Shows `choices` (UTF-8) under the control; an empty list hides it.
    virtual void Show(WindowId window, ControlId below, const std::vector<std::string>& choices) = 0;
    virtual void Hide() = 0;
};

}  // namespace vorn::runtime
