// The common controls' list view in virtual mode, for long lists: the list
// holds no rows, it asks for the text of the cells it shows. Drawn in the
// colours it is given (rows, the selected row, the header), it answers the
// keyboard as every list view does; its owner hears of header clicks, the
// chosen row (Enter, double-click) and selection changes.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace vorn::runtime {

struct ListColumn {
    std::string title;  // UTF-8
    int width = 80;
    bool alignRight = false;
};

struct ListColours {
    COLORREF back = RGB(24, 21, 17);
    COLORREF backAlternate = RGB(34, 30, 24);
    COLORREF text = RGB(232, 220, 190);
    COLORREF selectedBack = RGB(112, 84, 36);
    COLORREF selectedText = RGB(255, 244, 210);
    COLORREF headerBack = RGB(52, 44, 32);
    COLORREF headerText = RGB(236, 212, 150);
    COLORREF headerRule = RGB(120, 94, 46);
};

struct ListCallbacks {
    std::function<std::string(int row, int column)> text;        // UTF-8
    std::function<std::optional<COLORREF>(int row, int column)> textColour;  // a cell's own colour
    std::function<void(int column)> headerClicked;
    std::function<void(int row)> rowChosen;        // Enter or a double-click on a row
    std::function<void(int row)> selectionChanged;  // -1: none
    // A key pressed in the list before the list handles it; true when taken.
    std::function<bool(WPARAM key)> keyPressed;
};

class VirtualListView {
public:
    VirtualListView();
    ~VirtualListView();
    VirtualListView(const VirtualListView&) = delete;
    VirtualListView& operator=(const VirtualListView&) = delete;

    // A child of `parent` at `rect` (client coordinates), a tab stop, one
    // row selected at a time.
    bool Create(HWND parent, const RECT& rect, UINT id, std::span<const ListColumn> columns,
                ListCallbacks callbacks, HFONT font, ListColours colours = {});
    HWND handle() const;

    // The list now has `count` rows; their texts are asked again. The
    // selection stays on its row number when that row is still there.
    void SetRowCount(int count);
    int RowCount() const;
    int Selected() const;
    // Selects and shows the row (-1: none).
    void Select(int row);
    // The header's arrow on `column` (-1: none).
    void ShowSortMark(int column, bool ascending);
    // Columns keep their widths; the list takes the new place.
    void MoveTo(const RECT& rect);

private:
    class Control;
    class ParentWatch;
    ListColours colours_;
    ListCallbacks callbacks_;
    std::unique_ptr<Control> control_;
    std::unique_ptr<ParentWatch> parent_;
};

}  // namespace vorn::runtime
