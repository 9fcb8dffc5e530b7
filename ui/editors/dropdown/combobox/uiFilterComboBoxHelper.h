#pragma once
// The filter edit helper of the combo box: a condition's value is typed or picked in a combo box with the column's
// items, whatever the column's own list style.

#include "ui/editors/dropdown/edit/uiFilterDropDownEditHelper.h"

namespace ui {

class TuiFilterComboBoxHelper : public TuiFilterDropDownEditHelper {
    RTL_DECLARE_CLASS(TuiFilterComboBoxHelper, TuiFilterDropDownEditHelper)
public:
    static const TuiFilterComboBoxHelper& Instance();

    const rtl::TMetaclass* FilterEditClass() const override;
    // Equals, does not equal, is blank and is not blank.
    TuiFilterControlOperators GetSupportedOperators(TuiCustomEditProperties& properties, const TuiValueType* valueType,
                                                    bool extended) const override;
    // The mask preparation, then the plain arrow button, eight rows, an editable list that opens only on demand,
    // left aligned, without stepping round from the last item to the first.
    void PrepareFilterProperties(TuiCustomEditProperties& target, const TuiCustomEditProperties& source,
                                 bool keepButtons) const override;
};

} // namespace ui
