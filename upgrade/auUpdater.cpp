// The update check: the info file, the version test and the question.

#include "upgrade/auUpdater.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "rtl/time/DateTime.h"
#include "upgrade/auUtils.h"
#include "vcl/dialogs/MessageDialogs.h"
#include "vcl/services/ShellLauncher.h"
#include "vcl/system/ExceptionHook.h"
#include "vcl/system/Messages.h"
#include "vcl/system/UtilWindow.h"

#include <vector>

namespace au {

namespace {

constexpr UINT_PTR AutoCheckTimerId = 1;

constexpr char16_t CannotInstallText[] = u"This version of the program cannot install the update itself.";

UnicodeString ExecutableFileName() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return rtl::ExtractFileName(UnicodeString(reinterpret_cast<const char16_t*>(buffer.data()), length));
}

} // namespace

TauUpdater::TauUpdater(rtl::TComponent* owner) : TauCustomHTTP(owner), VersionDate(FormatVersionDate(rtl::Date())) {
    HideTargetFile = true;
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
    if (Busy()) {
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
    TauCustomHTTP::Abort();
}

// The info file is always fetched anew and held in memory, within the size a real one needs.
void TauUpdater::SetInfoMode(bool value) {
    FInfoMode = value;
    UseCache = !value;
    MaxMemorySize = value ? static_cast<int64_t>(MaxInfoFileSize) : DefaultMaxMemorySize;
}

void TauUpdater::DoHTTPDone(rtl::TStream* stream) {
    if (FInfoMode && stream != nullptr) {
        ProcessInfoFile(*stream);
    }
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
            ShowError(UpdaterText(TauUpdaterText::NoNewerVersion, Language));
        }
        return;
    }
    bool canUpgrade = true;
    const UnicodeString message = GetInfoFileValue(info, u"message", true);
    const TacUpgradeMethod method = GetInfoFileUpgradeMethod(info);
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
        vcl::TShellLaunch launch;
        launch.Owner = GetDesktopWindow();
        launch.Operation = u"open";
        launch.File = FURLs.front().find(u"://") == UnicodeString::npos ? u"http://" + FURLs.front() : FURLs.front();
        vcl::ShellLauncher().Launch(launch);
        return;
    }
    ShowError(CannotInstallText);
}

bool TauUpdater::AskUpgrade(const UnicodeString& message) {
    const UnicodeString title = ApplicationTitle.empty() ? ExecutableFileName() : ApplicationTitle;
    const UnicodeString text = rtl::Format(UpdaterText(TauUpdaterText::UpgradeQuestion, Language), {title, message});
    return vcl::MessageDlgCentered(text, UpdaterText(TauUpdaterText::WizardCaption, Language), vcl::mtConfirmation,
                                   {vcl::mbYes, vcl::mbNo}) == vcl::mrYes;
}

void TauUpdater::ShowError(const UnicodeString& text) {
    vcl::MessageDlgCentered(text, UpdaterText(TauUpdaterText::WizardCaption, Language), vcl::mtError, {vcl::mbOK});
}

void TauUpdater::DoHTTPError(int32_t) {
    if (!FInfoMode) {
        return;
    }
    if (OnNoInfoFile) {
        OnNoInfoFile(*this);
    }
    if (Shows(TauUpdaterShowMessage::mNoInfoFile)) {
        ShowError(UpdaterText(TauUpdaterText::NoInfoFile, Language));
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
        ShowError(rtl::Format(UpdaterText(TauUpdaterText::HostUnreachable, Language), {u"http://" + host}));
    }
    StopUpgrade();
}

void TauUpdater::DoHTTPConnLost() {
    if (OnConnLost) {
        OnConnLost(*this);
    }
    if (Shows(TauUpdaterShowMessage::mConnLost)) {
        ShowError(UpdaterText(TauUpdaterText::ConnectionLost, Language));
    }
    StopUpgrade();
}

} // namespace au
