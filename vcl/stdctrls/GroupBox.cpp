#include "vcl/stdctrls/GroupBox.h"

#include "vcl/stdctrls/Mnemonics.h"
#include "vcl/stdctrls/TextDrawing.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

// Where the caption starts, from the frame's left edge, and the blank on each side of it.
constexpr int32_t CaptionIndent = 8;
constexpr int32_t CaptionPadding = 2;

} // namespace

TCustomGroupBox::TCustomGroupBox(rtl::TComponent* owner) : TCustomControl(owner) {
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable});
    SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char16_t>(message.WParam), Caption()) && CanFocus()) {
            SelectNext(nullptr, true, true);
            message.Result = 1;
            return;
        }
        return TCustomControl::Dispatch(message);
    case CM_TEXTCHANGED:
        Invalidate();
        return Realign();
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(message);
        return Realign();
    default:
        return TCustomControl::Dispatch(message);
    }
}

int32_t TCustomGroupBox::CaptionHeight() {
    return MeasureCaption(Font(), u"0", Rect(0, 0, 0, 0), DT_SINGLELINE).Height();
}

// Inside the frame (two pixels of etching) and below the caption.
void TCustomGroupBox::AdjustClientRect(TRect& rect) {
    TCustomControl::AdjustClientRect(rect);
    rect.Top += CaptionHeight();
    rect = Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
}

void TCustomGroupBox::Paint() {
    const TRect client = ClientRect();
    const int32_t captionHeight = CaptionHeight();
    HDC dc = Canvas().Handle();
    TRect frame = Rect(client.Left, client.Top + captionHeight / 2 - 1, client.Right, client.Bottom);
    DrawEdge(dc, AsRECT(&frame), EDGE_ETCHED, BF_RECT);
    const rtl::UnicodeString caption = Caption();
    if (caption.empty()) {
        return;
    }
    constexpr uint32_t Flags = DT_SINGLELINE | DT_LEFT;
    const TRect measured = MeasureCaption(Font(), caption, Rect(0, 0, 0, 0), Flags);
    const TRect captionArea = Bounds(CaptionIndent, 0, measured.Width() + 2 * CaptionPadding, captionHeight);
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(captionArea);
    const TRect textArea = OffsetRect(Rect(0, 0, measured.Width(), captionHeight), CaptionIndent + CaptionPadding, 0);
    DrawControlCaption(*this, dc, caption, textArea, Flags);
}

} // namespace vcl
