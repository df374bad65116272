#include "skin/windows/frame_geometry.h"

#include <algorithm>

namespace vorn::skin {

std::array<FrameItem, kFrameItemCount> BuildFrameItems(int width, const FrameFlags& flags) {
    std::array<FrameItem, kFrameItemCount> items{{
        {ItemKind::CaptionArea, {0, 0, width, kCaptionHeight}, true},
        {ItemKind::Text, {}, true},
        {ItemKind::Close, {}, false},
        {ItemKind::Maximise, {}, false},
        {ItemKind::Minimise, {}, false},
        {ItemKind::Icon, {7, 7, 16, 16}, flags.icon},
        {ItemKind::HostValues, {}, false},
    }};
    // Right to left: close, then the state buttons the window allows.
    int right = width;
    const auto place = [&](FrameItem& item, int buttonWidth, bool shown) {
        if (!flags.captionButtons || !shown) return;
        right -= buttonWidth;
        item.rect = {right, 0, buttonWidth, kCaptionButtonHeight};
        item.visible = true;
    };
    place(items[Slot(FrameSlot::Close)], kCloseButtonWidth, true);
    place(items[Slot(FrameSlot::Maximise)], kMiddleButtonWidth, flags.maximiseBox);
    place(items[Slot(FrameSlot::Minimise)], kOuterButtonWidth, flags.minimiseBox);

    const int titleLeft = flags.icon ? 30 : 5;
    items[Slot(FrameSlot::Title)].rect = {titleLeft, 5, std::max(0, right - titleLeft), 20};
    return items;
}

int ImageButtonHeight(int height) { return std::max(height, kImageButtonMinHeight); }

RectRecord ImageButtonPictureRect(const RectRecord& button, int pictureWidth, int pictureHeight) {
    const bool large = pictureWidth > 22 || pictureHeight > 22;
    const int side = large ? 24 : 16;
    const int inset = large ? 5 : 6;
    return {button.x + inset, button.y + (button.height - side) / 2, side, side};
}

RectRecord LabelTextRect(const RectRecord& label, const RectRecord& leftPart) {
    return {label.x + leftPart.width, label.y, label.width - leftPart.width, label.height};
}

RectRecord ChoiceTextRect(const RectRecord& item, int boxWidth) {
    return {item.x + boxWidth, item.y, std::max(0, item.width - boxWidth), item.height};
}

RectRecord EditTextRect(const RectRecord& box) {
    return {box.x + kEditInsetX, box.y + kEditInsetY, std::max(0, box.width - 2 * kEditInsetX),
            std::max(0, box.height - 2 * kEditInsetY)};
}

RectRecord FitCentred(const RectRecord& box, int width, int height) {
    if (width <= 0 || height <= 0 || box.width <= 0 || box.height <= 0) return {box.x, box.y, 0, 0};
    // Compare width/height ratios without floating point: the tighter side wins.
    int fittedWidth = box.width;
    int fittedHeight = static_cast<int>(static_cast<long long>(height) * box.width / width);
    if (fittedHeight > box.height) {
        fittedHeight = box.height;
        fittedWidth = static_cast<int>(static_cast<long long>(width) * box.height / height);
    }
    return {box.x + (box.width - fittedWidth) / 2, box.y + (box.height - fittedHeight) / 2,
            fittedWidth, fittedHeight};
}

}  // namespace vorn::skin
