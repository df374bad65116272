#include "names/paradox_name_list.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "names/paradox_header.h"
#include "names/table_text.h"
#include "runtime/base/gbk.h"

namespace vorn::names {
namespace {

constexpr std::size_t kBlockHeaderSize = 6;  // next block, previous block, record data length

std::string Number(std::size_t value) { return std::to_string(value); }

struct NameField {
    std::size_t offset = 0;  // in the record
    std::size_t size = 0;
};

std::optional<NameField> ChooseNameField(const ParadoxHeader& header, std::string& problem) {
    std::optional<NameField> firstAlpha;
    std::size_t offset = 0;
    for (const ParadoxField& field : header.fields) {
        const NameField here{offset, field.size};
        offset += field.size;
        const std::string name = runtime::GbkToUtf8(field.name).value_or("");
        if (IsNameColumn(name)) {
            if (field.type == kParadoxAlphaField) return here;
            problem = "名称字段“" + name + "”不是字符（A）字段";
            return std::nullopt;
        }
        if (!firstAlpha && field.type == kParadoxAlphaField) firstAlpha = here;
    }
    if (!firstAlpha) problem = "表中没有字符（A）字段，没有名称可读";
    return firstAlpha;
}

// A name as stored: the field's bytes up to the first zero, without blanks.
struct StoredName {
    std::size_t record = 0;  // from 1, in chain order
    std::string_view bytes;
};

// Follows the chain of data blocks from the first, checking every link and
// every block's record data length, and collects the name field of each
// record. Nothing, with `problem` set, for a damaged chain.
std::optional<std::vector<StoredName>> CollectNames(std::string_view file, const ParadoxHeader& header,
                                                    NameField field, std::string& problem) {
    std::vector<StoredName> names;
    std::vector<bool> visited(std::size_t{header.fileBlocks} + 1, false);
    const std::size_t recordsPerBlock = (header.blockSize - kBlockHeaderSize) / header.recordSize;
    std::size_t records = 0;
    std::size_t previous = 0;
    for (std::size_t block = header.firstBlock; block != 0;) {
        if (block > header.fileBlocks) {
            problem = "数据块 " + Number(previous) + " 指向的下一块 " + Number(block) + " 超出了数据块总数 " +
                      Number(header.fileBlocks);
            return std::nullopt;
        }
        if (visited[block]) {
            problem = "数据块链在块 " + Number(previous) + " 之后又回到了已读过的块 " + Number(block) + "，形成循环";
            return std::nullopt;
        }
        visited[block] = true;
        // The header's block count was checked against the file's size;
        // checked again here so that no block is ever read past the end.
        const std::size_t at = header.headerSize + (block - 1) * header.blockSize;
        if (at > file.size() || file.size() - at < header.blockSize) {
            problem = "数据块 " + Number(block) + " 被截断了";
            return std::nullopt;
        }
        const std::string_view data = file.substr(at, header.blockSize);
        const std::size_t next = ParadoxU16(data, 0);
        const std::size_t recordedPrevious = ParadoxU16(data, 2);
        const auto dataLength = static_cast<std::int16_t>(ParadoxU16(data, 4));
        if (recordedPrevious != previous) {
            problem = "数据块 " + Number(block) + " 记的上一块是 " + Number(recordedPrevious) + "，链上它前面却是" +
                      (previous == 0 ? std::string("表头") : "块 " + Number(previous));
            return std::nullopt;
        }
        // The length of the data after the first record: minus one record
        // when the block is empty.
        const long long afterFirst = dataLength;
        const auto recordSize = static_cast<long long>(header.recordSize);
        if (afterFirst % recordSize != 0 || afterFirst < -recordSize ||
            afterFirst / recordSize + 1 > static_cast<long long>(recordsPerBlock)) {
            problem = "数据块 " + Number(block) + " 的记录数据长度 " + std::to_string(dataLength) + " 不合（记录长度 " +
                      Number(header.recordSize) + "，每块最多 " + Number(recordsPerBlock) + " 条）";
            return std::nullopt;
        }
        const auto count = static_cast<std::size_t>(afterFirst / recordSize + 1);
        for (std::size_t index = 0; index < count; ++index) {
            std::string_view value =
                data.substr(kBlockHeaderSize + index * header.recordSize + field.offset, field.size);
            value = value.substr(0, value.find('\0'));
            names.push_back({++records, value});
        }
        previous = block;
        block = next;
    }
    if (records != header.recordCount) {
        problem = "表头说有 " + Number(header.recordCount) + " 条记录，数据块里却有 " + Number(records) +
                  " 条，表已损坏";
        return std::nullopt;
    }
    return names;
}

std::string Joined(const std::vector<StoredName>& names, std::size_t from, std::size_t to) {
    std::string joined;
    for (std::size_t index = from; index < to; ++index) {
        if (index > from) joined += '\n';
        joined.append(names[index].bytes);
    }
    return joined;
}

// The first name that is not GBK, when all of them together are not. A
// line feed never occurs inside a GBK character, so names joined by it
// decode exactly when each does.
std::size_t FirstUndecodable(const std::vector<StoredName>& names) {
    std::size_t from = 0;
    std::size_t to = names.size();
    while (to - from > 1) {
        const std::size_t middle = from + (to - from) / 2;
        if (!runtime::GbkToUtf8(Joined(names, from, middle)))
            to = middle;
        else
            from = middle;
    }
    return from;
}

}  // namespace

NameListReading ReadParadoxNames(std::string_view bytes) {
    ParadoxHeaderReading header = ReadParadoxHeader(bytes);
    if (!header.header) return NameListReading::Failed(std::move(header.problem));
    std::string problem;
    const std::optional<NameField> field = ChooseNameField(*header.header, problem);
    if (!field) return NameListReading::Failed(problem);
    std::optional<std::vector<StoredName>> stored = CollectNames(bytes, *header.header, *field, problem);
    if (!stored) return NameListReading::Failed(problem);

    std::vector<StoredName> names;
    for (StoredName name : *stored) {
        name.bytes = TrimBlanks(name.bytes);
        if (name.bytes.empty()) continue;
        if (std::ranges::any_of(name.bytes, [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            return NameListReading::Failed("第 " + Number(name.record) + " 条记录的名称含有控制字符");
        names.push_back(name);
    }
    if (names.empty())
        return NameListReading::Failed(stored->empty() ? "表中没有记录"
                                                       : "表中 " + Number(stored->size()) + " 条记录的名称都是空的");

    const std::optional<std::string> text = runtime::GbkToUtf8(Joined(names, 0, names.size()));
    if (!text)
        return NameListReading::Failed("第 " + Number(names[FirstUndecodable(names)].record) +
                                       " 条记录的名称不是有效的 GBK 文本");
    NameListReading reading;
    reading.names.reserve(names.size());
    std::string_view rest = *text;
    for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1))
        reading.names.emplace_back(rest.substr(0, end));
    reading.names.emplace_back(rest);
    return reading;
}

}  // namespace vorn::names
