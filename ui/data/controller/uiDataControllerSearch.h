#pragma once
// TuiDataControllerSearch: the incremental search of a data controller, which finds the next record whose display
// text begins with what the user types. The search state (item, text, whether a search runs) lives in the controller.

#include "rtl/core/Object.h"

namespace ui {

class TuiCustomDataController;

class TuiDataControllerSearch : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiDataControllerSearch, rtl::TObject)
public:
    using TConstructorArgument = TuiCustomDataController*;

    explicit TuiDataControllerSearch(TuiCustomDataController* dataController) : FDataController(*dataController) {}

    TuiCustomDataController& DataController() const { return FDataController; }

private:
    TuiCustomDataController& FDataController;
};

} // namespace ui
