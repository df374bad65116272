#include "e2e/box_probe.h"

#include <algorithm>
#include <thread>

#include "e2e/screen_pixels.h"
#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "runtime/base/utf_win.h"
#include "skin/windows/pellum_msg_box_win.h"

namespace vorn::e2e {
namespace {

using namespace std::chrono_literals;

constexpr std::string_view kParagraph = "\r\n\r\n";

struct Search {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindBoxOf(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && ClassNameOf(window) == kBoxClass) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

SIZE SizeOf(HWND window) {
    const RECT rect = ScreenRect(window);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

std::optional<std::string> ClipboardText() {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = runtime::Narrow(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

RECT Rect(const skin::RectRecord& r) { return RECT{r.x, r.y, r.x + r.width, r.y + r.height}; }

// The focus halo's warm glow, against the neutral grey and white around a button.
bool Glowing(std::uint32_t pixel) { return Red(pixel) > 170 && Red(pixel) - Blue(pixel) > 70; }

}  // namespace

bool AwaitBoxOpened(HWND box, std::chrono::milliseconds timeout) {
    SIZE largest = SizeOf(box), last = largest;
    auto unchangedSince = std::chrono::steady_clock::now();
    return WaitUntil(
        [&] {
            if (!IsWindow(box)) return false;
            const SIZE now = SizeOf(box);
            if (now.cx > largest.cx) largest = now;
            if (now.cx != last.cx || now.cy != last.cy) {
                last = now;
                unchangedSince = std::chrono::steady_clock::now();
            }
            const bool shrunk = largest.cx - now.cx == 2 * skin::kMsgBoxZoomMargin &&
                                largest.cy - now.cy == 2 * skin::kMsgBoxZoomMargin;
            // First seen after its opening: it keeps its size. Not sooner than
            // 3 s: on a busy machine the opening's timer ticks stall for over a
            // second, and a click on a box still opening is ignored by design
            // (the test clicked too early, not the box dropped a click).
            return shrunk || std::chrono::steady_clock::now() - unchangedSince > 3000ms;
        },
        timeout);
}

std::optional<OpenBox> OpenBox::Current(AppSession& app) {
    Search search{app.ProcessId()};
    EnumWindows(FindBoxOf, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return std::nullopt;
    return OpenBox(app, search.found);
}

std::optional<OpenBox> OpenBox::Await(AppSession& app, std::chrono::milliseconds timeout) {
    std::optional<OpenBox> box;
    if (!WaitUntil([&] { return (box = Current(app)).has_value(); }, timeout)) return std::nullopt;
    if (!AwaitBoxOpened(box->Window(), timeout)) return std::nullopt;
    box->opened_ = true;
    return box;
}

const OpenBox::Texts& OpenBox::Read() const {
    if (texts_) return *texts_;
    texts_.emplace();
    // Ctrl+C as the keyboard sends it to the box.
    const DWORD before = GetClipboardSequenceNumber();
    PostMessageW(window_, WM_CHAR, 3, 0);
    if (!WaitUntil([&] { return GetClipboardSequenceNumber() != before; }, 3s)) return *texts_;
    std::optional<std::string> text;
    WaitUntil([&] { return (text = ClipboardText()).has_value(); }, 1s);
    if (!text) return *texts_;
    const auto first = text->find(kParagraph), last = text->rfind(kParagraph);
    if (first == std::string::npos || last == first) return *texts_;
    texts_->title = text->substr(0, first);
    texts_->message = text->substr(first + kParagraph.size(), last - first - kParagraph.size());
    // The captions follow from left to right, each after a space.
    const std::string captions = text->substr(last + kParagraph.size());
    std::string::size_type at = 0;
    while ((at = captions.find(' ', at)) != std::string::npos) {
        const auto next = captions.find(' ', at + 1);
        texts_->captions.insert(texts_->captions.begin(), captions.substr(at + 1, next - at - 1));
        at = next;
    }
    return *texts_;
}

std::string OpenBox::Title() const { return Read().title; }
std::string OpenBox::Message() const { return Read().message; }
std::vector<std::string> OpenBox::CaptionsRightToLeft() const { return Read().captions; }

skin::MsgBoxLayout OpenBox::Parts() const {
    if (!opened_) opened_ = AwaitBoxOpened(window_);
    skin::MsgBoxLayout parts;
    const SIZE size = SizeOf(window_);
    parts.width = size.cx;
    parts.height = size.cy;
    skin::PlaceParts(parts, static_cast<int>(Read().captions.size()));
    return parts;
}

POINT OpenBox::OnScreen(const skin::RectRecord& part) const {
    const RECT box = ScreenRect(window_);
    return POINT{box.left + part.x + part.width / 2, box.top + part.y + part.height / 2};
}

std::optional<RECT> OpenBox::ButtonRect(std::string_view caption) const {
    const skin::MsgBoxLayout parts = Parts();
    const auto& captions = Read().captions;
    const auto found = std::find(captions.begin(), captions.end(), caption);
    skin::RectRecord part;
    if (caption == kBoxCloseCaption) part = parts.close;
    else if (found != captions.end()) part = parts.captions[static_cast<std::size_t>(found - captions.begin())];
    else return std::nullopt;
    const RECT box = ScreenRect(window_);
    return RECT{box.left + part.x, box.top + part.y, box.left + part.x + part.width,
                box.top + part.y + part.height};
}

bool OpenBox::HasOption() const {
    // An unticked option is a light square on the grey bar.
    const ScreenPixels box(ScreenRect(window_));
    return box.Count(Rect(Parts().checkHit), [](std::uint32_t p) {
               return Red(p) > 150 && Red(p) - Blue(p) > 25;
           }) > 20;
}

bool OpenBox::OptionTicked() const {
    const ScreenPixels box(ScreenRect(window_));
    return box.Count(Rect(Parts().checkHit), [](std::uint32_t p) {
               return Red(p) > 150 && Green(p) < 100 && Blue(p) < 100;
           }) > 5;
}

bool OpenBox::HasFocusOn(std::string_view caption) const {
    const ScreenPixels box(ScreenRect(window_));
    const skin::MsgBoxLayout parts = Parts();
    // The halo's glow just above a caption, just below the close button:
    // where the box around them is neutral.
    const auto glow = [&](const skin::RectRecord& r, bool below) {
        const int top = below ? r.y + r.height + 1 : r.y - 3;
        return box.Count(RECT{r.x + 8, top, r.x + r.width - 8, top + 2}, Glowing);
    };
    const auto& captions = Read().captions;
    int best = glow(parts.close, true);
    std::string_view focused = kBoxCloseCaption;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const int score = glow(parts.captions[i], false);
        if (score > best) {
            best = score;
            focused = captions[i];
        }
    }
    return best > 10 && focused == caption;
}

bool OpenBox::Press(std::string_view caption) {
    const std::optional<RECT> button = ButtonRect(caption);
    if (!button) return false;
    BringToFront(window_);
    app_->UserMouse().ClickAt(POINT{(button->left + button->right) / 2, (button->top + button->bottom) / 2});
    return true;
}

void OpenBox::ToggleOption() {
    BringToFront(window_);
    app_->UserMouse().ClickAt(OnScreen(Parts().checkHit));
}

bool OpenBox::AwaitClosed(std::chrono::milliseconds timeout) const {
    return WaitUntil([&] { return !IsWindow(window_); }, timeout);
}

std::string OpenBox::Describe() const {
    std::string text = "\"";
    text.append(Title()).append("\" | \"").append(Message()).append("\" | [");
    for (const std::string& caption : CaptionsRightToLeft()) text += caption + " ";
    return text + "]";
}

}  // namespace vorn::e2e
