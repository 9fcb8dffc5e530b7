#pragma once
// Message dialogs: a text with an icon that says what kind of message it is, and the buttons to answer with. They
// are message boxes of the application (see TApplication::MessageBox): modal to the whole program, shown through the
// message-box presenter in use, answered with the modal result of the button pressed.

#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "vcl/controls/ControlTypes.h"

#include <cstdint>

namespace vcl {

// The kind of message: it gives the icon and the caption.
enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : uint8_t {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};
using TMsgDlgButtons = rtl::TSmallSet<TMsgDlgBtn>;

namespace VclMessages {
inline constexpr char16_t MsgDlgWarning[] = u"警告";
inline constexpr char16_t MsgDlgError[] = u"错误";
inline constexpr char16_t MsgDlgInformation[] = u"信息";
inline constexpr char16_t MsgDlgConfirm[] = u"确认";
inline constexpr char16_t MsgDlgButtonsUnavailable[] = u"A message box cannot show these buttons";
} // namespace VclMessages

// Shows text with the icon and caption of type (the application's title for mtCustom) and the buttons, and returns
// the modal result of the button pressed. The buttons are one of the sets a Windows message box offers (OK;
// OK, Cancel; Yes, No; Yes, No, Cancel; Retry, Cancel; Abort, Retry, Ignore), with or without Help;
// EInvalidOperation for any other.
TModalResult MessageDlg(rtl::UnicodeStringView text, TMsgDlgType type, TMsgDlgButtons buttons);
// MessageDlg with caption (when not empty) instead of the type's. (Windows places every message box in the middle of
// the screen, so there is nothing more to do to centre it.)
TModalResult MessageDlgCentered(rtl::UnicodeStringView text, rtl::UnicodeStringView caption, TMsgDlgType type,
                                TMsgDlgButtons buttons);
// Shows text with the application's title and an OK button.
void ShowMessage(rtl::UnicodeStringView text);

} // namespace vcl
