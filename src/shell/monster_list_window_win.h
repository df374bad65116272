// The monster list window: a skinned popup owned by the main window with a
// search box, the folder's monsters in a list view, the summary line and the
// command buttons. Made the first time it is shown and then only hidden and
// shown again; it reads the folder again whenever it comes to the front.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "runtime/controls/virtual_list_view_win.h"
#include "runtime/controls/message_loop_win.h"
#include "runtime/win32/handles_win.h"
#include "skin/windows/pellum_window_win.h"

namespace vorn::monsterlist {
class MonsterListController;
}

namespace vorn::shell {

class MonsterListWindow {
public:
    MonsterListWindow(const skin::SkinState& skin, HWND owner, monsterlist::MonsterListController& list,
                      runtime::MessageLoop& loop);
    ~MonsterListWindow();
    MonsterListWindow(const MonsterListWindow&) = delete;
    MonsterListWindow& operator=(const MonsterListWindow&) = delete;

    // Shows the window (made at the first call) with the search box focused.
    void Show();
    void Hide();
    bool IsShown() const;
    HWND Window() const { return manager_.Window(); }
    // The folder may have changed: read it again if the window is shown.
    void Refresh();

private:
    class ActivationWatch;
    void Build(HWND window);
    void Reload();
    void ShowRows(std::optional<std::string> keepSelected);
    void Selected(const std::function<void(std::size_t row)>& action);
    // The row's kept versions in a menu over the history button; the one
    // chosen is restored after asking.
    void ShowHistory(std::size_t row);
    bool OnKey(const MSG& key);
    void OnSearchChanged();

    monsterlist::MonsterListController& list_;
    runtime::MessageLoop& loop_;
    HWND owner_;
    skin::PellumWindow manager_;
    runtime::VirtualListView view_;
    runtime::UniqueFont font_;
    std::unique_ptr<ActivationWatch> watch_;
    int searchItem_ = 0;   // 1-based item indices
    int summaryItem_ = 0;
    int folderItem_ = 0;
    bool built_ = false;
};

}  // namespace vorn::shell
