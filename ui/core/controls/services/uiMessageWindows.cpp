#include "ui/core/controls/services/uiMessageWindows.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/uiControlsUnit.h"
#include "vcl/system/UtilWindow.h"

#include <memory>

namespace ui {

namespace {

std::unique_ptr<TuiMessageWindow> SharedPlainMessageWindow;

} // namespace

// The window calls back through this object, so the constructor of a descendant has not run yet when a message
// arrives during creation: the virtual call reaches the base handler then, which answers by default.
TuiMessageWindow::TuiMessageWindow() {
    FHandle = vcl::AllocateHWnd([this](vcl::TMessage& message) { HandleMessage(message); });
}

TuiMessageWindow::~TuiMessageWindow() {
    vcl::DeallocateHWnd(FHandle);
}

void TuiMessageWindow::HandleMessage(vcl::TMessage& message) {
    DefaultHandling(message);
}

void TuiMessageWindow::DefaultHandling(vcl::TMessage& message) const {
    message.Result = DefWindowProcW(FHandle, message.Msg, message.WParam, message.LParam);
}

TuiMessageWindow* SharedMessageWindow() {
    if (!SharedPlainMessageWindow && !IsControlsUnitFinalized()) {
        SharedPlainMessageWindow = std::make_unique<TuiMessageWindow>();
    }
    return SharedPlainMessageWindow.get();
}

void detail::FreeSharedMessageWindow() {
    SharedPlainMessageWindow.reset();
}

} // namespace ui
