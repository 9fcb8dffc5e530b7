#include "vcl/controls/CustomControl.h"

#include "vcl/system/Win32.h"

namespace vcl {

TCustomControl::TCustomControl(rtl::TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

void TCustomControl::Dispatch(TMessage& message) {
    if (message.Msg != WM_PAINT) {
        TWinControl::Dispatch(message);
        return;
    }
    SetControlState(ControlState() + TControlState{csCustomPaint});
    const TControlLink link(this);
    TWinControl::Dispatch(message);
    if (link.Alive()) {
        SetControlState(ControlState() - TControlState{csCustomPaint});
    }
}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC dc) {
    FCanvas->PaintOn(dc, [this] { Paint(); });
}

void TCustomControl::DestroyWindowHandle() {
    FCanvas->FreeHandle();
    TWinControl::DestroyWindowHandle();
}

} // namespace vcl
