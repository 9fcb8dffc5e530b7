#pragma once
// The filter edit helper of the memo: a condition's value is typed into a text editor, and a memo's long texts are
// only matched against patterns or tested for blanks.

#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"

namespace ui {

class TuiFilterMemoHelper : public TuiFilterTextEditHelper {
    RTL_DECLARE_CLASS(TuiFilterMemoHelper, TuiFilterTextEditHelper)
public:
    static const TuiFilterMemoHelper& Instance();

    // "like", "not like", "is blank" and "is not blank".
    TuiFilterControlOperators GetSupportedOperators(TuiCustomEditProperties& properties, const TuiValueType* valueType,
                                                    bool extended) const override;
};

} // namespace ui
