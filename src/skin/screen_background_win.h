// The screen-sized background the boxes and the monster list paint from,
// composed when it is first painted rather than at start-up: the main
// window never draws it, and it alone is (screen + 10) x (screen + 10) x 4
// bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "plus/plus_image_win.h"
#include "skin/colour.h"

namespace vorn::skin {

class ScreenBackground {
public:
    // From now on the background is `theme` (encoded picture bytes) over
    // `themeColour`; one composed earlier is dropped.
    void Use(std::span<const std::uint8_t> theme, Colour themeColour);

    // ComposeBackground of the theme at the screen's size plus the boxes'
    // margin, made at the first call; empty before Use. Main thread only,
    // like every painter.
    const plus::PlusImage& Picture() const;
    // Painters take it wherever they take a picture.
    operator const plus::PlusImage&() const { return Picture(); }

    bool Composed() const { return picture_.Native() != nullptr; }

private:
    std::vector<std::uint8_t> theme_;
    Colour themeColour_ = 0;
    // Composed on demand from a const painter.
    mutable plus::PlusImage picture_;
};

}  // namespace vorn::skin
