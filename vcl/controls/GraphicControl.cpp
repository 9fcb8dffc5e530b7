#include "vcl/controls/GraphicControl.h"

#include "vcl/system/Win32.h"

namespace vcl {

TGraphicControl::TGraphicControl(rtl::TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

void TGraphicControl::Dispatch(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        WMPaint(message);
    } else {
        TControl::Dispatch(message);
    }
}

void TGraphicControl::Paint() {}

// The parent sends WM_PAINT with its device context, already moved to this control and clipped to it.
void TGraphicControl::WMPaint(TMessage& message) {
    if (message.WParam == 0) {
        return;
    }
    FCanvas->PaintOn(reinterpret_cast<HDC>(message.WParam), [this] { Paint(); });
}

} // namespace vcl
