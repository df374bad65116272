#include "runtime/base/unicode_text.h"

namespace vorn::runtime {
namespace {

constexpr char32_t kNoCharacter = 0xFFFFFFFF;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// The character at `pos`, moving `pos` past it; kNoCharacter for a sequence
// that is not well-formed.
char32_t NextUtf8(std::string_view bytes, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos++]);
    if (lead < 0x80) return lead;
    std::size_t trail = 0;
    char32_t c = 0;
    char32_t least = 0;  // the smallest character of this length: shorter forms are overlong
    if (lead >= 0xC2 && lead <= 0xDF) {
        trail = 1, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trail = 2, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trail = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return kNoCharacter;
    }
    for (; trail > 0; --trail) {
        if (pos >= bytes.size()) return kNoCharacter;
        const auto next = static_cast<unsigned char>(bytes[pos]);
        if ((next & 0xC0) != 0x80) return kNoCharacter;
        c = (c << 6) | (next & 0x3F);
        ++pos;
    }
    if (c < least || c > 0x10FFFF || IsSurrogate(c)) return kNoCharacter;
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    const auto byte = [](char32_t v) { return static_cast<char>(v); };
    if (c < 0x80) {
        out += byte(c);
    } else if (c < 0x800) {
        out += byte(0xC0 | (c >> 6));
        out += byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += byte(0xE0 | (c >> 12));
        out += byte(0x80 | ((c >> 6) & 0x3F));
        out += byte(0x80 | (c & 0x3F));
    } else {
        out += byte(0xF0 | (c >> 18));
        out += byte(0x80 | ((c >> 12) & 0x3F));
        out += byte(0x80 | ((c >> 6) & 0x3F));
        out += byte(0x80 | (c & 0x3F));
    }
}

void AppendUnitLe(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();)
        if (NextUtf8(bytes, pos) == kNoCharacter) return false;
    return true;
}

std::optional<std::u32string> Utf8Characters(std::string_view utf8) {
    std::u32string characters;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = NextUtf8(utf8, pos);
        if (c == kNoCharacter) return std::nullopt;
        characters += c;
    }
    return characters;
}

std::optional<std::string> Utf16ToUtf8(std::string_view bytes, ByteOrder order) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    const auto unitAt = [&](std::size_t pos) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        const auto second = static_cast<unsigned char>(bytes[pos + 1]);
        return order == ByteOrder::LittleEndian ? first | (second << 8) : (first << 8) | second;
    };
    std::string utf8;
    utf8.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size(); pos += 2) {
        char32_t c = unitAt(pos);
        if (c >= 0xDC00 && c <= 0xDFFF) return std::nullopt;
        if (c >= 0xD800 && c <= 0xDBFF) {
            pos += 2;
            if (pos >= bytes.size()) return std::nullopt;
            const char32_t low = unitAt(pos);
            if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(utf8, c);
    }
    return utf8;
}

std::optional<std::string> Utf8ToUtf16Le(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size() * 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = NextUtf8(utf8, pos);
        if (c == kNoCharacter) return std::nullopt;
        if (c < 0x10000) {
            AppendUnitLe(bytes, c);
        } else {
            AppendUnitLe(bytes, 0xD800 + ((c - 0x10000) >> 10));
            AppendUnitLe(bytes, 0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

}  // namespace vorn::runtime
