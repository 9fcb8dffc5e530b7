// The upgrade question form, built in code.

#include "upgrade/auUpdaterMessageForm.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/Format.h"
#include "upgrade/auFormPresenter.h"
#include "vcl/extctrls/Image.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/forms/Application.h"
#include "vcl/stdctrls/Button.h"
#include "vcl/stdctrls/Label.h"

#include <memory>

namespace au {

TauUpdaterUpgradeMessageForm::TauUpdaterUpgradeMessageForm(rtl::TComponent* owner) : vcl::TForm(owner) {
    PrepareUpdaterDialog(*this, 318, 130);
    Label1 = AddFormControl<vcl::TLabel>(*this, *this, u"Label1", 45, 5);
    Label1->SetWordWrap(true);
    Icon = AddFormControl<vcl::TImage>(*this, *this, u"Icon", 7, 5, 32, 32);
    BottomPanel = AddFormControl<vcl::TPanel>(*this, *this, u"BottomPanel", 0, 75, 318, 55);
    BottomPanel->SetAlign(vcl::alBottom);
    BottomPanel->SetBevelOuter(vcl::bvNone);
    YesBtn = AddFormControl<vcl::TButton>(*this, *BottomPanel, u"YesBtn", 124, 19, 75, 23);
    YesBtn->SetDefault(true);
    YesBtn->SetModalResult(vcl::mrYes);
    LaterBtn = AddFormControl<vcl::TButton>(*this, *BottomPanel, u"LaterBtn", 213, 19, 75, 23);
    LaterBtn->SetCancel(true);
    LaterBtn->SetModalResult(vcl::mrNo);
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
    form->SetCaption(UpdaterText(TauUpdaterText::WizardCaption, language));
    form->YesBtn->SetCaption(UpdaterText(TauUpdaterText::UpgradeButton, language));
    form->LaterBtn->SetCaption(UpdaterText(TauUpdaterText::LaterButton, language));
    FitUpdaterDialogToText(*form, *form->Label1, *form->BottomPanel,
                           rtl::Format(UpdaterText(TauUpdaterText::UpgradeQuestion, language), {title, shownMessage}));
    return UpdaterFormPresenter().ShowModal(*form) == vcl::mrYes;
}

} // namespace au
