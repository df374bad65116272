#include "runtime/controls/virtual_list_view_win.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/base/utf_win.h"
#include "runtime/win32/window_object_win.h"

namespace vorn::runtime {

// The list view itself: draws its header in the list's colours.
class VirtualListView::Control final : public WindowObject {
public:
    Control(const ListColours& colours, ListCallbacks& callbacks)
        : colours_(colours), callbacks_(callbacks) {}
    HWND Create(HWND parent, const RECT& rect, UINT id) {
        return CreateSubclassedWindow(
            WC_LISTVIEWW, 0,
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT | LVS_OWNERDATA |
                LVS_SINGLESEL | LVS_SHOWSELALWAYS,
            L"", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent, id);
    }

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == NM_CUSTOMDRAW &&
                header->hwndFrom == reinterpret_cast<HWND>(SendMessageW(handle(), LVM_GETHEADER, 0, 0)))
                return DrawHeader(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
        }
        if (message == WM_KEYDOWN && callbacks_.keyPressed && callbacks_.keyPressed(wParam)) return 0;
        if (message == WM_GETDLGCODE) {
            // Enter chooses the row rather than pressing a default button.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
        }
        return Default(message, wParam, lParam);
    }

    LRESULT DrawHeader(NMCUSTOMDRAW& draw) {
        if (draw.dwDrawStage == CDDS_PREPAINT) {
            // The part of the header right of the last column.
            SetBkColor(draw.hdc, colours_.headerBack);
            ExtTextOutW(draw.hdc, 0, 0, ETO_OPAQUE, &draw.rc, nullptr, 0, nullptr);
            return CDRF_NOTIFYITEMDRAW;
        }
        if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
        HDC dc = draw.hdc;
        RECT cell = draw.rc;
        SetBkColor(dc, colours_.headerBack);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
        RECT rule{cell.right - 1, cell.top + 3, cell.right, cell.bottom - 3};
        SetBkColor(dc, colours_.headerRule);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rule, nullptr, 0, nullptr);
        RECT bottom{cell.left, cell.bottom - 1, cell.right, cell.bottom};
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bottom, nullptr, 0, nullptr);

        wchar_t text[128]{};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(draw.hdr.hwndFrom, HDM_GETITEMW, draw.dwItemSpec, reinterpret_cast<LPARAM>(&item));
        std::wstring caption = text;
        if (item.fmt & HDF_SORTUP) caption += L" \u25B2";
        if (item.fmt & HDF_SORTDOWN) caption += L" \u25BC";
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colours_.headerText);
        RECT textRect{cell.left + 6, cell.top, cell.right - 6, cell.bottom};
        DrawTextW(dc, caption.c_str(), -1, &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX |
                      ((item.fmt & HDF_RIGHT) ? DT_RIGHT : DT_LEFT));
        return CDRF_SKIPDEFAULT;
    }

    const ListColours& colours_;
    ListCallbacks& callbacks_;
};

// The list's notifications go to its parent: heard here.
class VirtualListView::ParentWatch final : public WindowObject {
public:
    ParentWatch(HWND list, const ListColours& colours, ListCallbacks& callbacks)
        : list_(list), colours_(colours), callbacks_(callbacks) {}

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == list_) return OnNotify(lParam);
        }
        return Default(message, wParam, lParam);
    }

    LRESULT OnNotify(LPARAM lParam) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        switch (header->code) {
            case LVN_GETDISPINFOW: GiveText(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item); return 0;
            case NM_CUSTOMDRAW: return DrawRow(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
            case LVN_COLUMNCLICK:
                if (callbacks_.headerClicked)
                    callbacks_.headerClicked(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
                return 0;
            case LVN_ITEMACTIVATE: {
                // The selected row: a double-click has selected it, and some
                // list views leave the notification's row unset for Enter.
                const int row = SelectedRow();
                if (row >= 0 && callbacks_.rowChosen) callbacks_.rowChosen(row);
                return 0;
            }
            case LVN_ITEMCHANGED: {
                const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
                if ((change->uChanged & LVIF_STATE) &&
                    ((change->uNewState ^ change->uOldState) & LVIS_SELECTED) &&
                    callbacks_.selectionChanged)
                    callbacks_.selectionChanged(SelectedRow());
                return 0;
            }
            default: return Default(WM_NOTIFY, 0, lParam);
        }
    }

    int SelectedRow() const {
        return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    void GiveText(LVITEMW& item) const {
        if (!(item.mask & LVIF_TEXT) || item.pszText == nullptr || item.cchTextMax <= 0) return;
        const std::wstring text =
            callbacks_.text ? Widen(callbacks_.text(item.iItem, item.iSubItem)) : std::wstring();
        const std::size_t count = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        text.copy(item.pszText, count);
        item.pszText[count] = L'\0';
    }

    LRESULT DrawRow(NMLVCUSTOMDRAW& draw) const {
        switch (draw.nmcd.dwDrawStage) {
            case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
            case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
            case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
                const int row = static_cast<int>(draw.nmcd.dwItemSpec);
                const bool selected =
                    (SendMessageW(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
                     LVIS_SELECTED) != 0;
                // The list's own colours, not the system's highlight.
                draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
                draw.clrTextBk = selected ? colours_.selectedBack
                                 : (row % 2) ? colours_.backAlternate
                                             : colours_.back;
                std::optional<COLORREF> own;
                if (callbacks_.textColour) own = callbacks_.textColour(row, draw.iSubItem);
                draw.clrText = selected ? colours_.selectedText : own.value_or(colours_.text);
                return CDRF_NEWFONT;
            }
            default: return CDRF_DODEFAULT;
        }
    }

    HWND list_;
    const ListColours& colours_;
    ListCallbacks& callbacks_;
};

VirtualListView::VirtualListView() = default;
VirtualListView::~VirtualListView() {
    parent_.reset();
    control_.reset();
}

HWND VirtualListView::handle() const { return control_ ? control_->handle() : nullptr; }

bool VirtualListView::Create(HWND parent, const RECT& rect, UINT id,
                             std::span<const ListColumn> columns, ListCallbacks callbacks,
                             HFONT font, ListColours colours) {
    if (control_) return false;
    colours_ = colours;
    callbacks_ = std::move(callbacks);
    control_ = std::make_unique<Control>(colours_, callbacks_);
    const HWND list = control_->Create(parent, rect, id);
    if (list == nullptr) {
        control_.reset();
        return false;
    }
    parent_ = std::make_unique<ParentWatch>(list, colours_, callbacks_);
    parent_->Attach(parent);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_HEADERDRAGDROP);
    SendMessageW(list, LVM_SETBKCOLOR, 0, colours_.back);
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, colours_.back);
    SendMessageW(list, LVM_SETTEXTCOLOR, 0, colours_.text);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::wstring title = Widen(columns[i].title);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = columns[i].alignRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = columns[i].width;
        column.pszText = title.data();
        column.iSubItem = static_cast<int>(i);
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    // The last column reaches the list's right edge, so no bare header shows.
    if (!columns.empty())
        SendMessageW(list, LVM_SETCOLUMNWIDTH, columns.size() - 1, LVSCW_AUTOSIZE_USEHEADER);
    return true;
}

void VirtualListView::SetRowCount(int count) {
    if (!handle()) return;
    SendMessageW(handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(std::max(0, count)),
                 LVSICF_NOSCROLL);
    InvalidateRect(handle(), nullptr, FALSE);
}

int VirtualListView::RowCount() const {
    return handle() ? static_cast<int>(SendMessageW(handle(), LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int VirtualListView::Selected() const {
    if (!handle()) return -1;
    return static_cast<int>(
        SendMessageW(handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void VirtualListView::Select(int row) {
    if (!handle()) return;
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    if (row < 0 || row >= RowCount()) return;
    LVITEMW set{};
    set.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    set.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&set));
    SendMessageW(handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void VirtualListView::ShowSortMark(int column, bool ascending) {
    const HWND header = handle() ? reinterpret_cast<HWND>(SendMessageW(handle(), LVM_GETHEADER, 0, 0)) : nullptr;
    if (!header) return;
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column) item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
        SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    InvalidateRect(header, nullptr, TRUE);
}

void VirtualListView::MoveTo(const RECT& rect) {
    if (handle())
        MoveWindow(handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

}  // namespace vorn::runtime
