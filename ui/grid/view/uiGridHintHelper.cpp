#include "ui/grid/view/uiGridHintHelper.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/controls/routines/uiHintRoutines.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "ui/core/controls/services/uiTimers.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/forms/Screen.h"
#include "vcl/hints/HintWindow.h"

namespace ui {

namespace {

constexpr uint32_t HintCheckInterval = 100;
// A single-line hint is never broken: the widest a window may ask for.
constexpr int32_t UnbrokenHintWidth = 107374182;

} // namespace

TuiGridHintHelper::TuiGridHintHelper(TuiControl& site) : FSite(site) {}

TuiGridHintHelper::~TuiGridHintHelper() {
    StopMouseTracking(this);
}

bool TuiGridHintHelper::CanShowHint() const {
    const vcl::TCustomForm* form = vcl::GetParentForm(&FSite);
    if (form != nullptr &&
        !(vcl::Application().Active() && (vcl::Screen().ActiveForm() == form || form->FormStyle() == vcl::fsMDIForm))) {
        return false;
    }
    if (!FSite.HandleAllocated() || !IsWindowVisible(FSite.WindowHandle())) {
        return false;
    }
    const vcl::TPoint cursor = CursorPosOrInvalid();
    const POINT point{cursor.X, cursor.Y};
    const HWND window = WindowFromPoint(point);
    // The hint lies over the text it shows, and so often over the pointer: what counts then is the site under it.
    if (FHintWindow && FHintWindow->HandleAllocated() && window == FHintWindow->WindowHandle()) {
        RECT siteBounds{};
        return GetWindowRect(FSite.WindowHandle(), &siteBounds) && PtInRect(&siteBounds, point);
    }
    return vcl::FindControl(window) == &FSite;
}

bool TuiGridHintHelper::IsHintShown() const {
    return FHintWindow && FHintWindow->HandleAllocated() && IsWindowVisible(FHintWindow->WindowHandle());
}

vcl::THintWindow& TuiGridHintHelper::HintWindowOfCurrentClass() {
    const rtl::TMetaclass* windowClass = vcl::HintWindowClass();
    if (!FHintWindow || &FHintWindow->ClassType() != windowClass) {
        FHintWindow.reset();
        rtl::TComponent* created = rtl::TComponent::Create(*windowClass, nullptr);
        auto* window = dynamic_cast<vcl::THintWindow*>(created);
        if (window == nullptr) {
            delete created;
            throw rtl::Exception(u"The hint window class makes no hint window");
        }
        FHintWindow.reset(window);
        FHintWindow->SetColor(vcl::Application().HintColor());
    }
    return *FHintWindow;
}

vcl::TRect TuiGridHintHelper::HintWindowBounds(const vcl::TRect& textBounds, bool multiLine,
                                               rtl::UnicodeStringView text) {
    vcl::THintWindow& window = *FHintWindow;
    vcl::TRect bounds = window.CalcHintRect(multiLine ? textBounds.Width() : UnbrokenHintWidth, text, nullptr);
    bounds.Right -= 6;
    bounds.Bottom -= 2;
    const vcl::TPoint origin = FSite.ClientToScreen(vcl::Point(textBounds.Left, textBounds.Top));
    bounds =
        vcl::Rect(bounds.Left + origin.X, bounds.Top + origin.Y, bounds.Right + origin.X, bounds.Bottom + origin.Y);
    // The text lands where the cell shows it: the frame around the window's client area goes outside.
    RECT windowRect{};
    POINT clientOrigin{0, 0};
    GetWindowRect(window.Handle(), &windowRect);
    ClientToScreen(window.Handle(), &clientOrigin);
    const int32_t dx = clientOrigin.x - windowRect.left + 2;
    const int32_t dy = clientOrigin.y - windowRect.top + 2;
    bounds = vcl::Rect(bounds.Left - dx, bounds.Top - dy, bounds.Right + dx, bounds.Bottom + dy);
    FitRectToWorkArea(bounds, vcl::Point(bounds.Left, bounds.Top));
    bounds.Bottom -= 4;
    return bounds;
}

void TuiGridHintHelper::ShowHint(const vcl::TRect& areaBounds, const vcl::TRect& textBounds, const vcl::TFont& font,
                                 bool multiLine, rtl::UnicodeStringView text) {
    if (!CanShowHint()) {
        return;
    }
    if (IsHintShown() && &FHintWindow->ClassType() == vcl::HintWindowClass() && FHintText == text &&
        FHintTextBounds == textBounds) {
        FHintAreaBounds = areaBounds;
        return;
    }
    StopMouseTracking(this);
    vcl::THintWindow& window = HintWindowOfCurrentClass();
    FHintTextBounds = textBounds;
    window.Canvas().Font().Assign(&font);
    vcl::TRect bounds = HintWindowBounds(textBounds, multiLine, text);
    // The application's OnShowHint handler may change the text, the window class or refuse the hint.
    vcl::THintInfo info;
    rtl::UnicodeString shownText(text);
    if (!PrepareCellHintInfo(info, FHintWindow, FSite, shownText, bounds, nullptr)) {
        HideHint();
        return;
    }
    FHintAreaBounds = areaBounds;
    FHintText = rtl::UnicodeString(text);
    FHintWindow->ActivateHint(bounds, shownText);
    StartMouseTracking(&FSite, areaBounds, this);
    if (!FHintChecker) {
        FHintChecker.reset(new TuiTimer(nullptr));
        FHintChecker->SetInterval(HintCheckInterval);
        FHintChecker->SetOnTimer([this](rtl::TObject*) { CheckHint(); });
    }
    FHintChecker->SetEnabled(true);
}

void TuiGridHintHelper::CheckHint() {
    if (!CanShowHint()) {
        HideHint();
    }
}

void TuiGridHintHelper::HideHint() {
    if (FHintChecker) {
        FHintChecker->SetEnabled(false);
    }
    StopMouseTracking(this);
    FHintAreaBounds = {};
    FHintText.clear();
    if (FHintWindow && FHintWindow->HandleAllocated()) {
        ShowWindow(FHintWindow->WindowHandle(), SW_HIDE);
    }
}

bool TuiGridHintHelper::PtInCaller(vcl::TPoint point) {
    if (FHintAreaBounds.IsEmpty()) {
        return FSite.ClientRect().Contains(point);
    }
    return FHintAreaBounds.Contains(point);
}

} // namespace ui
