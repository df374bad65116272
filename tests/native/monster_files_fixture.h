// A program directory of its own for each test, holding MonUseItems, with the
// in-memory main window and box service, and the machine's real file store:
// the generate tests look at the bytes that actually land on disk.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "mainwindow/main_window_layout.h"
#include "native/fake_window.h"
#include "profile/native_file_store.h"

namespace vorn::testing {

// A fresh directory under the system's temporary directory, removed with
// everything in it at the end.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string Utf8() const;

private:
    std::filesystem::path path_;
};

std::filesystem::path Child(const std::filesystem::path& directory, std::string_view utf8Name);
std::optional<std::string> ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);
void MakeReadOnly(const std::filesystem::path& file);
// Every file below `root`, by its UTF-8 path relative to root, with its bytes.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& root);

class GenerateFixture : public ::testing::Test {
protected:
    GenerateFixture();

    void Generate();
    void Generate(profile::FileStore& store);
    void Type(runtime::ControlId edit, std::string_view text) { window.Type(edit, text); }
    void Select(runtime::ControlId combo, int index) { window.Select(combo, index); }
    void Name(std::string_view name);

    // A file in MonUseItems, or nothing when there is none.
    std::optional<std::string> Output(std::string_view utf8Name);
    std::filesystem::path OutputPath(std::string_view utf8Name) { return Child(monUseItems, utf8Name); }
    // Title of the last box shown, "" when none.
    std::string LastBoxTitle() const;
    std::string LastBoxMessage() const;

    ScratchDirectory program;
    std::filesystem::path monUseItems;
    FakeWindow window{mainwindow::MainWindowLayout()};
    FakeBoxService boxes;
    profile::NativeFileStore files;
};

}  // namespace vorn::testing
