#include "names/name_table.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "names/completion_folding.h"

namespace vorn::names {
namespace {

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::ranges::count_if(utf8, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::vector<std::uint32_t> Indices(std::size_t count) {
    std::vector<std::uint32_t> indices(count);
    std::iota(indices.begin(), indices.end(), std::uint32_t{0});
    return indices;
}

}  // namespace

NameTable::NameTable(std::vector<std::string> names) {
    std::erase_if(names, [](const std::string& name) { return name.empty(); });
    // One sort serves both the removal of repeated names (equal names end up
    // side by side, the first in table order first) and the look-up order.
    std::vector<std::uint32_t> byText = Indices(names.size());
    std::ranges::sort(byText, [&](std::uint32_t a, std::uint32_t b) {
        const int order = names[a].compare(names[b]);
        return order != 0 ? order < 0 : a < b;
    });
    std::vector<bool> kept(names.size(), false);
    for (std::size_t k = 0; k < byText.size(); ++k)
        kept[byText[k]] = k == 0 || names[byText[k]] != names[byText[k - 1]];

    std::vector<std::uint32_t> keptIndex(names.size(), 0);
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (!kept[index]) continue;
        keptIndex[index] = static_cast<std::uint32_t>(names_.size());
        names_.push_back(std::move(names[index]));
    }
    byText_.reserve(names_.size());
    for (const std::uint32_t index : byText)
        if (kept[index]) byText_.push_back(keptIndex[index]);

    // Shorter first, equal lengths in table order: a counting sort by length.
    std::vector<std::size_t> lengths(names_.size());
    std::vector<std::size_t> starts;
    foldedEnds_.reserve(names_.size());
    for (std::size_t index = 0; index < names_.size(); ++index) {
        lengths[index] = CharacterCount(names_[index]);
        if (lengths[index] + 1 >= starts.size()) starts.resize(lengths[index] + 2, 0);
        ++starts[lengths[index] + 1];
        folded_ += FoldForCompletion(names_[index]);
        foldedEnds_.push_back(static_cast<std::uint32_t>(folded_.size()));
    }
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    byLength_.resize(names_.size());
    for (std::size_t index = 0; index < names_.size(); ++index)
        byLength_[starts[lengths[index]]++] = static_cast<std::uint32_t>(index);
}

bool NameTable::Contains(std::string_view name) const {
    const auto found = std::ranges::lower_bound(
        byText_, name, {}, [&](std::uint32_t index) { return std::string_view(names_[index]); });
    return found != byText_.end() && names_[*found] == name;
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
