#include "profile/monster_text.h"
#include "mainwindow/monster_text_buffer.h"

#include <gtest/gtest.h>

#include "mainwindow/control_ids.h"
#include "mainwindow/main_window_layout.h"
#include "native/fake_window.h"
#include "native/recording_properties.h"

namespace vorn::testing {
namespace {

namespace id = mainwindow::id;
namespace prop = runtime::prop;

class MonsterTextTest : public ::testing::Test {
protected:
    // The texts written into the buffer, in order.
    std::vector<std::string> BufferWrites() const {
        std::vector<std::string> writes;
        for (const PropertyCall& call : recording.calls)
            if (call.write && call.control == id::kTextBuffer) writes.push_back(call.text);
        return writes;
    }
    // Position in the call record of the first buffer write that ends with `tail`.
    std::size_t BufferWriteEndingWith(std::string_view tail) const {
        for (std::size_t i = 0; i < recording.calls.size(); ++i) {
            const PropertyCall& call = recording.calls[i];
            if (call.write && call.control == id::kTextBuffer && call.text.ends_with(tail)) return i;
        }
        ADD_FAILURE() << "no buffer write ends with " << tail;
        return recording.calls.size();
    }

    FakeWindow window{mainwindow::MainWindowLayout()};
    RecordingProperties recording{window};
};

TEST_F(MonsterTextTest, BufferIsClearedThenGrowsOnePieceAtTheEnd) {
    window.Type(id::kTextBuffer, "left over from last time");
    const profile::MonsterProfile profile = mainwindow::BuildMonsterText(recording);
    const std::vector<std::string> writes = BufferWrites();

    ASSERT_EQ(writes.size(), 1u + 1u + 10u + 1u + 14u);  // clear, [Info], fields, [UseItems], slots
    EXPECT_EQ(writes[0], "");
    EXPECT_EQ(writes[1], "[Info]\r\n");
    for (std::size_t i = 2; i < writes.size(); ++i) {
        EXPECT_TRUE(writes[i].starts_with(writes[i - 1])) << "write " << i << " is not an append";
        EXPECT_GT(writes[i].size(), writes[i - 1].size());
    }
    EXPECT_EQ(writes[2].substr(writes[1].size()), ";职业：战士\r\nJob=0\r\n");
    EXPECT_EQ(writes[12].substr(writes[11].size()), "[UseItems]\r\n");
    EXPECT_EQ(writes.back().substr(writes[writes.size() - 2].size()), ";斗笠\r\nUseItems13=\r\n");
    EXPECT_EQ(window.Text(id::kTextBuffer), profile::MonsterBody(profile));
}

TEST_F(MonsterTextTest, CappedRateIsWrittenBackBetweenItsNeighbours) {
    window.Type(id::kDropRate, "150");
    window.Type(id::kButchRate, "101");
    mainwindow::BuildMonsterText(recording);

    const auto writeOf = [&](runtime::ControlId control) {
        for (std::size_t i = 0; i < recording.calls.size(); ++i)
            if (recording.calls[i].write && recording.calls[i].control == control) return i;
        return recording.calls.size();
    };
    const std::size_t dropCap = writeOf(id::kDropRate);
    const std::size_t butchCap = writeOf(id::kButchRate);
    ASSERT_LT(dropCap, recording.calls.size());
    ASSERT_LT(butchCap, recording.calls.size());
    EXPECT_EQ(recording.calls[dropCap].text, "100");
    EXPECT_EQ(recording.calls[butchCap].text, "100");
    EXPECT_LT(BufferWriteEndingWith("DropUseItem=0\r\n"), dropCap);
    EXPECT_LT(dropCap, BufferWriteEndingWith("DropUseItemRate=100\r\n"));
    EXPECT_LT(BufferWriteEndingWith("ButchUseItem=0\r\n"), butchCap);
    EXPECT_LT(butchCap, BufferWriteEndingWith("ButchRate=100\r\n"));
}

TEST_F(MonsterTextTest, NameIsReadAfterTheLastSlotPiece) {
    window.Type(id::kMonsterName, "骷髅");
    const profile::MonsterProfile profile = mainwindow::BuildMonsterText(recording);
    EXPECT_EQ(profile.monsterName, "骷髅");
    const std::size_t lastAppend = BufferWriteEndingWith("UseItems13=\r\n");
    std::size_t nameRead = 0;
    for (std::size_t i = 0; i < recording.calls.size(); ++i)
        if (!recording.calls[i].write && recording.calls[i].control == id::kMonsterName) nameRead = i;
    EXPECT_GT(nameRead, lastAppend);
    EXPECT_EQ(window.Text(id::kTextBuffer).find("骷髅"), std::string::npos);
}

TEST_F(MonsterTextTest, BodyFollowsTheProfileFieldByField) {
    profile::MonsterProfile profile{.job = 2,
                                    .gender = 1,
                                    .hair = 1,
                                    .dropUseItem = 1,
                                    .dropUseItemRate = "050",
                                    .butchUseItem = 1,
                                    .butchRate = "-5",
                                    .butchChargeClass = 3,
                                    .butchChargeCount = "9",
                                    .useSkillOn = true,
                                    .useSkill = "施毒术"};
    profile.useItems[9] = "护身符甲";
    profile.useItems[13] = "斗笠乙";
    EXPECT_EQ(profile::MonsterBody(profile),
              "[Info]\r\n"
              ";职业：道士\r\nJob=2\r\n"
              ";性别：女\r\nGender=1\r\n"
              ";发型\r\nHair=1\r\n"
              ";是否掉装备，1=掉，0=不掉\r\nDropUseItem=1\r\n"
              ";装备掉落几率%\r\nDropUseItemRate=050\r\n"
              ";是否允许挖取身上装备 1=是，0=否\r\nButchUseItem=1\r\n"
              ";挖取身上装备机率0为百分百，数字越大，机率越小(无论是否成功，都将会收取费用)\r\n"
              "ButchRate=-5\r\n"
              ";挖取身上装备收费模式(0金币，1元宝，2金刚石，3灵符)\r\nButchChargeClass=3\r\n"
              ";挖取身上装备每次收费点数\r\nButchChargeCount=9\r\n"
              ";使用魔法(2种技能之间用逗号隔开，例如：烈火剑法,半月弯刀,刺杀剑术)\r\n"
              "UseSkill=施毒术\r\n"
              "[UseItems]\r\n"
              ";衣服\r\nUseItems0=\r\n;武器\r\nUseItems1=\r\n;勋章\r\nUseItems2=\r\n"
              ";项链\r\nUseItems3=\r\n;头盔\r\nUseItems4=\r\n;左手镯\r\nUseItems5=\r\n"
              ";右手镯\r\nUseItems6=\r\n;左戒指\r\nUseItems7=\r\n;右戒指\r\nUseItems8=\r\n"
              ";护身符\r\nUseItems9=护身符甲\r\n;腰带\r\nUseItems10=\r\n;鞋子\r\nUseItems11=\r\n"
              ";宝石\r\nUseItems12=\r\n;斗笠\r\nUseItems13=斗笠乙\r\n");

    profile.useSkillOn = false;
    EXPECT_NE(profile::MonsterBody(profile).find("\r\nUseSkill=\r\n"), std::string::npos);
}

TEST(MonsterTextLines, HeaderAndDropRateLine) {
    EXPECT_EQ(profile::MonsterHeaderLine("骷髅"),
              ";;==============人型怪物 骷髅 配制文件=======================\r\n");
    EXPECT_EQ(profile::MonsterHeaderLine(""),
              ";;==============人型怪物  配制文件=======================\r\n");
    EXPECT_EQ(profile::DropRateLine("骷髅"), ";骷髅爆率文件\r\n");
    EXPECT_EQ(profile::DropRateLine(""), ";爆率文件\r\n");
}

}  // namespace
}  // namespace vorn::testing
