#pragma once
// The filter edit helper of the check box: a condition's value is picked in a fixed-list combo box of two items, the
// display text of the checked value, then that of the unchecked value; no item stands for Null. Conditions on a check
// box compare display texts.

#include "ui/editors/dropdown/combobox/uiFilterComboBoxHelper.h"

namespace ui {

class TuiFilterCheckBoxHelper : public TuiFilterComboBoxHelper {
    RTL_DECLARE_CLASS(TuiFilterCheckBoxHelper, TuiFilterComboBoxHelper)
public:
    static const TuiFilterCheckBoxHelper& Instance();

    bool KeepsDefaultValuesProvider(const TuiCustomEditProperties&) const override { return false; }
    // The combo box's preparation, then the two items as a fixed list.
    void PrepareFilterProperties(TuiCustomEditProperties& target, const TuiCustomEditProperties& source,
                                 bool keepButtons) const override;
    // properties are the column's check box properties: item 0 gives ValueChecked, item 1 ValueUnchecked, no item
    // Null, each with its display text (empty for Null).
    void GetFilterValue(TuiCustomEdit& editor, TuiCustomEditProperties& properties, rtl::UnicodeString& displayText,
                        rtl::Variant& value) const override;
    // Selects the item of the value's state; a grayed value selects none.
    void ApplyFilterValue(TuiCustomEdit& editor, TuiCustomEditProperties& properties,
                          const rtl::Variant& value) const override;
    bool FilterByDisplayText() const override { return true; }
};

} // namespace ui
