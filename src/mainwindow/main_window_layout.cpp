#include "mainwindow/main_window_layout.h"

#include <array>

#include "mainwindow/control_ids.h"
#include "mainwindow/program_assets.h"

namespace vorn::mainwindow {
namespace {

using runtime::Border;
using runtime::ControlKind;
using runtime::ControlLayout;
using runtime::HAlign;
using runtime::InputMode;
using runtime::Rgb;
using runtime::VAlign;

constexpr Rgb kBlack = 0x000000, kWhite = 0xFFFFFF, kSilver = 0xC0C0C0, kBlue = 0x0000FF,
              kGreen = 0x008000, kRed = 0xFF0000, kYellow = 0xFFFF00;

constexpr std::string_view kJobs[] = {"战士", "法师", "道士"};
constexpr std::string_view kGenders[] = {"男", "女"};
constexpr std::string_view kHairs[] = {"0", "1", "2"};
constexpr std::string_view kNoYes[] = {"否", "是"};
constexpr std::string_view kCurrencies[] = {"金币", "元宝", "金刚石", "灵符"};

// Slot button: 36 x 33 image button with its slot's pictures and tooltip.
constexpr ControlLayout SlotButton(std::string_view name, runtime::ControlId id, int slotIndex,
                                   int left, int top, std::string_view tooltip) {
    return {.name = name, .kind = ControlKind::SuperBtn, .id = id, .left = left, .top = top,
            .width = 36, .height = 33, .text = tooltip, .tabStop = true,
            .normalPicture = mainwindow::SlotPicture(slotIndex, false),
            .hoverPicture = mainwindow::SlotPicture(slotIndex, true)};
}

// Slot-name box: borderless, blue on silver, centred, locked until its button is clicked.
constexpr ControlLayout SlotName(std::string_view name, runtime::ControlId id, int left, int top,
                                 int width, std::string_view placeholder) {
    return {.name = name, .kind = ControlKind::EditBox, .id = id, .left = left, .top = top,
            .width = width, .height = 15, .textColour = kBlue, .backColour = kSilver,
            .border = Border::None, .align = HAlign::Centre, .text = placeholder,
            .enabled = false, .tabStop = true};
}

// Caption label of a field-panel row.
constexpr ControlLayout RowCaption(std::string_view name, runtime::ControlId id, int top,
                                   std::string_view caption, Rgb rowColour) {
    return {.name = name, .kind = ControlKind::Label, .id = id, .parent = id::kFieldPanel,
            .left = 2, .top = top, .width = 63, .height = 20, .textColour = kWhite,
            .border = Border::SingleLine, .align = HAlign::Centre, .valign = VAlign::Middle,
            .text = caption, .gradient = true, .gradientColours = {kWhite, rowColour, kWhite}};
}

// Drop-down list of a field-panel row: white text on the row colour.
constexpr ControlLayout RowCombo(std::string_view name, runtime::ControlId id, int top,
                                 std::span<const std::string_view> items, int selection,
                                 Rgb rowColour) {
    return {.name = name, .kind = ControlKind::ComboBox, .id = id, .parent = id::kFieldPanel,
            .left = 66, .top = top, .width = 48, .height = 20, .textColour = kWhite,
            .backColour = rowColour, .items = items, .selection = selection, .tabStop = true};
}

// Numeric edit of a field-panel row: sunken, black on white, centred, integers only.
constexpr ControlLayout RowNumber(std::string_view name, runtime::ControlId id, int top,
                                  int width, bool spinButtons) {
    return {.name = name, .kind = ControlKind::EditBox, .id = id, .parent = id::kFieldPanel,
            .left = 66, .top = top, .width = width, .height = 20, .textColour = kBlack,
            .backColour = kWhite, .border = Border::Sunken, .align = HAlign::Centre, .text = "0",
            .tabStop = true, .inputMode = InputMode::Integer, .spinButtons = spinButtons};
}

// Bottom-strip link label, replaced by a drawn item when the window is skinned.
constexpr ControlLayout LinkLabel(std::string_view name, runtime::ControlId id, int left,
                                  std::string_view caption) {
    return {.name = name, .kind = ControlKind::Label, .id = id, .left = left, .top = 270,
            .width = 80, .height = 24, .textColour = kBlack, .align = HAlign::Centre,
            .valign = VAlign::Middle, .text = caption};
}

const std::array kControls = {
    // Equipment slots, in the layout's order.
    SlotButton("超级按钮_头盔", id::kHelmetButton, 4, 77, 38, "头盔"),
    SlotName("编辑框_头盔", id::kHelmetName, 340, 42, 56, "头盔名称"),
    SlotButton("超级按钮_项链", id::kNecklaceButton, 3, 138, 38, "项链"),
    SlotName("编辑框_项链", id::kNecklaceName, 274, 42, 54, "项链名称"),
    SlotButton("超级按钮_衣服", id::kClothesButton, 0, 77, 98, "衣服"),
    SlotName("编辑框_衣服", id::kClothesName, 275, 74, 55, "衣服名称"),
    SlotButton("超级按钮_勋章", id::kMedalButton, 2, 138, 78, "勋章"),
    SlotName("编辑框_勋章", id::kMedalName, 341, 105, 55, "勋章名称"),
    SlotButton("超级按钮_武器", id::kWeaponButton, 1, 24, 78, "武器"),
    SlotName("编辑框_武器", id::kWeaponName, 215, 105, 55, "武器名称"),
    SlotButton("超级按钮_左手镯", id::kLeftBraceletButton, 5, 13, 127, "左手镯"),
    SlotName("编辑框_左手镯", id::kLeftBraceletName, 208, 153, 69, "左手镯名称"),
    SlotButton("超级按钮_右手镯", id::kRightBraceletButton, 6, 138, 127, "右手镯"),
    SlotName("编辑框_右手镯", id::kRightBraceletName, 328, 153, 69, "右手镯名称"),
    SlotButton("超级按钮_左戒指", id::kLeftRingButton, 7, 13, 166, "左戒指"),
    SlotName("编辑框_左戒指", id::kLeftRingName, 209, 185, 69, "左戒指名称"),
    SlotButton("超级按钮_右戒指", id::kRightRingButton, 8, 138, 166, "右戒指"),
    SlotName("编辑框_右戒指", id::kRightRingName, 328, 185, 69, "右戒指名称"),
    SlotButton("超级按钮_鞋子", id::kShoesButton, 11, 55, 206, "鞋子"),
    SlotName("编辑框_鞋子", id::kShoesName, 209, 217, 55, "鞋子名称"),
    SlotButton("超级按钮_腰带", id::kBeltButton, 10, 96, 207, "腰带"),
    SlotName("编辑框_腰带", id::kBeltName, 275, 217, 55, "腰带名称"),
    SlotButton("超级按钮_宝石", id::kGemButton, 12, 138, 207, "宝石"),
    SlotName("编辑框_宝石", id::kGemName, 341, 217, 55, "宝石名称"),

    // Field panel; its children follow it.
    ControlLayout{.name = "图片框_职业选择", .kind = ControlKind::PicBox, .id = id::kFieldPanel,
                  .left = 409, .top = 26, .width = 116, .height = 220, .backColour = kBlack,
                  .border = Border::SingleLine},
    RowCaption("标签_职业选择", id::kJobCaption, 0, "选择职业：", kBlack),
    RowCombo("组合框_职业", id::kJob, 0, kJobs, 0, kBlack),
    RowCaption("标签_性别选择", id::kGenderCaption, 22, "选择性别：", kBlack),
    RowCombo("组合框_性别", id::kGender, 22, kGenders, 0, kBlack),
    RowCaption("标签_发型选择", id::kHairCaption, 44, "选择发型：", kBlack),
    RowCombo("组合框_发型", id::kHair, 44, kHairs, 2, kBlack),
    RowCaption("标签_是否掉落", id::kDropCaption, 66, "是否掉落：", kGreen),
    RowCombo("组合框_是否掉落", id::kDrop, 66, kNoYes, 0, kGreen),
    RowCaption("标签_掉落几率", id::kDropRateCaption, 88, "掉落几率：", kGreen),
    RowNumber("编辑框_掉落几率", id::kDropRate, 88, 30, true),
    RowCaption("标签_是否挖取", id::kButchCaption, 110, "是否挖取：", kBlue),
    RowCombo("组合框_是否挖取", id::kButch, 110, kNoYes, 0, kBlue),
    RowCaption("标签_挖取几率", id::kButchRateCaption, 132, "挖取几率：", kBlue),
    RowNumber("编辑框_挖取几率", id::kButchRate, 132, 30, true),
    RowCaption("标签_收费模式", id::kChargeClassCaption, 154, "收费模式：", kBlue),
    RowCombo("组合框_收费模式", id::kChargeClass, 156, kCurrencies, 0, kBlue),
    RowCaption("标签_挖取费用", id::kChargeCountCaption, 176, "挖取费用：", kBlue),
    RowNumber("编辑框_挖取费用", id::kChargeCount, 176, 48, false),
    RowCaption("标签_使用技能", id::kSkillOnCaption, 198, "使用技能：", kRed),
    RowCombo("组合框_是否技能", id::kSkillOn, 198, kNoYes, 0, kRed),

    // Bottom strip.
    ControlLayout{.name = "编辑框_技能", .kind = ControlKind::EditBox, .id = id::kSkills,
                  .left = 7, .top = 246, .width = 519, .height = 17, .textColour = kBlack,
                  .backColour = kSilver, .border = Border::Sunken, .align = HAlign::Left,
                  .visible = false, .enabled = false},
    ControlLayout{.name = "图片框_标志", .kind = ControlKind::PicBox, .id = id::kBadge,
                  .left = 5, .top = 259, .width = 48, .height = 32},
    LinkLabel("标签_关于", id::kAboutLink, 46, "关于程序"),
    LinkLabel("标签_空间", id::kAuthorLink, 127, "作者空间"),
    ControlLayout{.name = "标签_怪物名称", .kind = ControlKind::Label, .id = id::kNameCaption,
                  .left = 231, .top = 270, .width = 80, .height = 24, .textColour = kWhite,
                  .border = Border::SingleLine, .align = HAlign::Centre, .valign = VAlign::Middle,
                  .text = "怪物名称：", .gradient = true,
                  .gradientColours = {0xFFFFFF, 0x0088FF, 0xFFFFFF}},
    ControlLayout{.name = "编辑框_文件名称", .kind = ControlKind::EditBox, .id = id::kMonsterName,
                  .left = 314, .top = 270, .width = 118, .height = 24, .textColour = kBlack,
                  .backColour = kWhite, .border = Border::SingleLine, .align = HAlign::Centre,
                  .tabStop = true},
    ControlLayout{.name = "按钮_保存", .kind = ControlKind::Button, .id = id::kGenerate,
                  .left = 434, .top = 267, .width = 88, .height = 32, .align = HAlign::Centre,
                  .text = "生成文件", .tabStop = true},
    ControlLayout{.name = "标签_提示", .kind = ControlKind::Label, .id = id::kTipLine,
                  .left = 8, .top = 299, .width = 415, .height = 16, .textColour = kYellow,
                  .align = HAlign::Left, .valign = VAlign::Middle,
                  .text = "→\u3000欢迎使用 Qilor系列 软件\u3000←", .gradient = true,
                  .gradientColours = {kSilver, kBlack, kSilver}},
    ControlLayout{.name = "透明标签_时间", .kind = ControlKind::TransLabel, .id = id::kClock,
                  .left = 428, .top = 295, .width = 96, .height = 24, .textColour = 0x606060,
                  .align = HAlign::Centre, .valign = VAlign::Middle, .text = "北京时间：00:00"},

    // Invisible controls.
    ControlLayout{.name = "编辑框_临时", .kind = ControlKind::EditBox, .id = id::kTextBuffer,
                  .left = 12, .top = 39, .width = 44, .height = 33, .visible = false,
                  .multiLine = true},
    ControlLayout{.name = "时钟1", .kind = ControlKind::Timer, .id = id::kClockTimer, .left = 40,
                  .top = 8, .width = 26, .height = 26, .visible = false, .periodMs = 1000},
};

}  // namespace

const runtime::WindowLayout& MainWindowLayout() {
    static const runtime::WindowLayout kLayout{
        .name = "MainWindow",
        .id = kMainWindowId,
        .unitId = kMainWindowUnitId,
        .width = 533,
        .height = 320,
        .title = "Vorn_人形怪配置器",
        .background = mainwindow::kBackgroundJpeg,
        .controls = kControls,
    };
    return kLayout;
}

}  // namespace vorn::mainwindow
