// The virtual list view: texts asked of the owner, the keyboard moving the
// selection, Enter choosing, the header clicked, and the list's own colours
// on screen.
#include "runtime/controls/virtual_list_view_win.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "runtime/win32/handles_win.h"
#include "win/runtime_fixture.h"

namespace vorn::runtime {
namespace {

using testing::PumpMessages;

COLORREF PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

TEST(VirtualListView, RowsComeFromTheOwnerAndTheKeyboardSelectsAndChooses) {
    const HWND parent = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE,
                                        40, 40, 420, 260, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    std::vector<int> clicked, chosen, selections;
    ListCallbacks callbacks;
    callbacks.text = [](int row, int column) {
        return "第" + std::to_string(row) + "行" + std::to_string(column);
    };
    callbacks.headerClicked = [&](int column) { clicked.push_back(column); };
    callbacks.rowChosen = [&](int row) { chosen.push_back(row); };
    callbacks.selectionChanged = [&](int row) { selections.push_back(row); };
    const ListColumn columns[] = {{"名称", 120}, {"职业", 80}, {"状态", 120}};
    const ListColours colours;
    VirtualListView list;
    ASSERT_TRUE(list.Create(parent, {0, 0, 420, 260}, 7, columns, callbacks,
                            static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), colours));
    list.SetRowCount(5000);
    EXPECT_EQ(list.RowCount(), 5000);

    wchar_t text[64]{};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list.handle(), LVM_GETITEMTEXTW, 4321, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"第4321行1");

    list.Select(3);
    EXPECT_EQ(list.Selected(), 3);
    SetFocus(list.handle());
    SendMessageW(list.handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(list.handle(), WM_KEYUP, VK_DOWN, 0);
    EXPECT_EQ(list.Selected(), 4);
    ASSERT_FALSE(selections.empty());
    EXPECT_EQ(selections.back(), 4);
    SendMessageW(list.handle(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(list.handle(), WM_KEYUP, VK_RETURN, 0);
    PumpMessages();
    EXPECT_EQ(chosen, std::vector<int>{4});

    // A click on the second column's header.
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list.handle(), LVM_GETHEADER, 0, 0));
    RECT second{};
    SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    const LPARAM at = MAKELPARAM((second.left + second.right) / 2, (second.top + second.bottom) / 2);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(header, WM_LBUTTONUP, 0, at);
    PumpMessages();
    EXPECT_EQ(clicked, std::vector<int>{1});

    // On screen: the header, a plain row, the next (alternate) row and the
    // selected one in the list's colours, none in the system's.
    list.ShowSortMark(1, true);
    RedrawWindow(list.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    list.Select(1);
    UpdateWindow(list.handle());
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(list.handle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const int rowHeight = row.bottom - row.top;
    EXPECT_EQ(PixelOf(header, 300, 4), colours.headerBack);
    EXPECT_EQ(PixelOf(list.handle(), 100, row.top + rowHeight * 0 + rowHeight / 2), colours.back);
    EXPECT_EQ(PixelOf(list.handle(), 110, row.top + rowHeight * 2 + rowHeight / 2), colours.back);
    EXPECT_EQ(PixelOf(list.handle(), 110, row.top + rowHeight * 1 + 1), colours.selectedBack);
    DestroyWindow(parent);
}

}  // namespace
}  // namespace vorn::runtime
