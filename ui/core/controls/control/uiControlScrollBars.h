#pragma once
// The built-in scroll bars of a TuiControl and the size grip between them: child controls that follow the control's
// look and feel, and the record through which a descendant reports what a bar may scroll.

#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/painters/uiScrollBar.h"
#include "vcl/controls/CustomControl.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiControl;

// What a descendant reports for one built-in bar; the calculation fills it before anything is shown.
struct TuiScrollBarData {
    int32_t Min = 0;
    int32_t Max = 0;
    int32_t Position = 0;
    int32_t PageSize = 0;
    TScrollBarInc SmallChange = 1;
    TScrollBarInc LargeChange = 1;
    bool Enabled = true;
    bool Visible = false;
    bool AllowShow = false;
    bool AllowHide = false;
};

// A built-in bar of a TuiControl: drawn with its control's painter, it focuses the control when clicked.
class TuiControlScrollBar : public TuiScrollBar {
    RTL_DECLARE_CLASS(TuiControlScrollBar, TuiScrollBar)
public:
    // Follows the control's look and feel.
    TuiControlScrollBar(TuiControl& control, TScrollBarKind kind);
    ~TuiControlScrollBar() override;

    void WndProc(vcl::TMessage& message) override;
    // The record to be applied by ApplyData.
    TuiScrollBarData& Data() { return FData; }
    void ApplyData();

private:
    TuiControl& FControl; // not owned: the control owns its bars
    TuiScrollBarData FData;
};

// The corner between the two built-in bars.
class TuiSizeGrip : public vcl::TCustomControl {
    RTL_DECLARE_CLASS(TuiSizeGrip, vcl::TCustomControl)
public:
    // Follows the control's look and feel.
    explicit TuiSizeGrip(TuiControl& control);
    ~TuiSizeGrip() override;
    void Dispatch(vcl::TMessage& message) override;
    TuiLookAndFeel& LookAndFeel() const { return *FLookAndFeel; }

protected:
    void Paint() override;

private:
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
};

} // namespace ui
