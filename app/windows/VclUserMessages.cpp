#include "app/windows/VclUserMessages.h"

#include "vcl/dialogs/MessageDialogs.h"

namespace app {

namespace {

vcl::TMsgDlgType DialogType(TMessageKind kind) {
    switch (kind) {
    case mkError:
        return vcl::mtError;
    case mkWarning:
        return vcl::mtWarning;
    case mkInformation:
        break;
    }
    return vcl::mtInformation;
}

} // namespace

void TVclUserMessages::ShowBox(TMessageKind kind, rtl::UnicodeStringView text) {
    vcl::MessageDlg(text, DialogType(kind), {vcl::mbOK});
}

void TVclUserMessages::ShowMessage(rtl::UnicodeStringView text) {
    vcl::ShowMessage(text);
}

bool TVclUserMessages::AskYesNo(rtl::UnicodeStringView text) {
    return vcl::MessageDlg(text, vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}) == vcl::mrYes;
}

} // namespace app
