// The header of a Paradox table (.DB), the format older server engines keep
// their item and monster tables in. Little-endian header fields at fixed
// offsets (record size, header size, file type, block size code, record
// count, block counts, first and last block, field count, encryption,
// version), from version 4 on a data header at 0x58, then the field types
// and sizes, pointers that only mean something in memory, the table's name
// (79 bytes, 261 from version 7) and the field names, each ending in a zero.
// Data blocks follow the header; block n (from 1) starts at
// headerSize + (n - 1) * blockSize.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::names {

inline constexpr std::uint8_t kParadoxAlphaField = 0x01;

struct ParadoxField {
    std::uint8_t type = 0;
    std::size_t size = 0;  // bytes in a record
    std::string name;      // as stored (ASCII or GBK)
};

struct ParadoxHeader {
    std::size_t recordSize = 0;
    std::size_t headerSize = 0;
    std::size_t blockSize = 0;
    std::uint32_t recordCount = 0;
    std::uint16_t fileBlocks = 0;
    std::uint16_t firstBlock = 0;
    std::uint16_t lastBlock = 0;
    std::vector<ParadoxField> fields;
};

struct ParadoxHeaderReading {
    std::optional<ParadoxHeader> header;
    std::string problem;  // a Chinese sentence part, when there is no header
};

// The little-endian number at `at`; the caller has checked the bounds. The
// header and the blocks' own headers are little-endian (only the values of
// numeric fields in records are not).
std::uint16_t ParadoxU16(std::string_view bytes, std::size_t at);

// Whether the bytes start like a Paradox table or index: a file type, block
// size code and version the format has, and a header size that holds the
// fixed part. Text in any encoding fails it.
bool LooksLikeParadox(std::string_view bytes);

// Every value is checked against the others and the file's size: a header
// that claims more than the file holds, field types or sizes the format does
// not have, a record size other than the fields' sum, an index instead of a
// data table, an encrypted table or an unknown version give a problem.
ParadoxHeaderReading ReadParadoxHeader(std::string_view bytes);

}  // namespace vorn::names
