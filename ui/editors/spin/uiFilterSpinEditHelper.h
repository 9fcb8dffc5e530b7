#pragma once
// The filter edit helpers of the spin and time editors: a condition's value is typed into an editor of the column's
// kind, whose text may always be typed; numbers compare, so "like" is never offered.

#include "ui/editors/mask/editor/uiFilterMaskEditHelper.h"

namespace ui {

class TuiFilterSpinEditHelper : public TuiFilterMaskEditHelper {
    RTL_DECLARE_CLASS(TuiFilterSpinEditHelper, TuiFilterMaskEditHelper)
public:
    static const TuiFilterSpinEditHelper& Instance();

    // The spin buttons stay.
    bool GetOption() const override { return true; }
    const rtl::TMetaclass* FilterEditClass() const override;
    // Equals, does not equal, the comparisons and the blank tests; extended also the ranges and lists.
    TuiFilterControlOperators GetSupportedOperators(TuiCustomEditProperties& properties, const TuiValueType* valueType,
                                                    bool extended) const override;
    // The mask editor's preparation, then CanEdit.
    void PrepareFilterProperties(TuiCustomEditProperties& target, const TuiCustomEditProperties& source,
                                 bool keepButtons) const override;
};

} // namespace ui
