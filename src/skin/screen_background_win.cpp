#include "skin/screen_background_win.h"

#include <windows.h>

#include "skin/theme_picture_win.h"

namespace vorn::skin {
namespace {

// The boxes take their background from 6 pixels in, so it reaches past the
// screen's size for a box as large as the screen.
constexpr int kBackgroundMargin = 10;

}  // namespace

void ScreenBackground::Use(std::span<const std::uint8_t> theme, Colour themeColour) {
    theme_.assign(theme.begin(), theme.end());
    themeColour_ = themeColour;
    picture_ = plus::PlusImage();
}

const plus::PlusImage& ScreenBackground::Picture() const {
    if (picture_.Native() == nullptr && !theme_.empty()) {
        plus::PlusImage theme;
        theme.LoadFromBytes(theme_);
        picture_ = ComposeBackground(theme, themeColour_, GetSystemMetrics(SM_CXSCREEN) + kBackgroundMargin,
                                     GetSystemMetrics(SM_CYSCREEN) + kBackgroundMargin);
    }
    return picture_;
}

}  // namespace vorn::skin
