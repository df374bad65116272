#include "skin/cursor_win.h"

#include <vector>

#include "skin/cursor_file.h"

namespace vorn::skin {

runtime::UniqueIcon CursorFromBytes(std::span<const std::uint8_t> file) {
    const std::optional<CursorImage> cursor = ReadCursorFile(file);
    if (!cursor) return {};
    std::vector<std::uint8_t> resource = CursorResource(*cursor);
    constexpr DWORD kResourceVersion = 0x00030000;
    return runtime::UniqueIcon(CreateIconFromResourceEx(resource.data(),
                                                        static_cast<DWORD>(resource.size()), FALSE,
                                                        kResourceVersion, cursor->width,
                                                        cursor->height, 0));
}

}  // namespace vorn::skin
