#include "skin/windows/msg_box_items.h"

namespace vorn::skin {

ItemKind BoxItems::KindOf(int item) const {
    if (item == Close()) return ItemKind::Close;
    if (item == Check()) return ItemKind::Check;
    if (item == Title() || item == Message()) return ItemKind::Text;
    return ItemKind::Caption;
}

int BoxItems::InitialFocus(int defaultButton) const {
    return defaultButton >= 1 && defaultButton <= n_ ? defaultButton : Close();
}

int BoxItems::NextFocus(int item, bool forward) const {
    // Position in the visiting order: caption n (leftmost) is 0, caption 1 is
    // n - 1 and the close button n.
    const int stops = n_ + 1;
    const int at = item >= 1 && item <= n_ ? n_ - item : n_;
    const int next = (at + (forward ? 1 : stops - 1)) % stops;
    return next == n_ ? Close() : n_ - next;
}

std::string ShownTitle(std::string_view title) {
    return title.empty() ? std::string("Pellum Group") : std::string(title);
}

std::string ClipboardText(std::string_view title, std::string_view message,
                          const std::vector<std::string>& captions) {
    std::string text;
    text.append(title).append("\r\n\r\n").append(message).append("\r\n\r\n");
    for (auto caption = captions.rbegin(); caption != captions.rend(); ++caption)
        text.append(" ").append(*caption);
    return text;
}

unsigned BeepType(std::uint32_t icon) {
    // MessageBeep's types: MB_ICONHAND 0x10, MB_ICONEXCLAMATION 0x30,
    // MB_ICONASTERISK 0x40, and 0x80 for the default sound.
    switch (icon) {
        case runtime::icon::kStop: return 0x10;
        // Not the question sound (0x20), which most systems leave silent: a
        // question should be heard, so it takes the default beep.
        case runtime::icon::kQuestion: return 0x80;
        case runtime::icon::kExclamation: return 0x30;
        default: return 0x40;
    }
}

}  // namespace vorn::skin
