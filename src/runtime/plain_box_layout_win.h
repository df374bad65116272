// Where the plain box puts its parts, from the measured sizes of its texts.
// Pure geometry in client coordinates, so it can be checked without a window.
#pragma once

#include <windows.h>

#include <vector>

namespace vorn::runtime {

struct PlainBoxMeasures {
    SIZE message{};                // the whole message block, all lines
    std::vector<SIZE> captions;    // text of each caption, in request order
    SIZE option{};                 // the option's text; ignored without the option
    bool hasOption = false;
    bool hasIcon = false;
    bool centreVertically = false;
    int minClientWidth = 0;        // so the whole window reaches its minimum width
};

struct PlainBoxLayout {
    SIZE client{};
    RECT icon{};                   // empty without an icon
    RECT message{};
    RECT closeButton{};
    std::vector<RECT> captions;    // captions[0] is the rightmost button
    RECT option{};                 // empty without the option
    int barTop = 0;                // the button bar runs from here to the bottom
};

inline constexpr int kPlainBoxIconSize = 48;

PlainBoxLayout LayOutPlainBox(const PlainBoxMeasures& measures);

// Top-left corner of a window of `size`: centred over `owner` (or over the work
// area when there is none) and then kept inside the work area.
POINT PlacePlainBox(SIZE size, const RECT* owner, const RECT& workArea);

}  // namespace vorn::runtime
