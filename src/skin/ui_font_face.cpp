#include "skin/ui_font_face.h"

namespace vorn::skin {

std::string ChooseUiFontFace(const std::function<bool(std::string_view face)>& canCreate,
                             const std::function<std::string()>& systemFace) {
    for (const std::string_view face : kPreferredFaces) {
        if (canCreate(face)) return std::string(face);
    }
    return systemFace();
}

}  // namespace vorn::skin
