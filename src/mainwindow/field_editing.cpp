#include "mainwindow/field_editing.h"

#include <string>

#include "mainwindow/control_ids.h"
#include "mainwindow/field_tips.h"
#include "mainwindow/skill_line.h"
#include "mainwindow/spin_step.h"
#include "mainwindow/tip_line.h"

namespace vorn::mainwindow {
namespace {

namespace prop = runtime::prop;
using runtime::EventKind;

int SelectionOf(runtime::PropertyAccess& properties, runtime::ControlId combo) {
    return static_cast<int>(
        properties.ReadInteger(kMainWindowId, combo, prop::combo::kSelection));
}

std::string TextOf(runtime::PropertyAccess& properties, runtime::ControlId edit) {
    return properties.ReadText(kMainWindowId, edit, prop::edit::kContent);
}

bool OnSelectionChanged(runtime::PropertyAccess& properties, runtime::ControlId combo) {
    const int index = SelectionOf(properties, combo);
    switch (combo) {
        case id::kJob: WriteTip(properties, tips::Job(index)); return true;
        case id::kGender: WriteTip(properties, tips::Gender(index)); return true;
        case id::kHair:
            // The gender is read now; a later gender change leaves this tip alone.
            if (auto tip = tips::Hair(index, SelectionOf(properties, id::kGender)))
                WriteTip(properties, *tip);
            return true;
        case id::kDrop: WriteTip(properties, tips::Drop(index)); return true;
        case id::kButch: WriteTip(properties, tips::Butch(index)); return true;
        case id::kChargeClass:
            if (auto tip = tips::ChargeClass(index)) WriteTip(properties, *tip);
            return true;
        case id::kSkillOn: OnSkillsSwitched(properties, index); return true;
        default: return false;
    }
}

bool OnContentChanged(runtime::PropertyAccess& properties, runtime::ControlId edit) {
    switch (edit) {
        case id::kDropRate:
            WriteTip(properties, tips::DropRate(TextOf(properties, edit)));
            return true;
        case id::kButchRate:
            WriteTip(properties, tips::ButchRate(TextOf(properties, edit)));
            return true;
        case id::kChargeCount:
            if (auto tip = tips::ChargeCount(SelectionOf(properties, id::kChargeClass),
                                             TextOf(properties, edit)))
                WriteTip(properties, *tip);
            return true;
        default: return false;
    }
}

bool OnSpinPressed(runtime::PropertyAccess& properties, runtime::ControlId edit, int direction) {
    switch (edit) {
        case id::kDropRate: SpinStep(properties, edit, tips::DropRateSpin(), direction); return true;
        case id::kButchRate: SpinStep(properties, edit, tips::ButchRateSpin(), direction); return true;
        default: return false;
    }
}

}  // namespace

bool HandleFieldEvent(runtime::PropertyAccess& properties, const runtime::Event& event) {
    switch (event.kind) {
        case EventKind::SelectionChanged: return OnSelectionChanged(properties, event.control);
        case EventKind::ContentChanged: return OnContentChanged(properties, event.control);
        case EventKind::SpinPressed:
            return OnSpinPressed(properties, event.control, event.argument);
        case EventKind::KeyPressed:
            if (event.control != id::kSkills) return false;
            OnSkillLineKey(properties, event.argument);
            return true;
        default: return false;
    }
}

}  // namespace vorn::mainwindow
