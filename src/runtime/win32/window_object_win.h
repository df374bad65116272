// One C++ object per window. Windows of our own classes attach their object on
// WM_NCCREATE; standard controls (Edit, ComboBox, Button) are subclassed. Either
// way the object sees every message through OnMessage, and no exception leaves
// a window procedure.
#pragma once

#include <windows.h>

namespace vorn::runtime {

class WindowObject {
public:
    WindowObject() = default;
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;
    // Destroys the window if it still exists.
    virtual ~WindowObject();

    HWND handle() const { return hwnd_; }

protected:
    // A window of a class registered with RegisterOwnClass.
    HWND CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* text,
                         int x, int y, int width, int height, HWND parent, UINT_PTR id);
    // A standard control, subclassed at once.
    HWND CreateSubclassedWindow(const wchar_t* className, DWORD exStyle, DWORD style,
                                const wchar_t* text, int x, int y, int width, int height,
                                HWND parent, UINT_PTR id);

    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The class's own handling: DefWindowProc or the control's original procedure.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (WM_NCDESTROY); handle() is null by then.
    virtual void OnWindowGone() {}

private:
    friend void RegisterOwnClass(const wchar_t*, UINT, HCURSOR);
    static LRESULT CALLBACK OwnClassProcedure(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
};

// Registers a window class of this process whose windows are WindowObjects;
// registering the same name again does nothing.
void RegisterOwnClass(const wchar_t* className, UINT classStyle, HCURSOR cursor);

}  // namespace vorn::runtime
