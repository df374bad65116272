// The fourteen equipment slots of a humanoid monster, in file order, with the
// controls of the main window that edit them.
#pragma once

#include <array>
#include <string_view>

#include "profile/slot_words.h"
#include "runtime/interfaces/layout.h"

namespace vorn::mainwindow {

using profile::kSlotCount;

struct EquipSlot {
    int index;                        // 0..13, the N of "UseItemsN"
    std::string_view word;            // slot word of the comment line, e.g. "衣服"
    std::string_view key;             // ASCII name, used for asset file names
    runtime::ControlId nameBox;       // 0 when the slot has no control
    runtime::ControlId button;        // 0 when the slot has no control
    std::string_view placeholder;     // initial text of the name box; means "no item"
};

// All fourteen slots, index 0 to 13.
const std::array<EquipSlot, kSlotCount>& EquipSlots();

// The slot whose name box or button has this identifier, or nullptr.
const EquipSlot* FindSlotByNameBox(runtime::ControlId id);
const EquipSlot* FindSlotByButton(runtime::ControlId id);

// Number of slots that have a button and a name box in the window (twelve).
inline constexpr int kEditableSlotCount = 12;

}  // namespace vorn::mainwindow
