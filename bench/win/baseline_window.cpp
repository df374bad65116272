// The yardstick for start-up time and memory: the main window's layout built
// from the system's own standard controls and nothing else: one 533 x 320
// top-level window with the main window's basic styles, shown centred, and
// in it the same edit boxes (with their spin buttons), drop-down lists,
// labels, buttons and picture boxes at the layout's places, with the layout's
// texts and list items, in the default interface font. No runtime layer, no
// pictures, no skin.
//
// With "--gdiplus-text" it also does the least a window whose first paint
// draws its texts through GDI+ must do before it shows: GDI+ started and one
// font made on a second thread while the controls are created, and one line
// drawn with it. (Under Wine the first GDI+ font costs most of that: GDI+
// reads the metrics of every installed font family once.)
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>  // before gdiplus.h, which needs it
#include <gdiplus.h>

#include <future>
#include <memory>
#include <map>
#include <string>
#include <string_view>

#include "mainwindow/main_window_layout.h"

namespace {

using vorn::runtime::Border;
using vorn::runtime::ControlKind;
using vorn::runtime::ControlLayout;
using vorn::runtime::HAlign;

constexpr wchar_t kClassName[] = L"VornBaselineWindow";

LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring Wide(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

DWORD ExStyleOf(const ControlLayout& control) {
    return control.border == Border::Sunken ? WS_EX_CLIENTEDGE : 0;
}

// The standard control that stands for one of the layout's kinds.
HWND CreateControl(const ControlLayout& control, HWND parent, HFONT font) {
    DWORD style = WS_CHILD | (control.visible ? WS_VISIBLE : 0) | (control.enabled ? 0 : WS_DISABLED) |
                  (control.tabStop ? WS_TABSTOP : 0) |
                  (control.border == Border::SingleLine ? WS_BORDER : 0);
    const wchar_t* className = WC_STATICW;
    std::wstring text = Wide(control.text);
    switch (control.kind) {
        case ControlKind::EditBox:
            className = WC_EDITW;
            style |= control.align == HAlign::Centre ? ES_CENTER : ES_LEFT;
            style |= control.multiLine ? ES_MULTILINE | WS_VSCROLL | WS_HSCROLL : ES_AUTOHSCROLL;
            break;
        case ControlKind::ComboBox:
            className = WC_COMBOBOXW;
            style |= CBS_DROPDOWNLIST | WS_VSCROLL;
            text.clear();
            break;
        case ControlKind::Button:
        case ControlKind::SuperBtn:
            className = WC_BUTTONW;
            style |= BS_PUSHBUTTON;
            if (control.kind == ControlKind::SuperBtn) text.clear();
            break;
        case ControlKind::Label:
        case ControlKind::TransLabel:
            style |= control.align == HAlign::Centre ? SS_CENTER : SS_LEFT;
            break;
        case ControlKind::PicBox:
        case ControlKind::Timer: break;
    }
    HWND window = CreateWindowExW(ExStyleOf(control), className, text.c_str(), style, control.left,
                                  control.top, control.width,
                                  control.kind == ControlKind::ComboBox ? 200 : control.height,
                                  parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window) return nullptr;
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (control.kind == ControlKind::ComboBox) {
        for (const std::string_view item : control.items)
            SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(control.selection), 0);
    }
    if (control.kind == ControlKind::EditBox && control.spinButtons)
        CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                        WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0, parent,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    return window;
}

// GDI+ loaded only with the switch, so the plain yardstick stays without it.
#define Plus(name) Call<decltype(Gdiplus::DllExports::name)>(#name)
class PlusText {
public:
    PlusText() : module_(LoadLibraryW(L"gdiplus.dll")) {
        if (!module_) return;
        const Gdiplus::GdiplusStartupInput input;
        if (Call<decltype(Gdiplus::GdiplusStartup)>("GdiplusStartup")(&token_, &input, nullptr) !=
            Gdiplus::Ok)
            return;
        Gdiplus::GpFontFamily* family = nullptr;
        if (Plus(GdipCreateFontFamilyFromName)(L"\u5fae\u8f6f\u96c5\u9ed1", nullptr, &family) !=
            Gdiplus::Ok)
            return;
        Plus(GdipCreateFont)(family, 12.0f, Gdiplus::FontStyleBold, Gdiplus::UnitPixel, &font_);
        Plus(GdipDeleteFontFamily)(family);
    }
    ~PlusText() {
        if (font_) Plus(GdipDeleteFont)(font_);
        if (token_) Call<decltype(Gdiplus::GdiplusShutdown)>("GdiplusShutdown")(token_);
    }
    PlusText(const PlusText&) = delete;
    PlusText& operator=(const PlusText&) = delete;

    // One line on a picture of the window's size, as a first frame draws its caption.
    void DrawLine(int width, int height) const {
        Gdiplus::GpBitmap* bitmap = nullptr;
        if (!font_ || Plus(GdipCreateBitmapFromScan0)(width, height, 0, PixelFormat32bppPARGB, nullptr,
                                                      &bitmap) != Gdiplus::Ok)
            return;
        Gdiplus::GpGraphics* graphics = nullptr;
        Gdiplus::GpSolidFill* brush = nullptr;
        Plus(GdipGetImageGraphicsContext)(bitmap, &graphics);
        Plus(GdipCreateSolidFill)(0xFF000000, &brush);
        const Gdiplus::RectF box(0, 0, static_cast<float>(width), 24);
        Plus(GdipDrawString)(graphics, L"\u602a\u7269\u88c5\u5907", -1, font_, &box, nullptr, brush);
        Plus(GdipDeleteBrush)(brush);
        Plus(GdipDeleteGraphics)(graphics);
        Plus(GdipDisposeImage)(bitmap);
    }

private:
    template <typename Function>
    Function* Call(const char* name) const {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

    HMODULE module_;
    ULONG_PTR token_ = 0;
    Gdiplus::GpFont* font_ = nullptr;
};
#undef Plus

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    std::future<std::unique_ptr<PlusText>> plusText;
    if (std::wstring_view(commandLine).find(L"--gdiplus-text") != std::wstring_view::npos)
        plusText = std::async(std::launch::async, [] { return std::make_unique<PlusText>(); });
    const INITCOMMONCONTROLSEX classes{sizeof(classes),
                                       ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = BaselineProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) return 1;

    const auto& layout = vorn::mainwindow::MainWindowLayout();
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - layout.width) / 2;
    const int top = work.top + (work.bottom - work.top - layout.height) / 2;
    const HWND window = CreateWindowExW(WS_EX_APPWINDOW, kClassName, L"Baseline",
                                        WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                        left, top, layout.width, layout.height, nullptr, nullptr,
                                        instance, nullptr);
    if (!window) return 1;
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    std::map<vorn::runtime::ControlId, HWND> created;
    for (const ControlLayout& control : layout.controls) {
        if (control.kind == ControlKind::Timer) {
            SetTimer(window, 1, static_cast<UINT>(control.periodMs), nullptr);
            continue;
        }
        const HWND parent = control.parent ? created[control.parent] : window;
        created[control.id] = CreateControl(control, parent, font);
    }
    std::unique_ptr<PlusText> text;
    if (plusText.valid()) {
        text = plusText.get();
        text->DrawLine(layout.width, layout.height);
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
