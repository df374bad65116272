#include "e2e/field_input.h"

#include "e2e/user_input.h"
#include "e2e/window_probe.h"
#include "mainwindow/control_ids.h"
#include "runtime/base/utf_win.h"

namespace vorn::e2e {
namespace {

struct ListSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindDroppedList(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ListSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        ClassNameOf(window) == "ComboLBox") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND DroppedListOf(const AppSession& app) {
    ListSearch search{app.ProcessId()};
    EnumWindows(FindDroppedList, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int ItemHeightOf(HWND list) {
    DWORD_PTR height = 0;
    SendMessageTimeoutW(list, LB_GETITEMHEIGHT, 0, 0, SMTO_ABORTIFHUNG, 5000, &height);
    return static_cast<int>(height);
}

}  // namespace

using testing::AssertionFailure;
using testing::AssertionResult;
using testing::AssertionSuccess;

AssertionResult NotInFront(const AppSession& app) {
    return AssertionFailure() << "the main window did not come to the front; the foreground is "
                              << Describe(GetForegroundWindow()) << ", a box open: "
                              << (app.WaitForBox(milliseconds(0)) ? "yes" : "no");
}

AssertionResult PickComboItem(AppSession& app, HWND combo, int index) {
    // A loaded machine can show the dropped list before it has settled at its
    // place, so a click may miss the row: a user would simply try again.
    constexpr int kAttempts = 3;
    for (int attempt = 1;; ++attempt) {
        if (!BringToFront(app.MainWindow())) return NotInFront(app);
        app.UserMouse().ClickWindow(combo);
        HWND list = nullptr;
        if (!WaitUntil([&] {
                list = DroppedListOf(app);
                return list != nullptr && IsWindowVisible(list);
            }))
            return AssertionFailure() << "clicking " << Describe(combo) << " dropped no list";
        const int rowHeight = ItemHeightOf(list);
        if (rowHeight <= 0) return AssertionFailure() << "the dropped list has no item height";
        RECT client{};
        GetClientRect(list, &client);
        app.UserMouse().ClickWindowAt(list, {client.right / 2, index * rowHeight + rowHeight / 2});
        if (WaitUntil([&] { return ComboSelection(combo) == index && !DroppedListOf(app); }))
            return AssertionSuccess();
        if (attempt == kAttempts)
            return AssertionFailure() << "clicking item " << index << " left " << Describe(combo)
                                      << " at selection " << ComboSelection(combo) << " after "
                                      << kAttempts << " attempts";
        if (DroppedListOf(app)) PressKey(VK_ESCAPE);
        WaitUntil([&] { return !DroppedListOf(app); });
    }
}

AssertionResult StepComboDownWithKeyboard(AppSession& app, HWND combo) {
    // A click opens the list; Escape closes it again and leaves the focus
    // on the closed field, where an arrow key moves the selection.
    if (!BringToFront(app.MainWindow())) return NotInFront(app);
    const int before = ComboSelection(combo);
    app.UserMouse().ClickWindow(combo);
    if (!WaitUntil([&] { return DroppedListOf(app) != nullptr; }))
        return AssertionFailure() << "clicking " << Describe(combo) << " dropped no list";
    PressKey(VK_ESCAPE);
    if (!WaitUntil([&] { return !DroppedListOf(app) && FocusOfThreadOwning(combo) == combo; }))
        return AssertionFailure() << "Escape did not close the list of " << Describe(combo);
    PressKey(VK_DOWN);
    if (!WaitUntil([&] { return ComboSelection(combo) == before + 1; }))
        return AssertionFailure() << "the Down key left " << Describe(combo) << " at selection "
                                  << ComboSelection(combo);
    return AssertionSuccess();
}

AssertionResult ClickIntoEdit(AppSession& app, HWND edit) {
    if (!BringToFront(app.MainWindow())) return NotInFront(app);
    RECT client{};
    GetClientRect(edit, &client);
    // The left quarter is clear of the spin arrows inside the right edge.
    app.UserMouse().ClickWindowAt(edit, {client.right / 4, client.bottom / 2});
    if (!WaitUntil([&] { return FocusOfThreadOwning(edit) == edit; }))
        return AssertionFailure() << "clicking " << Describe(edit) << " left the focus on "
                                  << Describe(FocusOfThreadOwning(edit));
    return AssertionSuccess();
}

AssertionResult RetypeEdit(AppSession& app, HWND edit, std::wstring_view text) {
    if (auto clicked = ClickIntoEdit(app, edit); !clicked) return clicked;
    PressKey(VK_END);
    PressChord(VK_SHIFT, VK_HOME);
    PressKey(VK_DELETE);
    if (!WaitUntil([&] { return TextOf(edit).empty(); }))
        return AssertionFailure() << "End, Shift+Home, Delete did not empty " << Describe(edit)
                                  << "; the focus is on " << Describe(FocusOfThreadOwning(edit))
                                  << ", the foreground is " << Describe(GetForegroundWindow());
    TypeText(text);
    const std::string expected = runtime::Narrow(text);
    if (!WaitUntil([&] { return TextOf(edit) == expected; }))
        return AssertionFailure() << "typing \"" << expected << "\" into the edit gave "
                                  << Describe(edit);
    return AssertionSuccess();
}

AssertionResult UnlockSlot(AppSession& app, HWND slotButton, HWND nameBox) {
    const auto unlocked = [&] {
        return IsWindowEnabled(nameBox) && FocusOfThreadOwning(nameBox) == nameBox;
    };
    // Under a busy machine a click's release is now and then lost and the
    // button keeps only the focus; a user would simply click again.
    bool done = false;
    for (int attempt = 0; attempt < 2 && !done; ++attempt) {
        if (!BringToFront(app.MainWindow())) return NotInFront(app);
        app.UserMouse().ClickWindow(slotButton);
        done = WaitUntil(unlocked);
    }
    if (!done)
        return AssertionFailure() << "clicking " << Describe(slotButton) << " left " << Describe(nameBox)
                                  << (IsWindowEnabled(nameBox) ? " enabled" : " disabled")
                                  << " and the focus on " << Describe(FocusOfThreadOwning(nameBox));
    return AssertionSuccess();
}

AssertionResult TypeSlotName(AppSession& app, HWND slotButton, HWND nameBox,
                             std::wstring_view name) {
    if (auto unlocked = UnlockSlot(app, slotButton, nameBox); !unlocked) return unlocked;
    // Typing replaces the selected text; an empty name deletes it.
    if (name.empty())
        PressKey(VK_DELETE);
    else
        TypeText(name);
    const std::string expected = runtime::Narrow(name);
    if (!WaitUntil([&] { return TextOf(nameBox) == expected; }))
        return AssertionFailure() << "typing \"" << expected << "\" over the selected name gave "
                                  << Describe(nameBox);
    return AssertionSuccess();
}

HWND SpinOf(HWND edit) {
    for (HWND child : Descendants(edit))
        if (ClassNameOf(child) == "msctls_updown32") return child;
    // An up-down kept beside the edit instead of inside it.
    const RECT field = ScreenRect(edit);
    for (HWND sibling : Descendants(GetParent(edit))) {
        if (ClassNameOf(sibling) != "msctls_updown32") continue;
        const RECT arrows = ScreenRect(sibling);
        if (arrows.top < field.bottom && arrows.bottom > field.top &&
            arrows.left <= field.right + 2 && arrows.right >= field.left)
            return sibling;
    }
    return nullptr;
}

testing::AssertionResult ClickSpin(AppSession& app, HWND edit, SpinArrow arrow) {
    const HWND spin = SpinOf(edit);
    if (!spin) return testing::AssertionFailure() << Describe(edit) << " has no spin arrows";
    if (!BringToFront(app.MainWindow())) return NotInFront(app);
    RECT client{};
    GetClientRect(spin, &client);
    const int y = arrow == SpinArrow::Up ? client.bottom / 4 : client.bottom * 3 / 4;
    app.UserMouse().ClickWindowAt(spin, {client.right / 2, y});
    return testing::AssertionSuccess();
}

std::string TipLine(const AppSession& app) {
    return TextOf(app.Control(mainwindow::id::kTipLine));
}

std::string AwaitTip(const AppSession& app, std::string_view expected,
                     std::chrono::milliseconds timeout) {
    return AwaitText(app.Control(mainwindow::id::kTipLine), expected, timeout);
}

std::string AwaitText(HWND window, std::string_view expected, std::chrono::milliseconds timeout) {
    std::string text;
    WaitUntil([&] { return (text = TextOf(window)) == expected; }, timeout);
    return text;
}

}  // namespace vorn::e2e
