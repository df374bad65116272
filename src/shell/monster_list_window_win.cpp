#include "shell/monster_list_window_win.h"

#include <array>

#include "monsterfolder/list_columns.h"
#include "monsterlist/list_window_layout.h"
#include "monsterlist/monster_list_controller.h"
#include "runtime/base/utf_win.h"
#include "runtime/win32/window_object_win.h"
#include "skin/ui_font_face_win.h"
#include "skin/windows/skin_menu_win.h"

namespace vorn::shell {
namespace {

using monsterfolder::kListColumns;
using monsterfolder::ListColumn;

using namespace monsterlist;  // the window's layout
constexpr int kWidth = kListWindowWidth, kHeight = kListWindowHeight, kMargin = kListMargin;
constexpr COLORREF kProblemText = RGB(255, 120, 96);

constexpr std::array<int, kListColumns.size()> kColumnWidths{112, 44, 40, 56, 40, 56, 128, 112};

// A button's routine: runs on a click (or Enter / Space), not on value changes.
skin::ItemRoutine Click(std::function<void()> action) {
    return [action = std::move(action)](int, int, std::optional<int> value) {
        if (!value && action) action();
        return 0;
    };
}

runtime::UniqueFont ListFont() {
    const std::wstring face = runtime::Widen(skin::FindUiFontFace());
    return runtime::UniqueFont(CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                           CLEARTYPE_QUALITY, DEFAULT_PITCH, face.c_str()));
}

bool IsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

// Reads the folder again whenever the window comes to the front: another
// program may have changed it meanwhile.
class MonsterListWindow::ActivationWatch final : public runtime::WindowObject {
public:
    explicit ActivationWatch(MonsterListWindow& owner) : owner_(owner) {}

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && IsWindowVisible(handle()))
            PostMessageW(handle(), kReloadMessage, 0, 0);
        if (message == kReloadMessage) {
            owner_.Reload();
            return 0;
        }
        return Default(message, wParam, lParam);
    }
    static constexpr UINT kReloadMessage = WM_APP + 0x31;
    MonsterListWindow& owner_;
};

MonsterListWindow::MonsterListWindow(const skin::SkinState& skin, HWND owner,
                                     monsterlist::MonsterListController& list,
                                     runtime::MessageLoop& loop)
    : list_(list), loop_(loop), owner_(owner), manager_(&skin) {}

MonsterListWindow::~MonsterListWindow() {
    watch_.reset();
    const HWND window = manager_.Window();
    manager_.TearDown();
    if (window && IsWindow(window)) DestroyWindow(window);
}

bool MonsterListWindow::IsShown() const {
    return manager_.Window() != nullptr && IsWindowVisible(manager_.Window());
}

void MonsterListWindow::Show() {
    if (!built_) {
        built_ = true;
        skin::EditItemOptions search;
        search.rect = {kMargin, kSearchTop, kSearchWidth, kSearchHeight};
        search.cue = "搜索名称或装备";
        search.routine = [this](int, int, std::optional<int> value) {
            if (value) OnSearchChanged();
            return 0;
        };
        searchItem_ = manager_.AddEdit(std::move(search));
        skin::TextItemOptions summary;
        summary.rect = {kMargin + kSearchWidth + 12, kSearchTop,
                        kProblemsOnlyLeft - kMargin - kSearchWidth - 16, kSearchHeight};
        summary.text.colour = 0xA0D8E8;  // the skin's colours are 0xBBGGRR
        summary.text.size = 12;
        summary.text.align = skin::TextAlign::Near;
        summary.text.lineAlign = skin::TextAlign::Centre;
        summaryItem_ = manager_.AddText(std::move(summary));
        skin::ChoiceItemOptions problemsOnly;
        problemsOnly.rect = {kProblemsOnlyLeft, kSearchTop, kProblemsOnlyWidth, kSearchHeight};
        problemsOnly.text.text = "只看有问题的";
        problemsOnly.text.size = 12;
        problemsOnly.routine = [this](int, int, std::optional<int> value) {
            if (value) {
                list_.ShowProblemsOnly(*value != 0);
                ShowRows(std::nullopt);
            }
            return 0;
        };
        const int problemsItem = manager_.AddCheckBox(std::move(problemsOnly));

        // In the order of ListButton.
        const std::pair<std::string_view, std::function<void()>> buttons[] = {
            {"打开", [this] { Selected([this](std::size_t row) { list_.Open(row); }); }},
            {"新建", [this] { list_.NewMonster(); }},
            {"复制", [this] { Selected([this](std::size_t row) { list_.Copy(row); }); }},
            {"删除", [this] {
                 Selected([this](std::size_t row) {
                     list_.Delete(row, reinterpret_cast<runtime::WindowHandle>(Window()));
                     ShowRows(std::nullopt);
                 });
             }},
            {"历史版本", [this] { Selected([this](std::size_t row) { ShowHistory(row); }); }},
            {"更换目录", [this] {
                 list_.ChangeFolder(reinterpret_cast<runtime::WindowHandle>(Window()));
                 ShowRows(std::nullopt);
             }},
            {"导出CSV", [this] { list_.ExportCsv(reinterpret_cast<runtime::WindowHandle>(Window())); }},
            {"导入CSV", [this] {
                 list_.ImportCsv(reinterpret_cast<runtime::WindowHandle>(Window()));
                 ShowRows(std::nullopt);
             }},
            {"物品名称表", [this] {
                 list_.ChooseNameTable(mainwindow::KnownNames::Table::Items);
                 ShowRows(std::nullopt);
             }},
            {"怪物名称表", [this] {
                 list_.ChooseNameTable(mainwindow::KnownNames::Table::Monsters);
                 ShowRows(std::nullopt);
             }},
        };
        int x = kButtonsLeft;
        std::vector<int> buttonItems;
        for (const auto& [caption, action] : buttons) {
            skin::ImageButtonOptions button;
            button.rect = {x, kButtonsTop, kButtonWidth, kButtonHeight};
            button.caption = std::string(caption);
            button.fontSize = 11;
            button.routine = Click(action);
            buttonItems.push_back(manager_.AddImageButton(std::move(button)));
            x += kButtonWidth + kButtonGap;
        }
        skin::TextItemOptions folder;
        folder.rect = {kMargin, kHeight - 30, kWidth - 2 * kMargin, 22};
        folder.text.colour = 0x809CA8;
        folder.text.size = 11;
        folder.text.align = skin::TextAlign::Near;
        folder.text.lineAlign = skin::TextAlign::Centre;
        folderItem_ = manager_.AddText(std::move(folder));

        skin::PellumOptions routines;
        // Closing only hides it: the next Ctrl+L shows it as it was.
        routines.onClose = [this](HWND, unsigned) {
            Hide();
            return 1;
        };
        manager_.SetOptions(std::move(routines));
        skin::PellumWindow::CreateOptions options;
        options.owner = owner_;
        options.width = kWidth;
        options.height = kHeight;
        options.centre = true;
        options.frame.title = "怪物列表";
        options.frame.stateButtons = false;
        options.onCreated = [this, buttonItems, problemsItem](HWND window) {
            Build(window);
            std::vector<skin::FocusStop> order{{searchItem_, nullptr}, {problemsItem, nullptr},
                                               {0, view_.handle()}};
            for (const int item : buttonItems) order.push_back({item, nullptr});
            manager_.SetFocusOrder(std::move(order));
        };
        HWND created = nullptr;
        if (manager_.CreateSkinnedWindow(options, &created) != skin::AttachStatus::Ok) return;
        watch_ = std::make_unique<ActivationWatch>(*this);
        watch_->Attach(created);
        loop_.AddKeyFilter(created, [this](const MSG& key) { return OnKey(key); });
    } else if (!IsShown()) {
        manager_.ShowAnimated(true);
    }
    if (!Window()) return;
    SetForegroundWindow(Window());
    Reload();
    manager_.FocusItem(searchItem_);
}

void MonsterListWindow::Hide() {
    if (IsShown()) manager_.ShowAnimated(false);
    if (owner_ && IsWindow(owner_)) SetForegroundWindow(owner_);
}

void MonsterListWindow::Refresh() {
    if (IsShown()) Reload();
}

void MonsterListWindow::Build(HWND window) {
    font_ = ListFont();
    std::vector<runtime::ListColumn> columns;
    for (std::size_t i = 0; i < kListColumns.size(); ++i)
        columns.push_back({std::string(monsterfolder::ColumnTitle(kListColumns[i])), kColumnWidths[i],
                           kListColumns[i] == ListColumn::Equipped});
    runtime::ListCallbacks callbacks;
    callbacks.text = [this](int row, int column) {
        return list_.Cell(static_cast<std::size_t>(row), kListColumns[static_cast<std::size_t>(column)]);
    };
    callbacks.textColour = [this](int row, int column) -> std::optional<COLORREF> {
        if (kListColumns[static_cast<std::size_t>(column)] == ListColumn::Status &&
            list_.HasProblem(static_cast<std::size_t>(row)))
            return kProblemText;
        return std::nullopt;
    };
    callbacks.headerClicked = [this](int column) {
        const int selected = view_.Selected();
        const std::string name = selected >= 0 ? list_.NameAt(static_cast<std::size_t>(selected)) : std::string();
        list_.SortBy(kListColumns[static_cast<std::size_t>(column)]);
        ShowRows(name);
    };
    callbacks.rowChosen = [this](int row) { list_.Open(static_cast<std::size_t>(row)); };
    callbacks.keyPressed = [this](WPARAM key) {
        if (key == VK_UP && view_.Selected() <= 0) {
            manager_.FocusItem(searchItem_);
            return true;
        }
        if (key == VK_DELETE) {
            Selected([this](std::size_t row) {
                list_.Delete(row, reinterpret_cast<runtime::WindowHandle>(Window()));
                ShowRows(std::nullopt);
            });
            return true;
        }
        return false;
    };
    RECT client{};
    GetClientRect(window, &client);
    view_.Create(window, {kMargin, kListTop, client.right - kMargin, kButtonsTop - 10}, 1, columns,
                 std::move(callbacks), font_.get());
}

void MonsterListWindow::Reload() {
    const int selected = view_.Selected();
    const std::optional<std::string> name =
        selected >= 0 ? std::optional(list_.NameAt(static_cast<std::size_t>(selected))) : std::nullopt;
    list_.Reload();
    ShowRows(name);
}

void MonsterListWindow::ShowRows(std::optional<std::string> keepSelected) {
    view_.SetRowCount(static_cast<int>(list_.ShownCount()));
    std::optional<std::size_t> row = keepSelected ? list_.RowOf(*keepSelected) : std::nullopt;
    if (!row && list_.ShownCount() > 0) row = 0;
    view_.Select(row ? static_cast<int>(*row) : -1);
    for (std::size_t i = 0; i < kListColumns.size(); ++i)
        if (kListColumns[i] == list_.SortColumn()) view_.ShowSortMark(static_cast<int>(i), list_.Ascending());
    manager_.SetItemText(summaryItem_, list_.Summary());
    manager_.SetItemText(folderItem_, "目录：" + list_.Folder());
}

void MonsterListWindow::Selected(const std::function<void(std::size_t row)>& action) {
    const int row = view_.Selected();
    if (row >= 0) action(static_cast<std::size_t>(row));
}

void MonsterListWindow::ShowHistory(std::size_t row) {
    const std::vector<profile::HistoryVersion> versions = list_.History(row);
    std::vector<skin::MenuEntry> entries;
    for (std::size_t i = 0; i < versions.size(); ++i) {
        const profile::HistoryVersion& version = versions[i];
        // The first nine answer the keys 1 to 9.
        std::string text(4, ' ');
        if (i < 9) {
            text[0] = '&';
            text[1] = static_cast<char>('1' + i);
        }
        const char* files = version.dropPath.empty()     ? "怪物文件"
                            : version.monsterPath.empty() ? "掉落文件"
                                                          : "怪物文件和掉落文件";
        entries.push_back({text.append(version.WhenText()), files, static_cast<int>(i) + 1, true});
    }
    if (entries.empty()) entries.push_back({"还没有历史版本", {}, 1, false});
    // Over the button, its left edge under the menu's.
    POINT at{kButtonsLeft + static_cast<int>(ListButton::History) * (kButtonWidth + kButtonGap),
             kButtonsTop};
    ClientToScreen(Window(), &at);
    const int chosen = skin::ShowSkinMenu(Window(), at, entries);
    if (chosen < 1 || static_cast<std::size_t>(chosen) > versions.size()) return;
    list_.RestoreVersion(row, versions[static_cast<std::size_t>(chosen) - 1],
                         reinterpret_cast<runtime::WindowHandle>(Window()));
    Reload();
}

void MonsterListWindow::OnSearchChanged() {
    list_.SetQuery(manager_.ItemText(searchItem_));
    ShowRows(std::nullopt);
}

bool MonsterListWindow::OnKey(const MSG& key) {
    if (key.message != WM_KEYDOWN) return false;
    if (key.wParam == VK_ESCAPE) {
        Hide();
        return true;
    }
    const bool inSearch = GetFocus() == Window() && manager_.FocusedItem() == searchItem_;
    if (!inSearch || IsDown(VK_CONTROL) || IsDown(VK_MENU)) return false;
    if (key.wParam == VK_DOWN) {
        SetFocus(view_.handle());
        if (view_.Selected() < 0) view_.Select(0);
        return true;
    }
    if (key.wParam == VK_RETURN) {
        Selected([this](std::size_t row) { list_.Open(row); });
        return true;
    }
    return false;
}

}  // namespace vorn::shell
