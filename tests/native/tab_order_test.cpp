#include "mainwindow/tab_order.h"

#include <gtest/gtest.h>

#include "mainwindow/control_ids.h"

namespace vorn::mainwindow {
namespace {

TEST(TabOrder, RowsLeftToRightThenDownAndBlocksStayTogether) {
    // Two loose stops in one row (the right one a little higher), a block of
    // two stacked stops beside them, and a stop below everything.
    const TabStop stops[] = {
        {.control = 1, .left = 100, .top = 12, .width = 50, .height = 20},
        {.control = 2, .left = 10, .top = 10, .width = 50, .height = 20},
        {.control = 3, .left = 200, .top = 40, .width = 50, .height = 20, .block = 7},
        {.control = 4, .left = 200, .top = 5, .width = 50, .height = 20, .block = 7},
        {.control = 5, .left = 0, .top = 70, .width = 50, .height = 20},
    };
    EXPECT_EQ(ReadingOrder(stops), (std::vector<runtime::ControlId>{2, 1, 4, 3, 5}));
}

TEST(TabOrder, MainWindowSlotsThenNamesThenPanelThenTheBottomStrip) {
    namespace i = id;
    const std::vector<runtime::ControlId> expected = {
        // The slot buttons, row by row.
        i::kHelmetButton, i::kNecklaceButton, i::kWeaponButton, i::kClothesButton,
        i::kMedalButton, i::kLeftBraceletButton, i::kRightBraceletButton, i::kLeftRingButton,
        i::kRightRingButton, i::kShoesButton, i::kBeltButton, i::kGemButton,
        // The name boxes beside them.
        i::kNecklaceName, i::kHelmetName, i::kClothesName, i::kWeaponName, i::kMedalName,
        i::kLeftBraceletName, i::kRightBraceletName, i::kLeftRingName, i::kRightRingName,
        i::kShoesName, i::kBeltName, i::kGemName,
        // The field panel, top to bottom.
        i::kJob, i::kGender, i::kHair, i::kDrop, i::kDropRate, i::kButch, i::kButchRate,
        i::kChargeClass, i::kChargeCount, i::kSkillOn,
        // The skills line, then the bottom strip: "生成文件" after the name box.
        i::kSkills, i::kAboutLink, i::kAuthorLink, i::kMonsterName, i::kGenerate};
    EXPECT_EQ(MainWindowTabOrder(), expected);
}

}  // namespace
}  // namespace vorn::mainwindow
