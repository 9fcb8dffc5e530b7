// The built-in scroll bars of TuiControl: the descendant reports what it can scroll, the control decides which bars
// show, enabled or not, without letting two bars that each exist only because of the other flicker in turn.

#include "ui/core/controls/control/uiControlScrollBars.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/services/uiSystemControllers.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/objects/uiObjectLinks.h"

namespace ui {

namespace {

// A layout whose bars keep showing and hiding each other is given up after this many rounds: the last answer
// stands.
constexpr int32_t MaxScrollBarCalculationRounds = 8;

} // namespace

TuiControlScrollBar::TuiControlScrollBar(TuiControl& control, TScrollBarKind kind)
    : TuiScrollBar(nullptr), FControl(control) {
    SetColor(vcl::clBtnFace);
    vcl::TControlStyle style = ControlStyle();
    style.Exclude(vcl::csFramed);
    style.Include(vcl::csNoDesignVisible);
    style.Include(vcl::csReplicatable);
    SetControlStyle(style);
    SetTabStop(false);
    SetVisible(false);
    SetKind(kind);
    SetOnScroll(
        [this](rtl::TObject*, TScrollCode code, int32_t& position) { FControl.Scroll(Kind(), code, position); });
    LookAndFeel().SetMaster(&control.LookAndFeel());
}

TuiControlScrollBar::~TuiControlScrollBar() {
    DetachObjectLinks(this);
}

// A press first gives the focus to the control the bar serves, which may free the bar.
void TuiControlScrollBar::WndProc(vcl::TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN && FControl.FocusWhenChildIsClicked(this) && FControl.CanFocus()) {
        const vcl::TControlLink link(this);
        FControl.SetFocus();
        if (!link.Alive()) {
            return;
        }
    }
    TuiScrollBar::WndProc(message);
}

void TuiControlScrollBar::ApplyData() {
    if (FData.Visible) {
        SetScrollValues(FData.Min, FData.Max, FData.Position, FData.PageSize);
        SetSmallChange(FData.SmallChange);
        SetLargeChange(FData.LargeChange);
    }
    SetEnabled(FData.Enabled);
    if (Visible() != FData.Visible) {
        SetVisible(FData.Visible);
    }
}

TuiSizeGrip::TuiSizeGrip(TuiControl& control)
    : TCustomControl(nullptr), FLookAndFeel(std::make_unique<TuiLookAndFeel>(this)) {
    SetColor(vcl::clBtnFace);
    SetControlStyle({vcl::csNoDesignVisible, vcl::csReplicatable});
    SetVisible(false);
    FLookAndFeel->SetMaster(&control.LookAndFeel());
    FLookAndFeel->SetOnChanged([this](TuiLookAndFeel*, TuiLookAndFeelValues) { Invalidate(); });
}

TuiSizeGrip::~TuiSizeGrip() = default;

void TuiSizeGrip::Dispatch(vcl::TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(message);
}

void TuiSizeGrip::Paint() {
    Canvas().Brush().SetColor(FLookAndFeel->ActivePainter()->FormContentColor());
    Canvas().FillRect(ClientRect());
}

void TuiControl::CreateScrollBars() {
    if (!NeedsScrollBars() || FHScrollBar) {
        return;
    }
    FHScrollBar = new TuiControlScrollBar(*this, sbHorizontal);
    FVScrollBar = new TuiControlScrollBar(*this, sbVertical);
    FSizeGrip = new TuiSizeGrip(*this);
    if (TuiSettingsController* controller = SettingsController()) {
        controller->AddListener(this);
    }
}

void TuiControl::DestroyScrollBars() {
    if (!FHScrollBar) {
        return;
    }
    if (TuiSettingsController* controller = SettingsController()) {
        controller->RemoveListener(this);
    }
    rtl::TComponent::Free(std::exchange(FSizeGrip, nullptr));
    rtl::TComponent::Free(std::exchange(FVScrollBar, nullptr));
    rtl::TComponent::Free(std::exchange(FHScrollBar, nullptr));
}

TuiControlScrollBar& TuiControl::ScrollBarOf(TScrollBarKind kind) const {
    return kind == sbHorizontal ? *FHScrollBar : *FVScrollBar;
}

bool TuiControl::IsHScrollBarVisible() const {
    if (!FHScrollBar) {
        return false;
    }
    return FCalculatingScrollBarsParams ? FHScrollBar->Data().Visible : FHScrollBar->Visible();
}

bool TuiControl::IsVScrollBarVisible() const {
    if (!FVScrollBar) {
        return false;
    }
    return FCalculatingScrollBarsParams ? FVScrollBar->Data().Visible : FVScrollBar->Visible();
}

bool TuiControl::ScrollBarAllowed(TScrollBarKind kind) const {
    if (kind == sbHorizontal) {
        return FScrollBars == vcl::ssHorizontal || FScrollBars == vcl::ssBoth;
    }
    return FScrollBars == vcl::ssVertical || FScrollBars == vcl::ssBoth;
}

void TuiControl::SetScrollBarInfo(TScrollBarKind kind, int32_t min, int32_t max, int32_t step, int32_t page,
                                  int32_t position, bool allowShow, bool allowHide) {
    if (!FHScrollBar) {
        return;
    }
    TuiScrollBarData& data = ScrollBarOf(kind).Data();
    data.AllowShow = allowShow && ScrollBarAllowed(kind);
    data.AllowHide = allowHide;
    data.Visible = false;
    if (!data.AllowShow) {
        return;
    }
    const bool scrollable =
        max >= min && static_cast<int64_t>(page) < static_cast<int64_t>(max) - min + 1 && position >= min;
    if (scrollable) {
        data.Min = min;
        data.Max = max;
        data.Position = position;
        data.PageSize = page;
        data.SmallChange = static_cast<TScrollBarInc>(step);
        data.LargeChange = static_cast<TScrollBarInc>(page);
        data.Visible = true;
        data.Enabled = true;
    } else if (!allowHide) {
        data.Visible = true;
        data.Enabled = false;
    }
}

void TuiControl::BeginScrollBarsUpdate() {
    if (FScrollBarsLockCount == 0) {
        FScrollBarsUpdateNeeded = false;
    }
    ++FScrollBarsLockCount;
}

void TuiControl::EndScrollBarsUpdate() {
    if (FScrollBarsLockCount < 1) {
        return;
    }
    if (--FScrollBarsLockCount == 0 && FScrollBarsUpdateNeeded) {
        UpdateScrollBars();
    }
}

// The descendant is asked again while its answer changes the visibility it was asked with, at most a few rounds.
void TuiControl::CalculateScrollBarsParameters() {
    FCalculatingScrollBarsParams = true;
    FHScrollBar->Data().Visible = false;
    FVScrollBar->Data().Visible = false;
    for (int32_t round = 0; round < MaxScrollBarCalculationRounds; ++round) {
        const bool hVisible = FHScrollBar->Data().Visible;
        const bool vVisible = FVScrollBar->Data().Visible;
        InitScrollBarsParameters();
        if (hVisible == FHScrollBar->Data().Visible && vVisible == FVScrollBar->Data().Visible) {
            break;
        }
    }
    FCalculatingScrollBarsParams = false;
}

// Two bars that each fit their page once the other one is gone exist only because of each other: both go.
void TuiControl::DropMutuallyDependentBars() {
    TuiScrollBarData& h = FHScrollBar->Data();
    TuiScrollBarData& v = FVScrollBar->Data();
    const auto removable = [](const TuiScrollBarData& data) { return data.Visible && data.Enabled && data.AllowHide; };
    if (!removable(h) || !removable(v)) {
        return;
    }
    const auto coveredWithout = [](const TuiScrollBarData& data, int32_t otherThickness) {
        return static_cast<int64_t>(data.PageSize) + otherThickness >= static_cast<int64_t>(data.Max) - data.Min + 1;
    };
    const bool hCovered = AllowsScrollBar(sbHorizontal) && coveredWithout(h, FVScrollBar->Width());
    const bool vCovered = AllowsScrollBar(sbVertical) && coveredWithout(v, FHScrollBar->Height());
    if (!hCovered || !vCovered) {
        return;
    }
    const TuiScrollBarData oldH = h;
    const TuiScrollBarData oldV = v;
    SetScrollBarInfo(sbHorizontal, oldH.Min, oldH.Max, oldH.SmallChange, oldH.PageSize + FVScrollBar->Width(),
                     oldH.Position, oldH.AllowShow, oldH.AllowHide);
    SetScrollBarInfo(sbVertical, oldV.Min, oldV.Max, oldV.SmallChange, oldV.PageSize + FHScrollBar->Height(),
                     oldV.Position, oldV.AllowShow, oldV.AllowHide);
}

void TuiControl::UpdateScrollBars() {
    if (!NeedsScrollBars() || !FHScrollBar) {
        return;
    }
    if (FScrollBarsLockCount > 0) {
        FScrollBarsUpdateNeeded = true;
        return;
    }
    const bool outermost = !FUpdatingScrollBars;
    if (outermost) {
        FHScrollBarVisibleAtStart = FHScrollBar->Visible();
        FVScrollBarVisibleAtStart = FVScrollBar->Visible();
    }
    FUpdatingScrollBars = true;
    const bool hBefore = FHScrollBar->Visible();
    const bool vBefore = FVScrollBar->Visible();
    if (!FScrollBarsOscillating) {
        if (!FCalculatingScrollBarsParams) {
            CalculateScrollBarsParameters();
        }
        DropMutuallyDependentBars();
        if (!outermost && FHScrollBar->Data().Visible == FHScrollBarVisibleAtStart &&
            FVScrollBar->Data().Visible == FVScrollBarVisibleAtStart) {
            FScrollBarsOscillating = true;
            for (TuiControlScrollBar* bar : {FHScrollBar, FVScrollBar}) {
                const bool atStart = bar == FHScrollBar ? FHScrollBarVisibleAtStart : FVScrollBarVisibleAtStart;
                if (bar->Visible() != atStart) {
                    bar->Data().Visible = true;
                    bar->Data().Enabled = false;
                    bar->ApplyData();
                }
            }
        } else {
            FHScrollBar->ApplyData();
            FVScrollBar->ApplyData();
        }
    }
    if (FHScrollBar->Visible() != hBefore || FVScrollBar->Visible() != vBefore) {
        BoundsChanged();
    } else {
        FSizeGrip->SetVisible(FHScrollBar->Visible() && FVScrollBar->Visible());
        UpdateScrollBarBounds();
        if (KeepsInternalControlsOnTop()) {
            BringInternalControlsToFront();
        }
    }
    FUpdatingScrollBars = !outermost;
    if (outermost) {
        FScrollBarsOscillating = false;
    }
}

vcl::TRect TuiControl::GetHScrollBarBounds() const {
    const vcl::TRect client = GetClientBounds();
    return {client.Left, client.Bottom, client.Right, client.Bottom + FHScrollBar->Height()};
}

vcl::TRect TuiControl::GetVScrollBarBounds() const {
    const vcl::TRect client = GetClientBounds();
    return {client.Right, client.Top, client.Right + FVScrollBar->Width(), client.Bottom};
}

vcl::TRect TuiControl::GetSizeGripBounds() const {
    const int32_t left = FVScrollBar->Left();
    const int32_t top = FHScrollBar->Top();
    return {left, top, left + FVScrollBar->Width(), top + FHScrollBar->Height()};
}

void TuiControl::UpdateScrollBarBounds() {
    if (FHScrollBar->Visible()) {
        FHScrollBar->SetBoundsRect(GetHScrollBarBounds());
    }
    if (FVScrollBar->Visible()) {
        FVScrollBar->SetBoundsRect(GetVScrollBarBounds());
    }
    if (FSizeGrip->Visible()) {
        FSizeGrip->SetBoundsRect(GetSizeGripBounds());
    }
}

void TuiControl::BringInternalControlsToFront() {
    FHScrollBar->BringToFront();
    FVScrollBar->BringToFront();
    FSizeGrip->BringToFront();
}

void TuiControl::ScrollContent(TuiDirection direction) {
    if (direction == dirNone || (!FHScrollBar && !AllowScrollContent(direction))) {
        return;
    }
    const TScrollBarKind kind = direction == dirLeft || direction == dirRight ? sbHorizontal : sbVertical;
    const TScrollCode code = direction == dirLeft || direction == dirUp ? scLineUp : scLineDown;
    int32_t position = FHScrollBar ? ScrollBarOf(kind).Position() : 0;
    Scroll(kind, code, position);
    Update();
}

} // namespace ui
