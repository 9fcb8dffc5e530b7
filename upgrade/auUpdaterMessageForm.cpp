// The upgrade question form, built in code.

#include "upgrade/auUpdaterMessageForm.h"

#include "rtl/WindowsApi.h"
#include "upgrade/auFormPresenter.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/forms/Application.h"
#include "vcl/stdctrls/Button.h"
#include "vcl/stdctrls/Label.h"

#include <memory>

namespace au {

TauUpdaterUpgradeMessageForm::TauUpdaterUpgradeMessageForm(rtl::TComponent* owner) : vcl::TForm(owner) {
    PrepareUpdaterDialog(*this, 318, 130);
    Label1 = AddUpdaterDialogMessage(*this, u"Icon", u"AUQUESTION", Icon);
    BottomPanel = AddUpdaterDialogBottomPanel(*this, 55);
    YesBtn = AddUpdaterDialogButton(*this, *BottomPanel, u"YesBtn", 124, 19, vcl::mrYes);
    YesBtn->SetDefault(true);
    LaterBtn = AddUpdaterDialogButton(*this, *BottomPanel, u"LaterBtn", 213, 19, vcl::mrNo);
    LaterBtn->SetCancel(true);
}

void TauUpdaterUpgradeMessageForm::CreateParams(vcl::TCreateParams& params) {
    vcl::TForm::CreateParams(params);
    params.ExStyle |= WS_EX_TOPMOST;
}

void TauUpdaterUpgradeMessageForm::DoShow() {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    vcl::TForm::DoShow();
}

bool UpgradeQuestion(const UnicodeString& title, const UnicodeString& message, TauUpdaterLanguage language) {
    const std::unique_ptr<TauUpdaterUpgradeMessageForm, rtl::TComponentDeleter> form(
        new TauUpdaterUpgradeMessageForm(&vcl::Application()));
    const UnicodeString shownMessage = message.empty() ? message : u"\n" + message + u"\n";
    form->SetCaption(LoadAUString(TauUpdaterText::WizardCaption, language));
    form->YesBtn->SetCaption(LoadAUString(TauUpdaterText::UpgradeButton, language));
    form->LaterBtn->SetCaption(LoadAUString(TauUpdaterText::LaterButton, language));
    FitUpdaterDialogToText(*form, *form->Label1, *form->BottomPanel,
                           FormatAUString(TauUpdaterText::UpgradeQuestion, {title, shownMessage}, language));
    return UpdaterFormPresenter().ShowModal(*form) == vcl::mrYes;
}

} // namespace au
