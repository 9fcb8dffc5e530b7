#include "ui/editors/dropdown/uiDropDownEditUnit.h"

#include "ui/editors/dropdown/combobox/uiComboBoxProperties.h"
#include "ui/editors/dropdown/combobox/uiFilterComboBoxHelper.h"
#include "ui/editors/dropdown/edit/uiPopupEdit.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/strings/uiEditConsts.h"

#include <cstdint>

namespace ui {

namespace {

int32_t& DropDownEditUnitStarts() {
    static int32_t starts = 0;
    return starts;
}

} // namespace

void InitializeDropDownEditUnit() {
    if (DropDownEditUnitStarts()++ != 0) {
        return;
    }
    TuiRegisteredClasses& registry = GetEditPropertiesRegistry();
    registry.Register(&TuiComboBoxProperties::StaticClass(), LoadResStringText(suiSEditRepositoryComboBoxItem));
    registry.Register(&TuiPopupEditProperties::StaticClass(), LoadResStringText(suiSEditRepositoryPopupItem));
    GetFilterEditsController().RegisterHelper(TuiComboBoxProperties::StaticClass(),
                                              TuiFilterComboBoxHelper::Instance());
}

void FinalizeDropDownEditUnit() {
    if (DropDownEditUnitStarts() == 0 || --DropDownEditUnitStarts() != 0) {
        return;
    }
    UnregisterFilterEditHelper(TuiComboBoxProperties::StaticClass(), TuiFilterComboBoxHelper::Instance());
    TuiRegisteredClasses& registry = GetEditPropertiesRegistry();
    registry.Unregister(&TuiPopupEditProperties::StaticClass());
    registry.Unregister(&TuiComboBoxProperties::StaticClass());
}

} // namespace ui
