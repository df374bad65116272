// A popup menu in the skin's colours: the system's own menu (keyboard,
// mnemonics, dismissal all as Windows does them), its entries drawn dark
// stone with gold text by the window that owns it.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>

namespace vorn::skin {

struct MenuEntry {
    std::string text;      // UTF-8; "&" marks the mnemonic. Empty: a separator
    std::string shortcut;  // shown on the right, e.g. "Ctrl+O"
    int command = 0;       // what ShowSkinMenu answers when it is chosen (non-zero)
    bool enabled = true;
};

// Shows the entries under `at` (screen coordinates) and waits for a choice;
// the command chosen, or 0. `owner` must hand WM_MEASUREITEM and
// WM_DRAWITEM to AnswerSkinMenuMessage (a skinned window does).
int ShowSkinMenu(HWND owner, POINT at, std::span<const MenuEntry> entries);

// Measures or draws one of the entries of the menu shown, or finds the
// entry of a key pressed in it (WM_MEASUREITEM, WM_DRAWITEM, WM_MENUCHAR);
// nothing for any other message, which is then not the menu's.
std::optional<LRESULT> AnswerSkinMenuMessage(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vorn::skin
