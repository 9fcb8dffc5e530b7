#include "ui/data/controller/uiDataController.h"

namespace ui {

TuiDataController::TuiDataController(rtl::TComponent* owner) : TuiCustomDataController(owner) {
    SetActive(true);
}

} // namespace ui
