#pragma once
// TuiDataController: the data controller of the library, active from its creation, which keeps its data in its own
// record storage (unbound mode). A view's controller derives from it and answers GetItem with its item objects.

#include "ui/data/controller/uiCustomDataController.h"

namespace ui {

class TuiDataController : public TuiCustomDataController {
    RTL_DECLARE_CLASS(TuiDataController, TuiCustomDataController)
public:
    explicit TuiDataController(rtl::TComponent* owner);
};

} // namespace ui
