#include "native/paradox_table_builder.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace vorn::testing {
namespace {

std::size_t FieldBytes(const ParadoxFieldPlan& field) { return field.bytes != 0 ? field.bytes : field.size; }

std::size_t BlockSize(const ParadoxTablePlan& plan) { return std::size_t{plan.blockKiB} * 1024; }

std::size_t RecordsPerBlock(const ParadoxTablePlan& plan) {
    const std::size_t fit = (BlockSize(plan) - 6) / ParadoxRecordSize(plan);
    return plan.recordsPerBlock == 0 ? fit : std::min(fit, plan.recordsPerBlock);
}

std::string Header(const ParadoxTablePlan& plan, std::uint16_t blocks, std::uint16_t first, std::uint16_t last) {
    std::string header(plan.headerSize, '\0');
    const auto fieldCount = static_cast<std::uint16_t>(plan.fields.size());
    PutU16(header, 0x00, static_cast<std::uint16_t>(ParadoxRecordSize(plan)));
    PutU16(header, 0x02, plan.headerSize);
    header[0x04] = 2;  // a data table without a primary key
    header[0x05] = static_cast<char>(plan.blockKiB);
    PutU32(header, 0x06, static_cast<std::uint32_t>(plan.records.size()));
    PutU16(header, 0x0A, blocks);
    PutU16(header, 0x0C, blocks);
    PutU16(header, 0x0E, first);
    PutU16(header, 0x10, last);
    PutU16(header, 0x21, fieldCount);
    header[0x39] = static_cast<char>(plan.version);
    PutU16(header, 0x3A, blocks);
    std::size_t at = 0x58;
    if (plan.version >= 5) {
        PutU32(header, 0x25, 0xFF00FF00);  // the encryption code moved to 0x5C, which stays 0
        PutU16(header, 0x58, static_cast<std::uint16_t>(0x0100 | plan.version));
        PutU16(header, 0x5A, static_cast<std::uint16_t>(0x0100 | plan.version));
        PutU16(header, 0x64, static_cast<std::uint16_t>(fieldCount + 1));
        PutU16(header, 0x6A, 936);
        at = 0x78;
    }
    std::string rest;
    for (const ParadoxFieldPlan& field : plan.fields) {
        rest += static_cast<char>(field.type);
        rest += static_cast<char>(field.size);
    }
    rest.append(4 + 4 * plan.fields.size(), '\x11');  // pointers that only mean something in memory
    std::string tableName = "items";
    tableName.resize(plan.version >= 0x0C ? 261 : 79, '\0');
    rest += tableName;
    for (const ParadoxFieldPlan& field : plan.fields) rest.append(field.name).push_back('\0');
    for (std::size_t index = 0; index < plan.fields.size(); ++index) {
        rest += static_cast<char>(index + 1);
        rest += '\0';
    }
    rest.append("ascii").push_back('\0');
    if (at + rest.size() > header.size()) throw std::length_error("header too small for the fields");
    header.replace(at, rest.size(), rest);
    return header;
}

}  // namespace

std::size_t ParadoxRecordSize(const ParadoxTablePlan& plan) {
    std::size_t size = 0;
    for (const ParadoxFieldPlan& field : plan.fields) size += FieldBytes(field);
    return size;
}

std::size_t ParadoxBlockOffset(const ParadoxTablePlan& plan, std::uint16_t block) {
    return plan.headerSize + (block - std::size_t{1}) * BlockSize(plan);
}

std::string BuildParadoxTable(const ParadoxTablePlan& plan) {
    const std::size_t perBlock = RecordsPerBlock(plan);
    const std::size_t blockCount = (plan.records.size() + perBlock - 1) / perBlock;
    std::vector<std::uint16_t> chain = plan.chain;
    if (chain.empty()) {
        chain.resize(blockCount);
        std::iota(chain.begin(), chain.end(), std::uint16_t{1});
    }
    if (chain.size() != blockCount) throw std::invalid_argument("the chain must name every block once");

    const auto blocks = static_cast<std::uint16_t>(blockCount);
    std::string bytes = Header(plan, blocks, chain.empty() ? 0 : chain.front(), chain.empty() ? 0 : chain.back());
    bytes.resize(plan.headerSize + blockCount * BlockSize(plan), '\0');
    const std::size_t recordSize = ParadoxRecordSize(plan);
    for (std::size_t link = 0; link < chain.size(); ++link) {
        const std::size_t at = ParadoxBlockOffset(plan, chain[link]);
        const std::size_t first = link * perBlock;
        const std::size_t count = std::min(perBlock, plan.records.size() - first);
        PutU16(bytes, at, link + 1 < chain.size() ? chain[link + 1] : 0);
        PutU16(bytes, at + 2, link > 0 ? chain[link - 1] : 0);
        PutU16(bytes, at + 4, static_cast<std::uint16_t>((count - 1) * recordSize));
        std::size_t pos = at + 6;
        for (std::size_t record = first; record < first + count; ++record) {
            for (std::size_t field = 0; field < plan.fields.size(); ++field) {
                const std::string& value = plan.records[record].at(field);
                const std::size_t size = FieldBytes(plan.fields[field]);
                bytes.replace(pos, std::min(value.size(), size), value.substr(0, size));
                pos += size;
            }
        }
    }
    return bytes;
}

ParadoxTablePlan ParadoxNameTable(const std::vector<std::string>& gbkNames, std::uint8_t version,
                                  std::uint8_t blockKiB) {
    ParadoxTablePlan plan;
    plan.version = version;
    plan.blockKiB = blockKiB;
    for (const std::string& name : gbkNames) plan.records.push_back({name});
    return plan;
}

void PutU16(std::string& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    PutU16(bytes, at, static_cast<std::uint16_t>(value & 0xFFFF));
    PutU16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace vorn::testing
