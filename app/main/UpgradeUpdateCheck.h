#pragma once
// The program's update check: the upgrade component's updater, set up as the main window's form gives it (the info
// file on the maker's server, versions by number, the user asked before an upgrade).

#include "app/main/UpdateCheck.h"
#include "rtl/core/Component.h"

#include <memory>

namespace au {
class TauUpdater;
}

namespace app {

// The address of the update info file. The maker's update server is not set up yet: the name below resolves
// nowhere, so a check ends quietly as an unreachable host.
inline constexpr char16_t UpdateInfoFileURL[] = u"http://update.tallyvane.invalid/Tallyvane_upgrade.inf";

class TUpgradeUpdateCheck final : public IUpdateCheck {
public:
    TUpgradeUpdateCheck();
    ~TUpgradeUpdateCheck();

    void SetVersionNumber(rtl::UnicodeStringView version) override;
    void CheckUpdate() override;

    au::TauUpdater& Updater() const { return *FUpdater; }

private:
    std::unique_ptr<au::TauUpdater, rtl::TComponentDeleter> FUpdater;
};

} // namespace app
