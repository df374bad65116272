#include "skin/windows/edit_text_face_win.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "runtime/base/utf_win.h"
#include "skin/skin_state_win.h"

namespace vorn::skin {

EditTextFace::EditTextFace(const SkinState& skin) : skin_(skin), dc_(nullptr) {}

const EditTextFace::Cut& EditTextFace::CutFor(float size) {
    const int pixels = static_cast<int>(std::lround(size < 10 ? 12 : size));
    for (const Cut& cut : cuts_)
        if (cut.pixels == pixels) return cut;
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    const std::wstring face = runtime::Widen(skin_.uiFontFace);
    if (face.empty()) {
        LOGFONTW gui{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui);
        wcsncpy(font.lfFaceName, gui.lfFaceName, LF_FACESIZE - 1);
    } else {
        wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    }
    Cut cut;
    cut.pixels = pixels;
    cut.font.reset(CreateFontIndirectW(&font));
    TEXTMETRICW metrics{};
    {
        const runtime::SelectedObject selected(dc_.get(), cut.font.get());
        GetTextMetricsW(dc_.get(), &metrics);
    }
    cut.lineHeight = metrics.tmHeight > 0 ? static_cast<int>(metrics.tmHeight) : pixels + 4;
    cuts_.push_back(std::move(cut));
    return cuts_.back();
}

HFONT EditTextFace::Font(float size) { return CutFor(size).font.get(); }

int EditTextFace::LineHeight(float size) { return CutFor(size).lineHeight; }

std::vector<int> EditTextFace::Offsets(std::u16string_view text, float size) {
    std::vector<int> offsets(text.size() + 1, 0);
    if (text.empty()) return offsets;
    const Cut& cut = CutFor(size);
    std::vector<int> extents(text.size(), 0);
    SIZE whole{};
    {
        const runtime::SelectedObject selected(dc_.get(), cut.font.get());
        GetTextExtentExPointW(dc_.get(), reinterpret_cast<const wchar_t*>(text.data()),
                              static_cast<int>(text.size()), 0, nullptr, extents.data(), &whole);
    }
    for (std::size_t i = 0; i < text.size(); ++i)
        offsets[i + 1] = std::max(offsets[i], extents[i]);
    // Inside a pair: where the pair ends.
    for (std::size_t i = 1; i < text.size(); ++i) {
        const bool low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        const bool high = text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
        if (low && high) offsets[i] = offsets[i + 1];
    }
    return offsets;
}

}  // namespace vorn::skin
