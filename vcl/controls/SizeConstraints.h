#pragma once
// TSizeConstraints: the smallest and largest width and height a control may take. 0 means no limit. Every change
// calls OnChange once, and the control answers by fitting itself again.

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"

#include <cstdint>

namespace vcl {

class TControl;

// Size limits of one control.
class TSizeConstraints : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TSizeConstraints, rtl::TPersistent)
public:
    explicit TSizeConstraints(TControl* control) : FControl(control) {}

    void Assign(const rtl::TPersistent* source) override;
    rtl::TPersistent* GetOwner() const override;

    int32_t MinWidth() const { return FMinWidth; }
    int32_t MinHeight() const { return FMinHeight; }
    int32_t MaxWidth() const { return FMaxWidth; }
    int32_t MaxHeight() const { return FMaxHeight; }
    // A maximum below the minimum raises the minimum to it, and a minimum above the maximum lowers the maximum.
    void SetMinWidth(int32_t value);
    void SetMinHeight(int32_t value);
    void SetMaxWidth(int32_t value);
    void SetMaxHeight(int32_t value);

    // Clamps a width and height into the limits.
    void Apply(int32_t& width, int32_t& height) const;
    // Multiplies every limit by multiplier / divisor (scaling a form to another resolution).
    void Scale(int32_t multiplier, int32_t divisor);

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

private:
    void Change();

    TControl* FControl; // not owned: the control limited
    int32_t FMinWidth = 0;
    int32_t FMinHeight = 0;
    int32_t FMaxWidth = 0;
    int32_t FMaxHeight = 0;
    rtl::TNotifyEvent FOnChange;
};

} // namespace vcl
