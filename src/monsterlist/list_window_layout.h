// Where the monster list window puts its parts (client pixels), shared by
// the window and the tests that click it.
#pragma once

#include <array>
#include <string_view>

namespace vorn::monsterlist {

inline constexpr int kListWindowWidth = 680, kListWindowHeight = 470;
inline constexpr int kListMargin = 12;
inline constexpr int kSearchTop = 40, kSearchWidth = 240, kSearchHeight = 26;
inline constexpr int kListTop = 74;
inline constexpr int kButtonsTop = kListWindowHeight - 66, kButtonsLeft = kListMargin + 4;
inline constexpr int kButtonWidth = 62, kButtonHeight = 30, kButtonGap = 3;
// "只看有问题的", at the right end of the search row.
inline constexpr int kProblemsOnlyLeft = kListWindowWidth - kListMargin - 108, kProblemsOnlyWidth = 108;

// The command buttons, left to right.
enum class ListButton {
    Open, New, Copy, Delete, History, ChangeFolder, ExportCsv, ImportCsv, ItemTable, MonsterTable
};
inline constexpr std::array<std::string_view, 10> kListButtonCaptions{
    "打开", "新建", "复制", "删除", "历史版本", "更换目录", "导出CSV", "导入CSV", "物品名称表", "怪物名称表"};

// The centre of a button.
constexpr int ButtonCentreX(ListButton button) {
    return kButtonsLeft + static_cast<int>(button) * (kButtonWidth + kButtonGap) + kButtonWidth / 2;
}
constexpr int ButtonCentreY() { return kButtonsTop + kButtonHeight / 2; }

}  // namespace vorn::monsterlist
