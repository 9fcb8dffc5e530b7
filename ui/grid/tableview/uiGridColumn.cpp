#include "ui/grid/tableview/uiGridColumn.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/grid/customtable/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumnSummary.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"

#include <algorithm>
#include <iterator>

namespace ui {

namespace {

bool IsNumericValueType(TuiValueTypeClass valueType) {
    const TuiValueTypeClass numericTypes[] = {&TuiSmallintValueType::Instance(), &TuiIntegerValueType::Instance(),
                                              &TuiWordValueType::Instance(),     &TuiFloatValueType::Instance(),
                                              &TuiCurrencyValueType::Instance(), &TuiLargeIntValueType::Instance(),
                                              &TuiFMTBcdValueType::Instance()};
    return std::find(std::begin(numericTypes), std::end(numericTypes), valueType) != std::end(numericTypes);
}

} // namespace

void TuiGridColumnOptions::Assign(const rtl::TPersistent* source) {
    if (const auto* options = dynamic_cast<const TuiGridColumnOptions*>(source)) {
        SetCellMerging(options->FCellMerging);
        SetGroupFooters(options->FGroupFooters);
        SetHorzSizing(options->FHorzSizing);
    }
    TuiCustomGridTableItemOptions::Assign(source);
}

void TuiGridColumnOptions::SetCellMerging(bool value) {
    if (FCellMerging != value) {
        FCellMerging = value;
        Changed(1);
    }
}

void TuiGridColumnOptions::SetGroupFooters(bool value) {
    if (FGroupFooters != value) {
        FGroupFooters = value;
        Changed(2);
    }
}

void TuiGridColumnOptions::SetHorzSizing(bool value) {
    if (FHorzSizing != value) {
        FHorzSizing = value;
        Changed(1);
    }
}

TuiGridColumn::TuiGridColumn(rtl::TComponent* owner)
    : TuiCustomGridTableItem(owner), FSummary(std::make_unique<TuiGridColumnSummary>(*this)) {}

TuiGridColumn::~TuiGridColumn() {
    if (IsPreview()) {
        TableView()->Preview().SetColumn(nullptr);
    }
}

void TuiGridColumn::Assign(const rtl::TPersistent* source) {
    if (const auto* column = dynamic_cast<const TuiGridColumn*>(source)) {
        SetFooterAlignmentHorz(column->FooterAlignmentHorz());
        SetGroupSummaryAlignment(column->GroupSummaryAlignment());
        FSummary->Assign(column->FSummary.get());
    }
    TuiCustomGridTableItem::Assign(source);
}

TuiGridTableView* TuiGridColumn::TableView() const {
    return dynamic_cast<TuiGridTableView*>(GridView());
}

std::unique_ptr<TuiCustomGridTableItemOptions> TuiGridColumn::CreateOptions() {
    return std::make_unique<TuiGridColumnOptions>(*this);
}

vcl::TAlignment TuiGridColumn::DefaultAlignment() const {
    if (!GridView() || Index() < 0) {
        return vcl::taLeftJustify;
    }
    const TuiValueTypeClass valueType = GridView()->DataController().GetItemValueTypeClass(Index());
    return IsNumericValueType(valueType) ? vcl::taRightJustify : vcl::taLeftJustify;
}

void TuiGridColumn::SetAlignment(vcl::TAlignment& field, bool& assigned, vcl::TAlignment current,
                                 vcl::TAlignment value) {
    // A form read records the value even when it equals the default, so that it stays once the type changes.
    if (current != value || ComponentState().Contains(rtl::TComponentState::csLoading)) {
        field = value;
        assigned = true;
        Changed(1);
    }
}

vcl::TAlignment TuiGridColumn::FooterAlignmentHorz() const {
    return FIsFooterAlignmentHorzAssigned ? FFooterAlignmentHorz : DefaultAlignment();
}

void TuiGridColumn::SetFooterAlignmentHorz(vcl::TAlignment value) {
    SetAlignment(FFooterAlignmentHorz, FIsFooterAlignmentHorzAssigned, FooterAlignmentHorz(), value);
}

bool TuiGridColumn::IsFooterAlignmentHorzStored() const {
    return FIsFooterAlignmentHorzAssigned && FFooterAlignmentHorz != DefaultAlignment();
}

vcl::TAlignment TuiGridColumn::GroupSummaryAlignment() const {
    return FIsGroupSummaryAlignmentAssigned ? FGroupSummaryAlignment : DefaultAlignment();
}

void TuiGridColumn::SetGroupSummaryAlignment(vcl::TAlignment value) {
    SetAlignment(FGroupSummaryAlignment, FIsGroupSummaryAlignmentAssigned, GroupSummaryAlignment(), value);
}

bool TuiGridColumn::IsGroupSummaryAlignmentStored() const {
    return FIsGroupSummaryAlignmentAssigned && FGroupSummaryAlignment != DefaultAlignment();
}

bool TuiGridColumn::IsPreview() const {
    TuiGridTableView* view = TableView();
    return view && view->Preview().Column() == this;
}

bool TuiGridColumn::IsShown() const {
    return TuiCustomGridTableItem::IsShown() && !IsPreview();
}

bool TuiGridColumn::CanCellMerging() {
    TuiGridTableView* view = TableView();
    return Options().CellMerging() && view && view->CanCellMerging();
}

bool TuiGridColumn::CanShowGroupFooters() {
    return Options().GroupFooters();
}

bool TuiGridColumn::HideOnGrouping() const {
    TuiGridTableView* view = TableView();
    return view && view->OptionsCustomize().ColumnHidingOnGrouping();
}

bool TuiGridColumn::GroupingWithVisibility(int32_t groupIndex, bool showAgain) {
    if (!Options().Grouping() || !TableView()) {
        return false;
    }
    SetGroupIndex(groupIndex);
    if (groupIndex == -1) {
        if (showAgain && WasVisibleBeforeGrouping()) {
            SetVisible(true);
        }
    } else if (HideOnGrouping()) {
        SetVisible(false);
    }
    return true;
}

void TuiGridColumn::GetStoredProperties(std::vector<rtl::UnicodeString>& names) {
    names.emplace_back(u"GroupIndex");
    names.emplace_back(u"Width");
    TuiCustomGridTableItem::GetStoredProperties(names);
}

void TuiGridColumn::GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value) {
    if (name == u"GroupIndex") {
        value = GroupIndex();
    } else if (name == u"Width") {
        value = Width();
    } else {
        TuiCustomGridTableItem::GetStoredPropertyValue(name, value);
    }
}

void TuiGridColumn::SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value) {
    if (name == u"GroupIndex") {
        SetGroupIndex(rtl::VarToInteger(value));
    } else if (name == u"Width") {
        SetWidth(rtl::VarToInteger(value));
    } else {
        TuiCustomGridTableItem::SetStoredPropertyValue(name, value);
    }
}

} // namespace ui
