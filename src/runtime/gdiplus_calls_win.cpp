#include "runtime/gdiplus_calls_win.h"

namespace vorn::runtime {
namespace {

void StartGdiplus() {
    SystemFunction<decltype(&Gdiplus::GdiplusStartup)> startup{GdiplusCalls::kLibrary,
                                                                "GdiplusStartup"};
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    // The token is dropped on purpose: GDI+ lives until the process ends.
    startup(&token, &input, nullptr);
}

}  // namespace

GdiplusCalls& Gdiplus() {
    static GdiplusCalls calls = [] {
        StartGdiplus();
        return GdiplusCalls{};
    }();
    return calls;
}

}  // namespace vorn::runtime
