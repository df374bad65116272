#include "mainwindow/read_profile.h"

#include <gtest/gtest.h>

#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_layout.h"
#include "native/fake_window.h"
#include "native/recording_properties.h"

namespace vorn::testing {
namespace {

namespace id = mainwindow::id;
using profile::MonsterProfile;
using mainwindow::ReadProfile;

class MonsterProfileTest : public ::testing::Test {
protected:
    MonsterProfile Read() { return ReadProfile(window); }

    FakeWindow window{mainwindow::MainWindowLayout()};
};

TEST_F(MonsterProfileTest, InitialControlsGiveTheInitialProfile) {
    const MonsterProfile profile = Read();
    EXPECT_EQ(profile, MonsterProfile{});
    EXPECT_EQ(profile.job, 0);
    EXPECT_EQ(profile.gender, 0);
    EXPECT_EQ(profile.hair, 2);
    EXPECT_EQ(profile.dropUseItemRate, "0");
    EXPECT_EQ(profile.butchRate, "0");
    EXPECT_EQ(profile.butchChargeCount, "0");
    EXPECT_FALSE(profile.useSkillOn);
    for (const std::string& item : profile.useItems) EXPECT_EQ(item, "");
    EXPECT_EQ(profile.monsterName, "");
    EXPECT_TRUE(window.ContentChanges().empty()) << "nothing is written when nothing is capped";
}

TEST_F(MonsterProfileTest, ListCombosUseTheIndexAndFallBackToZero) {
    const std::pair<int, int> threeItems[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}};
    for (const auto& [index, code] : threeItems) {
        window.Select(id::kJob, index);
        window.Select(id::kHair, index);
        const MonsterProfile profile = Read();
        EXPECT_EQ(profile.job, code) << index;
        EXPECT_EQ(profile.hair, code) << index;
    }
    const std::pair<int, int> currencies[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {-1, 0}};
    for (const auto& [index, code] : currencies) {
        window.Select(id::kChargeClass, index);
        EXPECT_EQ(Read().butchChargeClass, code) << index;
    }
}

TEST_F(MonsterProfileTest, TwoChoiceCombosTreatEveryIndexButZeroAsTheSecond) {
    for (int index : {1, 2, -1}) {
        window.Select(id::kGender, index);
        window.Select(id::kDrop, index);
        window.Select(id::kButch, index);
        window.Select(id::kSkillOn, index);
        const MonsterProfile profile = Read();
        EXPECT_EQ(profile.gender, 1) << index;
        EXPECT_EQ(profile.dropUseItem, 1) << index;
        EXPECT_EQ(profile.butchUseItem, 1) << index;
        EXPECT_TRUE(profile.useSkillOn) << index;
    }
    window.Select(id::kGender, 0);
    window.Select(id::kSkillOn, 0);
    EXPECT_EQ(Read().gender, 0);
    EXPECT_FALSE(Read().useSkillOn);
}

TEST_F(MonsterProfileTest, RatesAreTakenAsTypedUpToHundred) {
    for (const char* typed : {"100", "050", "-5", "abc", "", "99.9", "100.00000001", " 7"}) {
        window.Type(id::kDropRate, typed);
        window.Type(id::kButchRate, typed);
        const std::size_t changesBefore = window.ContentChanges().size();
        const MonsterProfile profile = Read();
        EXPECT_EQ(profile.dropUseItemRate, typed);
        EXPECT_EQ(profile.butchRate, typed);
        EXPECT_EQ(window.ContentChanges().size(), changesBefore) << typed << " was written back";
    }
}

TEST_F(MonsterProfileTest, RateAboveHundredIsWrittenBackAsHundred) {
    for (const char* typed : {"101", "150", "100.5", "1e3", "\xEF\xBC\x92\xEF\xBC\x90\xEF\xBC\x90"}) {
        SCOPED_TRACE(typed);
        window.Type(id::kDropRate, typed);
        const std::size_t changesBefore = window.ContentChanges().size();
        const MonsterProfile profile = Read();
        EXPECT_EQ(profile.dropUseItemRate, "100");
        EXPECT_EQ(window.Text(id::kDropRate), "100");
        ASSERT_EQ(window.ContentChanges().size(), changesBefore + 1);
        EXPECT_EQ(window.ContentChanges().back(), id::kDropRate);
        EXPECT_EQ(window.Text(id::kButchRate), "0");
    }
}

TEST_F(MonsterProfileTest, BothRatesCappedLeaveTheDigRateWrittenLast) {
    window.Type(id::kDropRate, "150");
    window.Type(id::kButchRate, "200");
    const std::size_t changesBefore = window.ContentChanges().size();
    const MonsterProfile profile = Read();
    EXPECT_EQ(profile.dropUseItemRate, "100");
    EXPECT_EQ(profile.butchRate, "100");
    EXPECT_EQ(window.Text(id::kButchRate), "100");
    const std::vector<runtime::ControlId> changes(window.ContentChanges().begin() + static_cast<long>(changesBefore),
                                                  window.ContentChanges().end());
    EXPECT_EQ(changes, (std::vector<runtime::ControlId>{id::kDropRate, id::kButchRate}));
}

TEST_F(MonsterProfileTest, FieldsAreReadInTheFixedOrderWithTheNameLast) {
    RecordingProperties recording(window);
    ReadProfile(recording);
    const std::vector<runtime::ControlId> skillsOff = {
        id::kJob,          id::kGender,      id::kHair,          id::kDrop,
        id::kDropRate,     id::kButch,       id::kButchRate,     id::kChargeClass,
        id::kChargeCount,  id::kSkillOn,
        id::kClothesName,  id::kWeaponName,  id::kMedalName,     id::kNecklaceName,
        id::kHelmetName,   id::kLeftBraceletName, id::kRightBraceletName, id::kLeftRingName,
        id::kRightRingName, id::kBeltName,   id::kShoesName,     id::kGemName,
        id::kMonsterName};
    EXPECT_EQ(recording.ControlsRead(), skillsOff);

    window.Select(id::kSkillOn, 1);
    recording.calls.clear();
    ReadProfile(recording);
    std::vector<runtime::ControlId> skillsOn = skillsOff;
    skillsOn.insert(skillsOn.begin() + 10, id::kSkills);
    EXPECT_EQ(recording.ControlsRead(), skillsOn);
}

TEST_F(MonsterProfileTest, SkillTextIsIgnoredWhileSkillsAreOff) {
    window.Type(id::kSkills, "烈火剑法");
    EXPECT_EQ(Read().useSkill, "");
    window.Select(id::kSkillOn, 1);
    EXPECT_EQ(Read().useSkill, "烈火剑法");
}

TEST_F(MonsterProfileTest, SlotItemsComeFromTheirNameBoxesExceptPlaceholders) {
    window.Type(id::kGemName, "屠龙");
    window.Type(id::kWeaponName, "");
    window.Type(id::kHelmetName, "头盔名称2");
    window.Type(id::kShoesName, "鞋子名称");
    const MonsterProfile profile = Read();
    EXPECT_EQ(profile.useItems[12], "屠龙");
    EXPECT_EQ(profile.useItems[1], "");
    EXPECT_EQ(profile.useItems[4], "头盔名称2");
    EXPECT_EQ(profile.useItems[11], "");
    EXPECT_EQ(profile.useItems[0], "");
    EXPECT_EQ(profile.useItems[9], "");
    EXPECT_EQ(profile.useItems[13], "");
}

TEST_F(MonsterProfileTest, NameIsTakenExactlyAsTyped) {
    window.Type(id::kMonsterName, "  骷髅 王 ");
    EXPECT_EQ(Read().monsterName, "  骷髅 王 ");
}

}  // namespace
}  // namespace vorn::testing
