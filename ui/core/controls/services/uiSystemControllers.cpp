#include "ui/core/controls/services/uiSystemControllers.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/uiControlsUnit.h"
#include "vcl/controls/WinControl.h"
#include "vcl/controls/pointer/Cursors.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace ui {

class TuiSettingsController::TListenerWindow final : public TuiMessageWindow {
public:
    std::vector<vcl::TWinControl*> Controls; // not owned

protected:
    void HandleMessage(vcl::TMessage& message) override {
        if (message.Msg != WM_SETTINGCHANGE || message.WParam != SPI_SETNONCLIENTMETRICS) {
            DefaultHandling(message);
            return;
        }
        for (vcl::TWinControl* control : Controls) {
            if (control->HandleAllocated()) {
                SendNotifyMessageW(control->WindowHandle(), UI_SETTINGSCHANGED, 0, 0);
            }
        }
        message.Result = 0;
    }
};

namespace {

std::unique_ptr<TuiSettingsController> SharedSettingsController;

int32_t HourglassLevel = 0;
vcl::TCursor CursorBeforeHourglass = vcl::crDefault;

} // namespace

TuiSettingsController::~TuiSettingsController() {
    delete FWindow;
}

void TuiSettingsController::AddListener(vcl::TWinControl* control) {
    if (!FWindow) {
        FWindow = new TListenerWindow;
    }
    if (std::find(FWindow->Controls.begin(), FWindow->Controls.end(), control) == FWindow->Controls.end()) {
        FWindow->Controls.push_back(control);
    }
}

void TuiSettingsController::RemoveListener(vcl::TWinControl* control) {
    if (!FWindow) {
        return;
    }
    std::erase(FWindow->Controls, control);
    if (FWindow->Controls.empty()) {
        delete std::exchange(FWindow, nullptr);
    }
}

HWND TuiSettingsController::Window() const {
    return FWindow ? FWindow->Handle() : nullptr;
}

TuiSettingsController* SettingsController() {
    if (!SharedSettingsController && !IsControlsUnitFinalized()) {
        SharedSettingsController = std::make_unique<TuiSettingsController>();
    }
    return SharedSettingsController.get();
}

void detail::FreeSettingsController() {
    SharedSettingsController.reset();
}

void PushHourglassCursor() {
    if (HourglassLevel == 0) {
        CursorBeforeHourglass = vcl::ScreenCursor();
        vcl::SetScreenCursor(vcl::crHourGlass);
    }
    ++HourglassLevel;
}

void PopHourglassCursor() {
    if (HourglassLevel == 0) {
        return;
    }
    if (--HourglassLevel == 0) {
        vcl::SetScreenCursor(CursorBeforeHourglass);
    }
}

} // namespace ui
