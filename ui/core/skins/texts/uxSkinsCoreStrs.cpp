#include "ui/core/skins/texts/uxSkinsCoreStrs.h"

namespace ui {

#define UX_SKINS_STR(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "ui/core/skins/texts/uxSkinsCoreStrings.inc"
#undef UX_SKINS_STR

namespace {

void AddSkinsCoreStrs(TuxProductResourceStrings& product) {
#define UX_SKINS_STR(name, id, text) product.AddResString(name);
#include "ui/core/skins/texts/uxSkinsCoreStrings.inc"
#undef UX_SKINS_STR
}

} // namespace

void RegisterSkinsCoreStrs() {
    GetResourceStringsRepository().RegisterProduct(uxSkinsCoreStrsProductKey, AddSkinsCoreStrs);
}

void UnregisterSkinsCoreStrs() {
    GetResourceStringsRepository().UnregisterProduct(uxSkinsCoreStrsProductKey);
}

} // namespace ui
