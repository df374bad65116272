// Which lines of UTF-8 text GBK can hold, asked line after line. A text from
// UTF-8 or UTF-16 may hold characters GBK lacks; converting each line alone
// would cost a conversion a line, so blocks of about 4 KiB are converted
// whole and only the lines of a block that fails one by one.
#pragma once

#include <cstddef>
#include <string_view>

namespace vorn::profile {

class GbkLineCheck {
public:
    explicit GbkLineCheck(std::string_view text) : text_(text) {}

    // Whether GBK holds `line`: a piece of the text, after any line asked before.
    bool Holds(std::string_view line);

    // Whether GBK holds the text from the start of `line` to its end.
    bool HoldsFrom(std::string_view line) const;

private:
    std::size_t OffsetOf(std::string_view line) const {
        return static_cast<std::size_t>(line.data() - text_.data());
    }

    std::string_view text_;
    std::size_t blockEnd_ = 0;  // offset where the block converted last ends
    bool blockHolds_ = true;
};

}  // namespace vorn::profile
