// The program's loaded windows by window identifier.
#pragma once

#include <vector>

#include "runtime/interfaces/layout.h"

namespace vorn::runtime {

class LoadedWindow;

class WindowRegistry {
public:
    void Add(LoadedWindow& window) { windows_.push_back(&window); }
    void Remove(const LoadedWindow& window);
    // The loaded window with this identifier, or nullptr.
    LoadedWindow* Find(WindowId id) const;

private:
    std::vector<LoadedWindow*> windows_;
};

}  // namespace vorn::runtime
