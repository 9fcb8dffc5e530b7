#include "ui/editors/dropdown/edit/uiFilterDropDownEditHelper.h"

namespace ui {

const TuiFilterDropDownEditHelper& TuiFilterDropDownEditHelper::Instance() {
    static const TuiFilterDropDownEditHelper helper;
    return helper;
}

} // namespace ui
