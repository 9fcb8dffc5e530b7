#pragma once
// The download wizard: a dialog that shows which file is downloading, its size, the rate, the time left and the
// progress of the file and of the whole upgrade, and at the end a note that the upgrade is complete with an OK button.
// Closing it any other way asks whether to abort the upgrade. It is built in code with the framework's controls; the
// updater owns the one that exists and frees it when the upgrade stops.

#include "upgrade/auUpdaterTexts.h"
#include "vcl/forms/Form.h"

#include <cstdint>
#include <functional>

namespace vcl {
class TBevel;
class TButton;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TPanel;
class TProgressBar;
} // namespace vcl

namespace au {

using rtl::UnicodeString;

class TauUpdaterWizardForm : public vcl::TForm {
    RTL_DECLARE_CLASS(TauUpdaterWizardForm, vcl::TForm)
public:
    // The form with its texts in language, not shown yet.
    TauUpdaterWizardForm(rtl::TComponent* owner, TauUpdaterLanguage language);

    // The file being downloaded: index counts from 0.
    void ShowFile(const UnicodeString& url, size_t index, size_t count);
    void ShowFileSize(int64_t bytes);
    // The figures of a progress report: percentages, the rate in KB per second and the seconds left.
    void ShowProgress(uint8_t filePercent, uint8_t totalPercent, float rate, int32_t secondsLeft);
    // The end: the note naming applicationTitle and the OK button in place of the progress.
    void ShowFinished(const UnicodeString& applicationTitle);

    // The user confirmed that the upgrade is to stop (the caption of the question is ApplicationTitle).
    std::function<void()> OnAbortRequest;
    // The form closed and frees itself.
    std::function<void()> OnClosed;
    UnicodeString ApplicationTitle;

    vcl::TPanel* Panel1;
    vcl::TImage* Image1;
    vcl::TLabel* WizardTitle;
    vcl::TLabel* AfterNote;
    vcl::TGroupBox* LCurrentFile;
    vcl::TLabel* LDownloadingFileFrom;
    vcl::TEdit* FileURL;
    vcl::TLabel* FileSizeLab;
    vcl::TLabel* TransferRateLab;
    vcl::TLabel* EstimatedTimeLeftLab;
    vcl::TProgressBar* ProgressCurrentFile;
    vcl::TGroupBox* LAllFiles;
    vcl::TLabel* AllDownloading;
    vcl::TProgressBar* ProgressAllFiles;
    vcl::TBevel* Bevel1;
    vcl::TLabel* AboutLabel;
    vcl::TLabel* AboutShadow;
    vcl::TButton* FinishBtn;
    vcl::TButton* CancelBtn;

    void Dispatch(vcl::TMessage& message) override;

protected:
    void DoClose(vcl::TCloseAction& action) override;

private:
    void BuildControls();
    void SetTexts();
    void FinishBtnClick();
    void CancelBtnClick();
    UnicodeString Text(TauUpdaterText role) const { return LoadAUString(role, FLanguage); }
    UnicodeString Text(TauUpdaterText role, std::initializer_list<rtl::TFormatArg> arguments) const {
        return FormatAUString(role, arguments, FLanguage);
    }

    TauUpdaterLanguage FLanguage;
};

} // namespace au
