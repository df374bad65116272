#include "runtime/win32/window_object_win.h"

#include <commctrl.h>

#include "runtime/base/error_report.h"

namespace vorn::runtime {

WindowObject::~WindowObject() {
    if (hwnd_ == nullptr) return;
    if (owned_) DestroyWindow(hwnd_);
    else Detach();
}

bool WindowObject::Attach(HWND window) {
    if (hwnd_ != nullptr || window == nullptr || !IsWindow(window)) return false;
    return Subclass(window);
}

void WindowObject::Detach() {
    if (hwnd_ == nullptr || owned_) return;
    RemoveWindowSubclass(hwnd_, SubclassProcedure, SubclassId());
    hwnd_ = nullptr;
    subclassed_ = false;
}

bool WindowObject::Subclass(HWND window) {
    // Each object is its own subclass id, so objects attached to one window
    // chain one after the other.
    if (!SetWindowSubclass(window, SubclassProcedure, SubclassId(),
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = window;
    subclassed_ = true;
    return true;
}

HWND WindowObject::CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style,
                                   const wchar_t* text, int x, int y, int width, int height,
                                   HWND parent, UINT_PTR id) {
    owned_ = true;
    return CreateWindowExW(exStyle, className, text, style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), this);
}

HWND WindowObject::CreateSubclassedWindow(const wchar_t* className, DWORD exStyle, DWORD style,
                                          const wchar_t* text, int x, int y, int width,
                                          int height, HWND parent, UINT_PTR id) {
    HWND window = CreateWindowExW(exStyle, className, text, style, x, y, width, height, parent,
                                  reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) return nullptr;
    if (!Subclass(window)) {
        DestroyWindow(window);
        return nullptr;
    }
    owned_ = true;
    return window;
}

LRESULT WindowObject::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT WindowObject::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd_ == nullptr) return 0;
    return subclassed_ ? DefSubclassProc(hwnd_, message, wParam, lParam)
                       : DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT WindowObject::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    try {
        result = OnMessage(message, wParam, lParam);
    } catch (...) {
        ReportCaughtException("a window procedure");
        result = Default(message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        if (subclassed_) RemoveWindowSubclass(hwnd_, SubclassProcedure, SubclassId());
        else SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        subclassed_ = owned_ = false;
        try {
            OnWindowGone();  // last: it may destroy this object
        } catch (...) {
            ReportCaughtException("a window's clean-up");
        }
    }
    return result;
}

LRESULT CALLBACK WindowObject::OwnClassProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    auto* object = reinterpret_cast<WindowObject*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (object == nullptr && message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        object = static_cast<WindowObject*>(create->lpCreateParams);
        if (object) {
            object->hwnd_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        }
    }
    if (object == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return object->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK WindowObject::SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* object = reinterpret_cast<WindowObject*>(data);
    if (object == nullptr || object->hwnd_ != window)
        return DefSubclassProc(window, message, wParam, lParam);
    return object->Dispatch(message, wParam, lParam);
}

void RegisterOwnClass(const wchar_t* className, UINT classStyle, HCURSOR cursor) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className, &windowClass)) return;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = WindowObject::OwnClassProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

}  // namespace vorn::runtime
