// A live control of a loaded window: created from its layout record, answers
// property reads and writes by number and raises its events to the window's
// event sink.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "runtime/interfaces/events.h"
#include "runtime/interfaces/layout.h"
#include "runtime/win32/window_object_win.h"

namespace vorn::runtime {

class ButtonTips;
class Control;

// Finds the controls of one loaded window.
class ControlDirectory {
public:
    virtual ~ControlDirectory() = default;
    // The live control with this identifier, or nullptr.
    virtual Control* FindControl(ControlId id) = 0;
    // The live control whose window this is, or nullptr.
    Control* FindControl(HWND window);
};

using PictureSource = std::function<std::span<const std::uint8_t>(PictureId)>;

// The field height that last made one of a window's closed combo boxes
// `height` pixels tall: the next one of that height starts from it.
struct ComboFieldMetrics {
    int height = 0;
    int field = 0;
};

// What every control of one window shares.
struct ControlContext {
    WindowId window = 0;
    EventSink* sink = nullptr;
    HFONT font = nullptr;  // the shared interface font
    ControlDirectory* directory = nullptr;
    PictureSource pictures;
    ButtonTips* tips = nullptr;  // the window's one tooltip for its image buttons
    ComboFieldMetrics* comboFields = nullptr;
};

class Control : public WindowObject {
public:
    Control(const ControlLayout& layout, const ControlContext& context)
        : layout_(layout), context_(context) {}

    ControlId id() const { return layout_.id; }
    ControlKind kind() const { return layout_.kind; }
    const ControlLayout& layout() const { return layout_; }

    // Creates the control inside `parent` (the window or a PicBox). The layout's
    // position is relative to the parent's client area.
    virtual bool Create(HWND parent) = 0;
    // Afterwards the control raises no events and its properties read as 0.
    virtual void Destroy();
    virtual bool IsAlive() const { return handle() != nullptr; }

    // Property numbers as in property_access.h; unknown numbers read 0 / ""
    // and writes of them do nothing.
    virtual std::int64_t ReadInteger(int property);
    virtual void WriteInteger(int property, std::int64_t value);
    virtual std::string ReadText(int property);
    virtual void WriteText(int property, std::string_view text);

    // Notifications the parent window passes on to the control they concern.
    virtual void OnCommandFromParent(UINT /*code*/) {}
    // The brush for WM_CTLCOLOR*, after setting the DC's colours; nullptr
    // leaves the parent's default handling.
    virtual HBRUSH OnColourFromParent(HDC /*dc*/) { return nullptr; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
    virtual void OnTimer() {}

protected:
    void Raise(EventKind kind, int argument = 0) const;
    const ControlContext& context() const { return context_; }
    // Window styles every kind takes from its layout record.
    DWORD CommonStyle() const;
    // Creates an own-class or standard window at the layout's place.
    HWND CreateOwn(const wchar_t* className, DWORD exStyle, DWORD style, const std::wstring& text,
                   HWND parent);
    HWND CreateStandard(const wchar_t* className, DWORD exStyle, DWORD style,
                        const std::wstring& text, HWND parent, int height);

private:
    ControlLayout layout_;
    const ControlContext& context_;
};

// Extended styles for a layout border: sunken is the client edge, a single line
// is WS_BORDER (in the plain style value, see BorderStyle).
DWORD BorderExStyle(Border border);
DWORD BorderStyle(Border border);

// Text of a window, UTF-8.
std::string WindowTextOf(HWND window);

}  // namespace vorn::runtime
