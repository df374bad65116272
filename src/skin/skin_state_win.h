// The skin's shared state: one per process, created empty at start-up, filled
// once by InitSkin (and LoadControlImages) when the main window is created,
// read by every skinned window and box, destroyed at the program's end.
// Destroying it releases every picture, cursor and handle it holds.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "runtime/win32/handles_win.h"
#include "skin/colour.h"
#include "plus/plus_image_win.h"
#include "skin/screen_background_win.h"
#include "skin/skin_assets.h"

namespace vorn::skin {

// One of the skin's cursors: made from a built-in file (owned, destroyed with
// the state) or one of the system's shared cursors (never destroyed).
class SkinCursor {
public:
    SkinCursor() = default;
    explicit SkinCursor(runtime::UniqueIcon owned) : owned_(std::move(owned)) {}
    static SkinCursor System(HCURSOR shared) {
        SkinCursor cursor;
        cursor.shared_ = shared;
        return cursor;
    }

    HCURSOR Get() const { return owned_ ? owned_.get() : shared_; }

private:
    runtime::UniqueIcon owned_;
    HCURSOR shared_ = nullptr;
};

// What the main window's picture link shows in one state: the same picture
// for both states, and four values the link item reads as they stand.
struct LinkImageStyle {
    std::int32_t state = 0;                // 1 for the hover record, 0 for the normal one
    Gdiplus::GpBitmap* bitmap = nullptr;  // SkinState::linkPicture, not owned here
    std::array<std::int32_t, 4> values{};  // {1, 6, 1, 6} once filled
};

struct SkinState {
    bool initialised = false;
    ULONG_PTR plusToken = 0;
    std::string uiFontFace;  // UTF-8; empty: GDI+'s default face
    std::vector<std::uint8_t> themeImageBytes;
    Colour themeColour = 0;
    Colour textColour = 0;          // reads on themeColour: black or white
    Colour textContrastColour = 0;  // the other one: halos around glowing text
    ScreenBackground background;    // see ComposeBackground
    bool isWindows7OrLater = false;
    // Buttons of the boxes fade in and out under the pointer; off, they
    // switch at once.
    bool hoverFades = true;
    std::array<plus::PlusImage, kSkinImageCount> skinImages;
    std::array<SkinCursor, kSkinCursorCount> skinCursors;
    std::array<plus::PlusImage, kControlImageSlots> controlImages;
    LinkImageStyle linkStyleOn;
    LinkImageStyle linkStyleOff;
    plus::PlusImage linkPicture;  // the bitmap both link styles point at
};

// InitSkin's answer when the state was already initialised.
inline constexpr ULONG_PTR kSkinAlreadyInitialised = 0x40000000;

// Fills `skin` once: starts GDI+ unless `skipPlusStartup` (the token is the
// answer), finds the text face, keeps `themeImage` and derives the theme and
// text colours and the screen-sized background (composed when first painted)
// from it, notes whether the system is Windows 7 or later, loads the 23 skin
// images and the 13 cursors
// (the built-in ones, or the system cursors they stand in for). A second call
// changes nothing and answers kSkinAlreadyInitialised. Pictures that do not
// load stay empty and are skipped by the painters.
ULONG_PTR InitSkin(SkinState& skin, std::span<const std::uint8_t> themeImage, bool skipPlusStartup,
                   bool useBuiltInCursors);

// (Re)loads the nine control images into their slots; slot 7 stays empty.
void LoadControlImages(SkinState& skin);
// Whether every control image slot that has a picture holds it.
bool ControlImagesLoaded(const SkinState& skin);

// Makes `picture` the one the main window's link shows, in both link styles
// (the old one is disposed).
void SetLinkPicture(SkinState& skin, plus::PlusImage picture);

}  // namespace vorn::skin
