#include "monsterfolder/row_order.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "runtime/base/gbk.h"

namespace vorn::monsterfolder {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Compares two runs of digits by value: without leading zeros, the longer
// run is the larger number, and runs of one length compare digit by digit.
int CompareDigitRuns(std::string_view a, std::string_view b) {
    const auto significant = [](std::string_view run) {
        const std::size_t first = run.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : run.substr(first);
    };
    const std::string_view x = significant(a);
    const std::string_view y = significant(b);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

std::size_t DigitRunEnd(std::string_view text, std::size_t from) {
    while (from < text.size() && IsDigit(text[from])) ++from;
    return from;
}

// A number for the columns that sort by value; rows without values (files
// that could not be read) sort before every value.
std::int64_t NumberKey(const MonsterRow& row, ListColumn column) {
    if (column == ListColumn::Modified) return row.modified;
    if (!row.profile) return std::numeric_limits<std::int64_t>::min();
    switch (column) {
        case ListColumn::Job: return row.profile->job;
        case ListColumn::Gender: return row.profile->gender;
        case ListColumn::DropsItems: return row.profile->dropUseItem;
        case ListColumn::Digging: return row.profile->butchUseItem;
        case ListColumn::Equipped: return row.equipped;
        default: return 0;
    }
}

template <typename Less>
void StableSort(std::vector<std::size_t>& indices, SortDirection direction, Less less) {
    if (direction == SortDirection::Ascending)
        std::stable_sort(indices.begin(), indices.end(), less);
    else
        std::stable_sort(indices.begin(), indices.end(),
                         [&less](std::size_t a, std::size_t b) { return less(b, a); });
}

}  // namespace

std::string TextSortKey(std::string_view utf8) {
    const std::optional<std::string> gbk = runtime::Utf8ToGbk(utf8);
    std::string key = gbk.value_or(std::string(utf8));
    for (std::size_t i = 0; i < key.size(); ++i) {
        const auto byte = static_cast<unsigned char>(key[i]);
        // A GBK character's second byte can be a letter; UTF-8 has none inside a character.
        if (gbk && byte >= 0x81 && byte != 0xFF)
            ++i;
        else if (key[i] >= 'A' && key[i] <= 'Z')
            key[i] = static_cast<char>(key[i] - 'A' + 'a');
    }
    return key;
}

int CompareSortKeys(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::size_t endA = DigitRunEnd(a, i);
            const std::size_t endB = DigitRunEnd(b, j);
            if (const int order = CompareDigitRuns(a.substr(i, endA - i), b.substr(j, endB - j)))
                return order;
            i = endA;
            j = endB;
            continue;
        }
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[j]);
        if (x != y) return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    return a.compare(b);  // "02" and "2": equal by value, the bytes still decide
}

void SortRows(const std::vector<MonsterRow>& rows, std::vector<std::size_t>& indices,
              ListColumn column, SortDirection direction) {
    switch (column) {
        case ListColumn::Name:
        case ListColumn::Status: {
            std::vector<std::string> keys(rows.size());
            for (std::size_t index : indices)
                keys[index] =
                    TextSortKey(column == ListColumn::Name ? rows[index].name : rows[index].status);
            StableSort(indices, direction, [&](std::size_t a, std::size_t b) {
                if (column == ListColumn::Status && rows[a].problem != rows[b].problem)
                    return rows[a].problem < rows[b].problem;
                return CompareSortKeys(keys[a], keys[b]) < 0;
            });
            return;
        }
        default: {
            std::vector<std::int64_t> keys(rows.size());
            for (std::size_t index : indices) keys[index] = NumberKey(rows[index], column);
            StableSort(indices, direction,
                       [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
            return;
        }
    }
}

}  // namespace vorn::monsterfolder
