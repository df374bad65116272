// The GDI+ flat functions the program draws and decodes pictures with,
// reached by name from the system's gdiplus.dll: nothing of GDI+ is linked at
// build time. Each entry is
// looked up at its first call; a missing one is a fatal runtime error that
// names the library and the function.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "runtime/win32/system_function_win.h"

namespace vorn::plus {

// One entry per flat function, named as the function without its "Gdip"
// prefix; the type comes from the SDK declaration of the same name, so an
// entry cannot disagree with the export it names.
#define VORN_PLUS_CALL(name)                                                   \
    runtime::SystemFunction<decltype(&Gdiplus::DllExports::Gdip##name)> name { \
        kLibrary, "Gdip" #name                                                 \
    }

struct PlusCalls {
    static constexpr const wchar_t* kLibrary = L"gdiplus.dll";

    runtime::SystemFunction<decltype(&Gdiplus::GdiplusStartup)> Startup{kLibrary, "GdiplusStartup"};

    // Images and bitmaps.
    VORN_PLUS_CALL(CreateBitmapFromStream);
    VORN_PLUS_CALL(CreateBitmapFromStreamICM);
    VORN_PLUS_CALL(CreateBitmapFromScan0);
    VORN_PLUS_CALL(CreateBitmapFromHBITMAP);
    VORN_PLUS_CALL(CreateBitmapFromHICON);
    VORN_PLUS_CALL(CloneImage);
    VORN_PLUS_CALL(DisposeImage);
    VORN_PLUS_CALL(GetImageWidth);
    VORN_PLUS_CALL(GetImageHeight);
    VORN_PLUS_CALL(GetImageHorizontalResolution);
    VORN_PLUS_CALL(GetImageVerticalResolution);
    VORN_PLUS_CALL(BitmapSetResolution);
    VORN_PLUS_CALL(BitmapGetPixel);
    VORN_PLUS_CALL(BitmapLockBits);
    VORN_PLUS_CALL(BitmapUnlockBits);
    VORN_PLUS_CALL(GetImageEncodersSize);
    VORN_PLUS_CALL(GetImageEncoders);
    VORN_PLUS_CALL(SaveImageToFile);
    VORN_PLUS_CALL(SaveImageToStream);
    VORN_PLUS_CALL(GetPropertyItemSize);
    VORN_PLUS_CALL(GetPropertyItem);

    // Graphics.
    VORN_PLUS_CALL(CreateFromHDC);
    VORN_PLUS_CALL(GetImageGraphicsContext);
    VORN_PLUS_CALL(DeleteGraphics);
    VORN_PLUS_CALL(Flush);
    VORN_PLUS_CALL(GraphicsClear);
    VORN_PLUS_CALL(SetSmoothingMode);
    VORN_PLUS_CALL(SetTextRenderingHint);
    VORN_PLUS_CALL(SetCompositingMode);
    VORN_PLUS_CALL(SetCompositingQuality);
    VORN_PLUS_CALL(SetInterpolationMode);
    VORN_PLUS_CALL(GetInterpolationMode);
    VORN_PLUS_CALL(SetPixelOffsetMode);
    VORN_PLUS_CALL(TranslateWorldTransform);
    VORN_PLUS_CALL(ScaleWorldTransform);
    VORN_PLUS_CALL(RotateWorldTransform);
    VORN_PLUS_CALL(ResetWorldTransform);
    VORN_PLUS_CALL(SetClipRect);
    VORN_PLUS_CALL(SetClipPath);
    VORN_PLUS_CALL(SetClipRegion);
    VORN_PLUS_CALL(SetClipHrgn);
    VORN_PLUS_CALL(ResetClip);
    VORN_PLUS_CALL(FillRectangle);
    VORN_PLUS_CALL(FillPath);
    VORN_PLUS_CALL(DrawLine);
    VORN_PLUS_CALL(DrawRectangle);
    VORN_PLUS_CALL(DrawPath);
    VORN_PLUS_CALL(DrawImage);
    VORN_PLUS_CALL(DrawImageRectRect);
    VORN_PLUS_CALL(DrawImageRectRectI);
    VORN_PLUS_CALL(DrawCachedBitmap);
    VORN_PLUS_CALL(DrawString);
    VORN_PLUS_CALL(MeasureString);

    // Fonts, families and string formats.
    VORN_PLUS_CALL(CreateFont);
    VORN_PLUS_CALL(CreateFontFromLogfontW);
    VORN_PLUS_CALL(CreateFontFromDC);
    VORN_PLUS_CALL(DeleteFont);
    VORN_PLUS_CALL(GetFontSize);
    VORN_PLUS_CALL(GetFamily);
    VORN_PLUS_CALL(CreateFontFamilyFromName);
    VORN_PLUS_CALL(DeleteFontFamily);
    VORN_PLUS_CALL(GetFamilyName);
    VORN_PLUS_CALL(CreateStringFormat);
    VORN_PLUS_CALL(DeleteStringFormat);
    VORN_PLUS_CALL(SetStringFormatFlags);
    VORN_PLUS_CALL(SetStringFormatAlign);
    VORN_PLUS_CALL(SetStringFormatLineAlign);

    // Brushes and pens.
    VORN_PLUS_CALL(DeleteBrush);
    VORN_PLUS_CALL(CreateSolidFill);
    VORN_PLUS_CALL(SetSolidFillColor);
    VORN_PLUS_CALL(CreateLineBrush);
    VORN_PLUS_CALL(CreateLineBrushFromRect);
    VORN_PLUS_CALL(TranslateLineTransform);
    VORN_PLUS_CALL(ScaleLineTransform);
    VORN_PLUS_CALL(RotateLineTransform);
    VORN_PLUS_CALL(ResetLineTransform);
    VORN_PLUS_CALL(CreatePen1);
    VORN_PLUS_CALL(CreatePen2);
    VORN_PLUS_CALL(DeletePen);
    VORN_PLUS_CALL(TranslatePenTransform);
    VORN_PLUS_CALL(ScalePenTransform);
    VORN_PLUS_CALL(RotatePenTransform);
    VORN_PLUS_CALL(ResetPenTransform);

    // Paths and regions.
    VORN_PLUS_CALL(CreatePath);
    VORN_PLUS_CALL(DeletePath);
    VORN_PLUS_CALL(AddPathLine);
    VORN_PLUS_CALL(AddPathArc);
    VORN_PLUS_CALL(AddPathRectangle);
    VORN_PLUS_CALL(AddPathEllipse);
    VORN_PLUS_CALL(AddPathString);
    VORN_PLUS_CALL(StartPathFigure);
    VORN_PLUS_CALL(ClosePathFigure);
    VORN_PLUS_CALL(GetPointCount);
    VORN_PLUS_CALL(GetPathWorldBounds);
    VORN_PLUS_CALL(IsVisiblePathPoint);
    VORN_PLUS_CALL(CreateRegionRect);
    VORN_PLUS_CALL(CreateRegionPath);
    VORN_PLUS_CALL(CreateRegionHrgn);
    VORN_PLUS_CALL(DeleteRegion);
    VORN_PLUS_CALL(CombineRegionRect);
    VORN_PLUS_CALL(CombineRegionPath);
    VORN_PLUS_CALL(IsVisibleRegionPoint);

    // Image attributes and cached bitmaps.
    VORN_PLUS_CALL(CreateImageAttributes);
    VORN_PLUS_CALL(DisposeImageAttributes);
    VORN_PLUS_CALL(SetImageAttributesColorMatrix);
    VORN_PLUS_CALL(SetImageAttributesWrapMode);
    VORN_PLUS_CALL(CreateCachedBitmap);
    VORN_PLUS_CALL(DeleteCachedBitmap);
};

#undef VORN_PLUS_CALL

// The one table of the process. Using it does not start GDI+: StartPlus does.
PlusCalls& Plus();

}  // namespace vorn::plus
