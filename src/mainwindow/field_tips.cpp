#include "mainwindow/field_tips.h"

#include <array>

#include "mainwindow/truncated_number.h"
#include "runtime/base/text_number.h"

namespace vorn::mainwindow::tips {
namespace {

constexpr std::array<std::string_view, 3> kJobs = {
    "友情提示：您选择了【战士】，代码为：0",
    "友情提示：您选择了【法师】，代码为：1",
    "友情提示：您选择了【道士】，代码为：2",
};

// Rows: hair index; columns: gender index (male, female). Only a bald male
// and a short-haired female differ; the other styles look the same on both.
constexpr std::array<std::array<std::string_view, 2>, 3> kHairs = {{
    {"友情提示：您选择了发型【光头】，代码为：0", "友情提示：您选择了发型【短发】，代码为：0"},
    {"友情提示：您选择了发型【飘逸】，代码为：1", "友情提示：您选择了发型【飘逸】，代码为：1"},
    {"友情提示：您选择了发型【默认】，代码为：2", "友情提示：您选择了发型【默认】，代码为：2"},
}};

constexpr std::array<std::string_view, 4> kCurrencyChoices = {
    "友情提示：当前挖取人形怪身上装备需要： 金币",
    "友情提示：当前挖取人形怪身上装备需要： 元宝",
    "友情提示：当前挖取人形怪身上装备需要： 金刚石",
    "友情提示：当前挖取人形怪身上装备需要： 灵符",
};

constexpr std::array<std::string_view, 4> kFeeEndings = {
    ") 金币。", ") 元宝。", ") 金刚石。", ") 灵符。",
};

}  // namespace

std::string_view Job(int index) {
    if (index < 0 || index >= static_cast<int>(kJobs.size())) return kJobs[0];
    return kJobs[static_cast<std::size_t>(index)];
}

std::string_view Gender(int index) {
    return index == 0 ? "友情提示：您选择了性别【男】，代码为：0"
                      : "友情提示：您选择了性别【女】，代码为：1";
}

std::optional<std::string_view> Hair(int hairIndex, int genderIndex) {
    if (hairIndex < 0 || hairIndex >= static_cast<int>(kHairs.size())) return std::nullopt;
    if (genderIndex < 0 || genderIndex > 1) return std::nullopt;
    return kHairs[static_cast<std::size_t>(hairIndex)][static_cast<std::size_t>(genderIndex)];
}

std::string_view Drop(int index) {
    return index == 0 ? "友情提示：掉落已关闭，杀死人形怪后不会掉落人形怪身上装备。"
                      : "友情提示：掉落已开启，杀死人形怪后将会掉落人形怪身上装备。";
}

std::string_view Butch(int index) {
    return index == 0 ? "友情提示：挖取已关闭，杀死人形怪后不能挖取人形怪身上装备。"
                      : "友情提示：挖取已开启，杀死人形怪后可以挖取人形怪身上装备。";
}

std::optional<std::string_view> ChargeClass(int index) {
    if (index < 0 || index >= static_cast<int>(kCurrencyChoices.size())) return std::nullopt;
    return kCurrencyChoices[static_cast<std::size_t>(index)];
}

std::string_view SkillsOff() { return "友情提示：关闭人形怪使用技能。"; }

std::string_view SkillsOn() {
    return "友情提示：请填写职业匹配技能。战士示例：烈火剑法,半月弯刀,刺杀剑术";
}

std::string DropRate(std::string_view text) {
    std::string tip = "友情提示：当前人形怪身上装备掉落概率为： ";
    tip += text;
    tip += "%";
    return tip;
}

long long ButchSuccessChance(std::string_view rateText) {
    return TruncatedNumber<long long>(100.0 - runtime::TextToNumber(rateText));
}

std::string ButchRate(std::string_view text) {
    std::string tip = "友情提示：当前挖取人形怪身上装备成功概率为： ";
    tip += runtime::IntegerText(ButchSuccessChance(text));
    tip += "%";
    return tip;
}

std::optional<std::string> ChargeCount(int currencyIndex, std::string_view text) {
    if (currencyIndex < 0 || currencyIndex >= static_cast<int>(kFeeEndings.size()))
        return std::nullopt;
    std::string tip = "友情提示：当前挖取人形怪身上装备需要 (";
    tip += text;
    tip += kFeeEndings[static_cast<std::size_t>(currencyIndex)];
    return tip;
}

SpinTexts DropRateSpin() {
    return {"友情提示：掉落成功率提高了 1% (注：100为 100% 掉落成功)",
            "友情提示：掉落成功率降低了 1% (注：100为 100% 掉落成功)"};
}

// A larger dig rate makes digging harder, so "up" lowers the success chance.
SpinTexts ButchRateSpin() {
    return {"友情提示：挖取成功率降低了 1% (注：0为 100% 挖取成功)",
            "友情提示：挖取成功率提高了 1% (注：0为 100% 挖取成功)"};
}

}  // namespace vorn::mainwindow::tips
