// Which face the skin writes all its text in: the first of three Chinese
// faces the system can make a font from, else the face Windows itself uses
// for its interface.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace vorn::skin {

inline constexpr std::array<std::string_view, 3> kPreferredFaces{"微软雅黑", "黑体", "宋体"};

// The first of kPreferredFaces for which `canCreate` holds; when none does,
// `systemFace()`, kept even when empty or unusable (text is then drawn in
// GDI+'s default face).
std::string ChooseUiFontFace(const std::function<bool(std::string_view face)>& canCreate,
                             const std::function<std::string()>& systemFace);

}  // namespace vorn::skin
