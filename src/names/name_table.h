// The names the server knows (its items, or its monsters), as the tool
// checks and completes what the user types. The server matches a name in a
// monster file exactly, character for character, and says nothing when there
// is no such name; Contains does the same, so an unknown name can be shown
// before the server silently ignores it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::names {

class NameTable {
public:
    NameTable() = default;
    // Keeps the first of equal names and drops empty ones.
    explicit NameTable(std::vector<std::string> names);

    // In table order, each once.
    const std::vector<std::string>& Names() const { return names_; }
    std::size_t size() const { return names_.size(); }
    bool empty() const { return names_.empty(); }

    // Whether the name is in the table exactly as given: case, width,
    // blanks and every other character count.
    bool Contains(std::string_view name) const;

    // Up to `limit` names for a text being typed: first the names that begin
    // with it, then those that contain it elsewhere, compared without regard
    // to Latin case or full width (FoldForCompletion). Within each group
    // shorter names (in characters) come first, equal lengths in table
    // order. An empty text completes to nothing.
    std::vector<std::string> Complete(std::string_view text, std::size_t limit = 20) const;

private:
    static constexpr std::uint32_t kNoName = 0xFFFFFFFF;

    // The slot that holds this name, or the empty slot where it would go.
    std::size_t FindSlot(std::string_view name) const;
    std::string_view Folded(std::uint32_t index) const;

    std::vector<std::string> names_;
    std::vector<std::uint32_t> slots_;       // a hash set of indices into names_, for Contains
    std::vector<std::uint32_t> byLength_;    // indices, shorter names first, then table order
    std::string folded_;                     // every name folded, one after the other
    std::vector<std::uint32_t> foldedEnds_;  // where each name's folded form ends in folded_
};

}  // namespace vorn::names
