#include "e2e/window_probe.h"

#include <cstdio>

#include "runtime/base/utf_win.h"

namespace vorn::e2e {
namespace {

// Messages to another process must not hang the driver if it stops answering.
constexpr UINT kAnswerTimeoutMs = 5000;

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &result))
        return -1;
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

std::vector<HWND> Descendants(HWND root) {
    std::vector<HWND> found;
    EnumChildWindows(root, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::uint32_t ControlIdOf(HWND window) {
    return static_cast<std::uint32_t>(GetDlgCtrlID(window));
}

HWND FindDescendant(HWND root, std::uint32_t controlId) {
    for (HWND child : Descendants(root))
        if (ControlIdOf(child) == controlId) return child;
    return nullptr;
}

std::string ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return runtime::Narrow(std::wstring_view(name, length > 0 ? length : 0));
}

std::string TextOf(HWND window) {
    const LRESULT length = Ask(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return runtime::Narrow(text);
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT RectInParent(HWND window) {
    RECT rect = ScreenRect(window);
    if (HWND parent = GetAncestor(window, GA_PARENT); parent && parent != GetDesktopWindow())
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT ClientToScreenPoint(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }
bool HasVisibleStyle(HWND window) { return (StyleOf(window) & WS_VISIBLE) != 0; }

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = Ask(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Ask(combo, CB_GETLBTEXTLEN, i, 0);
        if (length < 0) {
            items.emplace_back("<no text>");
            continue;
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied = Ask(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        items.push_back(runtime::Narrow(text));
    }
    return items;
}

int ComboSelection(HWND combo) { return static_cast<int>(Ask(combo, CB_GETCURSEL, 0, 0)); }

std::string Describe(HWND window) {
    if (!window) return "none";
    char id[16];
    std::snprintf(id, sizeof id, "%08X", static_cast<unsigned>(ControlIdOf(window)));
    return ClassNameOf(window) + " #" + id + " \"" + TextOf(window) + "\"";
}

HWND FocusOfThreadOwning(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

HWND VisibleWindowOfClass(DWORD processId, std::wstring_view className) {
    struct Search {
        DWORD process;
        std::wstring_view className;
        HWND found = nullptr;
    } search{processId, className};
    EnumWindows(
        [](HWND window, LPARAM data) {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (process == s.process && IsWindowVisible(window) && std::wstring_view(name) == s.className) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace vorn::e2e
