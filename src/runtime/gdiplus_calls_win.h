// The GDI+ flat functions the program uses, reached by name from the system
// directory. GDI+ is started at the first use of the table and never shut down.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "runtime/system_function_win.h"

namespace vorn::runtime {

namespace gdip = Gdiplus::DllExports;

struct GdiplusCalls {
    static constexpr const wchar_t* kLibrary = L"gdiplus.dll";

    SystemFunction<decltype(&gdip::GdipCreateBitmapFromStream)> createBitmapFromStream{
        kLibrary, "GdipCreateBitmapFromStream"};
    SystemFunction<decltype(&gdip::GdipGetImageWidth)> getImageWidth{kLibrary, "GdipGetImageWidth"};
    SystemFunction<decltype(&gdip::GdipGetImageHeight)> getImageHeight{kLibrary,
                                                                         "GdipGetImageHeight"};
    SystemFunction<decltype(&gdip::GdipBitmapLockBits)> bitmapLockBits{kLibrary,
                                                                         "GdipBitmapLockBits"};
    SystemFunction<decltype(&gdip::GdipBitmapUnlockBits)> bitmapUnlockBits{
        kLibrary, "GdipBitmapUnlockBits"};
    SystemFunction<decltype(&gdip::GdipDisposeImage)> disposeImage{kLibrary, "GdipDisposeImage"};
};

// The table, with GDI+ started.
GdiplusCalls& Gdiplus();

}  // namespace vorn::runtime
