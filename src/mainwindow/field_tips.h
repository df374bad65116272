// Tip texts that echo each field of the monster as the user edits it. Pure
// text: the handlers decide when to write them into the tip line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn::mainwindow::tips {

// Combo boxes, by selection index. Functions returning an optional give no
// tip for an index the list does not have.
std::string_view Job(int index);  // unknown index: the first job
std::string_view Gender(int index);  // anything but 0 reads as female
std::optional<std::string_view> Hair(int hairIndex, int genderIndex);
std::string_view Drop(int index);
std::string_view Butch(int index);
std::optional<std::string_view> ChargeClass(int index);
std::string_view SkillsOff();
std::string_view SkillsOn();

// Edit boxes, from the text as it stands.
std::string DropRate(std::string_view text);   // echoes the text unchanged
std::string ButchRate(std::string_view text);  // the success chance, 100 - rate
std::optional<std::string> ChargeCount(int currencyIndex, std::string_view text);

// Success chance of one dig attempt, in per cent, for a dig-rate text:
// 100 minus the rate, truncated toward zero (a rate above 100 goes negative).
long long ButchSuccessChance(std::string_view rateText);

// The two texts a spin press reports, one per direction.
struct SpinTexts {
    std::string_view up;
    std::string_view down;
};
SpinTexts DropRateSpin();
SpinTexts ButchRateSpin();

}  // namespace vorn::mainwindow::tips
