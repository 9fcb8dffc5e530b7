#pragma once
// The filter edit helper of the drop-down editors: a condition's value is typed as into a mask editor, and the value
// editor keeps the drop-down button so that the value can be picked as in the column.

#include "ui/editors/mask/editor/uiFilterMaskEditHelper.h"

namespace ui {

class TuiFilterDropDownEditHelper : public TuiFilterMaskEditHelper {
    RTL_DECLARE_CLASS(TuiFilterDropDownEditHelper, TuiFilterMaskEditHelper)
public:
    static const TuiFilterDropDownEditHelper& Instance();

    bool GetOption() const override { return true; }
};

} // namespace ui
