// Prints MainWindow's layout as JSON for the artwork generator: the window
// size, every control with its window-coordinate rectangle, and the file name
// of every embedded picture, so the drawn frames follow the layout table.
#include <cstdio>
#include <string>
#include <string_view>

#include "mainwindow/main_window_layout.h"
#include "mainwindow/equip_slot.h"
#include "runtime/interfaces/layout.h"
#include "mainwindow/program_assets.h"

namespace {

using namespace vorn;

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;  // UTF-8 passes through unchanged
        }
    }
    return out + "\"";
}

std::string_view KindName(runtime::ControlKind kind) {
    switch (kind) {
        case runtime::ControlKind::EditBox: return "EditBox";
        case runtime::ControlKind::ComboBox: return "ComboBox";
        case runtime::ControlKind::Label: return "Label";
        case runtime::ControlKind::Button: return "Button";
        case runtime::ControlKind::PicBox: return "PicBox";
        case runtime::ControlKind::Timer: return "Timer";
        case runtime::ControlKind::SuperBtn: return "SuperBtn";
        case runtime::ControlKind::TransLabel: return "TransLabel";
    }
    return "Unknown";
}

std::string_view BorderName(runtime::Border border) {
    switch (border) {
        case runtime::Border::None: return "none";
        case runtime::Border::Sunken: return "sunken";
        case runtime::Border::SingleLine: return "single";
    }
    return "none";
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "\"0x%08X\"", value);
    return text;
}

// Slot buttons carry the slot's index and its two picture names.
std::string SlotFields(const runtime::ControlLayout& control) {
    const mainwindow::EquipSlot* slot = mainwindow::FindSlotByButton(control.id);
    if (slot == nullptr) return {};
    return ", \"slot\": {\"index\": " + std::to_string(slot->index) +
           ", \"key\": " + Quoted(slot->key) + ", \"word\": " + Quoted(slot->word) +
           ", \"nameBox\": " + Hex(slot->nameBox) +
           ", \"normal\": " + Quoted(mainwindow::AssetFileName(control.normalPicture)) +
           ", \"hover\": " + Quoted(mainwindow::AssetFileName(control.hoverPicture)) + "}";
}

std::string ControlJson(const runtime::WindowLayout& window, const runtime::ControlLayout& c) {
    const runtime::Point origin = runtime::WindowOrigin(window, c);
    std::string json = "{\"name\": " + Quoted(c.name) + ", \"kind\": " + Quoted(KindName(c.kind)) +
                       ", \"id\": " + Hex(c.id) + ", \"parent\": " + Hex(c.parent) +
                       ", \"rect\": [" + std::to_string(origin.x) + ", " +
                       std::to_string(origin.y) + ", " + std::to_string(c.width) + ", " +
                       std::to_string(c.height) + "], \"border\": " + Quoted(BorderName(c.border)) +
                       ", \"visible\": " + (c.visible ? "true" : "false") +
                       ", \"text\": " + Quoted(c.text);
    return json + SlotFields(c) + "}";
}

}  // namespace

int main() {
    const runtime::WindowLayout& window = mainwindow::MainWindowLayout();
    std::string json = "{\n  \"window\": {\"name\": " + Quoted(window.name) +
                       ", \"width\": " + std::to_string(window.width) +
                       ", \"height\": " + std::to_string(window.height) +
                       ", \"title\": " + Quoted(window.title) +
                       ", \"background\": " + Quoted(mainwindow::AssetFileName(window.background)) +
                       "},\n  \"assets\": [";
    bool first = true;
    for (int asset = 0; asset < mainwindow::kAssetCount; ++asset) {
        const std::string_view name = mainwindow::AssetFileName(asset);
        if (name.empty()) continue;
        json += (first ? "\n    " : ",\n    ") + Quoted(name);
        first = false;
    }
    json += "\n  ],\n  \"controls\": [";
    first = true;
    for (const runtime::ControlLayout& control : window.controls) {
        json += (first ? "\n    " : ",\n    ") + ControlJson(window, control);
        first = false;
    }
    json += "\n  ]\n}\n";
    std::fputs(json.c_str(), stdout);
    return 0;
}
