#include "vcl/extctrls/Panel.h"

#include "vcl/extctrls/Frame3D.h"
#include "vcl/stdctrls/TextDrawing.h"
#include "vcl/system/Win32.h"

namespace vcl {

TCustomPanel::TCustomPanel(rtl::TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(
        {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks, csReplicatable});
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::Dispatch(TMessage& message) {
    if (message.Msg == CM_TEXTCHANGED) {
        Invalidate();
    }
    TCustomControl::Dispatch(message);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (FBorderStyle == bsSingle) {
        if (Ctl3D()) {
            params.ExStyle |= WS_EX_CLIENTEDGE;
        } else {
            params.Style |= WS_BORDER;
        }
    }
}

int32_t TCustomPanel::FrameWidth() const {
    const int32_t outer = FBevelOuter != bvNone ? FBevelWidth : 0;
    const int32_t inner = FBevelInner != bvNone ? FBevelWidth : 0;
    return outer + FBorderWidth + inner;
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
    TCustomControl::AdjustClientRect(rect);
    const int32_t frame = FrameWidth();
    rect = Rect(rect.Left + frame, rect.Top + frame, rect.Right - frame, rect.Bottom - frame);
}

namespace {

// The colours of the top-left and bottom-right lines of a bevel.
struct TBevelColors {
    TColor TopLeft;
    TColor BottomRight;
};

TBevelColors BevelColorsOf(TBevelCut cut, TColor face) {
    switch (cut) {
    case bvLowered:
        return {clBtnShadow, clBtnHighlight};
    case bvRaised:
        return {clBtnHighlight, clBtnShadow};
    default:
        return {face, face};
    }
}

void DrawBevel(TCanvas& canvas, TRect& rect, TBevelCut cut, TColor face, int32_t width) {
    if (cut == bvNone) {
        return;
    }
    const TBevelColors colors = BevelColorsOf(cut, face);
    Frame3D(canvas, rect, colors.TopLeft, colors.BottomRight, width);
}

} // namespace

void TCustomPanel::Paint() {
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    DrawBevel(canvas, rect, FBevelOuter, Color(), FBevelWidth);
    Frame3D(canvas, rect, Color(), Color(), FBorderWidth);
    DrawBevel(canvas, rect, FBevelInner, Color(), FBevelWidth);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    constexpr uint32_t AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    DrawControlCaption(*this, canvas.Handle(), Caption(), rect,
                       DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | AlignmentFlags[FAlignment]);
}

void TCustomPanel::SetFrameValue(auto& field, auto value) {
    if (value == field) {
        return;
    }
    field = value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value) {
    if (value != FAlignment) {
        FAlignment = value;
        Invalidate();
    }
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
    SetFrameValue(FBevelInner, value);
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
    SetFrameValue(FBevelOuter, value);
}

void TCustomPanel::SetBevelWidth(int32_t value) {
    SetFrameValue(FBevelWidth, value < 1 ? 1 : value);
}

void TCustomPanel::SetBorderWidth(int32_t value) {
    SetFrameValue(FBorderWidth, value < 0 ? 0 : value);
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
    if (value != FBorderStyle) {
        FBorderStyle = value;
        RecreateWnd();
    }
}

} // namespace vcl
