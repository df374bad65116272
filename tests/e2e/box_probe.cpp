#include "e2e/box_probe.h"

#include <algorithm>

#include "e2e/user_input.h"
#include "e2e/window_probe.h"

namespace vorn::e2e {
namespace {

constexpr std::string_view kBoxClass = "VornPlainBox";

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

bool IsButton(HWND window) { return ClassNameOf(window) == "Button"; }

bool IsCheckBox(HWND window) {
    const auto type = StyleOf(window) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

bool IsPushButton(HWND window) {
    const auto type = StyleOf(window) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

std::optional<OpenBox> OpenBox::Current(AppSession& app) {
    Search search{app.ProcessId()};
    EnumWindows(FindBoxOf, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return std::nullopt;
    return OpenBox(app, search.found);
}

std::optional<OpenBox> OpenBox::Await(AppSession& app, std::chrono::milliseconds timeout) {
    std::optional<OpenBox> box;
    WaitUntil([&] { return (box = Current(app)).has_value(); }, timeout);
    return box;
}

std::string OpenBox::Title() const { return TextOf(window_); }

std::string OpenBox::Message() const {
    for (HWND child : Descendants(window_))
        if (ClassNameOf(child) == "Static") return TextOf(child);
    return {};
}

std::vector<std::string> OpenBox::CaptionsRightToLeft() const {
    std::vector<HWND> buttons;
    for (HWND child : Descendants(window_))
        if (IsButton(child) && IsPushButton(child) && TextOf(child) != kBoxCloseCaption)
            buttons.push_back(child);
    std::sort(buttons.begin(), buttons.end(),
              [](HWND a, HWND b) { return ScreenRect(a).left > ScreenRect(b).left; });
    std::vector<std::string> captions;
    for (HWND button : buttons) captions.push_back(TextOf(button));
    return captions;
}

HWND OpenBox::Option() const {
    for (HWND child : Descendants(window_))
        if (IsButton(child) && IsCheckBox(child)) return child;
    return nullptr;
}

std::optional<std::string> OpenBox::OptionText() const {
    if (const HWND option = Option()) return TextOf(option);
    return std::nullopt;
}

bool OpenBox::OptionTicked() const {
    const HWND option = Option();
    DWORD_PTR state = 0;
    return option &&
           SendMessageTimeoutW(option, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state) &&
           state == BST_CHECKED;
}

HWND OpenBox::Button(std::string_view caption) const {
    for (HWND child : Descendants(window_))
        if (IsButton(child) && IsPushButton(child) && TextOf(child) == caption) return child;
    return nullptr;
}

bool OpenBox::Press(std::string_view caption) {
    const HWND button = Button(caption);
    if (!button) return false;
    BringToFront(window_);
    app_->UserMouse().ClickWindow(button);
    return true;
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
