#include "native/monster_files_fixture.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <system_error>

#include "mainwindow/control_ids.h"
#include "mainwindow/generate_monster_files.h"

namespace vorn::testing {
namespace fs = std::filesystem;

namespace {

std::u8string AsU8(std::string_view utf8) { return std::u8string(utf8.begin(), utf8.end()); }

std::string FromU8(const std::u8string& text) { return std::string(text.begin(), text.end()); }

}  // namespace

ScratchDirectory::ScratchDirectory() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0;; ++attempt) {
        path_ = fs::temp_directory_path() /
                ("vorn-files-" + std::to_string(stamp) + "-" + std::to_string(attempt));
        if (fs::create_directory(path_)) break;
    }
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    // Read-only files left by a test would stop the removal on Windows.
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string ScratchDirectory::Utf8() const { return FromU8(path_.u8string()); }

fs::path Child(const fs::path& directory, std::string_view utf8Name) {
    return directory / fs::path(AsU8(utf8Name));
}

std::optional<std::string> ReadBytes(const fs::path& file) {
    if (!fs::is_regular_file(file)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << file;
}

void MakeReadOnly(const fs::path& file) {
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = FromU8(entry.path().lexically_relative(root).generic_u8string());
        if (entry.is_regular_file())
            files[name] = ReadBytes(entry.path()).value_or("");
        else
            files[name + "/"] = "";
    }
    return files;
}

GenerateFixture::GenerateFixture() : monUseItems(program.path() / "MonUseItems") {
    fs::create_directory(monUseItems);
}

void GenerateFixture::Generate() { Generate(files); }

void GenerateFixture::Generate(profile::FileStore& store) {
    mainwindow::GenerateMonsterFiles(window, store, boxes, FakeWindow::kHandle,
                                     mainwindow::DefaultOutputFolder(program.Utf8(), store.Separator()),
                                     "20240501-160000");
}

void GenerateFixture::Name(std::string_view name) { window.Type(mainwindow::id::kMonsterName, name); }

std::optional<std::string> GenerateFixture::Output(std::string_view utf8Name) {
    return ReadBytes(OutputPath(utf8Name));
}

std::string GenerateFixture::LastBoxTitle() const {
    return boxes.requests.empty() ? std::string() : boxes.requests.back().title;
}

std::string GenerateFixture::LastBoxMessage() const {
    return boxes.requests.empty() ? std::string() : boxes.requests.back().message;
}

}  // namespace vorn::testing
