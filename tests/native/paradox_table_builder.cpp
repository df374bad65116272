#include "native/paradox_table_builder.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace vorn::testing {
namespace {

std::size_t FieldBytes(const ParadoxFieldSpec& field) { return field.bytes != 0 ? field.bytes : field.size; }

std::size_t BlockSize(const ParadoxTableSpec& spec) { return std::size_t{spec.blockKiB} * 1024; }

std::size_t RecordsPerBlock(const ParadoxTableSpec& spec) {
    const std::size_t fit = (BlockSize(spec) - 6) / ParadoxRecordSize(spec);
    return spec.recordsPerBlock == 0 ? fit : std::min(fit, spec.recordsPerBlock);
}

std::string Header(const ParadoxTableSpec& spec, std::uint16_t blocks, std::uint16_t first, std::uint16_t last) {
    std::string header(spec.headerSize, '\0');
    const auto fieldCount = static_cast<std::uint16_t>(spec.fields.size());
    PutU16(header, 0x00, static_cast<std::uint16_t>(ParadoxRecordSize(spec)));
    PutU16(header, 0x02, spec.headerSize);
    header[0x04] = 2;  // a data table without a primary key
    header[0x05] = static_cast<char>(spec.blockKiB);
    PutU32(header, 0x06, static_cast<std::uint32_t>(spec.records.size()));
    PutU16(header, 0x0A, blocks);
    PutU16(header, 0x0C, blocks);
    PutU16(header, 0x0E, first);
    PutU16(header, 0x10, last);
    PutU16(header, 0x21, fieldCount);
    header[0x39] = static_cast<char>(spec.version);
    PutU16(header, 0x3A, blocks);
    std::size_t at = 0x58;
    if (spec.version >= 5) {
        PutU32(header, 0x25, 0xFF00FF00);  // the encryption code moved to 0x5C, which stays 0
        PutU16(header, 0x58, static_cast<std::uint16_t>(0x0100 | spec.version));
        PutU16(header, 0x5A, static_cast<std::uint16_t>(0x0100 | spec.version));
        PutU16(header, 0x64, static_cast<std::uint16_t>(fieldCount + 1));
        PutU16(header, 0x6A, 936);
        at = 0x78;
    }
    std::string rest;
    for (const ParadoxFieldSpec& field : spec.fields) {
        rest += static_cast<char>(field.type);
        rest += static_cast<char>(field.size);
    }
    rest.append(4 + 4 * spec.fields.size(), '\x11');  // pointers that only mean something in memory
    std::string tableName = "items";
    tableName.resize(spec.version >= 0x0C ? 261 : 79, '\0');
    rest += tableName;
    for (const ParadoxFieldSpec& field : spec.fields) rest.append(field.name).push_back('\0');
    for (std::size_t index = 0; index < spec.fields.size(); ++index) {
        rest += static_cast<char>(index + 1);
        rest += '\0';
    }
    rest.append("ascii").push_back('\0');
    if (at + rest.size() > header.size()) throw std::length_error("header too small for the fields");
    header.replace(at, rest.size(), rest);
    return header;
}

}  // namespace

std::size_t ParadoxRecordSize(const ParadoxTableSpec& spec) {
    std::size_t size = 0;
    for (const ParadoxFieldSpec& field : spec.fields) size += FieldBytes(field);
    return size;
}

std::size_t ParadoxBlockOffset(const ParadoxTableSpec& spec, std::uint16_t block) {
    return spec.headerSize + (block - std::size_t{1}) * BlockSize(spec);
}

std::string BuildParadoxTable(const ParadoxTableSpec& spec) {
    const std::size_t perBlock = RecordsPerBlock(spec);
    const std::size_t blockCount = (spec.records.size() + perBlock - 1) / perBlock;
    std::vector<std::uint16_t> chain = spec.chain;
    if (chain.empty()) {
        chain.resize(blockCount);
        std::iota(chain.begin(), chain.end(), std::uint16_t{1});
    }
    if (chain.size() != blockCount) throw std::invalid_argument("the chain must name every block once");

    const auto blocks = static_cast<std::uint16_t>(blockCount);
    std::string bytes = Header(spec, blocks, chain.empty() ? 0 : chain.front(), chain.empty() ? 0 : chain.back());
    bytes.resize(spec.headerSize + blockCount * BlockSize(spec), '\0');
    const std::size_t recordSize = ParadoxRecordSize(spec);
    for (std::size_t link = 0; link < chain.size(); ++link) {
        const std::size_t at = ParadoxBlockOffset(spec, chain[link]);
        const std::size_t first = link * perBlock;
        const std::size_t count = std::min(perBlock, spec.records.size() - first);
        PutU16(bytes, at, link + 1 < chain.size() ? chain[link + 1] : 0);
        PutU16(bytes, at + 2, link > 0 ? chain[link - 1] : 0);
        PutU16(bytes, at + 4, static_cast<std::uint16_t>((count - 1) * recordSize));
        std::size_t pos = at + 6;
        for (std::size_t record = first; record < first + count; ++record) {
            for (std::size_t field = 0; field < spec.fields.size(); ++field) {
                const std::string& value = spec.records[record].at(field);
                const std::size_t size = FieldBytes(spec.fields[field]);
                bytes.replace(pos, std::min(value.size(), size), value.substr(0, size));
                pos += size;
            }
        }
    }
    return bytes;
}

ParadoxTableSpec ParadoxNameTable(const std::vector<std::string>& gbkNames, std::uint8_t version,
                                  std::uint8_t blockKiB) {
    ParadoxTableSpec spec;
    spec.version = version;
    spec.blockKiB = blockKiB;
    for (const std::string& name : gbkNames) spec.records.push_back({name});
    return spec;
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
