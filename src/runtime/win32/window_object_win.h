// One C++ object per window, and the one place where window procedures are
// chained. An object either creates its window (a class registered with
// RegisterOwnClass, reached through GWLP_USERDATA from WM_NCCREATE on; or a
// standard control, subclassed at once) or attaches to a window that exists
// (subclassed; several objects may attach to one window, the newest sees a
// message first). Either way the object sees every message through
// OnMessage, Default passes it on, and no exception leaves a window
// procedure. An attached object lets go when the window is destroyed.
#pragma once

#include <windows.h>

namespace vorn::runtime {

class WindowObject {
public:
    WindowObject() = default;
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;
    // Destroys a window the object created; lets go of one it attached to.
    virtual ~WindowObject();

    HWND handle() const { return hwnd_; }

    // Sees the messages of `window` from now on, before its own procedure
    // and before objects attached earlier. False when the object already
    // has a window or `window` is none.
    bool Attach(HWND window);
    // Lets an attached window go: its messages no longer reach this object.
    // The window stays. Harmless when nothing is attached.
    void Detach();

protected:
    // A window of a class registered with RegisterOwnClass.
    HWND CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* text,
                         int x, int y, int width, int height, HWND parent, UINT_PTR id);
    // A standard control, subclassed at once.
    HWND CreateSubclassedWindow(const wchar_t* className, DWORD exStyle, DWORD style,
                                const wchar_t* text, int x, int y, int width, int height,
                                HWND parent, UINT_PTR id);

    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // What the window does without this object: DefWindowProc for an own
    // class, else the next procedure of the chain.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (WM_NCDESTROY); handle() is null by
    // then. The object may be destroyed in it.
    virtual void OnWindowGone() {}

private:
    friend void RegisterOwnClass(const wchar_t*, UINT, HCURSOR);
    static LRESULT CALLBACK OwnClassProcedure(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool Subclass(HWND window);
    UINT_PTR SubclassId() const { return reinterpret_cast<UINT_PTR>(this); }

    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
    bool owned_ = false;  // created by this object, destroyed with it
};

// Registers a window class of this process whose windows are WindowObjects;
// registering the same name again does nothing.
void RegisterOwnClass(const wchar_t* className, UINT classStyle, HCURSOR cursor);

}  // namespace vorn::runtime
