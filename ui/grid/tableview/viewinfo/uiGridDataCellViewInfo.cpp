#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/data/controller/filtering/uiDataControllerSearch.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/editors/text/textedit/uiTextEditViewData.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/customtable/controller/uiGridEditingController.h"
#include "ui/grid/customtable/controller/uiGridIncSearch.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/data/uiGridRecordHitTests.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnCellEditor.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"

#include <algorithm>

namespace ui {

namespace {

// The editor keeps a pixel from the cell's edges on every side.
constexpr vcl::TRect CellContentOffsets{1, 1, 1, 1};

TuiCustomGridTableOptionsSelection& CellSelectionOptions(TuiGridTableView& view) {
    return static_cast<TuiCustomGridTableOptionsSelection&>(view.OptionsSelection());
}

} // namespace

TuiGridDataCellViewInfo::TuiGridDataCellViewInfo(TuiGridDataRowViewInfo& row, TuiGridColumnCellEditor& editor,
                                                 bool isLastColumn)
    : FRow(row), FEditor(editor), FEditViewInfo(editor.CreateViewInfo()), FIsLastColumn(isLastColumn) {}

TuiGridDataCellViewInfo::~TuiGridDataCellViewInfo() = default;

TuiGridColumn& TuiGridDataCellViewInfo::Column() const {
    return FEditor.Column();
}

TuiCustomGridRecord* TuiGridDataCellViewInfo::GridRecord() const {
    return FRow.GridRecord();
}

void TuiGridDataCellViewInfo::CalculateCell(const vcl::TRect& bounds) {
    FUnmergedBounds = bounds;
    CalculateInRect(bounds);
    FSelected = CalculateSelected();
    FIncSearchHighlightLength = IncSearchHighlightLength();
    FillEditViewInfo();
}

void TuiGridDataCellViewInfo::OffsetCell(int32_t dx, int32_t dy) {
    FUnmergedBounds = vcl::OffsetRect(FUnmergedBounds, dx, dy);
    CalculateInRect(vcl::OffsetRect(Bounds(), dx, dy));
    FEditViewInfo->Offset(dx, dy);
}

void TuiGridDataCellViewInfo::RefreshSelected() {
    const bool selected = CalculateSelected();
    const int32_t highlightLength = IncSearchHighlightLength();
    if (selected != FSelected || highlightLength != FIncSearchHighlightLength) {
        FSelected = selected;
        FIncSearchHighlightLength = highlightLength;
        FillEditViewInfo();
    }
}

int32_t TuiGridDataCellViewInfo::IncSearchHighlightLength() const {
    TuiGridTableView& view = FRow.TableViewInfo().TableView();
    TuiGridIncSearch& incSearch = view.Controller().IncSearch();
    if (!FRow.IsFocused() || !incSearch.Searching() ||
        view.DataController().Search().GetItemIndex() != Column().Index()) {
        return 0;
    }
    return static_cast<int32_t>(incSearch.Text().size());
}

bool TuiGridDataCellViewInfo::CanMerge() const {
    const TuiCustomGridRecord* record = GridRecord();
    return record && !record->GetSelected() && Column().CanCellMerging();
}

void TuiGridDataCellViewInfo::MergeCell(TuiGridDataCellViewInfo& cell) {
    FMergedCells.push_back(&cell);
    cell.FMergingCell = this;
}

void TuiGridDataCellViewInfo::ExtendOverMergedCells() {
    if (FMergedCells.empty()) {
        return;
    }
    vcl::TRect bounds = FUnmergedBounds;
    bounds.Bottom = FMergedCells.back()->FUnmergedBounds.Bottom;
    CalculateInRect(bounds);
    FillEditViewInfo();
}

void TuiGridDataCellViewInfo::ResetMerging() {
    FMergingCell = nullptr;
    FMergedCells.clear();
    if (Bounds() != FUnmergedBounds) {
        CalculateInRect(FUnmergedBounds);
        FillEditViewInfo();
    }
}

// A cell is drawn selected when its record is (and the view is the focused one or selects many records), the
// cell may show the selection, and the selection shows: the grid has the focus or does not hide it.
// A merging cell stands for the cells it covers: it shows the selection of the covered cell whose row is focused, or,
// under MultiSelect, any covered cell's selection.
bool TuiGridDataCellViewInfo::CalculateSelected() const {
    const bool own = CalculateOwnSelected();
    if (!IsMerging()) {
        return own;
    }
    const TuiCustomGridTableOptionsSelection& selection = CellSelectionOptions(FRow.TableViewInfo().TableView());
    const auto anyMergedSelected = [this] {
        return std::any_of(FMergedCells.begin(), FMergedCells.end(),
                           [](const TuiGridDataCellViewInfo* cell) { return cell->CalculateOwnSelected(); });
    };
    const bool multiSelect = selection.MultiSelect();
    if (multiSelect && !selection.InvertSelect() && FRow.TableViewInfo().FocusedColumn() != &Column()) {
        return own || anyMergedSelected();
    }
    if (FRow.IsFocused()) {
        return own;
    }
    const auto focused = std::find_if(FMergedCells.begin(), FMergedCells.end(),
                                      [](const TuiGridDataCellViewInfo* cell) { return cell->FRow.IsFocused(); });
    if (focused != FMergedCells.end()) {
        return (*focused)->CalculateOwnSelected();
    }
    return multiSelect ? own || anyMergedSelected() : own;
}

bool TuiGridDataCellViewInfo::CalculateOwnSelected() const {
    const TuiCustomGridRecord* record = GridRecord();
    TuiGridTableView& view = FRow.TableViewInfo().TableView();
    const TuiCustomGridTableOptionsSelection& selection = CellSelectionOptions(view);
    if (record == nullptr || !record->GetSelected()) {
        return false;
    }
    const TuiCustomGrid* grid = view.Grid();
    const bool focusedView = grid && grid->FocusedView() == &view;
    if (!focusedView && !selection.MultiSelect()) {
        return false;
    }
    if (!view.HasFocus() && selection.HideSelection()) {
        return false;
    }
    if (view.OptionsSelection().CellMultiSelect() && !IsSelectedCellOfRecord()) {
        return false;
    }
    return CanShowSelection(selection);
}

// Under cell selection a record shows its selection only in the selected columns, and never in the cell its
// in-place editor covers.
bool TuiGridDataCellViewInfo::IsSelectedCellOfRecord() const {
    TuiGridTableController& controller = FRow.TableViewInfo().TableView().Controller();
    if (!controller.IsColumnSelected(&Column())) {
        return false;
    }
    const bool editorShown = FRow.IsFocused() && controller.HasEditingController() &&
                             controller.EditingController().EditedItem() == &Column();
    return !editorShown;
}

// Under InvertSelect the focused cell stands out from its selected record; otherwise a single selection shows in
// the focused record only.
bool TuiGridDataCellViewInfo::CanShowSelection(const TuiCustomGridTableOptionsSelection& selection) const {
    if (selection.InvertSelect()) {
        return !IsFocusedCell();
    }
    return selection.MultiSelect() || FRow.IsFocused();
}

bool TuiGridDataCellViewInfo::IsFocusedCell() const {
    return FRow.IsFocused() && FRow.TableViewInfo().FocusedColumn() == &Column();
}

rtl::Variant TuiGridDataCellViewInfo::CellDisplayValue() const {
    return FEditor.CellDisplayValue(GridRecord());
}

void TuiGridDataCellViewInfo::FillEditViewInfo() {
    TuiGridTableView& view = FRow.TableViewInfo().TableView();
    TuiDrawParams params;
    if (FSelected) {
        view.Styles().GetSelectionParams(GridRecord(), &Column(), params);
    } else {
        view.Styles().GetDataCellParams(GridRecord(), &Column(), params);
    }
    FEditor.ApplyCellStyle(params.Color, params.TextColor, params.Font);
    TuiCustomEditViewData& viewData = FEditor.ViewData();
    viewData.PaintOptions = {};
    viewData.InplaceContentOffsets = EditorContentOffsets();
    viewData.Selected = FSelected;
    if (auto* textViewData = dynamic_cast<TuiCustomTextEditViewData*>(&viewData)) {
        PrepareTextViewData(*textViewData);
    }
    TuiCanvas& canvas = FRow.TableViewInfo().MeasuringCanvas();
    viewData.ApplyDisplayValue(canvas, CellDisplayValue(), *FEditViewInfo);
    viewData.Calculate(canvas, ContentBounds(), false, *FEditViewInfo, {}, std::nullopt, {-1, -1});
    // The column's style font changes with every cell filled after this one.
    FEditViewInfo->Font = &FEditor.SharedCellFont();
}

vcl::TRect TuiGridDataCellViewInfo::EditorContentOffsets() const {
    return CellContentOffsets;
}

int32_t TuiGridDataCellViewInfo::TextMaxLineCount() const {
    const TuiGridTableViewInfo& layout = FRow.TableViewInfo();
    return layout.AutoDataRowHeight() ? layout.TableView().OptionsView().CellTextMaxLineCount() : -1;
}

void TuiGridDataCellViewInfo::PrepareTextViewData(TuiCustomTextEditViewData& viewData) const {
    TuiGridTableView& view = FRow.TableViewInfo().TableView();
    const int32_t maxLineCount = TextMaxLineCount();
    viewData.WrapsText = maxLineCount >= 0;
    viewData.MaxLineCount = std::max(maxLineCount, 0);
    viewData.SelStart = 0;
    viewData.SelLength = FIncSearchHighlightLength;
    viewData.SelBackgroundColor = vcl::clDefault;
    viewData.SelTextColor = vcl::clDefault;
    if (FIncSearchHighlightLength > 0) {
        TuiDrawParams params;
        view.Styles().ResolveDrawParams(TuiCustomGridTableViewStyles::vsIncSearch, GridRecord(), nullptr, params);
        viewData.SelBackgroundColor = params.Color;
        viewData.SelTextColor = params.TextColor;
    }
}

TuiCustomGridHitTest* TuiGridDataCellViewInfo::CreateHitTest(vcl::TPoint point) {
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridRecordCellHitTest>(point);
    hitTest.SetGridView(&FRow.TableViewInfo().GridView());
    hitTest.SetGridRecord(GridRecord());
    hitTest.SetItem(&Column());
    return &hitTest;
}

TuiBorders TuiGridDataCellViewInfo::GetBorders() const {
    return FRow.TableViewInfo().CellBordersForGridLines(FIsLastColumn);
}

int32_t TuiGridDataCellViewInfo::GetBorderWidth(TuiBorder /*side*/) const {
    return TuiGridTableViewInfo::GridLineWidth;
}

TuiControl* TuiGridDataCellViewInfo::GetControl() const {
    return &FRow.TableViewInfo().Site();
}

void TuiGridDataCellViewInfo::Invalidate() {
    FRow.TableViewInfo().Site().InvalidateRect(Bounds(), false);
}

} // namespace ui
