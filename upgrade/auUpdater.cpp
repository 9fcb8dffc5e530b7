// The update check, the downloads and the hand-over to the helper program.

#include "upgrade/auUpdater.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"
#include "rtl/io/Streams.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTime.h"
#include "upgrade/auUpdaterMessageForm.h"
#include "upgrade/auUpdaterPasswordForm.h"
#include "upgrade/auUpdaterWizard.h"
#include "upgrade/auUpgradeHelper.h"
#include "upgrade/auUtils.h"
#include "vcl/dialogs/MessageDialogs.h"
#include "vcl/extctrls/Image.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/system/ExceptionHook.h"
#include "vcl/system/Messages.h"
#include "vcl/system/UtilWindow.h"

#include <algorithm>
#include <utility>

namespace au {

namespace {

constexpr UINT_PTR AutoCheckTimerId = 1;

constexpr char16_t CannotInstallText[] = u"This version of the program cannot install the update itself.";
constexpr char16_t HelperNotWrittenText[] =
    u"The update helper could not be written to %s.\r\rThe program was not changed.";
constexpr char16_t HelperNotStartedText[] = u"The update helper could not be started.\r\rThe program was not changed.";

} // namespace

TauUpdaterWizard::TauUpdaterWizard() : FPic118x218(std::make_unique<vcl::TPicture>()) {}

TauUpdaterWizard::~TauUpdaterWizard() = default;

TauUpdater::TauUpdater(rtl::TComponent* owner)
    : TauCustomHTTP(owner), VersionDate(FormatVersionDate(rtl::Date())), ProgramPath(ExecutablePath()),
      FirstParameter(FirstCommandLineParameter()), HelperModule(GetModuleHandleW(nullptr)),
      HelperPath(GetTempFolder() + UpgradeHelperFileName), StartHelper(&StartProgram) {
    HideTargetFile = true;
    // A helper left by an earlier upgrade has done its work.
    rtl::RemoveFile(HelperPath);
    TauCustomHTTP::OnFileStart = [this](TauCustomHTTP&, const TauHTTPFileStartInfo& info, bool& accept) {
        DoHTTPFileStart(info, accept);
    };
    TauCustomHTTP::OnProgress = [this](TauCustomHTTP&, const TauHTTPProgressInfo& progress) {
        DoHTTPProgress(progress);
    };
    TauCustomHTTP::OnSkipped = [this](TauCustomHTTP&) { DownloadNextFile(false); };
    TauCustomHTTP::OnPasswordRequest = [this](TauCustomHTTP&, const UnicodeString& realm, bool& tryAgain) {
        DoHTTPPasswordRequest(realm, tryAgain);
    };
    TauCustomHTTP::OnDone = [this](TauCustomHTTP&, const UnicodeString&, rtl::TStream* stream, int64_t) {
        DoHTTPDone(stream);
    };
    TauCustomHTTP::OnError = [this](TauCustomHTTP&, int32_t status, rtl::TStream*) { DoHTTPError(status); };
    TauCustomHTTP::OnHostUnreachable = [this](TauCustomHTTP&) { DoHTTPHostUnreachable(); };
    TauCustomHTTP::OnConnLost = [this](TauCustomHTTP&, const UnicodeString&, rtl::TStream*, int64_t, int64_t) {
        DoHTTPConnLost();
    };
    NetworkCheck = &IsNetworkConnected;
    FTimerWindow = vcl::AllocateHWnd([this](vcl::TMessage& message) { WndProc(message); });
}

TauUpdater::~TauUpdater() {
    CloseWizard();
    RemoveDownloads();
    KillTimer(FTimerWindow, AutoCheckTimerId);
    vcl::DeallocateHWnd(FTimerWindow);
}

void TauUpdater::SetAutoCheck(bool value) {
    FAutoCheck = value;
    UpdateTimer();
}

void TauUpdater::UpdateTimer() {
    KillTimer(FTimerWindow, AutoCheckTimerId);
    if (FAutoCheck && !FAutoCheckRunning && SetTimer(FTimerWindow, AutoCheckTimerId, AutoCheckDelay, nullptr) == 0) {
        throw EOutOfResources(u"Not enough timers available");
    }
}

void TauUpdater::WndProc(vcl::TMessage& message) {
    if (message.Msg == WM_TIMER && message.WParam == AutoCheckTimerId) {
        if (FAutoCheck && NetworkCheck && NetworkCheck()) {
            FAutoCheckRunning = true;
            UpdateTimer();
            try {
                CheckUpdate();
            } catch (...) {
                vcl::HandleCurrentException(this);
            }
            FCheckIsAutomatic = true;
        }
        message.Result = 0;
    } else if (message.Msg == WM_QUERYENDSESSION) {
        message.Result = 1;
    } else {
        message.Result = DefWindowProcW(FTimerWindow, message.Msg, message.WParam, message.LParam);
    }
}

void TauUpdater::SetRestartParams(UnicodeString value) {
    FRestartParams = value.empty() ? u" " : std::move(value);
}

bool TauUpdater::CheckUpdate() {
    if (Busy() || FUpgrading) {
        return true;
    }
    FAborted = false;
    FCheckIsAutomatic = false;
    SetInfoMode(true);
    SetURL(InfoFileURL);
    SetFileName(u"");
    return Read();
}

void TauUpdater::Abort() {
    FAborted = true;
    StopUpgrade();
    if (OnAborted) {
        OnAborted(*this);
    }
}

void TauUpdater::StopUpgrade() {
    FUpgrading = false;
    TauCustomHTTP::Abort();
    CloseWizard();
    RemoveDownloads();
}

void TauUpdater::ShowUpgradeWizard() {
    if (FWizard == nullptr) {
        FWizard = new TauUpdaterWizardForm(&vcl::Application(), Wizard.Language);
        FWizard->ApplicationTitle = Title();
        FWizard->OnAbortRequest = [this] { Abort(); };
        FWizard->OnClosed = [this] { FWizard = nullptr; };
    }
    if (Wizard.StayOnTop) {
        FWizard->SetFormStyle(vcl::fsStayOnTop);
    }
    if (const vcl::TGraphic* picture = Wizard.Pic118x218().Graphic(); picture != nullptr && !picture->Empty()) {
        FWizard->Image1->SetPicture(Wizard.Pic118x218());
    }
    FWizard->Show();
}

void TauUpdater::CloseWizard() {
    if (TauUpdaterWizardForm* wizard = std::exchange(FWizard, nullptr); wizard != nullptr) {
        wizard->OnAbortRequest = nullptr;
        wizard->OnClosed = nullptr;
        wizard->Hide();
        wizard->PostRelease();
    }
}

// The file being received is deleted too: its worker may have finished it just before it was let go. A worker still
// writing it holds it open and deletes it itself.
void TauUpdater::RemoveDownloads() {
    if (!FTargetPath.empty()) {
        FDownloaded.push_back(std::exchange(FTargetPath, UnicodeString()));
    }
    for (const UnicodeString& file : FDownloaded) {
        rtl::RemoveFile(file);
    }
    FDownloaded.clear();
}

void TauUpdater::Loaded() {
    TauCustomHTTP::Loaded();
    if (FirstParameter == FRestartParams && OnAfterRestart) {
        OnAfterRestart(*this);
    }
}

// The info file is always fetched anew and held in memory, within the size a real one needs.
void TauUpdater::SetInfoMode(bool value) {
    FInfoMode = value;
    UseCache = !value;
    MaxMemorySize = value ? static_cast<int64_t>(MaxInfoFileSize) : DefaultMaxMemorySize;
}

void TauUpdater::DoHTTPFileStart(const TauHTTPFileStartInfo& info, bool& accept) {
    if (FInfoMode) {
        return;
    }
    FFileTime = info.LastModified;
    if (FWizard != nullptr) {
        FWizard->ShowFileSize(info.Size);
    }
    if (MiscFilesUpgrade == TacMiscFilesUpgradeBehavior::mfuOnlyIfSizeDifferent && info.Size != 0 && FURLs.size() > 1) {
        const UnicodeString installed = FTargetPath.substr(0, FTargetPath.size() - std::size(DownloadSuffix) + 1);
        if (!rtl::WideSameText(rtl::ExtractFileName(installed), rtl::ExtractFileName(ProgramPath)) &&
            rtl::FileExists(installed)) {
            accept = info.Size != GetFileSize64(installed);
        }
    }
    if (OnFileStart) {
        OnFileStart(*this, URL(), info.Size, FFileTime, accept);
    }
}

void TauUpdater::DoHTTPProgress(const TauHTTPProgressInfo& progress) {
    if (FInfoMode) {
        return;
    }
    const auto files = static_cast<double>(FURLs.size());
    TauUpdaterProgress figures;
    figures.FileURL = URL();
    figures.FileSize = progress.Size;
    figures.BytesRead = progress.BytesDone;
    figures.ElapsedTime = progress.ElapsedTime;
    figures.EstimatedTimeLeft = progress.EstimatedTimeLeft;
    figures.PercentsDone = progress.PercentsDone;
    figures.TotalPercentsDone = static_cast<uint8_t>(std::min(
        100, progress.PercentsDone / static_cast<int>(FURLs.size()) + Percent(static_cast<double>(FFileIndex), files)));
    figures.TransferRate = progress.TransferRate;
    if (OnProgress) {
        OnProgress(*this, figures);
    }
    if (FWizard != nullptr) {
        FWizard->ShowProgress(figures.PercentsDone, figures.TotalPercentsDone, figures.TransferRate,
                              figures.EstimatedTimeLeft);
    }
}

void TauUpdater::DoHTTPDone(rtl::TStream* stream) {
    if (FInfoMode) {
        if (stream != nullptr) {
            ProcessInfoFile(*stream);
        }
        return;
    }
    if (FFileTime != 0) {
        SetFileTimes(FTargetPath, FFileTime, FFileTime, -1);
    }
    const UnicodeString done = std::exchange(FTargetPath, UnicodeString());
    FDownloaded.push_back(done);
    if (OnFileDone) {
        OnFileDone(*this, done);
    }
    DownloadNextFile(false);
}

void TauUpdater::ProcessInfoFile(rtl::TStream& stream) {
    std::string bytes(static_cast<size_t>(stream.Size()), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    const UnicodeString info = rtl::AnsiToUnicode(bytes);
    FURLs = GetInfoFileURLs(info);
    const TauRunningVersion running{VersionControl, VersionNumber, VersionDate};
    if (!IsNewerVersion(info, running, rtl::Date()) || FURLs.empty()) {
        if (OnNoUpdateAvailable) {
            OnNoUpdateAvailable(*this);
        }
        if (!FCheckIsAutomatic && Shows(TauUpdaterShowMessage::mNoUpdateAvailable)) {
            ShowError(LoadAUString(TauUpdaterText::NoNewerVersion, Wizard.Language));
        }
        return;
    }
    bool canUpgrade = true;
    const UnicodeString message = GetInfoFileValue(info, u"message", true);
    const TacUpgradeMethod method = GetInfoFileUpgradeMethod(info);
    if (method != TacUpgradeMethod::umRedirectToURL && !HasDownloadableFileNames(FURLs)) {
        ReportNoInfoFile();
        return;
    }
    if (OnBeginUpgrade) {
        OnBeginUpgrade(*this, message, method, FURLs, canUpgrade);
    }
    if (!canUpgrade || (Shows(TauUpdaterShowMessage::mAskUpgrade) && !AskUpgrade(message))) {
        if (OnLaterUpgrade) {
            OnLaterUpgrade(*this);
        }
        return;
    }
    if (method == TacUpgradeMethod::umRedirectToURL) {
        OpenURL(FURLs.front(), true);
        return;
    }
    if (!HasUpgradeHelper(HelperModule)) {
        ShowError(CannotInstallText);
        return;
    }
    FMethod = method;
    DownloadNextFile(true);
}

void TauUpdater::DownloadNextFile(bool first) {
    if (first) {
        SetInfoMode(false);
        FFileIndex = 0;
        FDownloaded.clear();
        FUpgrading = true;
        if (Wizard.Enabled) {
            ShowUpgradeWizard();
        }
    } else {
        ++FFileIndex;
    }
    if (FFileIndex >= FURLs.size()) {
        FinishDownload();
        return;
    }
    const UnicodeString& url = FURLs[FFileIndex];
    if (FWizard != nullptr) {
        FWizard->ShowFile(url, FFileIndex, FURLs.size());
    }
    FFileTime = 0;
    FTargetPath = rtl::ExtractFilePath(ProgramPath) + ExtractURLFileName(url) + DownloadSuffix;
    SetURL(url);
    SetFileName(FTargetPath);
    if (!Read()) {
        StopUpgrade();
    }
}

void TauUpdater::FinishDownload() {
    const bool confirmed = WaitForWizardOK();
    FUpgrading = false;
    if (!confirmed) {
        return;
    }
    if (OnEndUpgrade) {
        OnEndUpgrade(*this);
    }
    if (!FAborted) {
        RunUpgraderHelper(u"+" + FRestartParams + UpgradeMethodDigit(FMethod));
    }
}

// The wizard shows that the upgrade is complete and waits for the user's OK; false when the upgrade was aborted or
// the application ends meanwhile.
bool TauUpdater::WaitForWizardOK() {
    if (FWizard != nullptr) {
        FWizard->ShowFinished(Title());
        while (FWizard != nullptr && !FAborted && !vcl::Application().Terminated()) {
            vcl::Application().HandleMessage();
        }
    }
    return !FAborted && !vcl::Application().Terminated();
}

// Nothing is left half done: without a helper that runs, the downloads go and the program stays as it was.
void TauUpdater::RunUpgraderHelper(const UnicodeString& parameter) {
    UnicodeString failure;
    if (!WriteUpgradeHelper(HelperModule, HelperPath)) {
        failure = rtl::Format(HelperNotWrittenText, {HelperPath});
    } else if (!StartHelper || !StartHelper(UpgradeHelperCommandLine(HelperPath, ProgramPath, parameter))) {
        rtl::RemoveFile(HelperPath);
        failure = HelperNotStartedText;
    }
    if (!failure.empty()) {
        RemoveDownloads();
        ShowError(failure);
        return;
    }
    // The downloads are the helper's now.
    FDownloaded.clear();
    if (OnDoOwnCloseAppMethod) {
        OnDoOwnCloseAppMethod(*this);
        return;
    }
    CloseApplication();
}

UnicodeString TauUpdater::Title() const {
    UnicodeString title = ApplicationTitle.empty() ? vcl::Application().Title() : ApplicationTitle;
    return UpdaterShownTitle(title.empty() ? rtl::ExtractFileName(ProgramPath) : title);
}

// The question is modal: a check asked for meanwhile (a program checks on each activation of its window, and the
// question's closing activates it) would replace the transfer whose answer is being given.
bool TauUpdater::AskUpgrade(const UnicodeString& message) {
    FUpgrading = true;
    bool upgrade = false;
    try {
        upgrade = UpgradeQuestion(Title(), message, Wizard.Language);
    } catch (...) {
        FUpgrading = false;
        throw;
    }
    FUpgrading = false;
    return upgrade;
}

void TauUpdater::ShowError(const UnicodeString& text) {
    vcl::MessageDlgCentered(text, LoadAUString(TauUpdaterText::WizardCaption, Wizard.Language), vcl::mtError,
                            {vcl::mbOK});
}

void TauUpdater::DoHTTPError(int32_t status) {
    if (FInfoMode) {
        ReportNoInfoFile();
    } else if (ContinueAfterLostFile(status)) {
        DownloadNextFile(false);
    } else {
        Abort();
    }
}

bool TauUpdater::ContinueAfterLostFile(int32_t status) {
    bool continueUpgrade = false;
    if (OnLostFile) {
        OnLostFile(*this, URL(), status, continueUpgrade);
    }
    if (Shows(TauUpdaterShowMessage::mLostFile)) {
        const UnicodeString text = FormatAUString(TauUpdaterText::MissingFile, {GetURLFileName()}, Wizard.Language);
        const UnicodeString caption =
            LoadAUString(TauUpdaterText::ErrorCaption, Wizard.Language) + u" #" + rtl::IntToStr(status);
        continueUpgrade = vcl::MessageDlgCentered(text, caption, vcl::mtWarning, {vcl::mbYes, vcl::mbNo}) == vcl::mrYes;
    }
    return continueUpgrade;
}

void TauUpdater::ReportNoInfoFile() {
    if (OnNoInfoFile) {
        OnNoInfoFile(*this);
    }
    if (Shows(TauUpdaterShowMessage::mNoInfoFile)) {
        ShowError(LoadAUString(TauUpdaterText::NoInfoFile, Wizard.Language));
    }
}

void TauUpdater::DoHTTPHostUnreachable() {
    const UnicodeString host = GetURLHost();
    if (OnHostUnreachable) {
        OnHostUnreachable(*this, URL(), host);
    }
    if (FCheckIsAutomatic) {
        FAutoCheckRunning = false;
        UpdateTimer();
    } else if (Shows(TauUpdaterShowMessage::mHostUnreachable)) {
        ShowError(FormatAUString(TauUpdaterText::HostUnreachable, {u"http://" + host}, Wizard.Language));
    }
    StopUpgrade();
}

void TauUpdater::DoHTTPPasswordRequest(const UnicodeString& realm, bool& tryAgain) {
    if (OnPasswordRequest) {
        OnPasswordRequest(*this, realm, tryAgain);
    }
    if (!tryAgain && Shows(TauUpdaterShowMessage::mPasswordRequest)) {
        if (AskUpgradePassword(*this, GetURLFileName(), Wizard.Language)) {
            tryAgain = true;
        } else {
            Abort();
        }
    }
}

void TauUpdater::DoHTTPConnLost() {
    if (OnConnLost) {
        OnConnLost(*this);
    }
    if (Shows(TauUpdaterShowMessage::mConnLost)) {
        ShowError(LoadAUString(TauUpdaterText::ConnectionLost, Wizard.Language));
    }
    StopUpgrade();
}

} // namespace au
