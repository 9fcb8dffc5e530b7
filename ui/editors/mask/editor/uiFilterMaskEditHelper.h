#pragma once
// The filter edit helper of the mask editor: a condition's value is typed into a mask editor with the column's mask.

#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"

namespace ui {

class TuiFilterMaskEditHelper : public TuiFilterTextEditHelper {
    RTL_DECLARE_CLASS(TuiFilterMaskEditHelper, TuiFilterTextEditHelper)
public:
    static const TuiFilterMaskEditHelper& Instance();

    const rtl::TMetaclass* FilterEditClass() const override;
    // The numeric set; "like" and "not like" too for strings without a mask.
    TuiFilterControlOperators GetSupportedOperators(TuiCustomEditProperties& properties, const TuiValueType* valueType,
                                                    bool extended) const override;
    // The text preparation; a regular expression is typed with its forced characters filled in, and the text is
    // selected on entry only without a mask.
    void PrepareFilterProperties(TuiCustomEditProperties& target, const TuiCustomEditProperties& source,
                                 bool keepButtons) const override;
};

} // namespace ui
