#pragma once
// The updater: fetches the update info file, decides from it whether a newer version exists, asks the user, and for
// a web page opens it in the browser. The check runs on the HTTP client's worker; every handler here runs on the UI
// thread. Questions and messages go through the framework's message boxes (and so through their seam in tests).
//
// Not yet here: the download of the new files, the wizard, the password form, the hand-over to the helper program
// and the automatic check on a timer. An answer to upgrade with a method that needs downloads says plainly that this
// version cannot install the update itself.

#include "rtl/core/SmallSet.h"
#include "upgrade/auHTTP.h"
#include "upgrade/auInfoFile.h"
#include "upgrade/auUpdaterTexts.h"

#include <functional>
#include <vector>

namespace au {

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

    explicit TauUpdater(rtl::TComponent* owner);

    // Starts a check unless a transfer is running (then true at once); the answer of the client's Read.
    bool CheckUpdate();
    // Stops what runs and fires OnAborted.
    void Abort() override;
    // Stops the transfer.
    void StopUpgrade();

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
};

} // namespace au
