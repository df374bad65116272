// Declarative description of a window and its controls. The loader builds real
// controls from it, and the artwork generator draws the background frames from
// the same records, so both always agree on where each control sits.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vorn::runtime {

using WindowId = std::uint32_t;
using ControlId = std::uint32_t;

enum class ControlKind : std::uint8_t {
    EditBox,     // 编辑框
    ComboBox,    // 组合框 (drop-down list, not editable)
    Label,       // 标签
    Button,      // 按钮
    PicBox,      // 图片框 (may hold child controls)
    Timer,       // 时钟
    SuperBtn,    // 超级按钮 (image button)
    TransLabel,  // 透明标签
};

enum class Border : std::uint8_t { None, Sunken, SingleLine };
enum class HAlign : std::uint8_t { Left, Centre, Right };
enum class VAlign : std::uint8_t { Top, Middle, Bottom };
enum class InputMode : std::uint8_t { Normal, Integer };

// Colours in layout data and in colour properties are 0xRRGGBB.
using Rgb = std::uint32_t;
inline constexpr Rgb kDefaultColour = 0xFF000000u;  // "the control kind's default"

// Identifies one of the pictures embedded in the program (see shell/assets.h).
using PictureId = int;
inline constexpr PictureId kNoPicture = -1;

struct ControlLayout {
    std::string_view name;          // layout name, e.g. "编辑框_掉落几率" (UTF-8)
    ControlKind kind = ControlKind::Label;
    ControlId id = 0;
    ControlId parent = 0;           // 0: a direct child of the window; else a PicBox
    int left = 0, top = 0, width = 0, height = 0;  // relative to the parent
    Rgb textColour = kDefaultColour;
    Rgb backColour = kDefaultColour;
    Border border = Border::None;
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    std::string_view text;          // edit content, caption, SuperBtn tooltip
    std::span<const std::string_view> items;  // ComboBox list items
    int selection = -1;             // ComboBox initial selection
    bool visible = true;
    bool enabled = true;
    bool tabStop = false;
    // EditBox
    InputMode inputMode = InputMode::Normal;
    bool spinButtons = false;       // manual-mode up/down buttons
    bool multiLine = false;         // with both scroll bars
    // Label: three-colour vertical gradient (top, middle, bottom)
    bool gradient = false;
    Rgb gradientColours[3] = {0, 0, 0};
    // SuperBtn
    PictureId normalPicture = kNoPicture;
    PictureId hoverPicture = kNoPicture;
    // Timer
    int periodMs = 0;
};

struct WindowLayout {
    std::string_view name;
    WindowId id = 0;
    std::uint32_t unitId = 0;
    int width = 0, height = 0;
    std::string_view title;
    PictureId background = kNoPicture;
    std::span<const ControlLayout> controls;
};

// The control with the given identifier, or nullptr.
const ControlLayout* FindControl(const WindowLayout& window, ControlId id);
// The control with the given layout name, or nullptr.
const ControlLayout* FindControl(const WindowLayout& window, std::string_view name);

// Width of a control's border in pixels: the client area starts this far inside.
int BorderWidth(Border border);

struct Point {
    int x = 0, y = 0;
};
// Top-left corner of a control in window coordinates (adds its parent's origin).
Point WindowOrigin(const WindowLayout& window, const ControlLayout& control);

}  // namespace vorn::runtime
