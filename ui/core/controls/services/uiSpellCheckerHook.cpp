#include "ui/core/controls/services/uiSpellCheckerHook.h"

namespace ui {

namespace {
IuiSpellCheckerHook* InstalledSpellCheckerHook = nullptr;
}

IuiSpellCheckerHook* GetSpellCheckerHook() {
    return InstalledSpellCheckerHook;
}

void SetSpellCheckerHook(IuiSpellCheckerHook* hook) {
    InstalledSpellCheckerHook = hook;
}

} // namespace ui
