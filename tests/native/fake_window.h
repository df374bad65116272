// An in-memory MainWindow for handler tests: every control of the layout with
// its initial state, the property numbers the program uses, and the runtime's
// rule that a program write of an edit's text runs its content-changed
// handler at once. User actions (select, type, click, key, focus loss) raise
// the same events the real controls raise.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "runtime/interfaces/box_request.h"
#include "runtime/interfaces/control_commands.h"
#include "runtime/interfaces/events.h"
#include "runtime/interfaces/layout.h"
#include "runtime/interfaces/property_access.h"
#include "runtime/interfaces/system_services.h"

namespace vorn::testing {

struct FakeControl {
    const runtime::ControlLayout* layout = nullptr;
    std::string text;             // edit content or caption
    int selection = -1;           // ComboBox
    bool visible = true;
    bool disabled = false;
    runtime::Rgb backColour = 0;
    runtime::Rgb textColour = 0;
    std::int64_t selectedLength = 0;
    int left = 0, top = 0, width = 0, height = 0;
    bool destroyed = false;
};

class FakeWindow final : public runtime::PropertyAccess, public runtime::ControlCommands {
public:
    explicit FakeWindow(const runtime::WindowLayout& layout);

    // Where events go (the controller under test); may be null.
    void SetSink(runtime::EventSink* sink) { sink_ = sink; }

    // PropertyAccess
    std::int64_t ReadInteger(runtime::WindowId window, runtime::ControlId control,
                             int property) override;
    void WriteInteger(runtime::WindowId window, runtime::ControlId control, int property,
                      std::int64_t value) override;
    std::string ReadText(runtime::WindowId window, runtime::ControlId control,
                         int property) override;
    void WriteText(runtime::WindowId window, runtime::ControlId control, int property,
                   std::string_view text) override;

    // ControlCommands
    void SetFocus(runtime::WindowId window, runtime::ControlId control) override;
    void DestroyControl(runtime::WindowId window, runtime::ControlId control) override;
    runtime::WindowHandle HandleOf(runtime::WindowId window) override;

    // User actions.
    void Select(runtime::ControlId combo, int index);        // SelectionChanged
    void Type(runtime::ControlId edit, std::string_view text);  // ContentChanged
    void Spin(runtime::ControlId edit, int direction);       // SpinPressed
    void Click(runtime::ControlId control);                  // Clicked
    void PressKey(runtime::ControlId control, int keyCode);  // KeyPressed
    void Tick(runtime::ControlId timer);                     // PeriodElapsed
    // Moves the focus to another control (0: away from the window); the
    // control losing it raises FocusLost.
    void MoveFocus(runtime::ControlId to);

    FakeControl& Control(runtime::ControlId id);  // fails the test when unknown
    std::string Text(runtime::ControlId id) { return Control(id).text; }
    runtime::ControlId Focus() const { return focus_; }
    // How often each edit's content-changed event was raised, in order.
    const std::vector<runtime::ControlId>& ContentChanges() const { return contentChanges_; }

    static constexpr runtime::WindowHandle kHandle = 0x1234;

private:
    FakeControl* Find(runtime::WindowId window, runtime::ControlId control);
    void Raise(runtime::ControlId control, runtime::EventKind kind, int argument = 0);

    runtime::WindowId windowId_;
    std::map<runtime::ControlId, FakeControl> controls_;
    runtime::EventSink* sink_ = nullptr;
    runtime::ControlId focus_ = 0;
    std::vector<runtime::ControlId> contentChanges_;
};

// Records every request and answers from a script (default: the close button).
class FakeBoxService final : public runtime::BoxService {
public:
    runtime::BoxAnswer ShowBox(const runtime::BoxRequest& request) override;

    std::vector<runtime::BoxRequest> requests;
    std::vector<runtime::BoxAnswer> answers;  // consumed front to back
    std::vector<std::size_t> pictureSizes;       // byte counts of the requests' pictures
};

class FakeClock final : public runtime::Clock {
public:
    runtime::LocalTime Now() override { return now; }
    runtime::LocalTime now{2026, 12, 8, 9, 5, 0};
};

class FakeSound final : public runtime::SoundPlayer {
public:
    void PlayOnce(std::span<const std::uint8_t> wave) override { played.push_back(wave.size()); }
    std::vector<std::size_t> played;
};

class FakeWeb final : public runtime::WebOpener {
public:
    void Open(std::string_view address) override { opened.emplace_back(address); }
    std::vector<std::string> opened;
};

class FakeProgram final : public runtime::ProgramControl {
public:
    void EndProgram(int exitCode) override { endedWith.push_back(exitCode); }
    std::string ProgramDirectory() override { return directory; }
    std::vector<int> endedWith;
    std::string directory = "/tmp";
};

}  // namespace vorn::testing
