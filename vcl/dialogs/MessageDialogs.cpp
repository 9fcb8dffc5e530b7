#include "vcl/dialogs/MessageDialogs.h"

#include "rtl/core/Exceptions.h"
#include "vcl/forms/Application.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

uint32_t ButtonFlags(TMsgDlgButtons buttons) {
    constexpr struct {
        TMsgDlgButtons Buttons;
        uint32_t Flags;
    } Layouts[] = {
        {{mbOK}, MB_OK},
        {{mbOK, mbCancel}, MB_OKCANCEL},
        {{mbYes, mbNo}, MB_YESNO},
        {{mbYes, mbNo, mbCancel}, MB_YESNOCANCEL},
        {{mbRetry, mbCancel}, MB_RETRYCANCEL},
        {{mbAbort, mbRetry, mbIgnore}, MB_ABORTRETRYIGNORE},
    };
    const TMsgDlgButtons withoutHelp = buttons - TMsgDlgButtons{mbHelp};
    for (const auto& layout : Layouts) {
        if (layout.Buttons == withoutHelp) {
            return layout.Flags | (buttons.Contains(mbHelp) ? MB_HELP : 0);
        }
    }
    throw rtl::EInvalidOperation(VclMessages::MsgDlgButtonsUnavailable);
}

struct TMessageKind {
    uint32_t Icon;
    const char16_t* Caption; // nullptr: the application's title
};

TMessageKind KindOf(TMsgDlgType type) {
    constexpr TMessageKind Kinds[] = {
        {MB_ICONWARNING, VclMessages::MsgDlgWarning},
        {MB_ICONERROR, VclMessages::MsgDlgError},
        {MB_ICONINFORMATION, VclMessages::MsgDlgInformation},
        {MB_ICONQUESTION, VclMessages::MsgDlgConfirm},
        {0, nullptr},
    };
    return Kinds[type];
}

} // namespace

TModalResult MessageDlgCentered(rtl::UnicodeStringView text, rtl::UnicodeStringView caption, TMsgDlgType type,
                                TMsgDlgButtons buttons) {
    const uint32_t flags = ButtonFlags(buttons);
    const TMessageKind kind = KindOf(type);
    rtl::UnicodeString title(caption);
    if (title.empty()) {
        title = kind.Caption ? rtl::UnicodeString(kind.Caption) : Application().Title();
    }
    return Application().MessageBox(text, title, flags | kind.Icon);
}

TModalResult MessageDlg(rtl::UnicodeStringView text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return MessageDlgCentered(text, u"", type, buttons);
}

void ShowMessage(rtl::UnicodeStringView text) {
    Application().MessageBox(text, Application().Title(), MB_OK);
}

} // namespace vcl
