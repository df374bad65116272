// Builds Paradox tables byte by byte, for the reader's tests and the names
// benchmark: a header of any of the format's versions and block sizes, the
// records spread over data blocks chained in any order. Damage is done by
// the caller on the bytes, at the offsets this gives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorn::testing {

struct ParadoxFieldPlan {
    std::uint8_t type = 0x01;  // 0x01 alpha, 0x03 short, 0x04 long, 0x16 autoincrement, ...
    std::uint8_t size = 0;     // as the header stores it
    std::string name;          // ASCII or GBK
    std::size_t bytes = 0;     // in a record; 0: `size`
};

struct ParadoxTablePlan {
    std::uint8_t version = 0x0C;      // 3 and 4 keep the field types at 0x58, later versions at 0x78
    std::uint8_t blockKiB = 2;        // the block size code
    std::uint16_t headerSize = 0x800;
    std::vector<ParadoxFieldPlan> fields = {{0x01, 20, "Name"}};
    // One value per field: the stored bytes, zero-padded to the field's size.
    std::vector<std::vector<std::string>> records;
    std::size_t recordsPerBlock = 0;  // 0: as many as a block holds
    // The block numbers in chain order; empty: 1, 2, 3, ... Must name each of
    // 1 to the number of blocks the records need once.
    std::vector<std::uint16_t> chain;
};

std::size_t ParadoxRecordSize(const ParadoxTablePlan& plan);
std::size_t ParadoxBlockOffset(const ParadoxTablePlan& plan, std::uint16_t block);
std::string BuildParadoxTable(const ParadoxTablePlan& plan);

// A table of one alpha field "Name" holding these GBK names.
ParadoxTablePlan ParadoxNameTable(const std::vector<std::string>& gbkNames, std::uint8_t version = 0x0C,
                                  std::uint8_t blockKiB = 2);

void PutU16(std::string& bytes, std::size_t at, std::uint16_t value);
void PutU32(std::string& bytes, std::size_t at, std::uint32_t value);

}  // namespace vorn::testing
