#include "runtime/controls/combo_box_win.h"

#include <commctrl.h>

#include "runtime/controls/interface_font_win.h"
#include "runtime/interfaces/property_access.h"
#include "runtime/base/utf_win.h"

namespace vorn::runtime {

int ComboBox::ListItemHeight() const {
    // One pixel taller than a plain list's rows.
    return LineHeight(context().font) + 1;
}

int ComboBox::DroppedListHeight() const {
    const int rows = layout().items.empty() ? 1 : static_cast<int>(layout().items.size());
    return rows * ListItemHeight() + 2;
}

bool ComboBox::Create(HWND parent) {
    const ControlLayout& layout = this->layout();
    textColour_ = ColourOr(layout.textColour, COLOR_WINDOWTEXT);
    backColour_ = ColourOr(layout.backColour, COLOR_WINDOW);
    backBrush_.reset(CreateSolidBrush(backColour_));
    const DWORD style = CommonStyle() | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                        CBS_HASSTRINGS;
    // The height given to a combo box includes its dropped-down list.
    if (!CreateStandard(WC_COMBOBOXW, 0, style, L"", parent, layout.height + DroppedListHeight()))
        return false;
    for (std::string_view item : layout.items)
        SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    FitFieldHeight(layout.height);
    SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(layout.selection), 0);
    return true;
}

void ComboBox::FitFieldHeight(int wanted) {
    // The closed field's height follows its item height; make the whole
    // closed control exactly as tall as the layout asks. Systems differ in
    // whether the item height they report includes the field's padding, so
    // correct by what the window measures. Each try resizes the control, so
    // the window's other combo boxes start from what fitted the last one.
    auto field = static_cast<int>(SendMessageW(handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    ComboFieldMetrics* fitted = context().comboFields;
    if (fitted && fitted->height == wanted && fitted->field != field) {
        field = fitted->field;
        SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT rect{};
        GetWindowRect(handle(), &rect);
        const int difference = wanted - (rect.bottom - rect.top);
        if (difference == 0) {
            if (fitted) *fitted = {wanted, field};
            return;
        }
        if (field + difference <= 0) return;
        field += difference;
        SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

std::int64_t ComboBox::ReadInteger(int property) {
    if (handle() == nullptr) return 0;
    if (property == prop::combo::kSelection)
        return static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0));
    return Control::ReadInteger(property);
}

void ComboBox::WriteInteger(int property, std::int64_t value) {
    if (handle() == nullptr) return;
    if (property == prop::combo::kSelection) {
        SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(value < 0 ? -1 : value), 0);
        return;
    }
    if (property == prop::kHeight) {
        // The closed height is the field's; the dropped list stays below it.
        Control::WriteInteger(property, value + DroppedListHeight());
        FitFieldHeight(static_cast<int>(value));
        return;
    }
    Control::WriteInteger(property, value);
}

void ComboBox::OnCommandFromParent(UINT code) {
    if (code == CBN_SELCHANGE)
        Raise(EventKind::SelectionChanged,
              static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0)));
}

bool ComboBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    item.itemHeight = static_cast<UINT>(ListItemHeight());
    return true;
}

bool ComboBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const bool inField = (item.itemState & ODS_COMBOBOXEDIT) != 0;
    const bool highlighted = !inField && (item.itemState & ODS_SELECTED) != 0;
    const COLORREF back = highlighted ? GetSysColor(COLOR_HIGHLIGHT) : backColour_;
    const COLORREF text = highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColour_;

    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    SetBkColor(dc, back);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    if (item.itemID != static_cast<UINT>(-1)) {
        const auto length = static_cast<int>(SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0));
        std::wstring caption(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(caption.data()));
        caption.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        SelectedObject font(dc, context().font);
        SetTextColor(dc, text);
        SetBkMode(dc, TRANSPARENT);
        RECT textRect = rect;
        textRect.left += 2;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }
    if (inField && (item.itemState & ODS_FOCUS)) DrawFocusRect(dc, &rect);
    return true;
}

LRESULT ComboBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The dropped list asks its combo box for its colours first.
    if (message == WM_CTLCOLORLISTBOX) {
        SetTextColor(reinterpret_cast<HDC>(wParam), textColour_);
        SetBkColor(reinterpret_cast<HDC>(wParam), backColour_);
        return reinterpret_cast<LRESULT>(backBrush_.get());
    }
    return Default(message, wParam, lParam);
}

}  // namespace vorn::runtime
