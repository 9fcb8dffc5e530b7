// The download wizard, built in code.

#include "upgrade/auUpdaterWizard.h"

#include "rtl/WindowsApi.h"
#include "upgrade/auFormPresenter.h"
#include "vcl/dialogs/MessageDialogs.h"
#include "vcl/extctrls/Bevel.h"
#include "vcl/extctrls/Image.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/extctrls/ProgressBar.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/Font.h"
#include "vcl/resources/ResourceStream.h"
#include "vcl/stdctrls/Button.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/stdctrls/GroupBox.h"
#include "vcl/stdctrls/Label.h"
#include "vcl/system/Messages.h"

namespace au {

TauUpdaterWizardForm::TauUpdaterWizardForm(rtl::TComponent* owner, TauUpdaterLanguage language)
    : vcl::TForm(owner), FLanguage(language) {
    PrepareUpdaterDialog(*this, 463, 281);
    BuildControls();
    SetTexts();
}

void TauUpdaterWizardForm::BuildControls() {
    Panel1 = AddFormControl<vcl::TPanel>(*this, *this, u"Panel1", 10, 10, 120, 220);
    Panel1->SetBevelOuter(vcl::bvLowered);
    Image1 = AddFormControl<vcl::TImage>(*this, *Panel1, u"Image1", 0, 0);
    Image1->SetAlign(vcl::alClient);
    Image1->SetStretch(true);

    WizardTitle = AddFormControl<vcl::TLabel>(*this, *this, u"WizardTitle", 136, 10);
    WizardTitle->Font().SetName(u"Times New Roman");
    WizardTitle->Font().SetHeight(-19);
    WizardTitle->Font().SetStyle({vcl::fsBold, vcl::fsItalic});
    AfterNote = AddFormControl<vcl::TLabel>(*this, *this, u"AfterNote", 136, 44);
    // Sized once it no longer sizes itself to its (empty) caption.
    AfterNote->SetAutoSize(false);
    AfterNote->SetBounds(136, 44, 319, 13);
    AfterNote->SetWordWrap(true);
    AfterNote->SetVisible(false);

    LCurrentFile = AddFormControl<vcl::TGroupBox>(*this, *this, u"LCurrentFile", 136, 34, 319, 125);
    LDownloadingFileFrom = AddFormControl<vcl::TLabel>(*this, *LCurrentFile, u"LDownloadingFileFrom", 6, 14);
    FileURL = AddFormControl<vcl::TEdit>(*this, *LCurrentFile, u"FileURL", 10, 28, 301, 13);
    FileURL->SetBorderStyle(vcl::bsNone);
    FileURL->SetColor(vcl::clBtnFace);
    FileURL->Font().SetName(u"MS Sans Serif");
    FileURL->Font().SetColor(vcl::clHighlight);
    FileURL->SetTabStop(false);
    FileURL->SetReadOnly(true);
    // The address is shown, not edited.
    FileURL->SetOnKeyPress([](rtl::TObject*, char16_t& key) { key = 0; });
    FileSizeLab = AddFormControl<vcl::TLabel>(*this, *LCurrentFile, u"FileSizeLab", 6, 44);
    TransferRateLab = AddFormControl<vcl::TLabel>(*this, *LCurrentFile, u"TransferRateLab", 6, 60);
    EstimatedTimeLeftLab = AddFormControl<vcl::TLabel>(*this, *LCurrentFile, u"EstimatedTimeLeftLab", 6, 76);
    ProgressCurrentFile =
        AddFormControl<vcl::TProgressBar>(*this, *LCurrentFile, u"ProgressCurrentFile", 6, 96, 307, 22);

    LAllFiles = AddFormControl<vcl::TGroupBox>(*this, *this, u"LAllFiles", 136, 162, 319, 67);
    AllDownloading = AddFormControl<vcl::TLabel>(*this, *LAllFiles, u"AllDownloading", 6, 16);
    ProgressAllFiles = AddFormControl<vcl::TProgressBar>(*this, *LAllFiles, u"ProgressAllFiles", 6, 38, 307, 22);

    Bevel1 = AddFormControl<vcl::TBevel>(*this, *this, u"Bevel1", 10, 238, 447, 2);
    Bevel1->SetShape(vcl::bsTopLine);
    AboutShadow = AddFormControl<vcl::TLabel>(*this, *this, u"AboutShadow", 31, 234);
    AboutLabel = AddFormControl<vcl::TLabel>(*this, *this, u"AboutLabel", 30, 233);
    for (vcl::TLabel* engraved : {AboutShadow, AboutLabel}) {
        engraved->Font().SetName(u"MS Sans Serif");
        engraved->SetTransparent(true);
    }
    AboutShadow->Font().SetColor(vcl::clBtnHighlight);
    AboutLabel->Font().SetColor(vcl::clBtnShadow);

    FinishBtn = AddFormControl<vcl::TButton>(*this, *this, u"FinishBtn", 296, 248, 75, 25);
    FinishBtn->SetEnabled(false);
    FinishBtn->SetOnClick([this](rtl::TObject*) { FinishBtnClick(); });
    CancelBtn = AddFormControl<vcl::TButton>(*this, *this, u"CancelBtn", 380, 248, 75, 25);
    CancelBtn->SetCancel(true);
    CancelBtn->SetDefault(true);
    CancelBtn->SetOnClick([this](rtl::TObject*) { CancelBtnClick(); });
}

void TauUpdaterWizardForm::SetTexts() {
    const UnicodeString engraved = u" " + vcl::LoadStr(EngravedCaptionStringId) + u" ";
    AboutLabel->SetCaption(engraved);
    AboutShadow->SetCaption(engraved);
    EstimatedTimeLeftLab->SetCaption(Text(TauUpdaterText::Preparing));
    SetCaption(Text(TauUpdaterText::WizardCaption));
    WizardTitle->SetCaption(Text(TauUpdaterText::WizardDownloading));
    LCurrentFile->SetCaption(u" " + Text(TauUpdaterText::CurrentFile) + u" ");
    LAllFiles->SetCaption(u" " + Text(TauUpdaterText::AllFiles) + u" ");
    LDownloadingFileFrom->SetCaption(Text(TauUpdaterText::DownloadingFileFrom));
    FinishBtn->SetCaption(Text(TauUpdaterText::NextButton));
    CancelBtn->SetCaption(Text(TauUpdaterText::CancelButton));
}

void TauUpdaterWizardForm::ShowFile(const UnicodeString& url, size_t index, size_t count) {
    FileURL->SetText(url);
    AllDownloading->SetCaption(
        Text(TauUpdaterText::DownloadingNOfM, {static_cast<int64_t>(index + 1), static_cast<int64_t>(count)}));
}

void TauUpdaterWizardForm::ShowFileSize(int64_t bytes) {
    FileSizeLab->SetCaption(Text(TauUpdaterText::FileSize, {static_cast<double>(bytes) / 1024}));
}

void TauUpdaterWizardForm::ShowProgress(uint8_t filePercent, uint8_t totalPercent, float rate, int32_t secondsLeft) {
    ProgressCurrentFile->SetPosition(filePercent);
    ProgressAllFiles->SetPosition(totalPercent);
    TransferRateLab->SetCaption(Text(TauUpdaterText::TransferRate, {static_cast<double>(rate)}));
    const int32_t seconds = secondsLeft < 0 ? 0 : secondsLeft;
    EstimatedTimeLeftLab->SetCaption(Text(TauUpdaterText::TimeLeft, {seconds / 3600, seconds / 60 % 60, seconds % 60}));
}

void TauUpdaterWizardForm::ShowFinished(const UnicodeString& applicationTitle) {
    WizardTitle->SetCaption(Text(TauUpdaterText::WizardCompleted));
    AfterNote->SetCaption(Text(TauUpdaterText::FinalNote, {applicationTitle}));
    // The note's lines take the place of the progress, which it replaces: a line's height would cut off the second
    // paragraph, which tells the user to press OK.
    AfterNote->SetHeight(LAllFiles->Top() + LAllFiles->Height() - AfterNote->Top());
    AfterNote->SetVisible(true);
    LCurrentFile->SetVisible(false);
    LAllFiles->SetVisible(false);
    CancelBtn->SetEnabled(false);
    FinishBtn->SetCaption(Text(TauUpdaterText::OKButton));
    FinishBtn->SetEnabled(true);
    if (Showing()) {
        FinishBtn->SetFocus();
    }
}

void TauUpdaterWizardForm::DoClose(vcl::TCloseAction& action) {
    vcl::TForm::DoClose(action);
    action = vcl::caFree;
    if (OnClosed) {
        OnClosed();
    }
}

void TauUpdaterWizardForm::FinishBtnClick() {
    Close();
}

void TauUpdaterWizardForm::CancelBtnClick() {
    PostMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TauUpdaterWizardForm::Dispatch(vcl::TMessage& message) {
    if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_CLOSE) {
        message.Result = 0;
        if (vcl::MessageDlgCentered(Text(TauUpdaterText::AbortQuestion), ApplicationTitle, vcl::mtConfirmation,
                                    {vcl::mbYes, vcl::mbNo}) == vcl::mrYes &&
            OnAbortRequest) {
            OnAbortRequest();
        }
        return;
    }
    vcl::TForm::Dispatch(message);
}

} // namespace au
