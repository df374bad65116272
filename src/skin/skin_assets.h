// The skin's built-in pictures and cursors, in the order the skin loads them:
// the embedded name of each file (assets/skin/<file>, embedded as
// "skin/<file>"), its pixel size, for cursors the hot spot and the system
// cursor it stands in for, and the part each plays.
//
// Twin of tools/artgen/skin_table.py, which draws these files and checks
// their sizes: the two tables are kept line for line parallel, so change
// them together (and regenerate with tools/artgen/generate.sh).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vorn::skin {

struct SkinPicture {
    std::string_view file;  // empty for an empty slot
    int width = 0;
    int height = 0;
};

struct SkinCursorFile {
    std::string_view file;
    int hotX = 0;
    int hotY = 0;
    std::uint16_t systemCursor = 0;  // IDC_ value used when built-in cursors are off
};

// Cells side by side in one picture; cell n (from 1) starts at column X(n).
struct CellStrip {
    int width = 0;
    int height = 0;
    int pitch = 0;
    int count = 0;
    constexpr int X(int n) const { return (n - 1) * pitch; }
};

// Numeric IDC_ values (winuser.h), so this header needs no Windows headers.
inline constexpr std::uint16_t kIdcArrow = 32512;
inline constexpr std::uint16_t kIdcIBeam = 32513;
inline constexpr std::uint16_t kIdcWait = 32514;
inline constexpr std::uint16_t kIdcSizeNwse = 32642;
inline constexpr std::uint16_t kIdcSizeNesw = 32643;
inline constexpr std::uint16_t kIdcSizeWe = 32644;
inline constexpr std::uint16_t kIdcSizeNs = 32645;
inline constexpr std::uint16_t kIdcSizeAll = 32646;
inline constexpr std::uint16_t kIdcHand = 32649;
inline constexpr std::uint16_t kIdcHelp = 32651;

// --- skinImages ------------------------------------------------------------
// "3-slice, caps c": the left and right c columns are drawn as they are, the
// columns between them are all alike and are stretched to any width.
inline constexpr int kSkinImageCount = 23;
inline constexpr std::array<SkinPicture, kSkinImageCount> kSkinImages{{
    {"skin/image_00.png", 339, 127},  // emblem banner; loaded, drawn by no painter
    {"skin/image_01.png", 17, 16},    // size grip, bottom-right corner of a resizable skinned window
    {"skin/image_02.png", 29, 32},    // button painter: glow behind the picture, at the hover level
    {"skin/image_03.png", 91, 26},    // title cartouche behind a window title; 3-slice, caps 14
    {"skin/image_04.png", 19, 19},    // slider thumb
    {"skin/image_05.png", 103, 28},   // edit item field; 3-slice, caps 6
    {"skin/image_06.png", 16, 16},    // window icon when the window has no small icon
    {"skin/image_07.png", 74, 14},    // message-box title badges (kBoxBadgeCells, kBadge*)
    {"skin/image_08.png", 71, 28},    // hover plate under a link label; 3-slice, caps 12
    {"skin/image_09.png", 47, 16},    // progress bar: rows 0-7 trough, rows 8-15 fill; caps 4
    {"skin/image_10.png", 27, 9},     // small arrows up, down, right (kSmallArrowCells)
    {"skin/image_11.png", 562, 23},   // caption band of a skinned window, cut to its width
    {"skin/image_12.png", 39, 34},    // corner ornament, top left; mirrored for the others
    {"skin/image_13.png", 41, 13},    // scroll thumb normal, hover, pressed (kScrollThumbCells); caps 5
    {"skin/image_14.png", 79, 24},    // message-box flourish, centred on the button-bar line
    {"skin/image_15.png", 63, 23},    // minimise/maximise button face hover, pressed (kCaptionFaceCells)
    {"skin/image_16.png", 47, 23},    // close button face under the pointer
    {"skin/image_17.png", 23, 7},     // slider track; 3-slice, caps 8
    {"skin/image_18.png", 43, 13},    // spin buttons up, down, drop-down (kSpinButtonCells)
    {"skin/image_19.png", 63, 13},    // scroll track; 3-slice, caps 6
    {"skin/image_20.png", 71, 13},    // divider line; 3-slice, caps 20
    {"skin/image_21.png", 90, 24},    // focus halo around the focused caption button; caps 12
    {"skin/image_22.png", 37, 38},    // crest; loaded, drawn by no painter
}};

inline constexpr int kSkinEmblemBanner = 0;
inline constexpr int kSkinSizeGrip = 1;
inline constexpr int kSkinButtonGlow = 2;
inline constexpr int kSkinTitleCartouche = 3;
inline constexpr int kSkinSliderThumb = 4;
inline constexpr int kSkinEditField = 5;
inline constexpr int kSkinWindowIcon = 6;
inline constexpr int kSkinBoxBadges = 7;
inline constexpr int kSkinLinkHoverPlate = 8;
inline constexpr int kSkinProgressBar = 9;
inline constexpr int kSkinSmallArrows = 10;
inline constexpr int kSkinCaptionBand = 11;
inline constexpr int kSkinCornerOrnament = 12;
inline constexpr int kSkinScrollThumb = 13;
inline constexpr int kSkinBoxFlourish = 14;
inline constexpr int kSkinCaptionButtonFace = 15;
inline constexpr int kSkinCloseButtonFace = 16;
inline constexpr int kSkinSliderTrack = 17;
inline constexpr int kSkinSpinButtons = 18;
inline constexpr int kSkinScrollTrack = 19;
inline constexpr int kSkinDivider = 20;
inline constexpr int kSkinFocusHalo = 21;
inline constexpr int kSkinCrest = 22;

inline constexpr CellStrip kBoxBadgeCells{14, 14, 15, 5};
inline constexpr int kBadgeStop = 1;         // icon code 16
inline constexpr int kBadgeQuestion = 2;     // icon code 32
inline constexpr int kBadgeExclamation = 3;  // icon code 48
inline constexpr int kBadgeInformation = 4;  // icon code 64
inline constexpr int kBadgeTip = 5;          // a picture supplied by the caller
inline constexpr CellStrip kSmallArrowCells{9, 9, 9, 3};
inline constexpr CellStrip kScrollThumbCells{13, 13, 14, 3};
inline constexpr CellStrip kCaptionFaceCells{31, 23, 32, 2};
inline constexpr CellStrip kSpinButtonCells{13, 13, 15, 3};

// --- controlImages -----------------------------------------------------------
inline constexpr int kControlImageSlots = 10;
inline constexpr std::array<SkinPicture, kControlImageSlots> kControlImages{{
    {"skin/control_00.png", 138, 28},  // DrawFrame cells (kFrameCells, kFrame*); columns 126.. unused
    {"skin/control_01.png", 131, 16},  // DrawStripIcon cells (kStripCells, kStrip*)
    {"skin/control_02.png", 74, 14},   // option button (kOptionCells, kOption*)
    {"skin/control_03.png", 191, 57},  // picture/link item frame normal, hover, pressed; 9-slice, corners 8
    {"skin/control_04.png", 146, 22},  // face of a button with a picture: normal, hover; caps 8
    {"skin/control_05.png", 559, 22},  // tip-line band under a status label, cut to its width
    {"skin/control_06.png", 12, 12},   // label bullet in the 12-pixel left part of a label
    {},                                // slot 7 stays empty
    {"skin/control_08.png", 55, 14},   // link marker normal, hover, pressed, disabled (kLinkMarkerCells)
    {"skin/control_09.png", 227, 56},  // busy emblem, four frames 22.5 degrees apart (kBusyEmblemCells)
}};

inline constexpr int kControlFrameCells = 0;
inline constexpr int kControlStripIcons = 1;
inline constexpr int kControlOptionButton = 2;
inline constexpr int kControlPictureFrame = 3;
inline constexpr int kControlButtonFace = 4;
inline constexpr int kControlTipBand = 5;
inline constexpr int kControlLabelBullet = 6;
inline constexpr int kControlEmptySlot = 7;
inline constexpr int kControlLinkMarker = 8;
inline constexpr int kControlBusyEmblem = 9;

// DrawFrame states. Below 29 pixels of height the painter uses only cells
// 1 to 4 (any other state draws cell 1); cells 5 to 9 are box backgrounds.
// Columns X+5 and X+7 equal the stretched column X+6.
inline constexpr CellStrip kFrameCells{13, 28, 14, 9};
inline constexpr int kFrameNormal = 1;         // parchment face for dark text
inline constexpr int kFrameHover = 2;          // brighter, gold rim
inline constexpr int kFramePressed = 3;        // sunken
inline constexpr int kFrameFocused = 4;        // default/focused button; labels with a picture
inline constexpr int kFramePanelLight = 5;     // light box background
inline constexpr int kFramePanelDark = 6;      // dark box background, bronze rim
inline constexpr int kFrameField = 7;          // sunken text field
inline constexpr int kFrameFieldFocused = 8;   // sunken text field with the focus
inline constexpr int kFrameTooltip = 9;        // dark, slightly translucent popup

// DrawStripIcon cells: glyphs drawn at their natural 21 x 16, centred in
// their button; the check box's text starts 21 pixels to the right.
inline constexpr CellStrip kStripCells{21, 16, 22, 6};
inline constexpr int kStripClose = 1;
inline constexpr int kStripMaximise = 2;
inline constexpr int kStripRestore = 3;
inline constexpr int kStripMinimise = 4;
inline constexpr int kStripCheckOff = 5;
inline constexpr int kStripCheckOn = 6;

inline constexpr CellStrip kOptionCells{14, 14, 15, 5};
inline constexpr int kOptionOff = 1;
inline constexpr int kOptionOffHover = 2;
inline constexpr int kOptionOn = 3;
inline constexpr int kOptionOnHover = 4;
inline constexpr int kOptionDisabled = 5;

inline constexpr CellStrip kPictureFrameCells{63, 57, 64, 3};
inline constexpr CellStrip kButtonFaceCells{73, 22, 73, 2};
inline constexpr int kButtonFaceCap = 8;
inline constexpr CellStrip kLinkMarkerCells{13, 14, 14, 4};
inline constexpr CellStrip kBusyEmblemCells{56, 56, 57, 4};

// --- skinCursors ---------------------------------------------------------------
inline constexpr int kCursorSize = 32;
inline constexpr int kSkinCursorCount = 13;
inline constexpr std::array<SkinCursorFile, kSkinCursorCount> kSkinCursors{{
    {"skin/cursor_00.cur", 8, 3, kIdcArrow},       // arrow; the window-class cursor
    {"skin/cursor_01.cur", 27, 3, kIdcArrow},      // arrow pointing up-right
    {"skin/cursor_02.cur", 16, 13, kIdcSizeNwse},  // size north-west / south-east
    {"skin/cursor_03.cur", 16, 13, kIdcSizeNesw},  // size north-east / south-west
    {"skin/cursor_04.cur", 9, 20, kIdcIBeam},      // text beam of the edit item
    {"skin/cursor_05.cur", 6, 3, kIdcHelp},        // arrow with question mark
    {"skin/cursor_06.cur", 15, 12, kIdcSizeWe},    // size west / east
    {"skin/cursor_07.cur", 10, 3, kIdcHand},       // hand; over clickable items
    {"skin/cursor_08.cur", 16, 11, kIdcSizeAll},   // move
    {"skin/cursor_09.cur", 15, 12, kIdcHelp},      // question medallion
    {"skin/cursor_10.cur", 15, 11, kIdcIBeam},     // text beam over kind-108 items
    {"skin/cursor_11.cur", 6, 3, kIdcWait},        // arrow with hourglass
    {"skin/cursor_12.cur", 15, 12, kIdcSizeNs},    // size north / south
}};

inline constexpr int kCursorClass = 0;      // window-class cursor of every skinned window
inline constexpr int kCursorArrowRight = 1;
inline constexpr int kCursorSizeNwse = 2;
inline constexpr int kCursorSizeNesw = 3;
inline constexpr int kCursorEditBeam = 4;
inline constexpr int kCursorHelpArrow = 5;
inline constexpr int kCursorSizeWe = 6;
inline constexpr int kCursorHand = 7;       // set over items when they are activated
inline constexpr int kCursorMove = 8;
inline constexpr int kCursorHelp = 9;
inline constexpr int kCursorKind108 = 10;   // set over items of kind 108
inline constexpr int kCursorBusy = 11;
inline constexpr int kCursorSizeNs = 12;

}  // namespace vorn::skin
