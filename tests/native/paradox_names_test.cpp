// The Paradox table reader on tables built here byte by byte: the versions
// and block sizes the format has, chains of several blocks in any order, and
// every kind of damage the reader must name instead of giving a wrong list.
#include <gtest/gtest.h>

#include <random>

#include "names/paradox_header.h"
#include "names/paradox_name_list.h"
#include "native/paradox_table_builder.h"

namespace vorn::testing {
namespace {

using names::NameListReading;
using names::ReadParadoxNames;
using Names = std::vector<std::string>;

const std::string kWoodSword = "\xC4\xBE\xBD\xA3";  // 木剑
const std::string kDragonSlayer = "\xCD\xC0\xC1\xFA";  // 屠龙
const std::string kDragonTooth = "\xC1\xFA\xD1\xC0";  // 龙牙

// "木剑 0", "屠龙 1", "龙牙 2", "木剑 3", ... in GBK: distinct, in order.
std::vector<std::string> NumberedNames(std::size_t count) {
    const std::string kStems[] = {kWoodSword, kDragonSlayer, kDragonTooth};
    std::vector<std::string> names;
    for (std::size_t index = 0; index < count; ++index)
        names.push_back(kStems[index % 3] + " " + std::to_string(index));
    return names;
}

Names Utf8NumberedNames(std::size_t count) {
    const char* kStems[] = {"木剑", "屠龙", "龙牙"};
    Names names;
    for (std::size_t index = 0; index < count; ++index)
        names.push_back(kStems[index % 3] + std::string(" ") + std::to_string(index));
    return names;
}

void ExpectRefused(const std::string& bytes, std::string_view reason) {
    const NameListReading reading = ReadParadoxNames(bytes);
    EXPECT_TRUE(reading.names.empty());
    EXPECT_NE(reading.problem.find(reason), std::string::npos) << "problem: " << reading.problem;
}

TEST(ParadoxNames, ReadsEveryVersionAndBlockSizeOverSeveralBlocks) {
    const struct {
        std::uint8_t version;
        std::uint8_t blockKiB;
        std::uint16_t headerSize;
    } kShapes[] = {{0x03, 1, 0x800}, {0x04, 2, 0x800}, {0x09, 3, 0x800}, {0x0B, 4, 0x800},
                   {0x0C, 8, 0x1000}, {0x0C, 16, 0x1000}, {0x0C, 32, 0x1000}};
    for (const auto& shape : kShapes) {
        // Enough records for at least three blocks of every size.
        const std::size_t count = shape.blockKiB * 1024 * 3 / 20 + 7;
        ParadoxTablePlan plan = ParadoxNameTable(NumberedNames(count), shape.version, shape.blockKiB);
        plan.headerSize = shape.headerSize;
        const NameListReading reading = ReadParadoxNames(BuildParadoxTable(plan));
        EXPECT_EQ(reading.problem, "") << int{shape.version} << " " << int{shape.blockKiB};
        EXPECT_EQ(reading.names, Utf8NumberedNames(count)) << int{shape.version} << " " << int{shape.blockKiB};
    }
}

TEST(ParadoxNames, FollowsTheChainNotTheFileOrder) {
    ParadoxTablePlan plan = ParadoxNameTable(NumberedNames(12));
    plan.recordsPerBlock = 4;  // three blocks, partly filled
    plan.chain = {2, 3, 1};
    EXPECT_EQ(ReadParadoxNames(BuildParadoxTable(plan)).names, Utf8NumberedNames(12));
}

TEST(ParadoxNames, TakesTheNameFieldElseTheFirstAlphaField) {
    ParadoxTablePlan plan;
    plan.version = 0x09;
    plan.fields = {{0x16, 4, "Idx"}, {0x01, 10, "Desc"}, {0x01, 14, "NAME"}, {0x17, 2, "Price", 17},
                   {0x03, 2, "StdMode"}};
    plan.records = {{"\x80\0\0\x01", "x", kWoodSword, "", "\x80\x05"},
                    {"\x80\0\0\x02", "y", "  " + kDragonSlayer + "  ", "", "\x80\x05"},
                    {"\x80\0\0\x03", "z", "", "", ""}};  // an empty name is no name
    EXPECT_EQ(ReadParadoxNames(BuildParadoxTable(plan)).names, (Names{"木剑", "屠龙"}));

    plan.fields[2].name = "Item";  // no field called Name: the first alpha field
    EXPECT_EQ(ReadParadoxNames(BuildParadoxTable(plan)).names, (Names{"x", "y", "z"}));

    plan.fields[2].name = "\xC3\xFB\xB3\xC6";  // 名称 in GBK
    EXPECT_EQ(ReadParadoxNames(BuildParadoxTable(plan)).names.size(), 2u);

    plan.fields[0].name = "name";  // an autoincrement field cannot hold names
    ExpectRefused(BuildParadoxTable(plan), "名称字段“name”不是字符（A）字段");

    plan.fields = {{0x04, 4, "Idx"}};
    plan.records = {{"\x80\0\0\x01"}};
    ExpectRefused(BuildParadoxTable(plan), "没有字符（A）字段");
}

TEST(ParadoxNames, RefusesTablesOfOtherKindsOrVersions) {
    const std::string table = BuildParadoxTable(ParadoxNameTable({kWoodSword}));
    const struct {
        std::size_t at;
        std::uint8_t value;
        std::string_view reason;
    } kChanges[] = {
        {0x04, 1, "索引文件"},                        // a primary index (.PX)
        {0x04, 9, "文件类型 0x09 不认识"},
        {0x39, 0x0D, "版本号 0x0D 不认识"},
        {0x39, 0x02, "版本号 0x02 不认识"},
        {0x05, 5, "数据块大小代码 5 不认识"},
        {0x5C, 0x7A, "已加密"},                        // encryption2, version 4 and later
        {0x78, 0x0B, "第 1 个字段的类型代码 0x0B 不认识"},
        {0x79, 0, "第 1 个字段（类型 0x01）的长度 0 不合格式"},
        {0x21, 0, "字段数 0 不合理"},
    };
    for (const auto& change : kChanges) {
        std::string damaged = table;
        damaged[change.at] = static_cast<char>(change.value);
        ExpectRefused(damaged, change.reason);
    }
    // Version 3 keeps the encryption code at 0x25.
    std::string old = BuildParadoxTable(ParadoxNameTable({kWoodSword}, 0x03));
    PutU32(old, 0x25, 0x12345678);
    ExpectRefused(old, "已加密");
}

TEST(ParadoxNames, NamesADamagedHeader) {
    const ParadoxTablePlan plan = ParadoxNameTable(NumberedNames(300), 0x0C, 1);
    const std::string table = BuildParadoxTable(plan);
    const auto damaged = [&](std::size_t at, std::uint16_t value) {
        std::string bytes = table;
        PutU16(bytes, at, value);
        return bytes;
    };
    ExpectRefused(damaged(0x00, 21), "记录长度 21 与各字段长度之和 20 不符");
    ExpectRefused(damaged(0x00, 1024), "记录长度 1024 与数据块大小 1024 字节不合");
    ExpectRefused(damaged(0x02, 0xF000), "表头长度 61440 字节超出了文件");
    ExpectRefused(damaged(0x02, 0x100), "表头长度 256 字节装不下 1 个字段的说明");
    ExpectRefused(damaged(0x0C, 60), "表头说有 60 个数据块，文件只装得下 6 个，文件被截断了");
    ExpectRefused(damaged(0x0E, 7), "第一个或最后一个数据块的编号（7、6）超出了数据块总数 6");
    ExpectRefused(damaged(0x06, 299), "表头说有 299 条记录，数据块里却有 300 条");
    // The field name runs into the end of the header.
    std::string unterminated = table;
    const std::size_t nameAt = unterminated.find("Name");
    unterminated.replace(nameAt, 0x800 - nameAt, 0x800 - nameAt, 'N');
    ExpectRefused(unterminated, "第 1 个字段的名称超出了表头");
    ExpectRefused(table.substr(0, 0x57), "文件只有 87 字节");
}

TEST(ParadoxNames, NamesABrokenBlockChain) {
    const ParadoxTablePlan plan = ParadoxNameTable(NumberedNames(150), 0x0C, 1);  // 3 blocks of 50
    const std::string table = BuildParadoxTable(plan);
    const auto withBlockField = [&](std::uint16_t block, std::size_t field, std::uint16_t value) {
        std::string bytes = table;
        PutU16(bytes, ParadoxBlockOffset(plan, block) + field, value);
        return bytes;
    };
    ExpectRefused(withBlockField(2, 0, 4), "数据块 2 指向的下一块 4 超出了数据块总数 3");
    ExpectRefused(withBlockField(3, 0, 1), "数据块链在块 3 之后又回到了已读过的块 1，形成循环");
    ExpectRefused(withBlockField(2, 0, 2), "又回到了已读过的块 2");
    ExpectRefused(withBlockField(3, 2, 1), "数据块 3 记的上一块是 1，链上它前面却是块 2");
    ExpectRefused(withBlockField(1, 2, 3), "链上它前面却是表头");
    ExpectRefused(withBlockField(2, 4, 7), "数据块 2 的记录数据长度 7 不合（记录长度 20，每块最多 50 条）");
    ExpectRefused(withBlockField(2, 4, 1000), "记录数据长度 1000 不合");
    ExpectRefused(withBlockField(2, 4, 0xFFEC), "表头说有 150 条记录，数据块里却有 100 条");  // -20: empty
    ExpectRefused(withBlockField(2, 4, 0xFFEB), "记录数据长度 -21 不合");
    // Cut short: the last block loses its end, or the file ends inside the header.
    ExpectRefused(table.substr(0, table.size() - 100), "文件只装得下 2 个，文件被截断了");
    ExpectRefused(table.substr(0, 0x700), "表头长度 2048 字节超出了文件（只有 1792 字节）");
}

TEST(ParadoxNames, NamesARecordThatIsNoText) {
    std::vector<std::string> names = NumberedNames(8);
    names[4] = "\xC4\xBE\xBD";  // 木, then a lead byte without its trail byte
    ExpectRefused(BuildParadoxTable(ParadoxNameTable(names)), "第 5 条记录的名称不是有效的 GBK 文本");
    names[4] = "\xC4\xBE\n\xBD\xA3";
    ExpectRefused(BuildParadoxTable(ParadoxNameTable(names)), "第 5 条记录的名称含有控制字符");
    ExpectRefused(BuildParadoxTable(ParadoxNameTable({"", " "})), "2 条记录的名称都是空的");
    ExpectRefused(BuildParadoxTable(ParadoxNameTable({})), "表中没有记录");
}

// Whatever the bytes, the reader answers with names or a problem: no read
// past the end, no exception, no endless loop.
TEST(ParadoxNames, AnyCutOrChangedByteGivesNamesOrAProblem) {
    ParadoxTablePlan plan = ParadoxNameTable(NumberedNames(120), 0x0C, 1);
    plan.headerSize = 0x200;
    plan.chain = {3, 1, 2};
    const std::string table = BuildParadoxTable(plan);
    const auto check = [](const std::string& bytes) {
        const NameListReading reading = ReadParadoxNames(bytes);
        EXPECT_NE(reading.ok(), reading.names.empty()) << reading.problem;
    };
    for (std::size_t size = 0; size < table.size(); size += 7) check(table.substr(0, size));
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = table;
        for (int change = 0; change < 3; ++change)
            bytes[random() % 0x240 + (round % 2 == 0 ? 0 : random() % (bytes.size() - 0x240))] =
                static_cast<char>(random());
        check(bytes);
    }
}

TEST(ParadoxHeader, TellsATableFromText) {
    const std::string table = BuildParadoxTable(ParadoxNameTable({kWoodSword}));
    EXPECT_TRUE(names::LooksLikeParadox(table));
    EXPECT_TRUE(names::LooksLikeParadox(BuildParadoxTable(ParadoxNameTable({kWoodSword}, 0x03, 4))));
    EXPECT_FALSE(names::LooksLikeParadox(table.substr(0, 0x57)));
    std::string text(200, ' ');
    text.replace(0, 12, "Name,Idx\r\n\xC4\xBE");
    EXPECT_FALSE(names::LooksLikeParadox(text));
    EXPECT_FALSE(names::LooksLikeParadox(std::string("\xFF\xFE", 2) + std::string(100, '\x52')));
}

}  // namespace
}  // namespace vorn::testing
