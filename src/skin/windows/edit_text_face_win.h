// The face an edit item's text is drawn and measured in: a GDI font of the
// skin's text face at the item's size, and the offset of every caret
// position of a text from GetTextExtentExPointW, so the text drawn and the
// caret placed over it agree to the pixel.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "runtime/win32/handles_win.h"

namespace vorn::skin {

struct SkinState;

class EditTextFace {
public:
    explicit EditTextFace(const SkinState& skin);
    EditTextFace(const EditTextFace&) = delete;
    EditTextFace& operator=(const EditTextFace&) = delete;

    // The font for text of em size `size` (pixels); kept while this lives.
    HFONT Font(float size);
    // Its line: the caret's height.
    int LineHeight(float size);
    // The offsets of positions 0..n of the n units of `text` (n + 1 values),
    // pixels from the text's start; the position between the halves of a
    // surrogate pair has the offset of the pair's end.
    std::vector<int> Offsets(std::u16string_view text, float size);

private:
    struct Cut {
        int pixels = 0;
        runtime::UniqueFont font;
        int lineHeight = 0;
    };
    const Cut& CutFor(float size);

    const SkinState& skin_;
    runtime::MemoryDc dc_;
    std::vector<Cut> cuts_;
};

}  // namespace vorn::skin
