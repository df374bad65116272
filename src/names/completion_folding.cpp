#include "names/completion_folding.h"

namespace vorn::names {
namespace {

constexpr unsigned char kFullWidthLead = 0xEF;      // U+FF01 to U+FF5E: EF BC 81 to EF BD 9E
constexpr char32_t kFullWidthOffset = 0xFF00 - 0x20;  // from U+FF01 to '!'

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

unsigned char At(std::string_view text, std::size_t pos) { return static_cast<unsigned char>(text[pos]); }

}  // namespace

std::string FoldForCompletion(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    AppendFoldedForCompletion(folded, utf8);
    return folded;
}

void AppendFoldedForCompletion(std::string& folded, std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (pos + 2 < utf8.size()) {
            const unsigned char lead = At(utf8, pos);
            const unsigned char second = At(utf8, pos + 1);
            const unsigned char third = At(utf8, pos + 2);
            if (lead == kFullWidthLead && (second == 0xBC || second == 0xBD) && (third & 0xC0) == 0x80) {
                const char32_t character = 0xF000 | ((char32_t{second} & 0x3F) << 6) | (third & 0x3F);
                if (character >= 0xFF01 && character <= 0xFF5E) {
                    folded += AsciiLower(static_cast<char>(character - kFullWidthOffset));
                    pos += 3;
                    continue;
                }
            }
            if (lead == 0xE3 && second == 0x80 && third == 0x80) {  // U+3000, the ideographic space
                folded += ' ';
                pos += 3;
                continue;
            }
        }
        folded += AsciiLower(utf8[pos++]);
    }
}

}  // namespace vorn::names
