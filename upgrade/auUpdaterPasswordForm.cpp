// The password form, built in code.

#include "upgrade/auUpdaterPasswordForm.h"

#include "upgrade/auFormPresenter.h"
#include "upgrade/auHTTP.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/forms/Application.h"
#include "vcl/stdctrls/Button.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/stdctrls/Label.h"

#include <memory>

namespace au {

TauUpdaterPasswordForm::TauUpdaterPasswordForm(rtl::TComponent* owner) : vcl::TForm(owner) {
    PrepareUpdaterDialog(*this, 297, 141);
    Label1 = AddUpdaterDialogMessage(*this, u"Image1", u"AUPASSWORD", Image1);
    BottomPanel = AddUpdaterDialogBottomPanel(*this, 98);
    UsernameLab = AddFormControl<vcl::TLabel>(*this, *BottomPanel, u"UsernameLab", 45, 14);
    PasswordLab = AddFormControl<vcl::TLabel>(*this, *BottomPanel, u"PasswordLab", 45, 38);
    UsernameEdit = AddFormControl<vcl::TEdit>(*this, *BottomPanel, u"UsernameEdit", 122, 10, 157, 22);
    PasswordEdit = AddFormControl<vcl::TEdit>(*this, *BottomPanel, u"PasswordEdit", 122, 34, 157, 22);
    PasswordEdit->SetPasswordChar(u'*');
    OKBtn = AddUpdaterDialogButton(*this, *BottomPanel, u"OKBtn", 114, 68, vcl::mrOk);
    OKBtn->SetDefault(true);
    CancelBtn = AddUpdaterDialogButton(*this, *BottomPanel, u"CancelBtn", 204, 68, vcl::mrCancel);
    CancelBtn->SetCancel(true);
}

bool AskUpgradePassword(TauLoginComponent& login, const UnicodeString& fileName, TauUpdaterLanguage language) {
    const std::unique_ptr<TauUpdaterPasswordForm, rtl::TComponentDeleter> form(
        new TauUpdaterPasswordForm(&vcl::Application()));
    const auto text = [language](TauUpdaterText role) { return LoadAUString(role, language); };
    form->SetCaption(text(TauUpdaterText::PasswordCaption));
    form->UsernameLab->SetCaption(text(TauUpdaterText::UserNameLabel));
    form->UsernameEdit->SetText(login.HTTPUsername());
    form->PasswordLab->SetCaption(text(TauUpdaterText::PasswordLabel));
    form->OKBtn->SetCaption(text(TauUpdaterText::OKButton));
    form->CancelBtn->SetCaption(text(TauUpdaterText::CancelButton));
    FitUpdaterDialogToText(*form, *form->Label1, *form->BottomPanel,
                           FormatAUString(TauUpdaterText::PasswordRequest, {fileName}, language));
    if (UpdaterFormPresenter().ShowModal(*form) != vcl::mrOk) {
        return false;
    }
    login.SetHTTPUsername(form->UsernameEdit->Text());
    login.SetHTTPPassword(form->PasswordEdit->Text());
    return true;
}

} // namespace au
