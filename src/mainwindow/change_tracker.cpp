#include "mainwindow/change_tracker.h"

#include <utility>

#include "mainwindow/read_profile.h"
#include "runtime/base/text_number.h"

namespace vorn::mainwindow {
namespace {

// Reads through to the window and drops every write: reading the profile
// corrects a rate above 100 in its edit, which a mere look must not do.
class LookOnly final : public runtime::PropertyAccess {
public:
    explicit LookOnly(runtime::PropertyAccess& window) : window_(window) {}
    std::int64_t ReadInteger(runtime::WindowId w, runtime::ControlId c, int p) override {
        return window_.ReadInteger(w, c, p);
    }
    std::string ReadText(runtime::WindowId w, runtime::ControlId c, int p) override {
        return window_.ReadText(w, c, p);
    }
    void WriteInteger(runtime::WindowId, runtime::ControlId, int, std::int64_t) override {}
    void WriteText(runtime::WindowId, runtime::ControlId, int, std::string_view) override {}

private:
    runtime::PropertyAccess& window_;
};

// The integer fields as the window settles them when they lose the focus.
profile::MonsterProfile Settled(profile::MonsterProfile values) {
    for (std::string* number :
         {&values.dropUseItemRate, &values.butchRate, &values.butchChargeCount})
        *number = runtime::NormaliseIntegerInput(*number);
    return values;
}

profile::MonsterProfile ValuesOf(runtime::PropertyAccess& properties) {
    LookOnly look(properties);
    return Settled(ReadProfile(look));
}

}  // namespace

ChangeTracker::ChangeTracker() : seen_(Settled(profile::MonsterProfile{})) {}

void ChangeTracker::Notice(runtime::PropertyAccess& properties) {
    profile::MonsterProfile now = ValuesOf(properties);
    if (now == seen_) return;
    seen_ = std::move(now);
    changes_ = true;
}

void ChangeTracker::Reset(runtime::PropertyAccess& properties) {
    seen_ = ValuesOf(properties);
    changes_ = false;
}

}  // namespace vorn::mainwindow
