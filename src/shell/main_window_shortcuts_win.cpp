#include "shell/main_window_shortcuts_win.h"

#include "mainwindow/main_window_controller.h"
#include "shell/monster_file_dialog_win.h"

namespace vorn::shell {
namespace {

bool IsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

// Bit 30 of a key press: the key was already down, the press is a repeat.
bool IsRepeat(const MSG& key) { return (key.lParam & (1L << 30)) != 0; }

enum class Shortcut { None, Generate, NewMonster, Open, Help };

Shortcut ShortcutOf(WPARAM virtualKey, bool control) {
    if (!control) return virtualKey == VK_F1 ? Shortcut::Help : Shortcut::None;
    switch (virtualKey) {
        case 'S': return Shortcut::Generate;
        case 'N': return Shortcut::NewMonster;
        case 'O': return Shortcut::Open;
        default: return Shortcut::None;
    }
}

}  // namespace

bool MainWindowShortcuts::Answer(const MSG& key) {
    // With Alt or Shift it is another key (Ctrl+Alt is AltGr on many keyboards).
    if (key.message != WM_KEYDOWN || IsDown(VK_MENU) || IsDown(VK_SHIFT)) return false;
    const Shortcut shortcut = ShortcutOf(key.wParam, IsDown(VK_CONTROL));
    if (shortcut == Shortcut::None) return false;
    // A held key is still the shortcut, but its command runs on the first press only.
    if (IsRepeat(key)) return true;
    switch (shortcut) {
        case Shortcut::Generate: controller_.GenerateItemClicked(); break;
        case Shortcut::NewMonster: controller_.NewMonster(); break;
        case Shortcut::Open:
            controller_.OpenChosenFile(
                [this] { return ChooseMonsterFile(window_, programFolder_ + "\\MonUseItems"); });
            break;
        case Shortcut::Help: controller_.AuthorItemClicked(); break;
        case Shortcut::None: break;
    }
    return true;
}

}  // namespace vorn::shell
