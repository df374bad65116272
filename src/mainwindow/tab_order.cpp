#include "mainwindow/tab_order.h"

#include <algorithm>
#include <map>

#include "mainwindow/control_ids.h"
#include "mainwindow/equip_slot.h"
#include "mainwindow/main_window_layout.h"

namespace vorn::mainwindow {
namespace {

struct Unit {
    int left, top, bottom;
    std::vector<const TabStop*> stops;
};

// Reading order of units with bounding boxes.
void SortByRows(std::vector<Unit>& units) {
    std::vector<Unit> rest = std::move(units);
    units.clear();
    std::ranges::stable_sort(rest, {}, &Unit::top);
    while (!rest.empty()) {
        const Unit& first = rest.front();
        const int rowTop = first.top, rowBottom = first.bottom;
        auto inRow = std::stable_partition(rest.begin(), rest.end(), [&](const Unit& unit) {
            return unit.top < rowBottom && unit.bottom > rowTop;
        });
        std::vector<Unit> row(std::make_move_iterator(rest.begin()), std::make_move_iterator(inRow));
        rest.erase(rest.begin(), inRow);
        std::ranges::stable_sort(row, {}, &Unit::left);
        for (Unit& unit : row) units.push_back(std::move(unit));
    }
}

std::vector<Unit> SingleUnits(std::span<const TabStop* const> stops) {
    std::vector<Unit> units;
    for (const TabStop* stop : stops)
        units.push_back({stop->left, stop->top, stop->top + stop->height, {stop}});
    return units;
}

enum Block { kLoose = 0, kSlotButtons, kSlotNames, kFieldPanel };

Block BlockOf(const runtime::ControlLayout& control) {
    if (control.parent == id::kFieldPanel) return kFieldPanel;
    if (FindSlotByButton(control.id)) return kSlotButtons;
    if (FindSlotByNameBox(control.id)) return kSlotNames;
    return kLoose;
}

// Controls that take the focus, and the ones replaced by drawn items.
bool InOrder(const runtime::ControlLayout& control) {
    return control.tabStop || control.id == id::kAboutLink || control.id == id::kAuthorLink ||
           control.id == id::kSkills;
}

}  // namespace

std::vector<runtime::ControlId> ReadingOrder(std::span<const TabStop> stops) {
    std::map<int, std::vector<const TabStop*>> blocks;
    std::vector<const TabStop*> loose;
    for (const TabStop& stop : stops) {
        if (stop.block == 0) loose.push_back(&stop);
        else blocks[stop.block].push_back(&stop);
    }
    std::vector<Unit> units = SingleUnits(loose);
    for (auto& [block, members] : blocks) {
        Unit unit{members.front()->left, members.front()->top,
                  members.front()->top + members.front()->height, {}};
        for (const TabStop* stop : members) {
            unit.left = std::min(unit.left, stop->left);
            unit.top = std::min(unit.top, stop->top);
            unit.bottom = std::max(unit.bottom, stop->top + stop->height);
        }
        std::vector<Unit> inner = SingleUnits(members);
        SortByRows(inner);
        for (const Unit& one : inner) unit.stops.push_back(one.stops.front());
        units.push_back(std::move(unit));
    }
    SortByRows(units);
    std::vector<runtime::ControlId> order;
    for (const Unit& unit : units)
        for (const TabStop* stop : unit.stops) order.push_back(stop->control);
    return order;
}

const std::vector<runtime::ControlId>& MainWindowTabOrder() {
    static const std::vector<runtime::ControlId> kOrder = [] {
        const auto controls = MainWindowLayout().controls;
        const auto panel = std::ranges::find(controls, id::kFieldPanel, &runtime::ControlLayout::id);
        std::vector<TabStop> stops;
        for (const runtime::ControlLayout& control : controls) {
            if (!InOrder(control)) continue;
            TabStop stop{control.id, control.left, control.top, control.width, control.height,
                         BlockOf(control)};
            if (control.parent == id::kFieldPanel && panel != controls.end()) {
                stop.left += panel->left;
                stop.top += panel->top;
            }
            stops.push_back(stop);
        }
        return ReadingOrder(stops);
    }();
    return kOrder;
}

}  // namespace vorn::mainwindow
