#pragma once
// TProgressBar: a bar over the Windows progress control (msctls_progress32) that fills from Min to Max as Position
// grows. Position stays within Min and Max.

#include "vcl/controls/WinControl.h"

#include <cstdint>

namespace vcl {

// A horizontal progress bar.
class TProgressBar : public TWinControl {
    RTL_DECLARE_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(rtl::TComponent* owner);

    int32_t Min() const { return FMin; }
    void SetMin(int32_t value) { SetRange(value, FMax); }
    int32_t Max() const { return FMax; }
    void SetMax(int32_t value) { SetRange(FMin, value); }
    // Sets both ends at once; a maximum below the minimum becomes the minimum.
    void SetRange(int32_t min, int32_t max);
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t value);
    // A smooth bar fills continuously instead of in blocks.
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void SendToWindow(uint32_t msg, uintptr_t wParam, intptr_t lParam) const;

    int32_t FMin = 0;
    int32_t FMax = 100;
    int32_t FPosition = 0;
    bool FSmooth = false;
};

} // namespace vcl
