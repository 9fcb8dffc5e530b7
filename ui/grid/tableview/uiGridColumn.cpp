#include "ui/grid/tableview/uiGridColumn.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiGridEventSetter.h"
#include "ui/grid/tableview/uiGridColumnStyles.h"
#include "ui/grid/tableview/uiGridColumnSummary.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "vcl/graphics/images/Bitmap.h"

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
    : TuiCustomGridTableItem(owner), FHeaderGlyph(std::make_unique<vcl::TBitmap>()),
      FSummary(std::make_unique<TuiGridColumnSummary>(*this)) {
    FHeaderGlyph->SetOnChange([this](rtl::TObject*) { Changed(1); });
}

TuiGridColumn::~TuiGridColumn() {
    if (IsPreview()) {
        TableView()->Preview().SetColumn(nullptr);
    }
    FHeaderGlyph->SetOnChange(nullptr);
}

void TuiGridColumn::Assign(const rtl::TPersistent* source) {
    if (const auto* column = dynamic_cast<const TuiGridColumn*>(source)) {
        SetFooterAlignmentHorz(column->FooterAlignmentHorz());
        SetGroupSummaryAlignment(column->GroupSummaryAlignment());
        SetHeaderGlyph(column->FHeaderGlyph.get());
        SetHeaderGlyphAlignmentHorz(column->FHeaderGlyphAlignmentHorz);
        SetHeaderGlyphAlignmentVert(column->FHeaderGlyphAlignmentVert);
        FSummary->Assign(column->FSummary.get());
        SetOnCompareRowValuesForCellMerging(column->FOnCompareRowValuesForCellMerging);
        SetOnCompareValuesForCellMerging(column->FOnCompareValuesForCellMerging);
        SetOnCustomDrawFooterCell(column->FOnCustomDrawFooterCell);
        SetOnCustomDrawGroupSummaryCell(column->FOnCustomDrawGroupSummaryCell);
        SetOnCustomDrawHeader(column->FOnCustomDrawHeader);
        SetOnHeaderClick(column->FOnHeaderClick);
    }
    TuiCustomGridTableItem::Assign(source);
}

TuiGridTableView* TuiGridColumn::TableView() const {
    return dynamic_cast<TuiGridTableView*>(GridView());
}

std::unique_ptr<TuiCustomGridTableItemOptions> TuiGridColumn::CreateOptions() {
    return std::make_unique<TuiGridColumnOptions>(*this);
}

TuiGridColumnStyles& TuiGridColumn::Styles() {
    return static_cast<TuiGridColumnStyles&>(TuiCustomGridTableItem::Styles());
}

std::unique_ptr<TuiCustomGridTableItemStyles> TuiGridColumn::CreateStyles() {
    return std::make_unique<TuiGridColumnStyles>(*this);
}

rtl::UnicodeString TuiGridColumn::ValueDisplayText(const rtl::Variant& value) const {
    TuiCustomEditProperties* properties = GetProperties();
    return properties != nullptr ? properties->GetDisplayText(value, true, false) : rtl::VarToStr(value);
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

void TuiGridColumn::SetHeaderGlyph(const vcl::TBitmap* value) {
    FHeaderGlyph->Assign(value);
}

void TuiGridColumn::SetHeaderGlyphAlignmentHorz(vcl::TAlignment value) {
    if (FHeaderGlyphAlignmentHorz != value) {
        FHeaderGlyphAlignmentHorz = value;
        Changed(1);
    }
}

void TuiGridColumn::SetHeaderGlyphAlignmentVert(TuiAlignmentVert value) {
    if (FHeaderGlyphAlignmentVert != value) {
        FHeaderGlyphAlignmentVert = value;
        Changed(1);
    }
}

bool TuiGridColumn::IsLeftEdge() const {
    return VisibleIndex() == 0;
}

bool TuiGridColumn::IsRightEdge() const {
    const TuiGridTableView* view = TableView();
    return view && VisibleIndex() >= 0 && VisibleIndex() == view->VisibleItemCount() - 1;
}

bool TuiGridColumn::CompareValuesForCellMerging(TuiCustomGridRow* row1, TuiCustomEditProperties* properties1,
                                                const rtl::Variant& value1, TuiCustomGridRow* row2,
                                                TuiCustomEditProperties* properties2, const rtl::Variant& value2) {
    bool equal = properties1 && properties1 == properties2 && properties1->AreDisplayValuesEqual(value1, value2);
    if (FOnCompareValuesForCellMerging) {
        FOnCompareValuesForCellMerging(*this, properties1, value1, properties2, value2, equal);
    }
    if (FOnCompareRowValuesForCellMerging) {
        FOnCompareRowValuesForCellMerging(*this, row1, properties1, value1, row2, properties2, value2, equal);
    }
    return equal;
}

void TuiGridColumn::SetOnCompareRowValuesForCellMerging(TuiGridColumnCompareRowValuesEvent handler) {
    SetGridEventHandler(FOnCompareRowValuesForCellMerging, std::move(handler), [this] { Changed(0); });
}

void TuiGridColumn::SetOnCompareValuesForCellMerging(TuiGridColumnCompareValuesEvent handler) {
    SetGridEventHandler(FOnCompareValuesForCellMerging, std::move(handler), [this] { Changed(0); });
}

void TuiGridColumn::SetOnCustomDrawFooterCell(TuiGridColumnCustomDrawHeaderEvent handler) {
    SetGridEventHandler(FOnCustomDrawFooterCell, std::move(handler), [this] { Changed(0); });
}

void TuiGridColumn::SetOnCustomDrawGroupSummaryCell(TuiGridGroupSummaryCellCustomDrawEvent handler) {
    SetGridEventHandler(FOnCustomDrawGroupSummaryCell, std::move(handler), [this] { Changed(0); });
}

void TuiGridColumn::SetOnCustomDrawHeader(TuiGridColumnCustomDrawHeaderEvent handler) {
    SetGridEventHandler(FOnCustomDrawHeader, std::move(handler), [this] { Changed(0); });
}

void TuiGridColumn::SetOnHeaderClick(TuiGridColumnNotifyEvent handler) {
    SetGridEventHandler(FOnHeaderClick, std::move(handler), [this] { Changed(0); });
}

void TuiGridColumn::DoCustomDrawFooterCell(TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* viewInfo, bool& done) {
    if (FOnCustomDrawFooterCell && TableView()) {
        FOnCustomDrawFooterCell(*TableView(), canvas, viewInfo, done);
    }
}

void TuiGridColumn::DoCustomDrawGroupSummaryCell(TuiCanvas& canvas, TuiCustomGridRow* row,
                                                 TuiDataSummaryItem* summaryItem, TuiCustomGridCellViewInfo* viewInfo,
                                                 bool& done) {
    if (FOnCustomDrawGroupSummaryCell) {
        FOnCustomDrawGroupSummaryCell(*this, canvas, row, this, summaryItem, viewInfo, done);
    }
}

void TuiGridColumn::DoCustomDrawHeader(TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* viewInfo, bool& done) {
    if (FOnCustomDrawHeader && TableView()) {
        FOnCustomDrawHeader(*TableView(), canvas, viewInfo, done);
    }
}

void TuiGridColumn::DoHeaderClick() {
    if (FOnHeaderClick) {
        FOnHeaderClick(*this);
    }
    if (TuiGridTableView* view = TableView()) {
        view->DoColumnHeaderClick(this);
    }
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
