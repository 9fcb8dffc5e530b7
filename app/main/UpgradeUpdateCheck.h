#pragma once
// The program's update check: the upgrade component's updater, set up as the main window's form gives it (the info
// file on the maker's server, versions by number, the user asked before an upgrade, the wizard's side picture).

#include "app/main/UpdateCheck.h"
#include "rtl/core/Component.h"

#include <memory>

namespace au {
class TauUpdater;
}

namespace app {

// The address of the update info file: the build setting TALLYVANE_UPDATE_INFO_URL, kept in the program's string
// table; empty when the program carries none.
rtl::UnicodeString UpdateInfoFileURL();

class TUpgradeUpdateCheck final : public IUpdateCheck {
public:
    TUpgradeUpdateCheck();
    ~TUpgradeUpdateCheck();

    void SetVersionNumber(rtl::UnicodeStringView version) override;
    // Checks, until an upgrade has been offered to the user: the window checks on each activation, and the closing
    // of the question, or of a message about the download, activates it again; the user who said later, or whose
    // download failed, is not asked again in the same run.
    void CheckUpdate() override;
    // The updater is set up: as a form's component after reading, it fires OnAfterRestart when the helper program
    // started the program again after an upgrade. The program calls it once, at start-up.
    void Loaded();

    au::TauUpdater& Updater() const { return *FUpdater; }

private:
    std::unique_ptr<au::TauUpdater, rtl::TComponentDeleter> FUpdater;
    bool FUpgradeOffered = false;
};

} // namespace app
