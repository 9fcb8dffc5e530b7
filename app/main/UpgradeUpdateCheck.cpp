#include "app/main/UpgradeUpdateCheck.h"

#include "app/main/MainTexts.h"
#include "upgrade/auUpdater.h"

namespace app {

TUpgradeUpdateCheck::TUpgradeUpdateCheck() : FUpdater(new au::TauUpdater(nullptr)) {
    FUpdater->InfoFileURL = UpdateInfoFileURL;
    FUpdater->VersionControl = au::TauUpdaterVersionControl::byNumber;
    FUpdater->VersionDate = u"10/03/2017";
    FUpdater->VersionNumber = u"1.1.7.0";
    FUpdater->ApplicationTitle = MainTexts::ApplicationTitle;
}

TUpgradeUpdateCheck::~TUpgradeUpdateCheck() = default;

void TUpgradeUpdateCheck::SetVersionNumber(rtl::UnicodeStringView version) {
    FUpdater->VersionNumber = rtl::UnicodeString(version);
}

void TUpgradeUpdateCheck::CheckUpdate() {
    FUpdater->CheckUpdate();
}

} // namespace app
