#include "shell/main_window_commands_win.h"

#include <vector>

#include "mainwindow/main_window_controller.h"
#include "shell/file_dialogs_win.h"
#include "skin/windows/skin_menu_win.h"

namespace vorn::shell {
namespace {

using mainwindow::MenuCommand;

bool IsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

// Bit 30 of a key press: the key was already down, the press is a repeat.
bool IsRepeat(const MSG& key) { return (key.lParam & (1L << 30)) != 0; }

MenuCommand ShortcutOf(WPARAM virtualKey, bool control) {
    if (!control) return virtualKey == VK_F1 ? MenuCommand::Help : MenuCommand::None;
    switch (virtualKey) {
        case 'S': return MenuCommand::Generate;
        case 'N': return MenuCommand::NewMonster;
        case 'O': return MenuCommand::Open;
        case 'L': return MenuCommand::MonsterList;
        default: return MenuCommand::None;
    }
}

}  // namespace

bool MainWindowCommands::Answer(const MSG& key) {
    // With Alt or Shift it is another key (Ctrl+Alt is AltGr on many keyboards).
    if (key.message != WM_KEYDOWN || IsDown(VK_MENU) || IsDown(VK_SHIFT)) return false;
    const MenuCommand command = ShortcutOf(key.wParam, IsDown(VK_CONTROL));
    if (command == MenuCommand::None) return false;
    // A held key is still the shortcut, but its command runs on the first press only.
    if (!IsRepeat(key)) Run(command);
    return true;
}

void MainWindowCommands::ShowMenu(POINT at) {
    std::vector<skin::MenuEntry> entries;
    for (const mainwindow::ProgramMenuEntry& entry :
         mainwindow::ProgramMenuEntries(controller_.RecentFiles()))
        entries.push_back({entry.text, entry.shortcut, entry.command, entry.enabled});
    const int chosen = skin::ShowSkinMenu(window_, at, entries);
    if (chosen != 0) Run(static_cast<MenuCommand>(chosen));
}

void MainWindowCommands::Run(MenuCommand command) {
    switch (command) {
        case MenuCommand::Generate: controller_.GenerateItemClicked(); return;
        case MenuCommand::NewMonster: controller_.NewMonster(); return;
        case MenuCommand::Open:
            controller_.OpenChosenFile(
                [this] { return ChooseMonsterFile(window_, controller_.MonsterFolder()); });
            return;
        case MenuCommand::MonsterList:
            if (showList_) showList_();
            return;
        case MenuCommand::Help: controller_.AuthorItemClicked(); return;
        case MenuCommand::None: return;
        default: break;
    }
    // A recent file: copied, since opening it changes the list.
    const auto recent = static_cast<std::size_t>(static_cast<int>(command) -
                                                 static_cast<int>(MenuCommand::FirstRecent));
    const std::vector<std::string> paths = controller_.RecentFiles();
    if (recent < paths.size()) controller_.OpenRecentFile(paths[recent]);
}

}  // namespace vorn::shell
