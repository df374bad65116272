// Functions of system libraries reached by name at run time, not through the
// import table. Each entry is looked up at its first call and cached.
#pragma once

#include <windows.h>

#include <utility>

namespace vorn::runtime {

// Loads `library` from the system directory only (a DLL planted beside the
// program is never picked up) and returns the address of `exportName`.
// A library or export that cannot be found is a fatal runtime error.
void (*ResolveSystemFunction(const wchar_t* library, const char* exportName))();

// One named function of a system library with its exact type, e.g.
// SystemFunction<decltype(&GdipDisposeImage)>{L"gdiplus.dll", "GdipDisposeImage"}.
template <typename FunctionPointer>
class SystemFunction {
public:
    constexpr SystemFunction(const wchar_t* library, const char* exportName)
        : library_(library), exportName_(exportName) {}

    FunctionPointer Get() {
        if (address_ == nullptr)
            address_ = reinterpret_cast<FunctionPointer>(ResolveSystemFunction(library_, exportName_));
        return address_;
    }

    template <typename... Arguments>
    decltype(auto) operator()(Arguments&&... arguments) {
        return Get()(std::forward<Arguments>(arguments)...);
    }

private:
    const wchar_t* library_;
    const char* exportName_;
    FunctionPointer address_ = nullptr;
};

}  // namespace vorn::runtime
