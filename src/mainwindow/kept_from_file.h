// What the window keeps of the monster file opened last: the parts it has no
// control for, so that generating the monster again writes them back. They
// belong to that monster: a generation writes them only while the name box
// still holds the opened monster's name. Under another name the monster is
// written from the controls alone, as one made in the window.
#pragma once

#include <array>
#include <string>

#include "profile/extra_lines.h"
#include "profile/slot_words.h"

namespace vorn::mainwindow {

struct KeptFromFile {
    std::string monsterName;  // the name taken from the opened file's name
    // The items of the slots without a name box (9 and 13); the other
    // entries are unused and stay empty.
    std::array<std::string, profile::kSlotCount> items;
    profile::ExtraLines extras;
    // A copy being made: the kept parts go with the monster under whatever
    // name it is given.
    bool forAnyName = false;

    bool empty() const {
        for (const std::string& item : items)
            if (!item.empty()) return false;
        return extras.empty();
    }
};

}  // namespace vorn::mainwindow
