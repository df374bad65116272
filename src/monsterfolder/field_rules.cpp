#include "monsterfolder/field_rules.h"

#include "profile/ini_syntax.h"

namespace vorn::monsterfolder {

NumberCheck CheckNumber(std::string_view text, NumberRange range) {
    text = profile::TrimBlanks(text);
    if (text.empty()) return NumberCheck::Fits;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return NumberCheck::NotANumber;
    std::int64_t value = 0;
    bool tooLarge = false;
    for (char c : text) {
        if (c < '0' || c > '9') return NumberCheck::NotANumber;
        if (value > 1000000000000)
            tooLarge = true;  // far beyond any range; stop growing
        else
            value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (tooLarge || value < range.min || value > range.max) return NumberCheck::OutOfRange;
    return NumberCheck::Fits;
}

std::string RangeText(NumberRange range) {
    return std::to_string(range.min) + "–" + std::to_string(range.max);
}

std::optional<std::string> ProfileValueProblem(const profile::MonsterProfile& profile) {
    struct Rule {
        std::string_view key;
        const std::string* text;
        NumberRange range;
    };
    const Rule rules[] = {
        {"DropUseItemRate", &profile.dropUseItemRate, kRateRange},
        {"ButchRate", &profile.butchRate, kRateRange},
        {"ButchChargeCount", &profile.butchChargeCount, kFeeRange},
    };
    for (const Rule& rule : rules) {
        switch (CheckNumber(*rule.text, rule.range)) {
            case NumberCheck::Fits: continue;
            case NumberCheck::NotANumber:
                return std::string(rule.key) + "=" + *rule.text + " 不是整数";
            case NumberCheck::OutOfRange:
                return std::string(rule.key) + "=" + *rule.text + " 超出范围（" +
                       RangeText(rule.range) + "）";
        }
    }
    return std::nullopt;
}

}  // namespace vorn::monsterfolder
