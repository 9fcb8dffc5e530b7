#include "tests/support/ui/TestForms.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"

namespace ui_test {

namespace {

constexpr int OnScreenLeft = 40;
constexpr int OnScreenTop = 40;
constexpr int OffScreenLeft = -4000;
constexpr int OffScreenTop = -4000;

} // namespace

void ShowTestForm(vcl::TCustomForm& form, int width, int height, TFormPlacement placement) {
    const bool onScreen = placement == TFormPlacement::OnScreen;
    form.SetPosition(vcl::poDesigned);
    form.SetLeft(onScreen ? OnScreenLeft : OffScreenLeft);
    form.SetTop(onScreen ? OnScreenTop : OffScreenTop);
    form.SetClientWidth(width);
    form.SetClientHeight(height);
    form.Show();
    SetForegroundWindow(form.Handle());
    PumpUntil([&form] { return form.Active(); }, 1000);
}

} // namespace ui_test
