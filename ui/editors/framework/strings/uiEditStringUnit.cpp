#include "ui/editors/framework/strings/uiEditStringUnit.h"

namespace ui {

void TuiEditStringUnit::Initialize() {
    if (FInitCount++ == 0) {
        GetResourceStringsRepository().RegisterProduct(FProductKey, FFill);
    }
}

void TuiEditStringUnit::Finalize() {
    if (FInitCount == 0) {
        return;
    }
    if (--FInitCount == 0) {
        GetResourceStringsRepository().UnregisterProduct(FProductKey);
    }
}

} // namespace ui
