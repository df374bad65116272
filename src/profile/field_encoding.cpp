#include "profile/field_encoding.h"

#include <algorithm>
#include <vector>

#include "runtime/base/gbk.h"

namespace vorn::profile {
namespace {

using namespace std::string_literals;

// Length of the UTF-8 sequence that starts with this byte (1 for stray bytes).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// Whether a piece cut out by FirstNonGbkCharacter is a whole UTF-8 character that
// a message box can show, rather than stray bytes.
bool LooksLikeCharacter(std::string_view piece) {
    if (piece.empty()) return false;
    const auto lead = static_cast<unsigned char>(piece[0]);
    if (lead < 0x80) return true;
    if (lead < 0xC2 || lead > 0xF4 || piece.size() != SequenceLength(lead)) return false;
    for (char c : piece.substr(1))
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) return false;
    return true;
}

// A kept line is named whole, unless it is too long for a message box.
std::string Shortened(std::string_view line) {
    constexpr std::size_t kShown = 24;  // characters
    std::size_t pos = 0;
    for (std::size_t count = 0; pos < line.size() && count < kShown; ++count)
        pos += std::min(SequenceLength(static_cast<unsigned char>(line[pos])), line.size() - pos);
    return pos < line.size() ? std::string(line.substr(0, pos)) + "……" : std::string(line);
}

// `subject` names what holds the text, quotes included.
std::optional<std::string> Problem(std::string subject, std::string_view text) {
    const std::optional<std::string> character = FirstNonGbkCharacter(text);
    if (!character) return std::nullopt;
    std::string message = std::move(subject).append("中");
    if (LooksLikeCharacter(*character))
        message.append("的字符“").append(*character).append("”");
    else
        message.append("含有无法识别的字符，");
    return message.append("无法用 GBK 编码保存，游戏服务端读不到它。");
}

}  // namespace

std::optional<std::string> FirstNonGbkCharacter(std::string_view text) {
    if (runtime::Utf8ToGbk(text)) return std::nullopt;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length =
            std::min(SequenceLength(static_cast<unsigned char>(text[pos])), text.size() - pos);
        const std::string_view character = text.substr(pos, length);
        if (!runtime::Utf8ToGbk(character)) return std::string(character);
        pos += length;
    }
    return std::string();  // no single character fails, only their sequence
}

std::optional<std::string> GbkProblem(std::string_view fieldName, std::string_view text) {
    return Problem("“"s.append(fieldName).append("”"), text);
}

std::optional<std::string> ProfileGbkProblem(const MonsterProfile& profile) {
    const std::vector<std::pair<std::string_view, const std::string*>> fields = {
        {"怪物名称", &profile.monsterName}, {"掉落几率", &profile.dropUseItemRate},
        {"挖取几率", &profile.butchRate},   {"挖取费用", &profile.butchChargeCount},
        {"技能", &profile.useSkill},
    };
    for (const auto& [name, text] : fields)
        if (auto problem = GbkProblem(name, *text)) return problem;
    for (std::size_t slot = 0; slot < kSlotWords.size(); ++slot)
        if (auto problem = GbkProblem(kSlotWords[slot], profile.useItems[slot])) return problem;
    return std::nullopt;
}

std::optional<std::string> KeptLinesGbkProblem(const ExtraLines& extras) {
    const std::pair<std::string_view, const std::vector<std::string>*> parts[] = {
        {"原文件开头", &extras.preamble},
        {"原文件 [Info] 段", &extras.info},
        {"原文件 [UseItems] 段", &extras.useItems},
    };
    for (const auto& [part, lines] : parts)
        for (const std::string& line : *lines)
            if (auto problem = Problem(std::string(part) + "保留的一行“" + Shortened(line) + "”", line))
                return problem;
    return std::nullopt;
}

}  // namespace vorn::profile
