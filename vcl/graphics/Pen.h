#pragma once
// TPen: the line of a canvas: colour, width, style and mix mode, with the GDI pen made from them on first use. The
// mix modes are the binary raster operations of SetROP2, in the order of their R2_ codes' usual listing (see
// PenModeToROP2). A change drops the GDI pen and calls OnChange once.

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/GdiObjects.h"

#include <cstdint>

namespace vcl {

enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum TPenMode : uint8_t {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

// The SetROP2 code of a pen mode, and the pen mode of a SetROP2 code (pmCopy for a code that is none of them).
int32_t PenModeToROP2(TPenMode mode);
TPenMode ROP2ToPenMode(int32_t rop2);

// A line description whose GDI pen is created when first asked for and released when the description changes.
class TPen : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TPen, rtl::TPersistent)
public:
    TPen() = default;
    ~TPen() override;

    void Assign(const rtl::TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    // In logical units; below 1 counts as 1.
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t width);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style);
    // The mode is a setting of the device context, not of the GDI pen: the canvas applies it.
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode mode);

    // The GDI pen, owned by this object; valid until the next change.
    HPEN Handle();
    // Takes handle over (owned from now on): colour, width and style become the handle's, then OnChange fires.
    void SetHandle(HPEN handle);

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

private:
    void Changed();

    TColor FColor = clBlack;
    int32_t FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
    TPenHandle FHandle;
    rtl::TNotifyEvent FOnChange;
};

} // namespace vcl
