// A skinned popup with every kind of item a window of the program can hold,
// over a skinned owner, as the monster list will look: for looking at the
// skin (scripts/skin-gallery.sh takes its picture). Not part of the program.
#include <windows.h>
#include <commctrl.h>


#include "runtime/base/embedded_files.h"
#include "skin/skin_state_win.h"
#include "skin/windows/pellum_window_win.h"

namespace {

using namespace vorn::skin;

HWND MakeList(HWND popup) {
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL,
                                16, 140, 488, 180, popup, nullptr, GetModuleHandleW(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    const wchar_t* columns[] = {L"名称", L"文件", L"等级"};
    const int widths[] = {180, 220, 60};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(columns[i]);
        column.cx = widths[i];
        ListView_InsertColumn(list, i, &column);
    }
    const wchar_t* rows[][3] = {{L"骷髅战将", L"骷髅战将.txt", L"45"},
                                {L"骷髅精灵", L"骷髅精灵.txt", L"52"},
                                {L"赤月恶魔", L"赤月恶魔.txt", L"60"}};
    for (int row = 0; row < 3; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(rows[row][0]);
        ListView_InsertItem(list, &item);
        for (int column = 1; column < 3; ++column)
            ListView_SetItemText(list, row, column, const_cast<wchar_t*>(rows[row][column]));
    }
    return list;
}

// The items; answers the one shown greyed.
int AddItems(PellumWindow& popup) {
    EditItemOptions search;
    search.rect = {16, 40, 220, 28};
    search.text = "骷髅";
    search.cue = "输入名称筛选";
    popup.AddEdit(std::move(search));
    struct Button {
        const char* caption;
        RectRecord rect;
    };
    const Button buttons[] = {{"新建", {248, 40, 56, 28}},      {"复制", {308, 40, 56, 28}},
                              {"删除", {368, 40, 56, 28}},      {"更换目录", {428, 40, 76, 28}},
                              {"导出CSV", {348, 76, 76, 28}}, {"导入CSV", {428, 76, 76, 28}}};
    for (const Button& each : buttons) {
        ImageButtonOptions button;
        button.rect = each.rect;
        button.caption = each.caption;
        popup.AddImageButton(std::move(button));
    }
    ChoiceItemOptions check;
    check.rect = {16, 79, 130, 22};
    check.text.text = "只看可挖的";
    check.checked = true;
    popup.AddCheckBox(check);
    check.rect = {150, 79, 130, 22};
    check.text.text = "包括子目录";
    check.checked = false;
    const int greyed = popup.AddCheckBox(check);
    ChoiceItemOptions option;
    option.rect = {16, 110, 90, 22};
    option.text.text = "按名称";
    option.group = 1;
    option.checked = true;
    popup.AddOptionButton(option);
    option.rect = {110, 110, 100, 22};
    option.text.text = "按文件名";
    option.checked = false;
    popup.AddOptionButton(option);
    TextItemOptions count;
    count.rect = {404, 110, 100, 22};
    count.text.text = "共 3 个怪物";
    count.text.colour = 0xFFFFFF;
    count.text.size = 13;
    count.text.glow = true;
    count.text.lineAlign = TextAlign::Centre;
    popup.AddText(std::move(count));
    return greyed;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    SkinState skin;
    InitSkin(skin, vorn::runtime::EmbeddedFileBytes("background.jpg"), false, true);
    LoadControlImages(skin);

    PellumWindow main(&skin);
    PellumWindow::CreateOptions owner;
    owner.x = 20;
    owner.y = 20;
    owner.width = 560;
    owner.height = 420;
    owner.showing = PellumWindow::Showing::Plain;
    owner.frame.title = "Vorn_人形怪配置器";
    HWND ownerWindow = nullptr;
    main.CreateSkinnedWindow(owner, &ownerWindow);

    PellumWindow list(&skin);
    const int greyed = AddItems(list);
    PellumWindow::CreateOptions popup;
    popup.owner = ownerWindow;
    popup.width = 520;
    popup.height = 336;
    popup.centre = true;
    popup.frame.title = "怪物列表";
    popup.onCreated = [](HWND window) { MakeList(window); };
    HWND popupWindow = nullptr;
    list.CreateSkinnedWindow(popup, &popupWindow);
    list.SetItemGreyed(greyed, true);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (!IsWindow(ownerWindow)) break;
    }
    return 0;
}
