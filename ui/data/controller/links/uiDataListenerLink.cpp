#include "ui/data/controller/links/uiDataListenerLink.h"

#include "ui/data/controller/uiCustomDataController.h"

namespace ui {

TuiDataListenerLink::TuiDataListenerLink(TuiCustomDataController& dataController) : FDataController(&dataController) {
    dataController.AddListenerLink(*this);
}

TuiDataListenerLink::~TuiDataListenerLink() {
    if (FDataController) {
        FDataController->RemoveListenerLink(*this);
    }
}

} // namespace ui
