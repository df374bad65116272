#include "names/paradox_header.h"

#include <array>
#include <cstdio>
#include <utility>

namespace vorn::names {
namespace {

// Offsets of the fixed part.
constexpr std::size_t kRecordSize = 0x00;
constexpr std::size_t kHeaderSize = 0x02;
constexpr std::size_t kFileType = 0x04;
constexpr std::size_t kBlockSizeCode = 0x05;
constexpr std::size_t kRecordCount = 0x06;
constexpr std::size_t kFileBlocks = 0x0C;
constexpr std::size_t kFirstBlock = 0x0E;
constexpr std::size_t kLastBlock = 0x10;
constexpr std::size_t kFieldCount = 0x21;
constexpr std::size_t kEncryption1 = 0x25;
constexpr std::size_t kVersion = 0x39;
constexpr std::size_t kEncryption2 = 0x5C;       // in the data header of version 4 and later
constexpr std::size_t kFixedPartEnd = 0x58;      // the field types follow here in version 3
constexpr std::size_t kDataHeaderEnd = 0x78;     // and here from version 4 on
constexpr std::size_t kPointerSize = 4;
constexpr std::uint32_t kEncryptionMoved = 0xFF00FF00;  // version 4+: see encryption2

constexpr std::uint8_t kIndexedData = 0;
constexpr std::uint8_t kUnindexedData = 2;
constexpr std::uint8_t kLastFileType = 8;  // 1 and 3 to 8 are index files

std::uint32_t U32(std::string_view bytes, std::size_t at) {
    return ParadoxU16(bytes, at) | static_cast<std::uint32_t>(ParadoxU16(bytes, at + 2)) << 16;
}

std::uint8_t U8(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

std::string Hex(unsigned value) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "0x%02X", value);
    return text.data();
}

std::string Number(std::size_t value) { return std::to_string(value); }

bool IsKnownVersion(std::uint8_t version) { return version >= 0x03 && version <= 0x0C; }

// 1, 2, 3 and 4 KiB in the older versions; 8, 16 and 32 KiB from version 7.
bool IsKnownBlockSizeCode(std::uint8_t code) {
    return (code >= 1 && code <= 4) || code == 8 || code == 16 || code == 32;
}

// The bytes a field of this type takes in a record: nothing when the format
// has no such type, 0 when it has no such size for it.
std::optional<std::size_t> FieldBytes(std::uint8_t type, std::uint8_t size) {
    const auto exactly = [size](std::size_t wanted) -> std::size_t { return size == wanted ? wanted : 0; };
    switch (type) {
        case kParadoxAlphaField:  // A
        case 0x18:                // Y, bytes
            return size;
        case 0x02:  // D, date
        case 0x04:  // I, long integer
        case 0x14:  // T, time
        case 0x16:  // +, autoincrement
            return exactly(4);
        case 0x03: return exactly(2);  // S, short integer
        case 0x05:                     // $, currency
        case 0x06:                     // N, number
        case 0x15:                     // @, timestamp
            return exactly(8);
        case 0x09: return exactly(1);  // L, logical
        case 0x0C:                     // M, memo
        case 0x0D:                     // B, binary
        case 0x0E:                     // F, formatted memo
        case 0x0F:                     // O, OLE
        case 0x10:                     // G, graphic
            return size >= 10 ? size : 0;  // a leader and 10 bytes that place the blob
        case 0x17: return 17;              // #, BCD: the size byte counts the digits
        default: return std::nullopt;
    }
}

ParadoxHeaderReading Fail(std::string why) { return {std::nullopt, std::move(why)}; }

// Reads the field types, the field names and checks the record size; `at` is
// where the field types start.
std::optional<std::string> ReadFields(std::string_view header, std::size_t at, std::size_t fieldCount,
                                      std::size_t tableNameSize, ParadoxHeader& table) {
    const std::size_t namesAt = at + fieldCount * 2 + kPointerSize + fieldCount * kPointerSize + tableNameSize;
    if (namesAt > header.size())
        return "表头长度 " + Number(header.size()) + " 字节装不下 " + Number(fieldCount) + " 个字段的说明";
    std::size_t recordBytes = 0;
    for (std::size_t index = 0; index < fieldCount; ++index) {
        const std::uint8_t type = U8(header, at + index * 2);
        const std::uint8_t size = U8(header, at + index * 2 + 1);
        const std::string which = "第 " + Number(index + 1) + " 个字段";
        const std::optional<std::size_t> bytes = FieldBytes(type, size);
        if (!bytes) return which + "的类型代码 " + Hex(type) + " 不认识";
        if (*bytes == 0) return which + "（类型 " + Hex(type) + "）的长度 " + Number(size) + " 不合格式";
        table.fields.push_back({type, *bytes, {}});
        recordBytes += *bytes;
    }
    std::size_t pos = namesAt;
    for (std::size_t index = 0; index < fieldCount; ++index) {
        const std::size_t end = header.find('\0', pos);
        if (end == std::string_view::npos) return "第 " + Number(index + 1) + " 个字段的名称超出了表头";
        table.fields[index].name.assign(header.substr(pos, end - pos));
        pos = end + 1;
    }
    if (table.recordSize != recordBytes)
        return "记录长度 " + Number(table.recordSize) + " 与各字段长度之和 " + Number(recordBytes) + " 不符";
    return std::nullopt;
}

}  // namespace

std::uint16_t ParadoxU16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

bool LooksLikeParadox(std::string_view bytes) {
    return bytes.size() >= kFixedPartEnd && U8(bytes, kFileType) <= kLastFileType &&
           IsKnownBlockSizeCode(U8(bytes, kBlockSizeCode)) && IsKnownVersion(U8(bytes, kVersion)) &&
           ParadoxU16(bytes, kHeaderSize) >= kFixedPartEnd;
}

ParadoxHeaderReading ReadParadoxHeader(std::string_view bytes) {
    if (bytes.size() < kFixedPartEnd)
        return Fail("文件只有 " + Number(bytes.size()) + " 字节，装不下 Paradox 表头");
    const std::uint8_t fileType = U8(bytes, kFileType);
    if (fileType > kLastFileType) return Fail("不是 Paradox 表：文件类型 " + Hex(fileType) + " 不认识");
    if (fileType != kIndexedData && fileType != kUnindexedData)
        return Fail("这是 Paradox 的索引文件（类型 " + Number(fileType) + "），不是数据表，请选同名的 .DB 文件");
    const std::uint8_t version = U8(bytes, kVersion);
    if (!IsKnownVersion(version))
        return Fail("Paradox 表的版本号 " + Hex(version) + " 不认识（能读 3.0 到 7.x 版的表）");
    const std::uint8_t blockSizeCode = U8(bytes, kBlockSizeCode);
    if (!IsKnownBlockSizeCode(blockSizeCode))
        return Fail("数据块大小代码 " + Number(blockSizeCode) + " 不认识（应为 1、2、3、4、8、16 或 32 KiB）");

    // Version 3 keeps the encryption code at 0x25; later versions write a
    // marker there and keep it in the data header.
    const bool dataHeader = version >= 0x05;
    const std::uint32_t encryption1 = U32(bytes, kEncryption1);
    const bool encrypted = dataHeader ? (encryption1 != 0 && encryption1 != kEncryptionMoved) ||
                                            (bytes.size() >= kDataHeaderEnd && U32(bytes, kEncryption2) != 0)
                                      : encryption1 != 0;
    if (encrypted) return Fail("表已加密（设了密码），无法读取；请先在数据库工具里去掉密码");

    ParadoxHeader table;
    table.recordSize = ParadoxU16(bytes, kRecordSize);
    table.headerSize = ParadoxU16(bytes, kHeaderSize);
    table.blockSize = std::size_t{blockSizeCode} * 1024;
    table.recordCount = U32(bytes, kRecordCount);
    table.fileBlocks = ParadoxU16(bytes, kFileBlocks);
    table.firstBlock = ParadoxU16(bytes, kFirstBlock);
    table.lastBlock = ParadoxU16(bytes, kLastBlock);

    const std::size_t fieldsAt = dataHeader ? kDataHeaderEnd : kFixedPartEnd;
    if (table.headerSize > bytes.size())
        return Fail("表头长度 " + Number(table.headerSize) + " 字节超出了文件（只有 " + Number(bytes.size()) +
                    " 字节），文件不完整");
    if (table.headerSize < fieldsAt)
        return Fail("表头长度 " + Number(table.headerSize) + " 字节太短，表头已损坏");
    const auto fieldCount = static_cast<std::int16_t>(ParadoxU16(bytes, kFieldCount));
    if (fieldCount < 1 || fieldCount > 255) return Fail("字段数 " + std::to_string(fieldCount) + " 不合理，表头已损坏");
    if (table.recordSize == 0 || table.recordSize + 6 > table.blockSize)
        return Fail("记录长度 " + Number(table.recordSize) + " 与数据块大小 " + Number(table.blockSize) +
                    " 字节不合，表头已损坏");

    const std::size_t tableNameSize = version >= 0x0C ? 261 : 79;
    if (auto problem = ReadFields(bytes.substr(0, table.headerSize), fieldsAt,
                                  static_cast<std::size_t>(fieldCount), tableNameSize, table))
        return Fail(std::move(*problem));

    const std::size_t blocksInFile = (bytes.size() - table.headerSize) / table.blockSize;
    if (table.fileBlocks > blocksInFile)
        return Fail("表头说有 " + Number(table.fileBlocks) + " 个数据块，文件只装得下 " + Number(blocksInFile) +
                    " 个，文件被截断了");
    if (table.firstBlock > table.fileBlocks || table.lastBlock > table.fileBlocks)
        return Fail("第一个或最后一个数据块的编号（" + Number(table.firstBlock) + "、" + Number(table.lastBlock) +
                    "）超出了数据块总数 " + Number(table.fileBlocks));
    return {std::move(table), {}};
}

}  // namespace vorn::names
