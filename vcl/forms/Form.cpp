#include "vcl/forms/Form.h"

#include "rtl/core/Exceptions.h"
#include "vcl/controls/SizeConstraints.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Screen.h"
#include "vcl/system/Win32.h"

namespace vcl {

TCustomForm* GetParentForm(const TControl* control) {
    return dynamic_cast<TCustomForm*>(ParentFormRoot(control));
}

TCustomForm::TCustomForm(rtl::TComponent* owner) : TFormRoot(owner), FPixelsPerInch(ScreenPixelsPerInch()) {
    SetVisible(false);
    SetParentColor(false);
    SetParentFont(false);
    SetColor(clBtnFace);
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls, csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 320, 240);
    Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
    Screen().RemoveForm(this);
}

// OnDestroy runs while the form and its controls still stand.
void TCustomForm::BeforeDestruction() {
    Destroying();
    const TControlLink link(this);
    DoDestroy();
    if (link.Alive()) {
        TFormRoot::BeforeDestruction();
    }
}

// A form laid out at another resolution than the screen's is scaled to it.
void TCustomForm::Loaded() {
    TFormRoot::Loaded();
    const int32_t screenPixelsPerInch = ScreenPixelsPerInch();
    if (FScaled && FPixelsPerInch > 0 && FPixelsPerInch != screenPixelsPerInch) {
        ScaleBy(screenPixelsPerInch, FPixelsPerInch);
        FPixelsPerInch = screenPixelsPerInch;
    }
}

void TCustomForm::ScaleBy(int32_t multiplier, int32_t divisor) {
    if (multiplier == divisor) {
        return;
    }
    DisableAlign();
    const int32_t clientWidth = MulDiv(ClientWidth(), multiplier, divisor);
    const int32_t clientHeight = MulDiv(ClientHeight(), multiplier, divisor);
    ScaleControls(multiplier, divisor);
    if (!ParentFont()) {
        Font().SetHeight(MulDiv(Font().Height(), multiplier, divisor));
    }
    SetClientWidth(clientWidth);
    SetClientHeight(clientHeight);
    EnableAlign();
}

void TCustomForm::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case WM_ACTIVATE:
        return WMActivate(message);
    case WM_ACTIVATEAPP:
        TFormRoot::Dispatch(message);
        Application().SetActive(message.WParam != 0);
        return;
    case WM_CLOSE:
        return Close();
    case WM_GETMINMAXINFO:
        return WMGetMinMaxInfo(message);
    case CM_ACTIVATE:
        return Activate();
    case CM_DEACTIVATE:
        return Deactivate();
    case CM_RELEASE:
        return TComponent::Free(this);
    default:
        return TFormRoot::Dispatch(message);
    }
}

// The form's own CM_ACTIVATE and CM_DEACTIVATE go through its window, where message hooks see them.
void TCustomForm::WMActivate(TMessage& message) {
    const TControlLink link(this);
    TFormRoot::Dispatch(message);
    const bool active = LoWord(message.WParam) != WA_INACTIVE;
    const bool destroying = link.Alive() && ComponentState().Contains(rtl::TComponentState::csDestroying);
    if (!link.Alive() || destroying || active == Active()) {
        return;
    }
    if (active) {
        Screen().SetActiveForm(this);
        SetActive(true);
        if (link.Alive() && WindowHandle()) {
            SendMessageW(WindowHandle(), CM_ACTIVATE, 0, 0);
        }
    } else {
        SendMessageW(WindowHandle(), CM_DEACTIVATE, 0, 0);
        if (link.Alive()) {
            SetActive(false);
        }
    }
}

// Windows keeps a form the user sizes within its constraints.
void TCustomForm::WMGetMinMaxInfo(TMessage& message) {
    TFormRoot::Dispatch(message);
    auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
    const TSizeConstraints& constraints = Constraints();
    if (constraints.MinWidth() > 0) {
        info->ptMinTrackSize.x = constraints.MinWidth();
    }
    if (constraints.MinHeight() > 0) {
        info->ptMinTrackSize.y = constraints.MinHeight();
    }
    if (constraints.MaxWidth() > 0) {
        info->ptMaxTrackSize.x = constraints.MaxWidth();
    }
    if (constraints.MaxHeight() > 0) {
        info->ptMaxTrackSize.y = constraints.MaxHeight();
    }
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TFormRoot::CreateParams(params);
    params.Style &= ~static_cast<uint32_t>(WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP);
    params.ExStyle &= ~static_cast<uint32_t>(WS_EX_CONTROLPARENT);
    params.Style |= WS_CLIPCHILDREN;
    if (Parent() || ParentWindow()) {
        params.Style |= WS_CHILD;
        return;
    }
    params.WndParent = Application().Handle();
    switch (FBorderStyle) {
    case bsNone:
        params.Style |= WS_POPUP;
        break;
    case bsSingle:
        params.Style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case bsToolWindow:
        params.Style |= WS_CAPTION;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (FBorderStyle != bsNone) {
        if (FBorderIcons.Contains(biSystemMenu)) {
            params.Style |= WS_SYSMENU;
        }
        const bool canMinMax = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
        if (canMinMax && FBorderIcons.Contains(biMinimize)) {
            params.Style |= WS_MINIMIZEBOX;
        }
        if (canMinMax && FBorderIcons.Contains(biMaximize)) {
            params.Style |= WS_MAXIMIZEBOX;
        }
        if (FBorderStyle == bsDialog && FBorderIcons.Contains(biHelp)) {
            params.ExStyle |= WS_EX_CONTEXTHELP;
        }
    }
    if (FFormStyle == fsStayOnTop) {
        params.ExStyle |= WS_EX_TOPMOST;
    }
    if (FPosition == poDefault || FPosition == poDefaultPosOnly) {
        params.X = CW_USEDEFAULT;
        params.Y = CW_USEDEFAULT;
    }
}

void TCustomForm::StyleChanged() {
    if (!ComponentState().Contains(rtl::TComponentState::csLoading)) {
        RecreateWnd();
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
    if (value != FBorderStyle) {
        FBorderStyle = value;
        StyleChanged();
    }
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
    if (value != FBorderIcons) {
        FBorderIcons = value;
        StyleChanged();
    }
}

void TCustomForm::SetFormStyle(TFormStyle value) {
    if (value != FFormStyle) {
        FFormStyle = value;
        StyleChanged();
    }
}

void TCustomForm::SetWindowState(TWindowState value) {
    if (value == FWindowState) {
        return;
    }
    FWindowState = value;
    if (WindowHandle() && Showing()) {
        constexpr int Commands[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
        ShowWindow(WindowHandle(), Commands[value]);
    }
}

namespace {

TPoint CentredIn(const TRect& area, int32_t width, int32_t height) {
    return {area.Left + (area.Width() - width) / 2, area.Top + (area.Height() - height) / 2};
}

} // namespace

// The work area of the monitor a centred form goes to.
TRect TCustomForm::DefaultMonitorWorkArea() const {
    const TCustomForm* reference = nullptr;
    switch (FDefaultMonitor) {
    case dmDesktop:
        return Screen().WorkAreaRect();
    case dmPrimary:
        return Screen().MonitorFromPoint({0, 0}, mdPrimary).WorkareaRect;
    case dmMainForm:
        reference = Application().MainForm();
        break;
    case dmActiveForm:
        reference = Screen().ActiveForm();
        break;
    }
    HWND window = reference && reference != this ? reference->WindowHandle() : nullptr;
    return window ? Screen().MonitorFromWindow(window).WorkareaRect : Screen().WorkAreaRect();
}

// The centring positions put the form in the middle of its area each time it is shown.
void TCustomForm::PlaceOnShow() {
    TRect area;
    switch (FPosition) {
    case poScreenCenter:
        area = DefaultMonitorWorkArea();
        break;
    case poDesktopCenter:
        area = Screen().DesktopRect();
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        const auto* owner =
            FPosition == poMainFormCenter ? Application().MainForm() : dynamic_cast<const TCustomForm*>(Owner());
        if (!owner || owner == this) {
            return;
        }
        area = owner->BoundsRect();
        break;
    }
    default:
        return;
    }
    const TPoint place = CentredIn(area, Width(), Height());
    SetBounds(place.X, place.Y, Width(), Height());
}

void TCustomForm::ShowingChanged() {
    if (Parent() || ParentWindow()) {
        TFormRoot::ShowingChanged();
        return;
    }
    const TControlLink link(this);
    if (Showing()) {
        PlaceOnShow();
        FFormState.Include(fsShowing);
        DoShow();
        if (!link.Alive()) {
            return;
        }
        FFormState.Exclude(fsShowing);
        constexpr int Commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
        ShowWindow(WindowHandle(), Commands[FWindowState]);
    } else {
        DoHide();
        if (link.Alive()) {
            ShowWindow(WindowHandle(), SW_HIDE);
        }
    }
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TCustomForm::Paint() {
    if (FOnPaint) {
        FOnPaint(this);
    }
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
    const TControlLink link(this);
    const bool focused = TFormRoot::SetFocusedControl(control);
    if (focused && link.Alive()) {
        Screen().SetActiveForm(this);
        Screen().ActiveControlChanged();
    }
    return focused;
}

void TCustomForm::DoCreate() {
    if (FOnCreate) {
        FOnCreate(this);
    }
}

void TCustomForm::DoDestroy() {
    if (FOnDestroy) {
        FOnDestroy(this);
    }
}

void TCustomForm::DoShow() {
    if (FOnShow) {
        FOnShow(this);
    }
}

void TCustomForm::DoHide() {
    if (FOnHide) {
        FOnHide(this);
    }
}

void TCustomForm::Activate() {
    if (FOnActivate) {
        FOnActivate(this);
    }
}

void TCustomForm::Deactivate() {
    if (FOnDeactivate) {
        FOnDeactivate(this);
    }
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (FOnClose) {
        FOnClose(this, action);
    }
}

} // namespace vcl
