#include "names/name_table.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>

#include "names/completion_folding.h"

namespace vorn::names {
namespace {

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::ranges::count_if(utf8, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

NameTable::NameTable(std::vector<std::string> names) {
    // Open addressing over indices into names_, at most half full: a copy of
    // the table stays valid, and building it needs no sort.
    std::size_t slotCount = 2;
    while (slotCount < names.size() * 2) slotCount *= 2;
    slots_.assign(slotCount, kNoName);
    names_.reserve(names.size());
    for (std::string& name : names) {
        if (name.empty()) continue;
        const std::size_t slot = FindSlot(name);
        if (slots_[slot] != kNoName) continue;  // the first of equal names is kept
        slots_[slot] = static_cast<std::uint32_t>(names_.size());
        names_.push_back(std::move(name));
    }

    // Shorter first, equal lengths in table order: a counting sort by length.
    std::vector<std::size_t> lengths(names_.size());
    std::vector<std::size_t> starts;
    std::size_t bytes = 0;
    for (const std::string& name : names_) bytes += name.size();
    folded_.reserve(bytes);  // folding never lengthens a name
    foldedEnds_.reserve(names_.size());
    for (std::size_t index = 0; index < names_.size(); ++index) {
        lengths[index] = CharacterCount(names_[index]);
        if (lengths[index] + 1 >= starts.size()) starts.resize(lengths[index] + 2, 0);
        ++starts[lengths[index] + 1];
        AppendFoldedForCompletion(folded_, names_[index]);
        foldedEnds_.push_back(static_cast<std::uint32_t>(folded_.size()));
    }
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    byLength_.resize(names_.size());
    for (std::size_t index = 0; index < names_.size(); ++index)
        byLength_[starts[lengths[index]]++] = static_cast<std::uint32_t>(index);
}

std::size_t NameTable::FindSlot(std::string_view name) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = std::hash<std::string_view>{}(name) & mask;
    while (slots_[slot] != kNoName && names_[slots_[slot]] != name) slot = (slot + 1) & mask;
    return slot;
}

bool NameTable::Contains(std::string_view name) const {
    return !slots_.empty() && slots_[FindSlot(name)] != kNoName;
}

std::string_view NameTable::Folded(std::uint32_t index) const {
    const std::uint32_t begin = index == 0 ? 0 : foldedEnds_[index - 1];
    return std::string_view(folded_).substr(begin, foldedEnds_[index] - begin);
}

std::vector<std::string> NameTable::Complete(std::string_view text, std::size_t limit) const {
    if (text.empty() || limit == 0) return {};
    const std::string key = FoldForCompletion(text);
    std::vector<std::uint32_t> beginning;
    std::vector<std::uint32_t> inside;
    // byLength_ is already the order within each group, so the scan can stop
    // as soon as the first group is full.
    for (const std::uint32_t index : byLength_) {
        const std::string_view folded = Folded(index);
        if (folded.size() < key.size()) continue;
        if (folded.starts_with(key)) {
            beginning.push_back(index);
            if (beginning.size() == limit) break;
        } else if (inside.size() + beginning.size() < limit && folded.find(key, 1) != std::string_view::npos) {
            inside.push_back(index);
        }
    }
    std::vector<std::string> completions;
    completions.reserve(std::min(limit, beginning.size() + inside.size()));
    for (const std::uint32_t index : beginning) completions.push_back(names_[index]);
    for (const std::uint32_t index : inside) {
        if (completions.size() == limit) break;
        completions.push_back(names_[index]);
    }
    return completions;
}

}  // namespace vorn::names
