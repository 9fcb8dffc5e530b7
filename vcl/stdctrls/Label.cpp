#include "vcl/stdctrls/Label.h"

#include "vcl/stdctrls/Mnemonics.h"
#include "vcl/stdctrls/TextDrawing.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

// Wide enough for any one line of a caption.
constexpr int32_t UnlimitedWidth = 0x7FFF;

} // namespace

TCustomLabel::TCustomLabel(rtl::TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
    SetBounds(0, 0, 65, 17);
    SetAutoSize(true);
}

void TCustomLabel::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        return Changed();
    case CM_FONTCHANGED:
        TGraphicControl::Dispatch(message);
        return AdjustSize();
    case CM_DIALOGCHAR:
        if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(static_cast<char16_t>(message.WParam), Caption()) &&
            FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            message.Result = 1;
            return;
        }
        return TGraphicControl::Dispatch(message);
    default:
        return TGraphicControl::Dispatch(message);
    }
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustSize();
}

uint32_t TCustomLabel::TextFlags() const {
    constexpr uint32_t AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    uint32_t flags = DT_EXPANDTABS | AlignmentFlags[FAlignment];
    if (FWordWrap) {
        flags |= DT_WORDBREAK;
    }
    if (!FShowAccelChar) {
        flags |= DT_NOPREFIX;
    }
    return flags;
}

rtl::UnicodeString TCustomLabel::DrawnCaption() const {
    const rtl::UnicodeString caption = Caption();
    return caption.empty() ? rtl::UnicodeString(u" ") : caption;
}

void TCustomLabel::Paint() {
    const TRect client = ClientRect();
    if (!FTransparent) {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(client);
    }
    const rtl::UnicodeString caption = DrawnCaption();
    const uint32_t flags = TextFlags();
    TRect area = client;
    if (FLayout != tlTop) {
        const int32_t room = client.Height() - MeasureCaption(Font(), caption, client, flags).Height();
        area.Top += FLayout == tlCenter ? room / 2 : room;
    }
    DrawControlCaption(*this, Canvas().Handle(), caption, area, flags);
}

// A wrapping label keeps its width and takes the height of its lines; any other takes the size of its caption.
bool TCustomLabel::CanAutoSize(int32_t& newWidth, int32_t& newHeight) {
    const TRect bounds = Rect(0, 0, FWordWrap ? newWidth : UnlimitedWidth, 0);
    const TRect measured = MeasureCaption(Font(), DrawnCaption(), bounds, TextFlags());
    if (!FWordWrap) {
        newWidth = measured.Width();
    }
    newHeight = measured.Height();
    return true;
}

void TCustomLabel::AdjustSize() {
    if (!AutoSize() || ComponentState().Contains(rtl::TComponentState::csLoading)) {
        return;
    }
    int32_t width = Width();
    int32_t height = Height();
    CanAutoSize(width, height);
    const int32_t left = FAlignment == taRightJustify && !FWordWrap ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, height);
}

void TCustomLabel::Changed() {
    Invalidate();
    AdjustSize();
}

void TCustomLabel::SetAlignment(TAlignment value) {
    if (value != FAlignment) {
        FAlignment = value;
        Invalidate();
    }
}

void TCustomLabel::SetLayout(TTextLayout value) {
    if (value != FLayout) {
        FLayout = value;
        Invalidate();
    }
}

void TCustomLabel::SetWordWrap(bool value) {
    if (value != FWordWrap) {
        FWordWrap = value;
        Changed();
    }
}

void TCustomLabel::SetShowAccelChar(bool value) {
    if (value != FShowAccelChar) {
        FShowAccelChar = value;
        Changed();
    }
}

void TCustomLabel::SetTransparent(bool value) {
    if (value == FTransparent) {
        return;
    }
    FTransparent = value;
    SetControlStyle(value ? ControlStyle() - TControlStyle{csOpaque} : ControlStyle() + TControlStyle{csOpaque});
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
    if (value == FFocusControl) {
        return;
    }
    if (FFocusControl) {
        FFocusControl->RemoveFreeNotification(this);
    }
    FFocusControl = value;
    if (value) {
        value->FreeNotification(this);
    }
}

void TCustomLabel::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FFocusControl) {
        FFocusControl = nullptr;
    }
}

} // namespace vcl
