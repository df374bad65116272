#include "runtime/plain_box_layout_win.h"

#include <algorithm>

namespace vorn::runtime {
namespace {

constexpr int kPadding = 20;          // around the message area
constexpr int kIconGap = 16;          // between the icon and the text
constexpr int kMinMessageHeight = 40;
constexpr int kCloseSize = 24;
constexpr int kCloseMargin = 6;       // from the top right corner
constexpr int kBarPadding = 12;       // inside the button bar
constexpr int kButtonHeight = 26;
constexpr int kButtonMinWidth = 80;
constexpr int kButtonTextPadding = 24;
constexpr int kButtonGap = 8;
constexpr int kCheckGlyph = 20;       // the check square and its gap to the text
constexpr int kOptionHeight = 20;
constexpr int kOptionGap = 16;        // between the option and the first button
constexpr int kTextSlack = 4;         // keeps a static from wrapping its last word

RECT MakeRect(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

int Clamp(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

}  // namespace

PlainBoxLayout LayOutPlainBox(const PlainBoxMeasures& measures) {
    PlainBoxLayout layout;

    std::vector<int> buttonWidths;
    int buttonsWidth = 0;
    for (const SIZE& caption : measures.captions) {
        const int width = std::max<int>(kButtonMinWidth, caption.cx + kButtonTextPadding);
        buttonWidths.push_back(width);
        buttonsWidth += width;
    }
    if (!buttonWidths.empty())
        buttonsWidth += kButtonGap * static_cast<int>(buttonWidths.size() - 1);
    const int optionWidth = measures.hasOption ? kCheckGlyph + measures.option.cx + kTextSlack : 0;
    const int barWidth =
        kBarPadding + (measures.hasOption ? optionWidth + kOptionGap : 0) + buttonsWidth +
        kBarPadding;

    // The message column keeps clear of the close button in the top right corner.
    const int textLeft = kPadding + (measures.hasIcon ? kPlainBoxIconSize + kIconGap : 0);
    const int textWidth = measures.message.cx + kTextSlack;
    const int closeReserve = kCloseSize + kCloseMargin;
    const int messageWidth = textLeft + textWidth + std::max(kPadding, closeReserve);

    const int clientWidth = std::max({measures.minClientWidth, messageWidth, barWidth});
    const int areaTop = kPadding + kCloseMargin;
    const int areaHeight = std::max<int>(
        {measures.message.cy, measures.hasIcon ? kPlainBoxIconSize : 0, kMinMessageHeight});

    if (measures.hasIcon)
        layout.icon = MakeRect(kPadding, areaTop, kPlainBoxIconSize, kPlainBoxIconSize);
    const int columnWidth = clientWidth - std::max(kPadding, closeReserve) - textLeft;
    const int textTop =
        measures.centreVertically ? areaTop + (areaHeight - measures.message.cy) / 2 : areaTop;
    layout.message = MakeRect(textLeft, textTop, columnWidth, measures.message.cy);

    layout.closeButton =
        MakeRect(clientWidth - kCloseMargin - kCloseSize, kCloseMargin, kCloseSize, kCloseSize);

    layout.barTop = areaTop + areaHeight + kPadding;
    const int barHeight = kBarPadding + kButtonHeight + kBarPadding;
    const int buttonTop = layout.barTop + kBarPadding;
    int right = clientWidth - kBarPadding;
    for (const int width : buttonWidths) {
        layout.captions.push_back(MakeRect(right - width, buttonTop, width, kButtonHeight));
        right -= width + kButtonGap;
    }
    if (measures.hasOption) {
        const int optionTop = buttonTop + (kButtonHeight - kOptionHeight) / 2;
        layout.option = MakeRect(kBarPadding, optionTop, optionWidth, kOptionHeight);
    }
    layout.client = SIZE{clientWidth, layout.barTop + barHeight};
    return layout;
}

POINT PlacePlainBox(SIZE size, const RECT* owner, const RECT& workArea) {
    const RECT& around = owner ? *owner : workArea;
    const int left = around.left + ((around.right - around.left) - size.cx) / 2;
    const int top = around.top + ((around.bottom - around.top) - size.cy) / 2;
    // A box larger than the work area keeps its top left corner visible.
    return POINT{Clamp(left, workArea.left, std::max(workArea.left, workArea.right - size.cx)),
                 Clamp(top, workArea.top, std::max(workArea.top, workArea.bottom - size.cy))};
}

}  // namespace vorn::runtime
