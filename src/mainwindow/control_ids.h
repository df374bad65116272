// Identifiers of MainWindow and its controls. Handlers address a control by
// (window identifier, control identifier).
#pragma once

#include "runtime/interfaces/layout.h"

namespace vorn::mainwindow {

using runtime::ControlId;
using runtime::WindowId;

inline constexpr WindowId kMainWindowId = 0x52010001;
inline constexpr std::uint32_t kMainWindowUnitId = 0x06010000;

namespace id {
// Equipment slots: buttons and name boxes.
inline constexpr ControlId kHelmetButton = 0x16010144, kHelmetName = 0x16010160;
inline constexpr ControlId kNecklaceButton = 0x16010147, kNecklaceName = 0x1601015F;
inline constexpr ControlId kClothesButton = 0x16010145, kClothesName = 0x16010161;
inline constexpr ControlId kMedalButton = 0x16010148, kMedalName = 0x16010163;
inline constexpr ControlId kWeaponButton = 0x16010146, kWeaponName = 0x16010162;
inline constexpr ControlId kLeftBraceletButton = 0x16010149, kLeftBraceletName = 0x16010164;
inline constexpr ControlId kRightBraceletButton = 0x1601014A, kRightBraceletName = 0x16010165;
inline constexpr ControlId kLeftRingButton = 0x1601014B, kLeftRingName = 0x16010166;
inline constexpr ControlId kRightRingButton = 0x1601014C, kRightRingName = 0x16010167;
inline constexpr ControlId kShoesButton = 0x1601014D, kShoesName = 0x16010168;
inline constexpr ControlId kBeltButton = 0x1601014E, kBeltName = 0x16010169;
inline constexpr ControlId kGemButton = 0x1601014F, kGemName = 0x1601016A;

// Field panel and its rows.
inline constexpr ControlId kFieldPanel = 0x16010116;          // 图片框_职业选择
inline constexpr ControlId kJobCaption = 0x16010124, kJob = 0x16010123;
inline constexpr ControlId kGenderCaption = 0x16010127, kGender = 0x16010128;
inline constexpr ControlId kHairCaption = 0x16010129, kHair = 0x1601012A;
inline constexpr ControlId kDropCaption = 0x1601012B, kDrop = 0x1601012D;
inline constexpr ControlId kDropRateCaption = 0x1601012E, kDropRate = 0x1601012F;
inline constexpr ControlId kButchCaption = 0x16010130, kButch = 0x16010131;
inline constexpr ControlId kButchRateCaption = 0x1601022D, kButchRate = 0x1601022E;
inline constexpr ControlId kChargeClassCaption = 0x16010132, kChargeClass = 0x16010133;
inline constexpr ControlId kChargeCountCaption = 0x16010134, kChargeCount = 0x16010135;
inline constexpr ControlId kSkillOnCaption = 0x16010136, kSkillOn = 0x16010137;

// Bottom strip.
inline constexpr ControlId kSkills = 0x1601022B;        // 编辑框_技能
inline constexpr ControlId kBadge = 0x1601021D;         // 图片框_标志
inline constexpr ControlId kAboutLink = 0x1601020C;     // 标签_关于
inline constexpr ControlId kAuthorLink = 0x1601020A;    // 标签_空间
inline constexpr ControlId kNameCaption = 0x16010004;   // 标签_怪物名称
inline constexpr ControlId kMonsterName = 0x16010003;   // 编辑框_文件名称
inline constexpr ControlId kGenerate = 0x16010005;      // 按钮_保存
inline constexpr ControlId kTipLine = 0x16010219;       // 标签_提示
inline constexpr ControlId kClock = 0x16010214;         // 透明标签_时间

// Invisible controls.
inline constexpr ControlId kTextBuffer = 0x1601021E;    // 编辑框_临时
inline constexpr ControlId kClockTimer = 0x16010212;    // 时钟1
}  // namespace id

}  // namespace vorn::mainwindow
