#pragma once
// The filter edit helpers of the text editor and the currency editor: a condition's value is typed into an editor of
// the column's kind, selecting its text on entry.

#include "ui/editors/filter/uiFilterEditHelper.h"

namespace ui {

class TuiFilterTextEditHelper : public TuiCustomFilterEditHelper {
    RTL_DECLARE_CLASS(TuiFilterTextEditHelper, TuiCustomFilterEditHelper)
public:
    static const TuiFilterTextEditHelper& Instance();

    const rtl::TMetaclass* FilterEditClass() const override;
    // The base preparation, then the text selected on entry and hidden on exit, and the normal view.
    void PrepareFilterProperties(TuiCustomEditProperties& target, const TuiCustomEditProperties& source,
                                 bool keepButtons) const override;
    void ApplyFilterValue(TuiCustomEdit& editor, TuiCustomEditProperties& properties,
                          const rtl::Variant& value) const override;
};

// A text editor's properties take the two wildcards among the characters they accept while accept is set (a
// condition tests a LIKE pattern), and leave them out otherwise; properties of other editors are left alone.
void AcceptFilterWildcards(TuiCustomEditProperties& properties, char16_t percent, char16_t underscore, bool accept);

class TuiFilterCurrencyEditHelper : public TuiFilterTextEditHelper {
    RTL_DECLARE_CLASS(TuiFilterCurrencyEditHelper, TuiFilterTextEditHelper)
public:
    static const TuiFilterCurrencyEditHelper& Instance();

    const rtl::TMetaclass* FilterEditClass() const override;
    // Equals, does not equal, the comparisons and the blank tests; never "like".
    TuiFilterControlOperators GetSupportedOperators(TuiCustomEditProperties& properties, const TuiValueType* valueType,
                                                    bool extended) const override;
    // The text preparation, then no bounds and an empty value allowed, shown empty.
    void PrepareFilterProperties(TuiCustomEditProperties& target, const TuiCustomEditProperties& source,
                                 bool keepButtons) const override;
};

} // namespace ui
