#pragma once
// The updater: fetches the update info file, decides from it whether a newer version exists, asks the user, and
// either opens a web page in the browser or downloads the listed files one after the other into the program's folder
// (each under its URL's file name with ".uTMP" appended), then writes out the helper program, starts it and closes
// the application so that the helper can put the files in place and restart the program. The transfers run on the
// HTTP client's worker; every handler here runs on the UI thread. Questions and messages go through the framework's
// message boxes (and so through their seam in tests).
//
// An upgrade that does not end in the hand-over leaves the installed program as it was: a download that fails,
// falls short or is aborted leaves no part of itself, and the files already downloaded are deleted with it. A program
// that carries no helper says so before it downloads anything.
//
// With AutoCheck a hidden window's timer starts a check ten seconds after it is armed, when the machine is on a
// network; it is armed again only after a check that found the host unreachable.
//
// While the files download the wizard shows their progress; at the end it waits for the user's OK before the helper
// starts. The upgrade question and the password form are modal forms shown through the form presenter.

#include "rtl/core/Exceptions.h"
#include "rtl/core/SmallSet.h"
#include "upgrade/auHTTP.h"
#include "upgrade/auInfoFile.h"
#include "upgrade/auUpdaterTexts.h"
#include "vcl/system/WinTypes.h"

#include <functional>
#include <memory>
#include <vector>

namespace vcl {
struct TMessage;
class TPicture;
} // namespace vcl

namespace au {

// Windows has no timer left for the automatic check.
class EOutOfResources : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

enum class TauUpdaterShowMessage : uint8_t {
    mAskUpgrade,
    mConnLost,
    mHostUnreachable,
    mLostFile,
    mNoInfoFile,
    mNoUpdateAvailable,
    mPasswordRequest
};
using TauUpdaterShowMessages = rtl::TSmallSet<TauUpdaterShowMessage>;

class TauUpdaterWizardForm;

// The download wizard's settings: whether it shows, the language of the component's texts, the side picture it
// shows when one is given (118 x 218 pixels), and whether it stays above the other windows.
class TauUpdaterWizard {
public:
    TauUpdaterWizard();
    ~TauUpdaterWizard();
    TauUpdaterWizard(const TauUpdaterWizard&) = delete;
    TauUpdaterWizard& operator=(const TauUpdaterWizard&) = delete;

    bool Enabled = true;
    TauUpdaterLanguage Language = TauUpdaterLanguage::wlAuto;
    bool StayOnTop = true;
    vcl::TPicture& Pic118x218() const { return *FPic118x218; }

private:
    std::unique_ptr<vcl::TPicture> FPic118x218;
};

enum class TacMiscFilesUpgradeBehavior : uint8_t { mfuAlwaysDownload, mfuOnlyIfSizeDifferent };

// Where a download stands: the current file's figures (times in seconds, the rate in KB per second) and the
// percentage of the whole upgrade.
struct TauUpdaterProgress {
    UnicodeString FileURL;
    int64_t FileSize = 0;
    int64_t BytesRead = 0;
    int32_t ElapsedTime = 0;
    int32_t EstimatedTimeLeft = 0;
    uint8_t PercentsDone = 0;
    uint8_t TotalPercentsDone = 0;
    float TransferRate = 0;
};

// The component that keeps the program up to date.
class TauUpdater : public TauCustomHTTP {
    RTL_DECLARE_CLASS(TauUpdater, TauCustomHTTP)
public:
    using TBeginUpgradeEvent =
        std::function<void(TauUpdater& sender, const UnicodeString& upgradeMsg, TacUpgradeMethod method,
                           const std::vector<UnicodeString>& files, bool& canUpgrade)>;
    using TUpdaterEvent = std::function<void(TauUpdater& sender)>;
    using THostUnreachableEvent =
        std::function<void(TauUpdater& sender, const UnicodeString& url, const UnicodeString& hostname)>;
    using TFileStartEvent = std::function<void(TauUpdater& sender, const UnicodeString& fileURL, int64_t fileSize,
                                               double fileTime, bool& canUpgrade)>;
    using TProgressEvent = std::function<void(TauUpdater& sender, const TauUpdaterProgress& progress)>;
    using TFileDoneEvent = std::function<void(TauUpdater& sender, const UnicodeString& fileName)>;
    using TLostFileEvent =
        std::function<void(TauUpdater& sender, const UnicodeString& fileURL, int32_t errorCode, bool& continueUpgrade)>;
    // Starts a command line; true when a process started.
    using TStartProgram = std::function<bool(const UnicodeString& commandLine)>;

    // The delay of the automatic check, in milliseconds.
    static constexpr uint32_t AutoCheckDelay = 10000;

    explicit TauUpdater(rtl::TComponent* owner);
    ~TauUpdater() override;

    // Starts a check unless a transfer or an upgrade is running (then true at once); the answer of the client's Read.
    bool CheckUpdate();
    // Stops what runs and fires OnAborted.
    void Abort() override;
    // Stops the transfer and deletes the files this upgrade downloaded so far.
    void StopUpgrade();
    // Fires OnAfterRestart when the program was started again by the helper program (FirstParameter is
    // RestartParams). The program calls it once its handlers are set.
    void Loaded() override;

    bool AutoCheck() const { return FAutoCheck; }
    // Arms or stops the automatic check's timer.
    void SetAutoCheck(bool value);
    // Whether the machine is on a network, asked before an automatic check; IsNetworkConnected unless replaced.
    std::function<bool()> NetworkCheck;
    // The hidden window that owns the automatic check's timer (1).
    HWND TimerWindow() const { return FTimerWindow; }

    UnicodeString InfoFileURL = u"http://";
    const UnicodeString& RestartParams() const { return FRestartParams; }
    // An empty text becomes a single blank.
    void SetRestartParams(UnicodeString value);
    TacMiscFilesUpgradeBehavior MiscFilesUpgrade = TacMiscFilesUpgradeBehavior::mfuAlwaysDownload;
    TauUpdaterVersionControl VersionControl = TauUpdaterVersionControl::byDate;
    // The running version's date, MM/DD/YYYY; today by default.
    UnicodeString VersionDate;
    UnicodeString VersionNumber;
    TauUpdaterShowMessages ShowMessages{TauUpdaterShowMessage::mAskUpgrade, TauUpdaterShowMessage::mConnLost,
                                        TauUpdaterShowMessage::mLostFile, TauUpdaterShowMessage::mPasswordRequest};
    TauUpdaterWizard Wizard;
    // The download wizard while it shows.
    TauUpdaterWizardForm* WizardForm() const { return FWizard; }
    // The program's name in the texts; the application's title when empty, else the file name of the executable. A
    // title holding the default-title word shows as the text that stands for it (UpdaterShownTitle).
    UnicodeString ApplicationTitle;

    // The file URLs of the last info file.
    const std::vector<UnicodeString>& URLs() const { return FURLs; }
    // The downloads of the running upgrade, complete so far.
    const std::vector<UnicodeString>& DownloadedFiles() const { return FDownloaded; }

    // The running program, whose folder receives the downloads and which the helper replaces and restarts.
    UnicodeString ProgramPath;
    // The program's first command-line parameter, for Loaded.
    UnicodeString FirstParameter;
    // The module that carries the helper program, and where it is written: the program and the temporary folder.
    void* HelperModule;
    UnicodeString HelperPath;
    // How the helper is started; StartProgram unless replaced.
    TStartProgram StartHelper;

    TBeginUpgradeEvent OnBeginUpgrade;
    // All files are downloaded; the helper starts next.
    TUpdaterEvent OnEndUpgrade;
    TUpdaterEvent OnLaterUpgrade;
    // Instead of closing the main form and ending the application once the helper started.
    TUpdaterEvent OnDoOwnCloseAppMethod;
    TUpdaterEvent OnAfterRestart;
    TFileDoneEvent OnFileDone;
    TLostFileEvent OnLostFile;
    // The server asks for a password (realm); set tryAgain to resend with HTTPUsername and HTTPPassword.
    std::function<void(TauUpdater& sender, const UnicodeString& realm, bool& tryAgain)> OnPasswordRequest;
    TUpdaterEvent OnNoUpdateAvailable;
    TUpdaterEvent OnNoInfoFile;
    TUpdaterEvent OnConnLost;
    // These hide the client's events of the same names, which the updater handles itself.
    TUpdaterEvent OnAborted;
    THostUnreachableEvent OnHostUnreachable;
    TFileStartEvent OnFileStart;
    TProgressEvent OnProgress;

private:
    void UpdateTimer();
    void WndProc(vcl::TMessage& message);
    void SetInfoMode(bool value);
    void DoHTTPFileStart(const TauHTTPFileStartInfo& info, bool& accept);
    void DoHTTPProgress(const TauHTTPProgressInfo& progress);
    void DoHTTPDone(rtl::TStream* stream);
    void DoHTTPError(int32_t status);
    void DoHTTPHostUnreachable();
    void DoHTTPConnLost();
    void DoHTTPPasswordRequest(const UnicodeString& realm, bool& tryAgain);
    void ProcessInfoFile(rtl::TStream& stream);
    void ReportNoInfoFile();
    void StartDownloads();
    void DownloadNextFile(bool first);
    void FinishDownload();
    bool WaitForWizardOK();
    bool ContinueAfterLostFile(int32_t status);
    void RunUpgraderHelper(const UnicodeString& parameter);
    void RemoveDownloads();
    void ShowUpgradeWizard();
    void CloseWizard();
    UnicodeString Title() const;
    bool AskUpgrade(const UnicodeString& message);
    void ShowError(const UnicodeString& text);
    bool Shows(TauUpdaterShowMessage message) const { return ShowMessages.Contains(message); }

    UnicodeString FRestartParams = u"/afterupgrade";
    std::vector<UnicodeString> FURLs;
    std::vector<UnicodeString> FDownloaded;
    size_t FFileIndex = 0;
    UnicodeString FTargetPath;
    double FFileTime = 0;
    TacUpgradeMethod FMethod = TacUpgradeMethod::umSelfUpgrade;
    bool FInfoMode = false;
    // While the question is asked and from the first download to the hand-over: no new check starts meanwhile.
    bool FUpgrading = false;
    bool FAborted = false;
    bool FAutoCheck = false;
    bool FAutoCheckRunning = false;
    bool FCheckIsAutomatic = false;
    HWND FTimerWindow = nullptr;
    TauUpdaterWizardForm* FWizard = nullptr; // owned by the application; frees itself when closed
};

} // namespace au
