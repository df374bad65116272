// A MainWindowController wired to the in-memory window and service fakes, with
// one journal that records, in order, every event delivered to the controller
// and every write, focus change and sound it makes. Handler tests check both
// the final state of the controls and the order in which the handlers got there.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_controller.h"
#include "mainwindow/main_window_layout.h"
#include "native/fake_window.h"
#include "profile/native_file_store.h"
#include "runtime/base/text_number.h"

namespace vorn::testing {

// Journal lines, built with these helpers so expectations read like the steps.
std::string WroteInteger(runtime::ControlId control, int property, std::int64_t value);
std::string WroteText(runtime::ControlId control, int property, std::string_view text);
std::string Focused(runtime::ControlId control);
std::string Played(std::size_t bytes);
std::string Delivered(runtime::EventKind kind, runtime::ControlId control);

// Forwards to the window and journals each write.
class JournalingProperties final : public runtime::PropertyAccess {
public:
    JournalingProperties(FakeWindow& window, std::vector<std::string>& journal)
        : window_(window), journal_(journal) {}
    std::int64_t ReadInteger(runtime::WindowId w, runtime::ControlId c, int p) override {
        return window_.ReadInteger(w, c, p);
    }
    std::string ReadText(runtime::WindowId w, runtime::ControlId c, int p) override {
        return window_.ReadText(w, c, p);
    }
    void WriteInteger(runtime::WindowId w, runtime::ControlId c, int p, std::int64_t v) override;
    void WriteText(runtime::WindowId w, runtime::ControlId c, int p, std::string_view t) override;

private:
    FakeWindow& window_;
    std::vector<std::string>& journal_;
};

class JournalingCommands final : public runtime::ControlCommands {
public:
    JournalingCommands(FakeWindow& window, std::vector<std::string>& journal)
        : window_(window), journal_(journal) {}
    void SetFocus(runtime::WindowId w, runtime::ControlId c) override;
    void DestroyControl(runtime::WindowId w, runtime::ControlId c) override {
        window_.DestroyControl(w, c);
    }
    runtime::WindowHandle HandleOf(runtime::WindowId w) override { return window_.HandleOf(w); }

private:
    FakeWindow& window_;
    std::vector<std::string>& journal_;
};

class JournalingSound final : public runtime::SoundPlayer {
public:
    explicit JournalingSound(std::vector<std::string>& journal) : journal_(journal) {}
    void PlayOnce(std::span<const std::uint8_t> wave) override {
        journal_.push_back(Played(wave.size()));
    }

private:
    std::vector<std::string>& journal_;
};

class JournalingSink final : public runtime::EventSink {
public:
    JournalingSink(runtime::EventSink& next, std::vector<std::string>& journal)
        : next_(next), journal_(journal) {}
    void OnEvent(const runtime::Event& event) override {
        journal_.push_back(Delivered(event.kind, event.control));
        next_.OnEvent(event);
    }

private:
    runtime::EventSink& next_;
    std::vector<std::string>& journal_;
};

class HandlerTest : public ::testing::Test {
protected:
    HandlerTest() { window.SetSink(&sink); }

    std::string Tip() { return window.Text(mainwindow::id::kTipLine); }
    // Every caption written into the tip line so far, oldest first.
    std::vector<std::string> TipsWritten() const;
    // Content-changed events of one edit delivered so far.
    int ContentChangesOf(runtime::ControlId edit) const;
    // Puts text into an edit the way a program write does (its handler runs),
    // then forgets everything journaled so far.
    void Prepare(runtime::ControlId edit, std::string_view text);
    void ForgetJournal() { journal.clear(); }
    // Everything a control shows, for every control of the window.
    std::vector<std::tuple<std::string, int, bool, bool, runtime::Rgb>> Controls();

    std::vector<std::string> journal;
    FakeWindow window{mainwindow::MainWindowLayout()};
    JournalingProperties properties{window, journal};
    JournalingCommands commands{window, journal};
    JournalingSound sound{journal};
    FakeBoxService boxes;
    FakeClock clock;
    FakeWeb web;
    FakeProgram program;
    profile::NativeFileStore files;
    mainwindow::MainWindowController controller{
        {properties, commands, boxes, clock, sound, web, program, files}};
    JournalingSink sink{controller, journal};
};

}  // namespace vorn::testing
