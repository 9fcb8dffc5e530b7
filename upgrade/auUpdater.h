#pragma once
// The updater: fetches the update info file, decides from it whether a newer version exists, asks the user, and for
// a web page opens it in the browser. The check runs on the HTTP client's worker; every handler here runs on the UI
// thread. Questions and messages go through the framework's message boxes (and so through their seam in tests).
//
// With AutoCheck a hidden window's timer starts a check ten seconds after it is armed, when the machine is on a
// network; it is armed again only after a check that found the host unreachable.
//
// Not yet here: the download of the new files, the wizard, the password form and the hand-over to the helper
// program. An answer to upgrade with a method that needs downloads says plainly that this
// version cannot install the update itself.

#include "rtl/core/Exceptions.h"
#include "rtl/core/SmallSet.h"
#include "upgrade/auHTTP.h"
#include "upgrade/auInfoFile.h"
#include "upgrade/auUpdaterTexts.h"
#include "vcl/system/WinTypes.h"

#include <functional>
#include <vector>

namespace vcl {
struct TMessage;
}

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

    // The delay of the automatic check, in milliseconds.
    static constexpr uint32_t AutoCheckDelay = 10000;

    explicit TauUpdater(rtl::TComponent* owner);
    ~TauUpdater() override;

    // Starts a check unless a transfer is running (then true at once); the answer of the client's Read.
    bool CheckUpdate();
    // Stops what runs and fires OnAborted.
    void Abort() override;
    // Stops the transfer.
    void StopUpgrade();

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
    TauUpdaterVersionControl VersionControl = TauUpdaterVersionControl::byDate;
    // The running version's date, MM/DD/YYYY; today by default.
    UnicodeString VersionDate;
    UnicodeString VersionNumber;
    TauUpdaterShowMessages ShowMessages{TauUpdaterShowMessage::mAskUpgrade, TauUpdaterShowMessage::mConnLost,
                                        TauUpdaterShowMessage::mLostFile, TauUpdaterShowMessage::mPasswordRequest};
    TauUpdaterLanguage Language = TauUpdaterLanguage::wlAuto;
    // The program's name in the question; the file name of the executable when empty.
    UnicodeString ApplicationTitle;

    // The file URLs of the last info file.
    const std::vector<UnicodeString>& URLs() const { return FURLs; }

    TBeginUpgradeEvent OnBeginUpgrade;
    TUpdaterEvent OnLaterUpgrade;
    TUpdaterEvent OnNoUpdateAvailable;
    TUpdaterEvent OnNoInfoFile;
    TUpdaterEvent OnConnLost;
    // These hide the client's events of the same names, which the updater handles itself.
    TUpdaterEvent OnAborted;
    THostUnreachableEvent OnHostUnreachable;

private:
    void UpdateTimer();
    void WndProc(vcl::TMessage& message);
    void SetInfoMode(bool value);
    void DoHTTPDone(rtl::TStream* stream);
    void DoHTTPError(int32_t status);
    void DoHTTPHostUnreachable();
    void DoHTTPConnLost();
    void ProcessInfoFile(rtl::TStream& stream);
    bool AskUpgrade(const UnicodeString& message);
    void ShowError(const UnicodeString& text);
    bool Shows(TauUpdaterShowMessage message) const { return ShowMessages.Contains(message); }

    UnicodeString FRestartParams = u"/afterupgrade";
    std::vector<UnicodeString> FURLs;
    bool FInfoMode = false;
    bool FAborted = false;
    bool FAutoCheck = false;
    bool FAutoCheckRunning = false;
    bool FCheckIsAutomatic = false;
    HWND FTimerWindow = nullptr;
};

} // namespace au
