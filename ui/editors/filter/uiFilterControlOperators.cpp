#include "ui/editors/filter/uiFilterControlOperators.h"

#include "ui/data/filter/uiFilterConsts.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/data/filter/uiFilterOperators.h"
#include "ui/editors/filter/uiFilterControlStrs.h"

namespace ui {

namespace {

// Numbers from "between" on follow the kinds from fokBetween on, one to one.
constexpr int32_t uiFirstRangeOperatorOffset = int32_t{fcopBetween} - int32_t{fokBetween};

bool IsOperatorNumber(int32_t number) {
    return number > fcopNone && number < uiFilterControlOperatorCount;
}

} // namespace

rtl::UnicodeString GetFilterOperatorCaption(int32_t number) {
    if (!IsOperatorNumber(number)) {
        return {};
    }
    if (number == fcopBlanks) {
        return GetFilterResourceString(uiSFilterOperatorIsNull);
    }
    if (number == fcopNonBlanks) {
        return GetFilterResourceString(uiSFilterOperatorIsNotNull);
    }
    return FilterOperatorKindCaption(FilterControlOperatorToKind(number));
}

TuiFilterOperatorKind FilterControlOperatorToKind(int32_t number) {
    if (!IsOperatorNumber(number) || number == fcopBlanks) {
        return fokEqual;
    }
    if (number == fcopNonBlanks) {
        return fokNotEqual;
    }
    if (number <= fcopNotLike) {
        return static_cast<TuiFilterOperatorKind>(number - fcopEqual);
    }
    return static_cast<TuiFilterOperatorKind>(number - uiFirstRangeOperatorOffset);
}

int32_t KindToFilterControlOperator(TuiFilterOperatorKind kind, bool valueIsNull) {
    if (kind >= fokBetween) {
        return int32_t{kind} + uiFirstRangeOperatorOffset;
    }
    const int32_t number = int32_t{kind} + int32_t{fcopEqual};
    if (valueIsNull && number == fcopEqual) {
        return fcopBlanks;
    }
    if (valueIsNull && number == fcopNotEqual) {
        return fcopNonBlanks;
    }
    return number;
}

rtl::UnicodeString FilterBoolOperatorCaption(TuiFilterBoolOperatorKind kind) {
    switch (kind) {
    case fboOr:
        return LoadResStringText(uiSFilterBoolOperatorOr);
    case fboNotAnd:
        return LoadResStringText(uiSFilterBoolOperatorNotAnd);
    case fboNotOr:
        return LoadResStringText(uiSFilterBoolOperatorNotOr);
    case fboAnd:
        break;
    }
    return LoadResStringText(uiSFilterBoolOperatorAnd);
}

} // namespace ui
