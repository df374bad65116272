#include "mainwindow/main_window_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "mainwindow/control_ids.h"
#include "mainwindow/equip_slot.h"

namespace vorn {
namespace {

using mainwindow::MainWindowLayout;
using runtime::ControlKind;

TEST(MainWindowLayout, IdentifiersAndNamesAreUniqueAndWellFormed) {
    std::set<runtime::ControlId> ids;
    std::set<std::string_view> names;
    for (const auto& control : MainWindowLayout().controls) {
        EXPECT_TRUE(ids.insert(control.id).second) << control.name;
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        EXPECT_EQ(control.id & 0xFFFF0000u, 0x16010000u) << control.name;
    }
    EXPECT_EQ(MainWindowLayout().controls.size(), 24u + 21u + 9u + 2u);
}

TEST(MainWindowLayout, NamePrefixMatchesKind) {
    const std::pair<std::string_view, ControlKind> prefixes[] = {
        {"编辑框_", ControlKind::EditBox}, {"组合框_", ControlKind::ComboBox},
        {"标签_", ControlKind::Label},     {"按钮_", ControlKind::Button},
        {"图片框_", ControlKind::PicBox},  {"时钟", ControlKind::Timer},
        {"超级按钮_", ControlKind::SuperBtn}, {"透明标签_", ControlKind::TransLabel}};
    for (const auto& control : MainWindowLayout().controls) {
        bool matched = false;
        for (const auto& [prefix, kind] : prefixes)
            if (control.name.starts_with(prefix)) matched = matched || control.kind == kind;
        EXPECT_TRUE(matched) << control.name;
    }
}

TEST(MainWindowLayout, PanelChildrenFitInsideThePanel) {
    const auto& layout = MainWindowLayout();
    const auto* panel = runtime::FindControl(layout, mainwindow::id::kFieldPanel);
    ASSERT_NE(panel, nullptr);
    int children = 0;
    for (const auto& control : layout.controls) {
        if (control.parent != panel->id) continue;
        ++children;
        EXPECT_GE(control.left, 0) << control.name;
        EXPECT_LE(control.left + control.width, panel->width - 2) << control.name;
        EXPECT_LE(control.top + control.height, panel->height - 2) << control.name;
    }
    EXPECT_EQ(children, 20);
}

TEST(MainWindowLayout, EverySlotWithAControlHasItsButtonAndPlaceholderBox) {
    const auto& layout = MainWindowLayout();
    std::vector<int> editable;
    for (const auto& slot : mainwindow::EquipSlots()) {
        if (slot.button == 0) {
            EXPECT_EQ(slot.nameBox, 0u);
            continue;
        }
        editable.push_back(slot.index);
        const auto* button = runtime::FindControl(layout, slot.button);
        const auto* box = runtime::FindControl(layout, slot.nameBox);
        ASSERT_NE(button, nullptr) << slot.word;
        ASSERT_NE(box, nullptr) << slot.word;
        EXPECT_EQ(button->text, slot.word);
        EXPECT_EQ(box->text, slot.placeholder);
        EXPECT_EQ(box->name.substr(std::string_view("编辑框_").size()), slot.word);
        EXPECT_FALSE(box->enabled);
        EXPECT_EQ(button->width, 36);
        EXPECT_EQ(button->height, 33);
    }
    EXPECT_EQ(editable.size(), static_cast<std::size_t>(mainwindow::kEditableSlotCount));
    // The monster list and its CSV file count and name the same slots.
    EXPECT_EQ(editable,
              std::vector<int>(profile::kWindowSlots.begin(), profile::kWindowSlots.end()));
}

TEST(MainWindowLayout, ChildOriginsAddTheParentsBorder) {
    const auto& layout = MainWindowLayout();
    const auto* job = runtime::FindControl(layout, "组合框_职业");
    ASSERT_NE(job, nullptr);
    const runtime::Point origin = runtime::WindowOrigin(layout, *job);
    EXPECT_EQ(origin.x, 409 + 1 + 66);
    EXPECT_EQ(origin.y, 26 + 1 + 0);
}

}  // namespace
}  // namespace vorn
