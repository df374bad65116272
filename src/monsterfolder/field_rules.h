// The values the window lets a user enter in its number boxes. A file whose
// values keep to these rules is listed as sound, and a CSV file's cells are
// held to the same rules before anything is written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "profile/monster_profile.h"

namespace vorn::monsterfolder {

struct NumberRange {
    std::int64_t min;
    std::int64_t max;
};

inline constexpr NumberRange kRateRange{0, 100};        // 掉落几率, 挖取几率
inline constexpr NumberRange kFeeRange{0, 2147483647};  // 挖取费用
inline constexpr NumberRange kHairRange{0, 2};          // 发型

enum class NumberCheck { Fits, NotANumber, OutOfRange };

// A whole number in decimal digits (blanks around it and a sign allowed)
// within the range. An empty text fits: the window's number boxes show 0 as
// nothing, and the server reads nothing as 0.
NumberCheck CheckNumber(std::string_view text, NumberRange range);

// "0–100" for a message.
std::string RangeText(NumberRange range);

// The first value of a profile that breaks these rules, as a short sentence
// naming its key ("DropUseItemRate=150 超出范围（0–100）"); nothing when all keep
// to them. The list codes cannot break them: the reader notes those.
std::optional<std::string> ProfileValueProblem(const profile::MonsterProfile& profile);

}  // namespace vorn::monsterfolder
