// The edit item's look: the skin's light field, and its text drawn by GDI in
// the face the caret is measured in, scrolled so the caret shows, its
// selection in the skin's theme colour, or the greyed cue while it is empty.
#include <algorithm>
#include <string>

#include "plus/plus_solid_brush_win.h"
#include "runtime/base/utf_win.h"
#include "runtime/win32/handles_win.h"
#include "skin/item_drawing_win.h"
#include "skin/skin_assets.h"
#include "skin/skin_state_win.h"
#include "skin/windows/frame_geometry.h"
#include "skin/windows/item_painter_win.h"

namespace vorn::skin {
namespace {

constexpr float kFieldCap = 6;
constexpr COLORREF kGreyedText = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kCueText = RGB(0x8C, 0x84, 0x78);
// A greyed field is washed with the stone's grey.
constexpr plus::Argb kGreyedWash = 0x70585450;

// The field stretched over `area`.
void PaintField(plus::PlusGraphics& target, const plus::PlusImage& field,
                const Gdiplus::RectF& area, bool greyed) {
    DrawThreeSlice(target, field, Whole(field), kFieldCap, area);
    if (!greyed) return;
    plus::PlusSolidBrush wash;
    if (wash.Create(kGreyedWash))
        target.FillRectangle(wash, {area.X + 2, area.Y + 2, area.Width - 4, area.Height - 4});
}

void DrawLine(HDC dc, int x, int y, const std::u16string& text) {
    ExtTextOutW(dc, x, y, 0, nullptr, reinterpret_cast<const wchar_t*>(text.c_str()),
                static_cast<UINT>(text.size()), nullptr);
}

}  // namespace

void ItemPainter::PaintEdit(plus::PlusGraphics& target, const SkinItem& item, ItemShow show) {
    const RectRecord& r = item.layoutRect;
    const plus::PlusImage& field = skin_.skinImages[kSkinEditField];
    PaintField(target, field, ToRectF(r), item.greyed);
    if (show.focused) PaintHalo(target, r);
    const RectRecord inner = EditTextRect(r);
    if (inner.width <= 0 || inner.height <= 0 || !editStrip_.Resize(inner.width, inner.height))
        return;
    // The strip starts as the field behind it, so the text lies on the
    // field's own pixels when it is shown there.
    plus::PlusGraphics& strip = editStrip_.Graphics();
    PaintField(strip, field,
               {static_cast<float>(r.x - inner.x), static_cast<float>(r.y - inner.y),
                static_cast<float>(r.width), static_cast<float>(r.height)},
               item.greyed);
    strip.Flush(Gdiplus::FlushIntentionSync);
    PaintEditText(item, inner, show);
    GdiFlush();
    // Pixel for pixel: the text is measured for exactly these.
    const plus::PlusImage& text = editStrip_.Image();
    const Gdiplus::InterpolationMode mode = target.GetInterpolationMode();
    target.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    target.DrawImageRectRectAttr(text, ToRectF(inner), Whole(text), Gdiplus::UnitPixel);
    target.SetInterpolationMode(mode);
}

void ItemPainter::PaintEditText(const SkinItem& item, const RectRecord& inner, ItemShow show) {
    const HDC dc = editStrip_.Dc();
    const float size = PaintedFontSize(item.style);
    const runtime::SelectedObject font(dc, editFace_.Font(size));
    SetBkMode(dc, TRANSPARENT);
    const int y = (inner.height - editFace_.LineHeight(size)) / 2;
    const std::u16string& text = item.edit.Text();
    if (text.empty()) {
        if (item.cue.empty()) return;
        SetTextColor(dc, kCueText);
        const std::wstring cue = runtime::Widen(item.cue);
        ExtTextOutW(dc, 0, y, 0, nullptr, cue.c_str(), static_cast<UINT>(cue.size()), nullptr);
        return;
    }
    const int x = -item.edit.scroll;
    const COLORREF colour = item.greyed ? kGreyedText : static_cast<COLORREF>(item.style.colour);
    if (!show.focused || !item.edit.HasSelection()) {
        SetTextColor(dc, colour);
        DrawLine(dc, x, y, text);
        return;
    }
    // The selection in the skin's theme colour, its text in the colour that
    // reads on it; the rest as usual.
    const std::vector<int> offsets = editFace_.Offsets(text, size);
    const RECT selected{x + offsets[item.edit.SelectionStart()], 0,
                        x + offsets[item.edit.SelectionEnd()], inner.height};
    const runtime::UniqueBrush highlight(CreateSolidBrush(skin_.themeColour));
    FillRect(dc, &selected, highlight.get());
    int saved = SaveDC(dc);
    ExcludeClipRect(dc, selected.left, selected.top, selected.right, selected.bottom);
    SetTextColor(dc, colour);
    DrawLine(dc, x, y, text);
    RestoreDC(dc, saved);
    saved = SaveDC(dc);
    IntersectClipRect(dc, selected.left, selected.top, selected.right, selected.bottom);
    SetTextColor(dc, skin_.textColour);
    DrawLine(dc, x, y, text);
    RestoreDC(dc, saved);
}

}  // namespace vorn::skin
