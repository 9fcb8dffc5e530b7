#include "ui/core/controls/services/uiMouseTracking.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/controls/uiControlsUnit.h"
#include "vcl/controls/WinControl.h"
#include "vcl/system/Messages.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

namespace {

// The 10 ms watch of one caller's area.
class TMouseTrackingTimer final : public TuiTimer {
public:
    TMouseTrackingTimer(vcl::TWinControl* control, const vcl::TRect& screenArea, IuiMouseTrackingCaller* caller)
        : TuiTimer(nullptr), FCaller(caller), FControl(control), FArea(screenArea) {
        if (control) {
            FControlLink.emplace(control);
        }
        SetInterval(10);
        Restart();
    }

    IuiMouseTrackingCaller* Caller() const { return FCaller; }
    void FireTimer() override;

protected:
    bool HasTickHandler() const override { return true; }

private:
    // The control while it exists.
    vcl::TWinControl* LiveControl() const { return FControlLink && FControlLink->Alive() ? FControl : nullptr; }
    bool PointerInside(vcl::TWinControl* control) const;

    IuiMouseTrackingCaller* FCaller; // not owned
    vcl::TWinControl* FControl;      // not owned
    std::optional<vcl::TControlLink> FControlLink;
    vcl::TRect FArea;
};

std::vector<std::unique_ptr<TMouseTrackingTimer>> TrackingTimers;
// The caller whose leave is being reported; cleared when that caller is destroyed meanwhile.
IuiMouseTrackingCaller* LeavingCaller = nullptr;

auto FindTrackingTimer(IuiMouseTrackingCaller* caller) {
    return std::find_if(TrackingTimers.begin(), TrackingTimers.end(),
                        [caller](const auto& timer) { return timer->Caller() == caller; });
}

std::unique_ptr<TMouseTrackingTimer> TakeTrackingTimer(IuiMouseTrackingCaller* caller) {
    const auto found = FindTrackingTimer(caller);
    if (found == TrackingTimers.end()) {
        return nullptr;
    }
    std::unique_ptr<TMouseTrackingTimer> timer = std::move(*found);
    TrackingTimers.erase(found);
    return timer;
}

bool TMouseTrackingTimer::PointerInside(vcl::TWinControl* control) const {
    const vcl::TPoint cursor = CursorPosOrInvalid();
    if (auto* area = dynamic_cast<IuiMouseTrackingCallerArea*>(FCaller)) {
        return control && control->HandleAllocated() && area->PtInCaller(control->ScreenToClient(cursor));
    }
    return FArea.Contains(cursor);
}

// The timer leaves the list before anyone hears of the leave, so a caller may stop or start its tracking again
// from MouseLeave; the timer itself is freed when this tick returns.
void TMouseTrackingTimer::FireTimer() {
    vcl::TWinControl* control = LiveControl();
    const bool unusable = !control || !control->HandleAllocated() || !IsWindowEnabledDeep(control->WindowHandle());
    if (PointerInside(control) && !unusable) {
        return;
    }
    const std::unique_ptr<TMouseTrackingTimer> self = TakeTrackingTimer(FCaller);
    IuiMouseTrackingCaller* caller = FCaller;
    LeavingCaller = caller;
    if (control && control->HandleAllocated()) {
        const vcl::TPoint cursor = control->ScreenToClient(CursorPosOrInvalid());
        if (unusable || !control->ClientRect().Contains(cursor)) {
            SendMessageW(control->WindowHandle(), vcl::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(control));
        }
    }
    if (LeavingCaller == caller) {
        LeavingCaller = nullptr;
        caller->MouseLeave();
    }
}

} // namespace

IuiMouseTrackingCaller::~IuiMouseTrackingCaller() {
    if (LeavingCaller == this) {
        LeavingCaller = nullptr;
    }
    StopMouseTracking(this);
}

void StartMouseTracking(vcl::TWinControl* control, const vcl::TRect& area, IuiMouseTrackingCaller* caller) {
    if (IsControlsUnitFinalized() || !caller || IsMouseTracking(caller)) {
        return;
    }
    vcl::TRect screenArea = area;
    if (control) {
        const vcl::TPoint origin = control->ClientOrigin();
        screenArea = vcl::OffsetRect(area, origin.X, origin.Y);
    }
    TrackingTimers.push_back(std::make_unique<TMouseTrackingTimer>(control, screenArea, caller));
}

void StopMouseTracking(IuiMouseTrackingCaller* caller) {
    TakeTrackingTimer(caller);
}

bool IsMouseTracking(IuiMouseTrackingCaller* caller) {
    return FindTrackingTimer(caller) != TrackingTimers.end();
}

int32_t MouseTrackingCount() {
    return static_cast<int32_t>(TrackingTimers.size());
}

void detail::StopAllMouseTracking() {
    TrackingTimers.clear();
}

} // namespace ui
