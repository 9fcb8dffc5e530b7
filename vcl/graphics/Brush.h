#pragma once
// TBrush: the fill of a canvas, a colour with a style, and the GDI brush made from them on first use. A change drops
// the GDI brush and calls OnChange once.

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

enum TBrushStyle : uint8_t { bsSolid, bsClear };

// A fill description whose GDI brush is created when first asked for and released when the description changes.
class TBrush : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TBrush, rtl::TPersistent)
public:
    TBrush() = default;
    ~TBrush() override;

    void Assign(const rtl::TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);

    // The GDI brush, owned by this object (the stock hollow brush for bsClear); valid until the next change.
    HBRUSH Handle();

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

private:
    void Changed();

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    HBRUSH FHandle = nullptr; // owned unless it is the stock hollow brush
    rtl::TNotifyEvent FOnChange;
};

} // namespace vcl
