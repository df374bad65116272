#include "profile/monster_text.h"

#include <algorithm>

#include "profile/ini_syntax.h"
#include "runtime/base/text_number.h"

namespace vorn::profile {
namespace {

using namespace std::string_literals;

std::string Piece(std::string_view comment, std::string_view key, std::string_view value) {
    std::string piece;
    piece.reserve(comment.size() + key.size() + value.size() + 6);
    piece.append(";").append(comment).append("\r\n");
    piece.append(key).append("=").append(value).append("\r\n");
    return piece;
}

std::string_view JobName(int job) {
    switch (job) {
        case 1: return "法师";
        case 2: return "道士";
        default: return "战士";
    }
}

std::string Code(int value) { return runtime::IntegerText(value); }

constexpr std::string_view kHeaderStart = ";;==============人型怪物 ";
constexpr std::string_view kHeaderEnd = " 配制文件=======================";

}  // namespace

std::string MonsterHeaderLine(std::string_view monsterName) {
    return std::string(kHeaderStart).append(monsterName).append(kHeaderEnd).append("\r\n");
}

bool IsMonsterHeaderLine(std::string_view line) {
    return line.size() >= kHeaderStart.size() + kHeaderEnd.size() &&
           line.starts_with(kHeaderStart) && line.ends_with(kHeaderEnd);
}

std::string DropRateLine(std::string_view monsterName) {
    return ";"s.append(monsterName).append("爆率文件\r\n");
}

std::string FieldPiece(ProfileField field, int slot, const MonsterProfile& profile) {
    switch (field) {
        case ProfileField::Job:
            return Piece("职业："s.append(JobName(profile.job)), "Job", Code(profile.job));
        case ProfileField::Gender:
            return Piece(profile.gender == 0 ? "性别：男" : "性别：女", "Gender",
                         Code(profile.gender));
        case ProfileField::Hair:
            return Piece("发型", "Hair", Code(profile.hair));
        case ProfileField::DropUseItem:
            return Piece("是否掉装备，1=掉，0=不掉", "DropUseItem", Code(profile.dropUseItem));
        case ProfileField::DropUseItemRate:
            return Piece("装备掉落几率%", "DropUseItemRate", profile.dropUseItemRate);
        case ProfileField::ButchUseItem:
            return Piece("是否允许挖取身上装备 1=是，0=否", "ButchUseItem",
                         Code(profile.butchUseItem));
        case ProfileField::ButchRate:
            return Piece(
                "挖取身上装备机率0为百分百，数字越大，机率越小(无论是否成功，都将会收取费用)",
                "ButchRate", profile.butchRate);
        case ProfileField::ButchChargeClass:
            return Piece("挖取身上装备收费模式(0金币，1元宝，2金刚石，3灵符)", "ButchChargeClass",
                         Code(profile.butchChargeClass));
        case ProfileField::ButchChargeCount:
            return Piece("挖取身上装备每次收费点数", "ButchChargeCount", profile.butchChargeCount);
        case ProfileField::UseSkill:
            return Piece("使用魔法(2种技能之间用逗号隔开，例如：烈火剑法,半月弯刀,刺杀剑术)",
                         "UseSkill", profile.useSkillOn ? profile.useSkill : std::string());
        case ProfileField::UseItem: {
            if (slot < 0 || slot >= kSlotCount) return {};
            const auto index = static_cast<std::size_t>(slot);
            return Piece(kSlotWords[index], "UseItems" + Code(slot),
                         profile.useItems[index]);
        }
        case ProfileField::MonsterName:
            break;
    }
    return {};
}

std::string MonsterBody(const MonsterProfile& profile) { return MonsterBody(profile, {}); }

KeptLineTexts PlaceKeptLines(const ExtraLines& extras) {
    const auto infoTail = std::find_if(extras.info.begin(), extras.info.end(), [](const auto& line) {
        return StartsSection(line, "UseItems");
    });
    return {LinesText(extras.preamble), LinesText({extras.info.begin(), infoTail}),
            LinesText(extras.useItems) + LinesText({infoTail, extras.info.end()})};
}

std::string MonsterBody(const MonsterProfile& profile, const ExtraLines& extras) {
    const KeptLineTexts kept = PlaceKeptLines(extras);
    std::string body = kept.beforeInfo;
    body += kInfoSection;
    for (ProfileField field :
         {ProfileField::Job, ProfileField::Gender, ProfileField::Hair, ProfileField::DropUseItem,
          ProfileField::DropUseItemRate, ProfileField::ButchUseItem, ProfileField::ButchRate,
          ProfileField::ButchChargeClass, ProfileField::ButchChargeCount,
          ProfileField::UseSkill}) {
        body += FieldPiece(field, 0, profile);
    }
    body += kept.endOfInfo;
    body += kUseItemsSection;
    for (int slot = 0; slot < kSlotCount; ++slot)
        body += FieldPiece(ProfileField::UseItem, slot, profile);
    body += kept.endOfUseItems;
    return body;
}

std::string LinesText(std::span<const std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\r\n");
    return text;
}

}  // namespace vorn::profile
