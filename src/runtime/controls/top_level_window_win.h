// The frameless top-level window a layout describes: it paints its background
// picture double-buffered, moves when its background is dragged, passes its
// children's notifications and its timers on, and hands close and destroy to
// the program's close handler.
#pragma once

#include <functional>

#include "runtime/interfaces/control_commands.h"
#include "runtime/interfaces/close_notification.h"
#include "runtime/controls/control_win.h"
#include "runtime/win32/drag_gesture_win.h"
#include "runtime/controls/picture_win.h"

namespace vorn::runtime {

// Gets the close request (kCloseRequestMessage) and the destruction
// (kDestroyedMessage) of the window; for the close request kKeepWindowOpen
// refuses it, kLetWindowClose lets the window be destroyed.
using CloseHandler = std::function<int(WindowHandle window, unsigned message)>;

class TopLevelWindow final : public WindowObject {
public:
    static constexpr const wchar_t* kClassName = L"VornMainWindow";

    explicit TopLevelWindow(ControlDirectory& directory) : directory_(directory) {}

    // Created hidden, centred on the primary monitor's work area.
    bool Create(const WindowLayout& layout);
    // The picture painted behind the controls; black until it is given.
    void SetBackground(UniqueBitmap background);
    // Set once the window is complete: a window that failed to load is
    // destroyed without telling anyone. An object attached to the window
    // later may take its close and destroy over.
    void SetCloseHandler(CloseHandler closeHandler) { closeHandler_ = std::move(closeHandler); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintBackground(HDC dc) const;
    LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

    ControlDirectory& directory_;
    CloseHandler closeHandler_;
    UniqueBitmap background_;
    DragGesture drag_;
};

}  // namespace vorn::runtime
