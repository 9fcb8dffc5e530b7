#pragma once
// TuiDataControllerGroups: the grouping front of a data controller, through which views work on the groups of its
// row information. It holds nothing but the controller; the groups themselves live in the row information.

#include "rtl/core/Object.h"

namespace ui {

class TuiCustomDataController;

class TuiDataControllerGroups : public rtl::TObject {
public:
    explicit TuiDataControllerGroups(TuiCustomDataController& dataController) : FDataController(dataController) {}

    TuiCustomDataController& DataController() const { return FDataController; }

private:
    TuiCustomDataController& FDataController;
};

} // namespace ui
