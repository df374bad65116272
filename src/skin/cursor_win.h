// Cursors made from the .cur files the program carries.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/win32/handles_win.h"

namespace vorn::skin {

// A cursor from the bytes of a one-image cursor file (see ReadCursorFile);
// empty for anything else, or when the system cannot make it.
runtime::UniqueIcon CursorFromBytes(std::span<const std::uint8_t> file);

}  // namespace vorn::skin
