#include "app/main/UpgradeUpdateCheck.h"

#include "app/main/MainTexts.h"
#include "resources/ProgramStrings.h"
#include "rtl/WindowsApi.h"
#include "upgrade/auUpdater.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/resources/ResourceStream.h"

namespace app {

rtl::UnicodeString UpdateInfoFileURL() {
    return vcl::LoadStr(TALLYVANE_UPDATE_INFO_URL_ID);
}

TUpgradeUpdateCheck::TUpgradeUpdateCheck() : FUpdater(new au::TauUpdater(nullptr)) {
    FUpdater->InfoFileURL = UpdateInfoFileURL();
    FUpdater->VersionControl = au::TauUpdaterVersionControl::byNumber;
    FUpdater->VersionDate = u"10/03/2017";
    FUpdater->VersionNumber = u"1.1.7.0";
    FUpdater->ApplicationTitle = MainTexts::ApplicationTitle;
    FUpdater->Wizard.Pic118x218().Bitmap().LoadFromResourceName(GetModuleHandleW(nullptr), u"AUWIZARDPIC");
    FUpdater->OnBeginUpgrade = [this](au::TauUpdater&, const rtl::UnicodeString&, au::TacUpgradeMethod,
                                      const std::vector<rtl::UnicodeString>&, bool&) { FUpgradeOffered = true; };
}

TUpgradeUpdateCheck::~TUpgradeUpdateCheck() = default;

void TUpgradeUpdateCheck::SetVersionNumber(rtl::UnicodeStringView version) {
    FUpdater->VersionNumber = rtl::UnicodeString(version);
}

void TUpgradeUpdateCheck::CheckUpdate() {
    if (!FUpgradeOffered) {
        FUpdater->CheckUpdate();
    }
}

void TUpgradeUpdateCheck::Loaded() {
    FUpdater->Loaded();
}

} // namespace app
