#include "runtime/base/text_number.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace vorn::runtime {
namespace {

// Decodes one UTF-8 sequence at `pos`; returns its length in bytes, or 0 when
// the bytes there are not a well-formed sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& out) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        out = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    out = value;
    return length;
}

// Full-width forms (U+FF01..U+FF5E) become their ASCII twins and the ideographic
// space a plain space, so "１２３" reads like "123". Everything else is kept.
std::string FoldFullWidth(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(utf8, pos, code);
        if (length == 0) {
            folded.push_back(utf8[pos]);
            ++pos;
            continue;
        }
        if (code >= 0xFF01 && code <= 0xFF5E) {
            folded.push_back(static_cast<char>(code - 0xFEE0));
        } else if (code == 0x3000) {
            folded.push_back(' ');
        } else {
            folded.append(utf8.substr(pos, length));
        }
        pos += length;
    }
    return folded;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

}  // namespace

double TextToNumber(std::string_view utf8) {
    const std::string text = FoldFullWidth(utf8);
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t numberStart = pos;
    std::size_t end = SkipDigits(text, pos);
    bool anyDigit = end > numberStart;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        if (fractionEnd > end + 1 || anyDigit) {
            anyDigit = anyDigit || fractionEnd > end + 1;
            end = fractionEnd;
        }
    }
    if (!anyDigit) return 0.0;

    // The exponent counts only when digits follow: "1e" and "1e+" read as 1.
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) end = exponentEnd;
    }

    double magnitude = 0.0;
    const char* first = text.data() + numberStart;
    const char* last = text.data() + end;
    const auto result = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on range errors; the C runtime
        // gives HUGE_VAL or 0, which is what the caller expects too.
        std::size_t exponentAt = std::string_view(first, end - numberStart).find_first_of("eE");
        const bool tiny = exponentAt != std::string_view::npos &&
                          first[exponentAt + 1] == '-';
        magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (result.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string NumberToText(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    return std::string(buffer, result.ptr);
}

std::string IntegerText(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string NormaliseIntegerInput(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() &&
           (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r'))) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulate as a negative number so INT64_MIN fits; saturate like strtoll.
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    std::int64_t accumulated = 0;
    bool overflow = false;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const int digit = text[pos] - '0';
        if (overflow) continue;
        if (accumulated < (kMin + digit) / 10) {
            overflow = true;
            continue;
        }
        accumulated = accumulated * 10 - digit;
    }
    std::int64_t value = 0;
    if (overflow) {
        value = negative ? kMin : std::numeric_limits<std::int64_t>::max();
    } else if (negative) {
        value = accumulated;
    } else {
        value = accumulated == kMin ? std::numeric_limits<std::int64_t>::max() : -accumulated;
    }

    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    if (value < kLow) value = kLow;
    if (value > kHigh) value = kHigh;
    if (value == 0) return {};
    return IntegerText(value);
}

bool IntegerInputAccepts(char32_t character) {
    return character == U'-' || (character >= U'0' && character <= U'9') || character < 0x20;
}

}  // namespace vorn::runtime
