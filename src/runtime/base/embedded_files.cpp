#include "runtime/base/embedded_files.h"

namespace vorn::runtime {

std::span<const std::uint8_t> ConstantBytes(const std::uint8_t* constant) {
    if (constant == nullptr) return {};
    std::uint32_t count = 0;
    for (int i = 3; i >= 0; --i) count = (count << 8) | constant[4 + i];
    return {constant + 8, count};
}

std::span<const std::uint8_t> EmbeddedFileBytes(std::string_view fileName) {
    return ConstantBytes(EmbeddedConstant(fileName));
}

}  // namespace vorn::runtime
