#pragma once
// TBevel: a sunken or raised box, frame or line drawn on its parent (a graphic control), that sets controls apart.

#include "vcl/controls/GraphicControl.h"

#include <cstdint>

namespace vcl {

enum TBevelShape : uint8_t { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle : uint8_t { bsLowered, bsRaised };

// A box, frame or line with a sunken or raised look.
class TBevel : public TGraphicControl {
    RTL_DECLARE_CLASS(TBevel, TGraphicControl)
public:
    explicit TBevel(rtl::TComponent* owner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

} // namespace vcl
