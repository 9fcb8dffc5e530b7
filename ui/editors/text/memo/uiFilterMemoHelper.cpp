#include "ui/editors/text/memo/uiFilterMemoHelper.h"

#include "ui/editors/filter/uiFilterControlOperators.h"

namespace ui {

const TuiFilterMemoHelper& TuiFilterMemoHelper::Instance() {
    static const TuiFilterMemoHelper helper;
    return helper;
}

TuiFilterControlOperators TuiFilterMemoHelper::GetSupportedOperators(TuiCustomEditProperties&, const TuiValueType*,
                                                                     bool) const {
    return FilterControlOperatorRange(fcopLike, fcopNonBlanks);
}

} // namespace ui
