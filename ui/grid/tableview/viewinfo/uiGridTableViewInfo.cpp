#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/layout/uiGridColumnWidths.h"
#include "ui/grid/tableview/layout/uiGridLevelIndents.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnCellEditor.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowHeights.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFilterBarViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFooterViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridGroupByBoxViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridIndicatorViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridNewItemRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridPreviewCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/view/uiGridSite.h"

#include <algorithm>
#include <limits>

namespace ui {

namespace {

constexpr char16_t MeasuredText[] = u"Qq";
// Tall enough for any frame: the height a header is laid out at while its caption is measured.
constexpr int32_t MeasuringHeaderHeight = 1000;
// Without columns a row is as high as a line of the content font and its margins.
constexpr int32_t RowTextMargins = 4;

// A column the user may not size keeps its width when the others share the content.
TuiGridColumnWidthRequest ColumnWidthRequestOf(TuiGridColumn& column) {
    return {column.Width(), column.MinWidth(), !column.Options().HorzSizing()};
}

void OffsetRowPlacementSideways(TuiGridRowPlacement& row, int32_t dx) {
    row.Bounds = vcl::OffsetRect(row.Bounds, dx, 0);
    for (vcl::TRect& cell : row.Cells) {
        cell = vcl::OffsetRect(cell, dx, 0);
    }
}

} // namespace

TuiGridTableViewInfo::TuiGridTableViewInfo(TuiGridTableView& gridView)
    : TuiCustomGridViewInfo(gridView), FFooter(std::make_unique<TuiGridFooterViewInfo>(*this)),
      FIndicator(std::make_unique<TuiGridIndicatorViewInfo>(*this)),
      FGroupByBox(std::make_unique<TuiGridGroupByBoxViewInfo>(*this)),
      FFilterBar(std::make_unique<TuiGridFilterBarViewInfo>(*this)) {}

TuiGridTableViewInfo::~TuiGridTableViewInfo() = default;

TuiGridTableView& TuiGridTableViewInfo::TableView() const {
    return static_cast<TuiGridTableView&>(GridView());
}

int32_t TuiGridTableViewInfo::TopRecordIndex() const {
    return TableView().Controller().TopRecordIndex();
}

int32_t TuiGridTableViewInfo::LeftPos() const {
    return TableView().Controller().LeftPos();
}

const TuiCustomGridTableItem* TuiGridTableViewInfo::FocusedColumn() const {
    return TableView().Controller().FocusedItem();
}

const TuiGridColumn* TuiGridTableViewInfo::PressedColumn() const {
    return TableView().Controller().PressedColumn();
}

vcl::TSize TuiGridTableViewInfo::MeasureText(rtl::UnicodeStringView text, const vcl::TFont* font) const {
    TuiCanvas& canvas = MeasuringCanvas();
    canvas.PushState();
    if (font) {
        canvas.SetFont(*font);
    }
    const vcl::TSize size = canvas.MeasureText(text);
    canvas.PopState();
    return size;
}

TuiGridColumnHeaderViewInfo& TuiGridTableViewInfo::ColumnHeaders(int32_t index) const {
    return *FColumnHeaders.at(static_cast<size_t>(index));
}

TuiGridColumnCellEditor& TuiGridTableViewInfo::CellEditor(int32_t visibleIndex) const {
    return *FCellEditors.at(static_cast<size_t>(visibleIndex));
}

TuiGridDataRowViewInfo* TuiGridTableViewInfo::RowOfRecord(int32_t rowIndex) const {
    for (const auto& row : FRows) {
        if (row->RowIndex() == rowIndex) {
            return row.get();
        }
    }
    return nullptr;
}

int32_t TuiGridTableViewInfo::DataWidth() const {
    return ColumnsDataWidth(FColumnWidths, AutoWidthContentWidth());
}

int32_t TuiGridTableViewInfo::AutoWidthContentWidth() const {
    return AutoWidthContentWidth(TableView(), ClientBounds().Width() - FIndicator->Width());
}

int32_t TuiGridTableViewInfo::AutoWidthContentWidth(TuiGridTableView& view, int32_t contentWidth) {
    return view.OptionsView().ColumnAutoWidth() ? std::max(contentWidth, 0) : -1;
}

std::vector<int32_t> TuiGridTableViewInfo::ColumnWidthsOf(std::span<TuiGridColumn* const> columns,
                                                          int32_t levelIndentsWidth, int32_t autoWidthContentWidth) {
    std::vector<TuiGridColumnWidthRequest> requests;
    requests.reserve(columns.size());
    for (TuiGridColumn* column : columns) {
        requests.push_back(ColumnWidthRequestOf(*column));
    }
    return ColumnHeaderWidths(requests, levelIndentsWidth, autoWidthContentWidth);
}

int32_t TuiGridTableViewInfo::MaxColumnHeaderWidth(int32_t visibleIndex) const {
    const int32_t contentWidth = AutoWidthContentWidth();
    const auto index = static_cast<size_t>(visibleIndex);
    if (contentWidth < 0 || index >= FColumnWidths.size()) {
        return std::numeric_limits<int32_t>::max();
    }
    return ColumnHeaderMaxWidth(index, FColumnWidths, ColumnHeaderMinWidths(), contentWidth);
}

std::vector<int32_t> TuiGridTableViewInfo::ColumnHeaderMinWidths() const {
    std::vector<int32_t> minWidths;
    const int32_t levelIndentsWidth = LevelIndentsWidth();
    for (size_t i = 0; i < FVisibleColumns.size(); ++i) {
        minWidths.push_back(ColumnHeaderMinWidth(ColumnWidthRequestOf(*FVisibleColumns[i]), i == 0, levelIndentsWidth));
    }
    return minWidths;
}

void TuiGridTableViewInfo::SizeSharedColumnHeader(int32_t visibleIndex, int32_t width) {
    const int32_t contentWidth = std::max(AutoWidthContentWidth(), 0);
    StoreColumnWidths(ColumnHeaderWidthsAfterSizing(FColumnWidths, ColumnHeaderMinWidths(),
                                                    static_cast<size_t>(visibleIndex), width, contentWidth));
}

void TuiGridTableViewInfo::StoreColumnWidths(std::span<const int32_t> headerWidths) {
    // Setting a width lays the view out again, which changes what this layout holds.
    const std::vector<TuiGridColumn*> columns = FVisibleColumns;
    const std::vector<int32_t> widths(headerWidths.begin(), headerWidths.end());
    const int32_t levelIndentsWidth = LevelIndentsWidth();
    TuiGridTableView& view = TableView();
    view.BeginUpdate();
    try {
        for (size_t i = 0; i < columns.size() && i < widths.size(); ++i) {
            columns[i]->SetWidth(ColumnHeaderRealWidth(widths[i], i == 0, levelIndentsWidth));
        }
    } catch (...) {
        view.EndUpdate();
        throw;
    }
    view.EndUpdate();
}

void TuiGridTableViewInfo::CalculateColumnWidths() {
    FColumnWidths = ColumnWidthsOf(FVisibleColumns, LevelIndentsWidth(), AutoWidthContentWidth());
}

int32_t TuiGridTableViewInfo::ExpandButtonSize() const {
    return GridView().LookAndFeelPainter()->ExpandBoxSize();
}

int32_t TuiGridTableViewInfo::LevelCount() const {
    const int32_t groupingCount = GridView().DataController().Groups().GroupingFieldCount();
    return TableLevelCount(groupingCount, HasOffice11GroupRows(), TableView().IsMaster());
}

bool TuiGridTableViewInfo::HasOffice11GroupRows() const {
    return TableView().OptionsView().GroupRowStyle() == grsOffice11;
}

bool TuiGridTableViewInfo::ClosesGroup(int32_t rowIndex, int32_t level) const {
    const TuiCustomDataController& controller = GridView().DataController();
    return rowIndex + 1 >= controller.GetRowCount() || controller.GetRowInfo(rowIndex + 1).Level <= level;
}

int32_t TuiGridTableViewInfo::RowSeparatorWidth(int32_t rowIndex) const {
    const TuiCustomDataController& controller = GridView().DataController();
    const bool office11GroupRow =
        HasOffice11GroupRows() && controller.GetRowInfo(rowIndex).Level < controller.Groups().GroupingFieldCount();
    return office11GroupRow ? 0 : std::max(TableView().OptionsView().RowSeparatorWidth(), 0);
}

vcl::TColor TuiGridTableViewInfo::RowSeparatorColor() const {
    const vcl::TColor color = TableView().OptionsView().RowSeparatorColor();
    return color == vcl::clDefault ? GridView().LookAndFeelPainter()->FixedGridLineColor() : color;
}

bool TuiGridTableViewInfo::HasClosingLine(int32_t rowIndex) const {
    return GridLines() == glVertical && RowSeparatorWidth(rowIndex) == 0 &&
           rowIndex + 1 == GridView().DataController().GetRowCount();
}

int32_t TuiGridTableViewInfo::RowBottomHeight(int32_t rowIndex) const {
    return RowSeparatorWidth(rowIndex) + (HasClosingLine(rowIndex) ? GridLineWidth : 0);
}

bool TuiGridTableViewInfo::AutoDataRowHeight() const {
    const TuiGridTableOptionsView& options = TableView().OptionsView();
    // A cell height handler sets the heights even over a stored DataRowHeight.
    return TableView().HasGetCellHeight() || (options.CellAutoHeight() && options.DataRowHeight() == 0);
}

int32_t TuiGridTableViewInfo::CellContentWidth(int32_t visibleIndex) const {
    const int32_t realWidth = ColumnHeaderRealWidth(FColumnWidths.at(static_cast<size_t>(visibleIndex)),
                                                    visibleIndex == 0, LevelIndentsWidth());
    const bool isLast = visibleIndex + 1 == static_cast<int32_t>(FColumnWidths.size());
    const int32_t rightLine = CellBordersForGridLines(isLast).Contains(bRight) ? GridLineWidth : 0;
    return std::max(realWidth - rightLine, 0);
}

int32_t TuiGridTableViewInfo::PreviewContentWidth() const {
    const int32_t rightLine = CellBordersForGridLines(true).Contains(bRight) ? GridLineWidth : 0;
    return std::max(DataWidth() - LevelIndentsWidth() - rightLine, 0);
}

int32_t TuiGridTableViewInfo::PreviewHeight(int32_t rowIndex) const {
    const auto row = static_cast<size_t>(rowIndex);
    return rowIndex >= 0 && row < FPreviewHeights.size() ? FPreviewHeights[row] : 0;
}

TuiGridLines TuiGridTableViewInfo::GridLines() const {
    return TableView().OptionsView().GridLines();
}

vcl::TColor TuiGridTableViewInfo::GridLineColor() const {
    const vcl::TColor color = TableView().OptionsView().GridLineColor();
    return color == vcl::clDefault ? GridView().LookAndFeelPainter()->GridLineColor() : color;
}

TuiBorders TuiGridTableViewInfo::CellBordersForGridLines(bool isLastColumn) const {
    return ui::CellBordersForGridLines(GridLines(), isLastColumn);
}

void TuiGridTableViewInfo::Calculate() {
    FVisibleColumns.clear();
    TuiGridTableView& view = TableView();
    for (int32_t i = 0; i < view.VisibleItemCount(); ++i) {
        FVisibleColumns.push_back(view.VisibleColumns(i));
    }
    ClearLayout();
    CreateCellEditors();
    // Captions wrapped to their headers' widths give the header its height.
    CalculateColumnWidths();
    CreateColumnHeaders();
    CalculateHeights();
    CreateSpecialRows();
    CalculateRecordHeights();
    FLaidOutLeftPos = LeftPos();
    FLaidOutTopRecordIndex = ClampedTopRecordIndex();
    FFooterHeight = FFooter->CalculateHeight(FVisibleColumns);
    FGroupByBoxHeight = FGroupByBox->CalculateHeight();
    FFilterBarHeight = FFilterBar->MeasureHeight();
    MeasureRecordHeightsFrom(FLaidOutTopRecordIndex, PlaceTableBands(Measures()).RowsAreaBounds.Height());
    FPlacement = PlaceTableView(Measures());
    FGroupByBox->Calculate(FPlacement.GroupByBoxBounds);
    FFilterBar->CalculateShown(FPlacement.FilterBarBounds);
    for (size_t i = 0; i < FSpecialRows.size(); ++i) {
        FSpecialRows[i]->CalculateRow(FPlacement.SpecialRows[i].Bounds);
    }
    CalculateColumnHeaders();
    FFooter->Calculate(FPlacement.FooterBounds, FPlacement.ColumnHeaders);
    PlaceRows({});
    CalculateCellMerging();
}

void TuiGridTableViewInfo::ClearLayout() {
    ResetCellMerging();
    FRows.clear();
    FSpecialRows.clear();
    FSpecialRowHeights.clear();
    FColumnHeaders.clear();
    FCellEditors.clear();
    FPreviewEditor.reset();
    FFooter->Clear();
    FGroupByBox->Clear();
    FFilterBar->CalculateHidden();
    FPlacement = {};
}

void TuiGridTableViewInfo::ItemRemoving(const TuiCustomGridTableItem* item) {
    const bool isPreview = FPreviewEditor && &FPreviewEditor->Column() == item;
    if (!isPreview && std::find(FVisibleColumns.begin(), FVisibleColumns.end(), item) == FVisibleColumns.end()) {
        return;
    }
    ClearLayout();
    FVisibleColumns.clear();
}

void TuiGridTableViewInfo::CreateSpecialRows() {
    const auto& viewData = static_cast<const TuiGridViewData&>(TableView().ViewData());
    if (viewData.HasFilterRow()) {
        FSpecialRows.push_back(std::make_unique<TuiGridNewItemRowViewInfo>(*this, TuiGridSpecialRowKind::Filter));
    }
    if (viewData.HasNewItemRecord()) {
        FSpecialRows.push_back(std::make_unique<TuiGridNewItemRowViewInfo>(*this, TuiGridSpecialRowKind::NewItem));
    }
    for (const auto& row : FSpecialRows) {
        FSpecialRowHeights.push_back(row->Height(FDataRowHeight));
    }
}

bool TuiGridTableViewInfo::ShowsSpecialRowInfoText() const {
    return std::any_of(FSpecialRows.begin(), FSpecialRows.end(), [](const auto& row) { return row->ShowsInfoText(); });
}

void TuiGridTableViewInfo::CreateCellEditors() {
    TuiCustomGrid* grid = Control();
    TuiLookAndFeel* lookAndFeel = grid ? &grid->LookAndFeel() : nullptr;
    for (TuiGridColumn* column : FVisibleColumns) {
        FCellEditors.push_back(std::make_unique<TuiGridColumnCellEditor>(*column, lookAndFeel));
    }
    const TuiGridPreview& preview = TableView().Preview();
    if (preview.Active()) {
        FPreviewEditor = std::make_unique<TuiGridColumnCellEditor>(*preview.Column(), lookAndFeel);
    }
}

void TuiGridTableViewInfo::CalculateHeights() {
    TuiGridTableView& view = TableView();
    TuiCanvas& canvas = MeasuringCanvas();
    const TuiCustomLookAndFeelPainter& painter = *GridView().LookAndFeelPainter();
    FHeaderHeight = view.OptionsView().Header()
                        ? TableHeaderHeight(view.OptionsView().HeaderHeight(), LargestHeaderTextHeight(),
                                            painter.HeaderFrameWidth())
                        : 0;
    int32_t largestCellHeight = 0;
    for (const auto& editor : FCellEditors) {
        TuiDrawParams params;
        view.Styles().GetDataCellParams(nullptr, &editor->Column(), params);
        largestCellHeight = std::max(largestCellHeight, editor->DefaultCellHeight(canvas, params.Font));
    }
    if (FCellEditors.empty()) {
        TuiDrawParams params;
        view.Styles().GetContentParams(nullptr, nullptr, params);
        largestCellHeight = MeasureText(MeasuredText, params.Font).cy + RowTextMargins;
    }
    FDataRowHeight = TableDataRowHeight(view.OptionsView().DataRowHeight(), largestCellHeight, GridLines());
    TuiDrawParams groupParams;
    view.Styles().GetGroupParams(nullptr, 0, groupParams);
    const int32_t groupContentHeight =
        std::max(MeasureText(MeasuredText, groupParams.Font).cy, ExpandButtonSize()) + RowTextMargins;
    const int32_t storedGroupRowHeight = view.OptionsView().GroupRowHeight();
    FGroupRowHeight = HasOffice11GroupRows() && storedGroupRowHeight == 0
                          ? 2 * groupContentHeight + Office11GroupSeparatorWidth
                          : TableDataRowHeight(storedGroupRowHeight, groupContentHeight, GridLines());
}

// Group rows are the rows above the grouping levels; the others are data rows.
void TuiGridTableViewInfo::CalculateRecordHeights() {
    const int32_t count = TableView().ViewData().RecordCount();
    const int32_t separator = std::max(TableView().OptionsView().RowSeparatorWidth(), 0);
    FRecordHeights.assign(static_cast<size_t>(count), FDataRowHeight + separator);
    FRecordHeightMeasured.assign(MeasuresRecordHeights() ? static_cast<size_t>(count) : 0, false);
    FPreviewHeights.assign(FRecordHeightMeasured.size(), 0);
    TuiCustomDataController& controller = GridView().DataController();
    const int32_t groupingCount = controller.Groups().GroupingFieldCount();
    const int32_t groupRowHeight = FGroupRowHeight + (HasOffice11GroupRows() ? 0 : separator);
    for (int32_t row = 0; groupingCount > 0 && row < count; ++row) {
        if (controller.GetRowInfo(row).Level < groupingCount) {
            FRecordHeights[static_cast<size_t>(row)] = groupRowHeight;
        }
    }
    if (count > 0 && HasClosingLine(count - 1)) {
        FRecordHeights.back() += GridLineWidth;
    }
}

bool TuiGridTableViewInfo::MeasuresRecordHeights() const {
    return AutoDataRowHeight() || FPreviewEditor != nullptr;
}

void TuiGridTableViewInfo::MeasureRecordHeightsFrom(int32_t topRecordIndex, int32_t rowsAreaHeight) {
    TuiGridDataRowHeights heights(*this);
    const TuiCustomDataController& controller = GridView().DataController();
    const int32_t groupingCount = controller.Groups().GroupingFieldCount();
    const bool autoHeight = AutoDataRowHeight();
    int64_t filled = 0;
    for (size_t row = static_cast<size_t>(std::max(topRecordIndex, 0));
         row < FRecordHeightMeasured.size() && filled < rowsAreaHeight; ++row) {
        const auto rowIndex = static_cast<int32_t>(row);
        if (!FRecordHeightMeasured[row] && controller.GetRowInfo(rowIndex).Level >= groupingCount) {
            FPreviewHeights[row] = FPreviewEditor ? heights.PreviewHeight(rowIndex) : 0;
            FRecordHeights[row] = (autoHeight ? heights.RowHeight(rowIndex) : FDataRowHeight) + FPreviewHeights[row] +
                                  RowBottomHeight(rowIndex);
        }
        FRecordHeightMeasured[row] = true;
        filled += FRecordHeights[row];
    }
}

// The tallest caption of the column headers, each laid out at its width before the header band is placed; without
// columns "Qq" in the header band's own font.
int32_t TuiGridTableViewInfo::LargestHeaderTextHeight() {
    if (FColumnHeaders.empty()) {
        TuiDrawParams params;
        TableView().Styles().GetHeaderParams(nullptr, params);
        return MeasureText(MeasuredText, params.Font).cy;
    }
    int32_t height = 0;
    const size_t count = FColumnHeaders.size();
    for (size_t i = 0; i < count; ++i) {
        TuiGridColumnHeaderViewInfo& header = *FColumnHeaders[i];
        header.CalculateHeader(vcl::Rect(0, 0, FColumnWidths.at(i), MeasuringHeaderHeight), i == 0, i + 1 == count);
        height = std::max(height, header.CaptionHeight());
    }
    return height;
}

TuiGridTableMeasures TuiGridTableViewInfo::Measures() const {
    TuiGridTableMeasures measures;
    measures.ClientBounds = ClientBounds();
    measures.LeftPos = FLaidOutLeftPos;
    measures.GroupByBoxHeight = FGroupByBoxHeight;
    measures.FilterBarHeight = FFilterBarHeight;
    measures.FilterBarAtTop = FFilterBar->AtTop();
    measures.HeaderHeight = FHeaderHeight;
    measures.FooterHeight = FFooterHeight;
    measures.IndicatorWidth = FIndicator->Width();
    measures.LevelIndentsWidth = LevelIndentsWidth();
    measures.ColumnWidths = FColumnWidths;
    measures.DataWidth = DataWidth();
    measures.RecordHeights = FRecordHeights;
    measures.SpecialRowHeights = FSpecialRowHeights;
    measures.TopRecordIndex = FLaidOutTopRecordIndex;
    return measures;
}

int32_t TuiGridTableViewInfo::ClampedTopRecordIndex() const {
    const int32_t count = static_cast<int32_t>(FRecordHeights.size());
    return std::clamp(TopRecordIndex(), 0, std::max(count - 1, 0));
}

void TuiGridTableViewInfo::CreateColumnHeaders() {
    for (TuiGridColumn* column : FVisibleColumns) {
        FColumnHeaders.push_back(std::make_unique<TuiGridColumnHeaderViewInfo>(*this, *column, ckHeader));
    }
}

void TuiGridTableViewInfo::CalculateColumnHeaders() {
    const size_t count = FColumnHeaders.size();
    for (size_t i = 0; i < count; ++i) {
        FColumnHeaders[i]->CalculateHeader(FPlacement.ColumnHeaders[i], i == 0, i + 1 == count);
    }
}

// Rows of previous that show a record still laid out are kept at their new places; the others are made.
void TuiGridTableViewInfo::PlaceRows(std::vector<std::unique_ptr<TuiGridDataRowViewInfo>> previous) {
    FRows.clear();
    for (const TuiGridRowPlacement& placement : FPlacement.Rows) {
        auto kept = std::find_if(previous.begin(), previous.end(),
                                 [&](const auto& row) { return row && row->RowIndex() == placement.RecordIndex; });
        if (kept != previous.end()) {
            const int32_t dy = placement.Bounds.Top - (*kept)->Bounds().Top;
            (*kept)->OffsetRow(0, dy);
            FRows.push_back(std::move(*kept));
            continue;
        }
        auto row = std::make_unique<TuiGridDataRowViewInfo>(*this, placement.RecordIndex);
        row->CalculateRow(placement);
        FRows.push_back(std::move(row));
    }
}

int32_t TuiGridTableViewInfo::ScrollToTopRecord() {
    const int32_t top = ClampedTopRecordIndex();
    const int32_t count = top - FLaidOutTopRecordIndex;
    if (count == 0 || FRows.empty()) {
        return 0;
    }
    // A row that stays when fewer records than are laid out scroll: its move is every kept row's move.
    const size_t anchorPosition = count > 0 ? std::min<size_t>(static_cast<size_t>(count), FRows.size() - 1) : 0;
    const int32_t anchorRecord = FPlacement.Rows[anchorPosition].RecordIndex;
    const int32_t anchorTop = FPlacement.Rows[anchorPosition].Bounds.Top;
    FLaidOutTopRecordIndex = top;
    MeasureRecordHeightsFrom(top, FPlacement.RowsAreaBounds.Height());
    ResetCellMerging();
    const bool kept = OffsetTablePlacement(FPlacement, Measures()) != 0;
    PlaceRows(kept ? std::move(FRows) : std::vector<std::unique_ptr<TuiGridDataRowViewInfo>>{});
    CalculateCellMerging();
    const TuiGridDataRowViewInfo* anchor = kept ? RowOfRecord(anchorRecord) : nullptr;
    return anchor ? anchor->Bounds().Top - anchorTop : 0;
}

void TuiGridTableViewInfo::RefreshSelectedCells() {
    for (const auto& row : FRows) {
        for (int32_t i = 0; i < row->CellCount(); ++i) {
            row->Cells(i).RefreshSelected();
        }
        if (row->Preview()) {
            row->Preview()->RefreshSelected();
        }
    }
}

bool TuiGridTableViewInfo::HasMergingColumn() const {
    return std::any_of(FVisibleColumns.begin(), FVisibleColumns.end(),
                       [](TuiGridColumn* column) { return column->CanCellMerging(); });
}

void TuiGridTableViewInfo::ResetCellMerging() {
    for (const auto& row : FRows) {
        for (int32_t i = 0; i < row->CellCount(); ++i) {
            row->Cells(i).ResetMerging();
        }
    }
}

void TuiGridTableViewInfo::CalculateCellMerging() {
    for (size_t position = 0; position < FRows.size(); ++position) {
        for (int32_t column = 0; column < FRows[position]->CellCount(); ++column) {
            MergeCellsBelow(position, column);
        }
    }
}

// The cell at position covers the cells below it that show an equal value, up to and including a selected row.
void TuiGridTableViewInfo::MergeCellsBelow(size_t position, int32_t column) {
    TuiGridDataCellViewInfo& cell = FRows[position]->Cells(column);
    if (cell.IsMerged() || !cell.CanMerge()) {
        return;
    }
    const rtl::Variant value = cell.CellDisplayValue();
    TuiCustomEditProperties& properties = CellEditor(column).Properties();
    // A group row has no cells and ends the merging.
    for (size_t below = position + 1; below < FRows.size() && column < FRows[below]->CellCount(); ++below) {
        TuiGridDataCellViewInfo& next = FRows[below]->Cells(column);
        if (!properties.AreDisplayValuesEqual(value, next.CellDisplayValue())) {
            break;
        }
        cell.MergeCell(next);
        if (!next.CanMerge()) {
            break;
        }
    }
    cell.ExtendOverMergedCells();
}

int32_t TuiGridTableViewInfo::ScrollToLeftPos() {
    const int32_t dx = FLaidOutLeftPos - LeftPos();
    FLaidOutLeftPos = LeftPos();
    FPlacement.HeaderBounds = vcl::OffsetRect(FPlacement.HeaderBounds, dx, 0);
    for (vcl::TRect& header : FPlacement.ColumnHeaders) {
        header = vcl::OffsetRect(header, dx, 0);
    }
    FPlacement.RowsAreaBounds = vcl::OffsetRect(FPlacement.RowsAreaBounds, dx, 0);
    for (TuiGridRowPlacement& row : FPlacement.SpecialRows) {
        OffsetRowPlacementSideways(row, dx);
    }
    for (const auto& row : FSpecialRows) {
        row->OffsetRow(dx);
    }
    FPlacement.FooterBounds = vcl::OffsetRect(FPlacement.FooterBounds, dx, 0);
    FFooter->Offset(dx);
    for (TuiGridRowPlacement& row : FPlacement.Rows) {
        OffsetRowPlacementSideways(row, dx);
    }
    for (const auto& header : FColumnHeaders) {
        header->OffsetHeader(dx);
    }
    for (const auto& row : FRows) {
        row->OffsetRow(dx, 0);
    }
    return dx;
}

bool TuiGridTableViewInfo::HasNoDataText() const {
    return FRows.empty() && !TableView().OptionsView().NoDataToDisplayInfoText().empty();
}

vcl::TRect TuiGridTableViewInfo::NoDataTextBounds() const {
    vcl::TRect bounds = ClientBounds();
    bounds.Top = std::max(bounds.Top, FPlacement.RowsAreaBounds.Top);
    bounds.Bottom = std::min(bounds.Bottom, FPlacement.RowsAreaBounds.Bottom);
    return bounds;
}

TuiCustomGridHitTest& TuiGridTableViewInfo::GetHitTest(vcl::TPoint point) {
    if (TuiCustomGridHitTest* box = FGroupByBox->HitTestAt(point)) {
        return *box;
    }
    if (TuiCustomGridHitTest* bar = FFilterBar->HitTestAt(point)) {
        return *bar;
    }
    const bool inIndicator = FPlacement.IndicatorBounds.Contains(point);
    // The last row may reach under the footer, which lies over it.
    if (TuiCustomGridHitTest* footer = inIndicator ? nullptr : FFooter->HitTestAt(point)) {
        return *footer;
    }
    const bool sizable = TableView().OptionsCustomize().ColumnHorzSizing();
    const TuiGridPlacementSpot spot = LocateInTablePlacement(FPlacement, point, sizable, FIndicator->RowsSizable());
    if (inIndicator) {
        return FIndicator->HitTest(spot, point);
    }
    TuiCustomGridHitTest* hitTest = nullptr;
    TuiGridDataRowViewInfo* row = RowOfRecord(spot.RecordIndex);
    switch (spot.Kind) {
    case TuiGridPlacementSpotKind::ColumnHeaderSizingEdge:
    case TuiGridPlacementSpotKind::ColumnHeader:
        hitTest = FColumnHeaders.at(static_cast<size_t>(spot.Column))->HitTestAt(point);
        break;
    case TuiGridPlacementSpotKind::DataCell:
        if (TuiGridPreviewCellViewInfo* preview = row ? row->Preview() : nullptr;
            preview && preview->Bounds().Contains(point)) {
            hitTest = preview->GetHitTest(point);
            break;
        }
        if (row && spot.Column < row->CellCount()) {
            hitTest = row->Cells(spot.Column).GetHitTest(point);
            break;
        }
        hitTest = row ? row->GetHitTest(point) : nullptr;
        break;
    case TuiGridPlacementSpotKind::Record:
        hitTest = row ? row->GetHitTest(point) : nullptr;
        break;
    case TuiGridPlacementSpotKind::SpecialRow:
    case TuiGridPlacementSpotKind::SpecialRowCell:
        hitTest = FSpecialRows.at(static_cast<size_t>(spot.RecordIndex))->GetHitTest(point);
        break;
    case TuiGridPlacementSpotKind::None:
    case TuiGridPlacementSpotKind::Indicator:
    case TuiGridPlacementSpotKind::IndicatorHeader:
    case TuiGridPlacementSpotKind::RowIndicator:
    case TuiGridPlacementSpotKind::RowSizingEdge:
    case TuiGridPlacementSpotKind::GroupByBox:
    case TuiGridPlacementSpotKind::FilterBar:
        break;
    }
    return hitTest ? *hitTest : TuiCustomGridViewInfo::GetHitTest(point);
}

} // namespace ui
