#include "runtime/controls/window_registry_win.h"

#include <algorithm>

#include "runtime/controls/window_loader_win.h"

namespace vorn::runtime {

void WindowRegistry::Remove(const LoadedWindow& window) {
    std::erase(windows_, &window);
}

LoadedWindow* WindowRegistry::Find(WindowId id) const {
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [id](const LoadedWindow* window) { return window->id() == id; });
    return found == windows_.end() ? nullptr : *found;
}

}  // namespace vorn::runtime
