#pragma once
// TBrush: the fill of a canvas: a colour with a style (solid, none, or one of the hatch patterns), or a pattern
// bitmap, and the GDI brush made from them on first use. A change drops the GDI brush and calls OnChange once.

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/GdiObjects.h"

#include <cstdint>

namespace vcl {

class TBitmap;

enum TBrushStyle : uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// A fill description whose GDI brush is created when first asked for and released when the description changes.
class TBrush : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TBrush, rtl::TPersistent)
public:
    TBrush() = default;
    ~TBrush() override;

    void Assign(const rtl::TPersistent* source) override;

    TColor Color() const { return FColor; }
    // A colour makes a clear brush solid.
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);
    // The pattern the brush paints with instead of its colour (not owned; the caller keeps it alive while the brush
    // uses it); nullptr for none. A monochrome pattern takes the device context's text and background colours.
    TBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* bitmap);

    // The GDI brush, owned by this object (the stock hollow brush for bsClear); valid until the next change.
    HBRUSH Handle();
    // Takes handle over (owned from now on): colour and style become the handle's, then OnChange fires.
    void SetHandle(HBRUSH handle);

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

private:
    void Changed();

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBitmap* FBitmap = nullptr; // not owned
    TBrushHandle FHandle;       // nothing while the stock hollow brush serves bsClear
    rtl::TNotifyEvent FOnChange;
};

} // namespace vcl
