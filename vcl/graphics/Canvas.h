#pragma once
// TCanvas: drawing on a device context with a font and a brush of its own. The font and brush are selected into the
// device context when a drawing operation needs them and selected out again before the device context changes or
// they change, so their GDI objects are never deleted while selected. A canvas without a device context asks
// CreateHandle for one (a control's canvas gets the control's window DC); a plain canvas is given one with SetHandle.

#include "rtl/core/Persistent.h"
#include "rtl/text/StringTypes.h"
#include "vcl/graphics/Brush.h"
#include "vcl/graphics/Font.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

namespace VclMessages {
inline constexpr char16_t NoCanvasHandle[] = u"Canvas does not allow drawing";
} // namespace VclMessages

// Drawing operations on a device context that the canvas is given or obtains itself.
class TCanvas : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TCanvas, rtl::TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    // The device context; obtained through CreateHandle when there is none. EInvalidOperation when none can be had.
    HDC Handle();
    // Uses handle (not owned) from now on; nullptr leaves the canvas without one.
    void SetHandle(HDC handle);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TFont& Font() { return FFont; }
    TBrush& Brush() { return FBrush; }

    // Nesting count of painters working on the canvas (the UI thread only: no waiting, only the count).
    void Lock() { ++FLockCount; }
    void Unlock() { --FLockCount; }
    int32_t LockCount() const { return FLockCount; }

    void FillRect(const TRect& rect);
    // Text at (x, y) in the font; opaque on the brush colour unless the brush is clear.
    void TextOut(int32_t x, int32_t y, rtl::UnicodeStringView text);
    TSize TextExtent(rtl::UnicodeStringView text);
    int32_t TextWidth(rtl::UnicodeStringView text) { return TextExtent(text).cx; }
    int32_t TextHeight(rtl::UnicodeStringView text) { return TextExtent(text).cy; }

protected:
    // Gives the canvas a device context when it has none; the base has no source for one.
    virtual void CreateHandle() {}
    // Selects the canvas's objects out of the current device context (before it is released).
    void DeselectHandles();

private:
    void RequireFont();
    void RequireBrush();
    void FontChanged();
    void BrushChanged();

    HDC FHandle = nullptr; // not owned
    TFont FFont;
    TBrush FBrush;
    void* FOriginalFont = nullptr;  // the device context's own font while ours is selected
    void* FOriginalBrush = nullptr; // the device context's own brush while ours is selected
    int32_t FLockCount = 0;
};

} // namespace vcl
