#include "ui/pagecontrol/skins/uxPCSkinsUnit.h"

#include "ui/pagecontrol/skins/uxStatusBarSkinPainter.h"

namespace ui {

void InitializePageControlSkinsUnit() {
    detail::RegisterStatusBarSkinPainter();
}

void FinalizePageControlSkinsUnit() {
    detail::UnregisterStatusBarSkinPainter();
}

} // namespace ui
