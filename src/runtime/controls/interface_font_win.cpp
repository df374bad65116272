#include "runtime/controls/interface_font_win.h"

namespace vorn::runtime {

UniqueFont CreateInterfaceFont() {
    return UniqueFont(CreateFontW(kInterfaceFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体"));
}

int LineHeight(HFONT font) {
    const WindowDc screen;
    TEXTMETRICW metrics{};
    const SelectedObject selected(screen.get(), font ? static_cast<HGDIOBJ>(font)
                                                     : GetStockObject(DEFAULT_GUI_FONT));
    GetTextMetricsW(screen.get(), &metrics);
    return metrics.tmHeight;
}

}  // namespace vorn::runtime
