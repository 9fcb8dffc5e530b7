#include "tests/vcl/TestControls.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"

namespace vcl_test {

std::string MessageName(uint32_t msg) {
    switch (msg) {
    case vcl::CM_ENTER:
        return "CM_ENTER";
    case vcl::CM_EXIT:
        return "CM_EXIT";
    case vcl::CM_MOUSEENTER:
        return "CM_MOUSEENTER";
    case vcl::CM_MOUSELEAVE:
        return "CM_MOUSELEAVE";
    case vcl::CN_COMMAND:
        return "CN_COMMAND";
    default:
        return "";
    }
}

namespace {

// Logs the message when it is one of the recorded ones. A mouse message about a child (LParam) names the child.
void LogMessage(TMessageLog* log, const vcl::TControl& control, const vcl::TMessage& message) {
    const std::string name = MessageName(message.Msg);
    if (!log || name.empty()) {
        return;
    }
    std::string entry = rtl::UnicodeToUtf8(control.Name()) + " " + name;
    const bool aboutChild = message.Msg == vcl::CM_MOUSEENTER || message.Msg == vcl::CM_MOUSELEAVE;
    if (aboutChild && message.LParam != 0) {
        entry += " of " + rtl::UnicodeToUtf8(reinterpret_cast<const vcl::TControl*>(message.LParam)->Name());
    }
    log->push_back(entry);
}

} // namespace

TLoggingControl::TLoggingControl(rtl::TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 40, 20);
}

void TLoggingControl::Dispatch(vcl::TMessage& message) {
    LogMessage(Log, *this, message);
    if (message.Msg == vcl::CN_COMMAND) {
        Commands.push_back(vcl::HiWord(message.WParam));
    }
    if (message.Msg >= vcl::CN_BASE) {
        Notifications.push_back(message.Msg);
    }
    TCustomControl::Dispatch(message);
}

TLoggingGraphic::TLoggingGraphic(rtl::TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 40, 20);
}

void TLoggingGraphic::Dispatch(vcl::TMessage& message) {
    LogMessage(Log, *this, message);
    TGraphicControl::Dispatch(message);
}

void TLoggingGraphic::Paint() {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

TColorControl::TColorControl(rtl::TComponent* owner) : TCustomControl(owner) {
    SetParentColor(false);
    SetBounds(0, 0, 40, 20);
}

void TColorControl::Paint() {
    ++PaintCount;
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

void TSubclassedButton::CreateParams(vcl::TCreateParams& params) {
    TLoggingControl::CreateParams(params);
    CreateSubClass(params, u"BUTTON");
    params.Style |= BS_PUSHBUTTON;
}

} // namespace vcl_test
