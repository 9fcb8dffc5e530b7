// TuiFilterCriteria: the filter as a text, for users and as an expression.

#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/filter/uiFilterConsts.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/data/filter/uiFilterOperators.h"

namespace ui {

rtl::UnicodeString TuiFilterCriteria::GetFilterCaption() const {
    return BuildFilterText(true);
}

rtl::UnicodeString TuiFilterCriteria::GetFilterExpression() const {
    return BuildFilterText(false);
}

rtl::UnicodeString TuiFilterCriteria::ValueToText(const rtl::Variant& value) const {
    return rtl::VarToStr(value);
}

rtl::UnicodeString TuiFilterCriteria::DateValueToText(const rtl::Variant& value) const {
    if (FDateTextFormat.empty()) {
        return ValueToText(value);
    }
    return rtl::FormatDateTime(FDateTextFormat, rtl::VarToDateTime(value));
}

rtl::UnicodeString TuiFilterCriteria::BuildFilterText(bool caption) const {
    return ListText(*FRoot, caption);
}

rtl::UnicodeString TuiFilterCriteria::ListText(const TuiFilterCriteriaItemList& list, bool caption) const {
    const TuiFilterBoolOperatorKind kind = list.BoolOperator();
    const bool joinedByAnd = kind == fboAnd || kind == fboNotAnd;
    rtl::UnicodeString word;
    if (caption) {
        word = GetFilterResourceString(joinedByAnd ? uiSFilterAndCaption : uiSFilterOrCaption);
    } else {
        word = joinedByAnd ? u"AND" : u"OR";
    }
    rtl::UnicodeString text;
    for (int32_t index = 0; index < list.GetCount(); ++index) {
        const TuiCustomFilterCriteriaItem& entry = *list.GetItem(index);
        const rtl::UnicodeString entryText =
            entry.IsItemList() ? ListText(static_cast<const TuiFilterCriteriaItemList&>(entry), caption)
                               : GetConditionText(static_cast<const TuiFilterCriteriaItem&>(entry), caption);
        text += (index > 0 ? u" " + word + u" " : rtl::UnicodeString()) + u"(" + entryText + u")";
    }
    if (kind == fboNotAnd || kind == fboNotOr) {
        text =
            (caption ? GetFilterResourceString(uiSFilterNotCaption) : rtl::UnicodeString(u"NOT")) + u" (" + text + u")";
    }
    return text;
}

rtl::UnicodeString TuiFilterCriteria::GetConditionText(const TuiFilterCriteriaItem& condition, bool caption) const {
    const TuiFilterOperator& op = condition.Operator();
    if (!caption && op.BuildsOwnExpression()) {
        return op.BuildExpressionText(condition.Value());
    }
    rtl::UnicodeString text =
        GetConditionFieldText(condition, caption) + u" " + GetConditionOperatorText(condition, caption);
    const rtl::UnicodeString value = GetConditionValueText(condition, caption);
    if (!value.empty()) {
        text += u" " + value;
    }
    return text;
}

rtl::UnicodeString TuiFilterCriteria::GetConditionFieldText(const TuiFilterCriteriaItem& condition,
                                                            bool caption) const {
    return caption ? condition.FieldCaptionText() : condition.FieldNameText();
}

rtl::UnicodeString TuiFilterCriteria::GetConditionOperatorText(const TuiFilterCriteriaItem& condition,
                                                               bool caption) const {
    const TuiFilterOperator& op = condition.Operator();
    if (caption && (op.HasDescription() || FOptions.Contains(fcoShowOperatorDescription))) {
        return op.GetCaption();
    }
    return op.GetSign();
}

rtl::UnicodeString TuiFilterCriteria::GetConditionValueText(const TuiFilterCriteriaItem& condition,
                                                            bool caption) const {
    return condition.GetValueText(caption);
}

} // namespace ui
