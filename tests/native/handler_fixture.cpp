#include "native/handler_fixture.h"

#include <algorithm>
#include <cstdio>

namespace vorn::testing {
namespace {

std::string Hex(runtime::ControlId control) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08X", control);
    return buffer;
}

std::string_view KindName(runtime::EventKind kind) {
    switch (kind) {
        case runtime::EventKind::CreationFinished: return "created";
        case runtime::EventKind::SelectionChanged: return "selected";
        case runtime::EventKind::SpinPressed: return "spun";
        case runtime::EventKind::ContentChanged: return "changed";
        case runtime::EventKind::KeyPressed: return "key";
        case runtime::EventKind::Clicked: return "clicked";
        case runtime::EventKind::FocusLost: return "focus-lost";
        case runtime::EventKind::PeriodElapsed: return "tick";
    }
    return "?";
}

constexpr std::string_view kTextPrefix = "text ";

}  // namespace

std::string WroteInteger(runtime::ControlId control, int property, std::int64_t value) {
    return "int " + Hex(control) + "." + std::to_string(property) + " = " + std::to_string(value);
}

std::string WroteText(runtime::ControlId control, int property, std::string_view text) {
    return std::string(kTextPrefix) + Hex(control) + "." + std::to_string(property) + " = " +
           std::string(text);
}

std::string Focused(runtime::ControlId control) { return "focus " + Hex(control); }

std::string Played(std::size_t bytes) { return "sound " + std::to_string(bytes) + " bytes"; }

std::string Delivered(runtime::EventKind kind, runtime::ControlId control) {
    return "event " + std::string(KindName(kind)) + " " + Hex(control);
}

void JournalingProperties::WriteInteger(runtime::WindowId w, runtime::ControlId c, int p,
                                        std::int64_t v) {
    journal_.push_back(WroteInteger(c, p, v));
    window_.WriteInteger(w, c, p, v);
}

void JournalingProperties::WriteText(runtime::WindowId w, runtime::ControlId c, int p,
                                     std::string_view t) {
    journal_.push_back(WroteText(c, p, t));
    window_.WriteText(w, c, p, t);
}

void JournalingCommands::SetFocus(runtime::WindowId w, runtime::ControlId c) {
    journal_.push_back(Focused(c));
    window_.SetFocus(w, c);
}

std::vector<std::string> HandlerTest::TipsWritten() const {
    const std::string prefix = WroteText(mainwindow::id::kTipLine, runtime::prop::label::kCaption, "");
    std::vector<std::string> tips;
    for (const std::string& line : journal)
        if (line.starts_with(prefix)) tips.push_back(line.substr(prefix.size()));
    return tips;
}

int HandlerTest::ContentChangesOf(runtime::ControlId edit) const {
    const std::string line = Delivered(runtime::EventKind::ContentChanged, edit);
    return static_cast<int>(std::count(journal.begin(), journal.end(), line));
}

std::vector<std::tuple<std::string, int, bool, bool, runtime::Rgb>> HandlerTest::Controls() {
    std::vector<std::tuple<std::string, int, bool, bool, runtime::Rgb>> state;
    for (const runtime::ControlLayout& layout : mainwindow::MainWindowLayout().controls) {
        const FakeControl& c = window.Control(layout.id);
        state.emplace_back(c.text, c.selection, c.visible, c.disabled, c.backColour);
    }
    return state;
}

void HandlerTest::Prepare(runtime::ControlId edit, std::string_view text) {
    properties.WriteText(mainwindow::kMainWindowId, edit, runtime::prop::edit::kContent, text);
    ForgetJournal();
}

}  // namespace vorn::testing
