#include "ui/pagecontrol/tabs/uiTabSheet.h"

#include "rtl/WindowsApi.h"
#include "ui/pagecontrol/tabs/uiPageControl.h"
#include "vcl/forms/Application.h"

#include <algorithm>

namespace ui {

TuiTabSheet::TuiTabSheet(rtl::TComponent* owner) : vcl::TCustomControl(owner) {
    vcl::TControlStyle style = ControlStyle();
    style.Include(vcl::csAcceptsControls);
    SetControlStyle(style);
    SetAlign(vcl::alClient);
    SetVisible(false);
}

// The window goes first, and with it the focus, so that the page control passes the active page on untroubled.
void TuiTabSheet::BeforeDestruction() {
    vcl::TCustomControl::BeforeDestruction();
    if (FPageControl) {
        FPageControl->RemovePage(*this);
    }
}

void TuiTabSheet::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND:
        EraseBackground(message);
        return;
    case vcl::CM_TEXTCHANGED:
    case vcl::CM_ENABLEDCHANGED:
        vcl::TCustomControl::Dispatch(message);
        TabChanged();
        return;
    case vcl::CM_COLORCHANGED:
        vcl::TCustomControl::Dispatch(message);
        // The tab may take the page's colour.
        if (FPageControl) {
            FPageControl->RecalculateLayout();
        }
        Invalidate();
        return;
    default:
        vcl::TCustomControl::Dispatch(message);
    }
}

void TuiTabSheet::SetParent(vcl::TWinControl* parent) {
    auto* control = dynamic_cast<TuiPageControl*>(parent);
    if ((parent && !control) || (control && control == FPageControl)) {
        return;
    }
    if (FPageControl) {
        FPageControl->RemovePage(*this);
    }
    if (!control) {
        SetParentControl(nullptr);
        return;
    }
    control->InsertPage(*this);
    if (!control->ComponentState().Contains(rtl::TComponentState::csLoading) && !control->ActivePage() && FTabVisible) {
        control->SetActivePage(this);
    }
}

void TuiTabSheet::SetPageControl(TuiPageControl* value) {
    SetParent(value);
}

void TuiTabSheet::SetBorderWidth(int32_t value) {
    value = std::max(value, 0);
    if (FBorderWidth != value) {
        FBorderWidth = value;
        Realign();
        Invalidate();
    }
}

void TuiTabSheet::SetHighlighted(bool value) {
    if (FHighlighted != value) {
        FHighlighted = value;
        TabChanged();
    }
}

void TuiTabSheet::SetImageIndex(int32_t value) {
    value = std::max(value, -1);
    if (FImageIndex != value) {
        FImageIndex = value;
        TabChanged();
    }
}

int32_t TuiTabSheet::PageIndex() const {
    return FPageControl ? FPageControl->IndexOfPage(*this) : -1;
}

void TuiTabSheet::SetPageIndex(int32_t value) {
    if (FPageControl) {
        FPageControl->MovePage(*this, value);
    }
}

void TuiTabSheet::SetTabVisible(bool value) {
    if (FTabVisible == value) {
        return;
    }
    FTabVisible = value;
    TabChanged();
    if (value && FPageControl && FPageControl->PageCount() == 1 && !FPageControl->ActivePage()) {
        FPageControl->SetActivePage(this);
    }
}

void TuiTabSheet::TabChanged() {
    if (FPageControl) {
        FPageControl->RefreshTab(*this);
    }
}

void TuiTabSheet::AdjustClientRect(vcl::TRect& rect) {
    vcl::TCustomControl::AdjustClientRect(rect);
    rect = {rect.Left + FBorderWidth, rect.Top + FBorderWidth, rect.Right - FBorderWidth, rect.Bottom - FBorderWidth};
}

// The page control paints the whole page area under the sheet, so the window class need not repaint all of it on a
// size change.
void TuiTabSheet::CreateParams(vcl::TCreateParams& params) {
    vcl::TCustomControl::CreateParams(params);
    params.WindowClass.Style &= ~static_cast<uint32_t>(CS_HREDRAW | CS_VREDRAW);
}

void TuiTabSheet::ShowingChanged() {
    vcl::TCustomControl::ShowingChanged();
    const rtl::TNotifyEvent& handler = Showing() ? FOnShow : FOnHide;
    if (!handler) {
        return;
    }
    try {
        handler(this);
    } catch (...) {
        vcl::Application().HandleException(this, std::current_exception());
    }
}

void TuiTabSheet::EraseBackground(vcl::TMessage& message) {
    message.Result = 1;
    if (FPageControl) {
        FPageControl->PaintPageBackground(*this, reinterpret_cast<HDC>(message.WParam));
    }
}

} // namespace ui
