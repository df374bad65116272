// Whether the monster in the window has changes: any edit of a field since it
// was opened, generated or started new. An event counts as an edit when it
// changed what generating would write, so tabbing through a field that the
// window tidies up ("0" shown as empty) or the window's own bookkeeping does
// not mark a change; typing something and taking it back does, as in any
// editor.
#pragma once

#include "profile/monster_profile.h"
#include "runtime/interfaces/property_access.h"

namespace vorn::mainwindow {

class ChangeTracker {
public:
    // Nothing changed yet: the window is in its start-up state.
    ChangeTracker();

    // After an event of the window: marks a change when a field's value moved.
    void Notice(runtime::PropertyAccess& properties);
    // The window's values are now the ones with nothing to lose.
    void Reset(runtime::PropertyAccess& properties);

    bool HasChanges() const { return changes_; }

private:
    profile::MonsterProfile seen_;  // the values at the last event
    bool changes_ = false;
};

}  // namespace vorn::mainwindow
