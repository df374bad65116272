#include "skin/windows/skin_menu_win.h"

#include <vector>

#include "runtime/base/utf_win.h"
#include "runtime/win32/handles_win.h"
#include "skin/ui_font_face_win.h"

namespace vorn::skin {
namespace {

constexpr COLORREF kStone = RGB(34, 29, 23);
constexpr COLORREF kStoneLit = RGB(96, 72, 32);
constexpr COLORREF kGold = RGB(236, 212, 150);
constexpr COLORREF kGoldLit = RGB(255, 240, 200);
constexpr COLORREF kGreyed = RGB(128, 118, 100);
constexpr COLORREF kRule = RGB(120, 94, 46);
constexpr int kRowHeight = 24, kRuleHeight = 7, kPadding = 12, kGap = 28;

// An entry as the menu holds it: its texts in UTF-16, found again through
// the item's data, which also marks the item as ours.
struct DrawnEntry {
    static constexpr std::uint32_t kMark = 0x564D4E55;  // "VMNU"
    std::uint32_t mark = kMark;
    std::wstring text;
    std::wstring shortcut;
    bool separator = false;
    HFONT font = nullptr;  // the menu's, while it is shown
};

runtime::UniqueFont MenuFont() {
    const std::wstring face = runtime::Widen(FindUiFontFace());
    return runtime::UniqueFont(CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                           CLEARTYPE_QUALITY, DEFAULT_PITCH, face.c_str()));
}

const DrawnEntry* EntryOf(ULONG_PTR data) {
    const auto* entry = reinterpret_cast<const DrawnEntry*>(data);
    return entry != nullptr && entry->mark == DrawnEntry::kMark ? entry : nullptr;
}

SIZE TextSize(const std::wstring& text, HFONT font) {
    SIZE size{};
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    RECT box{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    size.cx = box.right - box.left;
    size.cy = box.bottom - box.top;
    return size;
}

void Measure(MEASUREITEMSTRUCT& measure, const DrawnEntry& entry) {
    if (entry.separator) {
        measure.itemHeight = kRuleHeight;
        measure.itemWidth = 1;
        return;
    }
    const int shortcut = entry.shortcut.empty() ? 0 : kGap + TextSize(entry.shortcut, entry.font).cx;
    measure.itemWidth = static_cast<UINT>(2 * kPadding + TextSize(entry.text, entry.font).cx + shortcut);
    measure.itemHeight = kRowHeight;
}

void Draw(const DRAWITEMSTRUCT& draw, const DrawnEntry& entry) {
    HDC dc = draw.hDC;
    RECT row = draw.rcItem;
    const bool lit = (draw.itemState & ODS_SELECTED) != 0 && !entry.separator;
    const bool greyed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    SetBkColor(dc, lit && !greyed ? kStoneLit : kStone);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &row, nullptr, 0, nullptr);
    if (entry.separator) {
        RECT rule{row.left + 6, (row.top + row.bottom) / 2, row.right - 6, (row.top + row.bottom) / 2 + 1};
        SetBkColor(dc, kRule);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rule, nullptr, 0, nullptr);
        return;
    }
    const HGDIOBJ old = SelectObject(dc, entry.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, greyed ? kGreyed : lit ? kGoldLit : kGold);
    RECT text{row.left + kPadding, row.top, row.right - kPadding, row.bottom};
    const UINT prefix = (draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, entry.text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | prefix);
    if (!entry.shortcut.empty())
        DrawTextW(dc, entry.shortcut.c_str(), -1, &text,
                  DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    SelectObject(dc, old);
}

// The system knows no text of a drawn entry: the key marked with "&" in it
// is found here.
std::optional<LRESULT> KeyOfEntry(wchar_t key, HMENU menu) {
    const int count = GetMenuItemCount(menu);
    bool ours = false;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA | MIIM_STATE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        const DrawnEntry* entry = EntryOf(info.dwItemData);
        if (entry == nullptr) continue;
        ours = true;
        const std::size_t mark = entry->text.find(L'&');
        if (mark == std::wstring::npos || mark + 1 >= entry->text.size() || (info.fState & MFS_DISABLED))
            continue;
        if (CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(entry->text[mark + 1]))) ==
            CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(key))))
            return MAKELRESULT(i, MNC_EXECUTE);
    }
    if (!ours) return std::nullopt;
    return MAKELRESULT(0, MNC_IGNORE);
}

}  // namespace

int ShowSkinMenu(HWND owner, POINT at, std::span<const MenuEntry> entries) {
    const runtime::UniqueFont font = MenuFont();
    std::vector<DrawnEntry> drawn(entries.size());
    const runtime::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return 0;
    // The whole menu in stone, also around the rows.
    const runtime::UniqueBrush stone(CreateSolidBrush(kStone));
    MENUINFO info{sizeof(info), MIM_BACKGROUND, 0, 0, stone.get(), 0, 0};
    SetMenuInfo(menu.get(), &info);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& entry = entries[i];
        DrawnEntry& mine = drawn[i];
        mine.separator = entry.text.empty();
        mine.text = runtime::Widen(entry.text);
        mine.shortcut = runtime::Widen(entry.shortcut);
        mine.font = font.get();
        UINT flags = MF_OWNERDRAW | (mine.separator ? MF_SEPARATOR : 0) |
                     (entry.enabled ? 0 : MF_GRAYED);
        AppendMenuW(menu.get(), flags, static_cast<UINT_PTR>(entry.command),
                    reinterpret_cast<LPCWSTR>(&mine));
    }
    return static_cast<int>(TrackPopupMenuEx(
        menu.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_NONOTIFY, at.x, at.y,
        owner, nullptr));
}

std::optional<LRESULT> AnswerSkinMenuMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const DrawnEntry* entry = measure.CtlType == ODT_MENU ? EntryOf(measure.itemData) : nullptr;
        if (entry == nullptr) return std::nullopt;
        Measure(measure, *entry);
        return TRUE;
    }
    if (message == WM_DRAWITEM) {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const DrawnEntry* entry = draw.CtlType == ODT_MENU ? EntryOf(draw.itemData) : nullptr;
        if (entry == nullptr) return std::nullopt;
        Draw(draw, *entry);
        return TRUE;
    }
    if (message == WM_MENUCHAR) return KeyOfEntry(static_cast<wchar_t>(LOWORD(wParam)),
                                                  reinterpret_cast<HMENU>(lParam));
    return std::nullopt;
}

}  // namespace vorn::skin
