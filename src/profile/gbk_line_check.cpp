#include "profile/gbk_line_check.h"

#include "runtime/base/gbk.h"

namespace vorn::profile {

bool GbkLineCheck::Holds(std::string_view line) {
    constexpr std::size_t kBlockSize = 4096;
    const std::size_t start = OffsetOf(line);
    if (start >= blockEnd_) {
        const std::string_view rest = text_.substr(start);
        std::size_t end = rest.size() > kBlockSize ? rest.find('\n', kBlockSize) : rest.npos;
        end = end == rest.npos ? rest.size() : end + 1;
        blockEnd_ = start + end;
        blockHolds_ = runtime::Utf8ToGbk(rest.substr(0, end)).has_value();
    }
    return blockHolds_ || runtime::Utf8ToGbk(line).has_value();
}

bool GbkLineCheck::HoldsFrom(std::string_view line) const {
    return runtime::Utf8ToGbk(text_.substr(OffsetOf(line))).has_value();
}

}  // namespace vorn::profile
