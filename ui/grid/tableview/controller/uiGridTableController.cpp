#include "ui/grid/tableview/controller/uiGridTableController.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/grid/customtable/controller/uiGridTableScrolling.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/controller/uiGridDragScrolling.h"
#include "ui/grid/tableview/controller/uiGridPullFocusing.h"
#include "ui/grid/tableview/controller/uiGridTableEditingController.h"
#include "ui/grid/tableview/layout/uiGridTableMetrics.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridIndicatorViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTablePainter.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {

namespace {

// The pixels of the text cells' margins around "Qq".
constexpr int32_t TextCellMargins = 4;

} // namespace

TuiGridTableController::TuiGridTableController(TuiGridTableView& gridView)
    : TuiCustomGridTableController(gridView), FPullFocusing(std::make_unique<TuiGridPullFocusing>(*this)),
      FDragScrolling(std::make_unique<TuiGridDragScrolling>(*this)) {}

TuiGridTableController::~TuiGridTableController() = default;

TuiGridTableView& TuiGridTableController::GridTableView() const {
    return static_cast<TuiGridTableView&>(TableView());
}

bool TuiGridTableController::IsCellMultiSelect() const {
    return GridTableView().OptionsSelection().CellMultiSelect();
}

std::vector<TuiGridColumn*> TuiGridTableController::VisibleColumnList() const {
    TuiGridTableView& view = GridTableView();
    std::vector<TuiGridColumn*> columns;
    columns.reserve(view.VisibleItemCount());
    for (int32_t index = 0; index < view.VisibleItemCount(); ++index) {
        columns.push_back(view.VisibleColumns(index));
    }
    return columns;
}

int32_t TuiGridTableController::DataRowHeight() const {
    if (const TuiGridTableViewInfo* viewInfo = LaidOutViewInfo()) {
        return viewInfo->DataRowHeight();
    }
    TuiCanvas& canvas = GridView().ViewInfo().Canvas();
    TuiGridTableOptionsView& options = GridTableView().OptionsView();
    return TableDataRowHeight(options.DataRowHeight(), canvas.GetTextHeight(u"Qq") + TextCellMargins,
                              options.GridLines());
}

int32_t TuiGridTableController::HeaderHeight() const {
    TuiGridTableOptionsView& options = GridTableView().OptionsView();
    if (!options.Header()) {
        return 0;
    }
    if (const TuiGridTableViewInfo* viewInfo = LaidOutViewInfo()) {
        return viewInfo->HeaderHeight();
    }
    TuiCanvas& canvas = GridView().ViewInfo().Canvas();
    return TableHeaderHeight(options.HeaderHeight(), canvas.GetTextHeight(u"Qq"),
                             GridView().LookAndFeelPainter()->HeaderFrameWidth());
}

const TuiGridTableViewInfo* TuiGridTableController::LaidOutViewInfo() const {
    const auto& viewInfo = static_cast<const TuiGridTableViewInfo&>(GridTableView().ViewInfo());
    return viewInfo.IsCalculated() ? &viewInfo : nullptr;
}

int32_t TuiGridTableController::FooterHeight() const {
    const TuiGridTableViewInfo* viewInfo = LaidOutViewInfo();
    return viewInfo && GridTableView().OptionsView().Footer() ? viewInfo->FooterHeight() : 0;
}

int32_t TuiGridTableController::GroupByBoxHeight() const {
    const TuiGridTableViewInfo* viewInfo = LaidOutViewInfo();
    return viewInfo && GridTableView().OptionsView().GroupByBox() ? viewInfo->GroupByBoxHeight() : 0;
}

int32_t TuiGridTableController::FilterBarHeight() const {
    const TuiGridTableViewInfo* viewInfo = LaidOutViewInfo();
    return viewInfo ? viewInfo->FilterBarHeight() : 0;
}

TuiGridTableMeasures TuiGridTableController::Measures() const {
    // Every data row has the one height: the list is made again only when the count or the height changes.
    const size_t rowCount = static_cast<size_t>(DataController().GetRowCount());
    const int32_t rowHeight = DataRowHeight();
    if (FRecordHeights.size() != rowCount || (rowCount > 0 && FRecordHeights.front() != rowHeight)) {
        FRecordHeights.assign(rowCount, rowHeight);
    }
    TuiGridTableMeasures measures;
    // The rows end where the site's own scroll bars begin.
    measures.ClientBounds = GridView().Site().GetClientBounds();
    measures.LeftPos = FLeftPos;
    measures.GroupByBoxHeight = GroupByBoxHeight();
    measures.FilterBarHeight = FilterBarHeight();
    measures.FilterBarAtTop = GridTableView().FilterBox().Position() == fpTop;
    measures.HeaderHeight = HeaderHeight();
    measures.FooterHeight = FooterHeight();
    measures.IndicatorWidth = static_cast<const TuiGridTableViewInfo&>(GridTableView().ViewInfo()).Indicator().Width();
    FColumnWidths = TuiGridTableViewInfo::ColumnWidthsOf(
        VisibleColumnList(), measures.LevelIndentsWidth,
        TuiGridTableViewInfo::AutoWidthContentWidth(GridTableView(), ContentWidth(measures)));
    measures.ColumnWidths = FColumnWidths;
    measures.RecordHeights = FRecordHeights;
    measures.TopRecordIndex = TopRecordIndex();
    return measures;
}

int32_t TuiGridTableController::ContentWidth(const TuiGridTableMeasures& measures) {
    return std::max(measures.ClientBounds.Width() - measures.IndicatorWidth, 0);
}

TuiGridTablePlacement TuiGridTableController::Placement() const {
    return PlaceTableView(Measures());
}

TuiGridPlacementSpot TuiGridTableController::SpotAt(vcl::TPoint point) const {
    return SpotIn(Placement(), point);
}

TuiGridPlacementSpot TuiGridTableController::SpotIn(const TuiGridTablePlacement& placement, vcl::TPoint point) const {
    TuiGridTableOptionsCustomize& customize = GridTableView().OptionsCustomize();
    return LocateInTablePlacement(placement, point, customize.ColumnHorzSizing(), customize.DataRowSizing());
}

int32_t TuiGridTableController::PageVisibleRecordCount(int32_t first, bool downward) {
    const TuiGridTableMeasures measures = Measures();
    const int32_t contentHeight = measures.ClientBounds.Height() - measures.GroupByBoxHeight -
                                  measures.FilterBarHeight - measures.HeaderHeight - measures.FooterHeight;
    return ui::PageVisibleRecordCount(measures.RecordHeights, contentHeight, first, downward);
}

void TuiGridTableController::SetLeftPos(int32_t value) {
    const TuiGridTableMeasures measures = Measures();
    value = ClampLeftPos(value, TableDataWidth(measures.ColumnWidths), ContentWidth(measures));
    if (value == FLeftPos) {
        return;
    }
    FLeftPos = value;
    TablePainter().ScrollToLeftPos();
    EditorFollowsLayout();
    GridView().Site().UpdateScrollBars();
    GridTableView().DoLeftPosChanged();
}

void TuiGridTableController::CheckCoordinates() {
    if (!GridView().Site().HandleAllocated()) {
        return;
    }
    TuiCustomGridTableController::CheckCoordinates();
    SetLeftPos(FLeftPos);
    EditorFollowsLayout();
}

void TuiGridTableController::EditorFollowsLayout() {
    if (HasEditingController()) {
        EditingController().LayoutChanged();
    }
}

std::unique_ptr<TuiGridEditingController> TuiGridTableController::CreateEditingController() {
    return std::make_unique<TuiGridTableEditingController>(*this);
}

// The rows still shown move with their pixels rather than being laid out and painted again.
void TuiGridTableController::TopRecordIndexChanged() {
    TablePainter().ScrollToTopRecord();
    EditorFollowsLayout();
    GridView().Site().UpdateScrollBars();
}

TuiGridTablePainter& TuiGridTableController::TablePainter() const {
    return static_cast<TuiGridTablePainter&>(GridView().Painter());
}

void TuiGridTableController::InitScrollBarsParameters() {
    TuiGridSite& site = GridView().Site();
    // A site without its window yet (no parent) has no client area to measure; its bars follow once it is shown.
    if (!site.HandleAllocated()) {
        return;
    }
    const TuiGridTableMeasures measures = Measures();
    const int32_t clientWidth = ContentWidth(measures);
    site.SetScrollBarInfo(sbHorizontal, 0, TableDataWidth(measures.ColumnWidths) - 1, HorzScrollStep, clientWidth,
                          clientWidth > 0 ? FLeftPos : -1, true, true);
    site.SetScrollBarInfo(sbVertical, 0, DataController().GetRowCount() - 1, 1, VisibleRecordCount(), TopRecordIndex(),
                          true, true);
}

void TuiGridTableController::ScrollHorizontally(TScrollCode code, int32_t& position) {
    const int32_t page = ContentWidth(Measures());
    switch (code) {
    case scLineUp:
        SetLeftPos(FLeftPos - HorzScrollStep);
        break;
    case scLineDown:
        SetLeftPos(FLeftPos + HorzScrollStep);
        break;
    case scPageUp:
        SetLeftPos(FLeftPos - page);
        break;
    case scPageDown:
        SetLeftPos(FLeftPos + page);
        break;
    case scTrack:
    case scPosition:
        SetLeftPos(position);
        break;
    case scTop:
        SetLeftPos(0);
        break;
    case scBottom:
        SetLeftPos(TableDataWidth(Measures().ColumnWidths));
        break;
    default:
        break;
    }
    position = FLeftPos;
}

void TuiGridTableController::ScrollVertically(TScrollCode code, int32_t& position) {
    const int32_t top = TopRecordIndex();
    switch (code) {
    case scLineUp:
        SetTopRecordIndex(top - 1);
        break;
    case scLineDown:
        SetTopRecordIndex(top + 1);
        break;
    case scPageUp:
        SetTopRecordIndex(PageUpTopRecordIndex(top, PageVisibleRecordCount(top, false)));
        break;
    case scPageDown:
        SetTopRecordIndex(PageDownTopRecordIndex(top, VisibleRecordCount()));
        break;
    // The records follow the thumb where it is let go; only a provider that navigates itself follows it while
    // tracking, and there is none here.
    case scPosition:
        SetTopRecordIndex(position);
        break;
    case scTop:
        SetTopRecordIndex(0);
        break;
    case scBottom:
        SetTopRecordIndex(DataController().GetRowCount());
        break;
    default:
        break;
    }
    position = TopRecordIndex();
}

void TuiGridTableController::Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) {
    if (kind == sbHorizontal) {
        ScrollHorizontally(code, position);
    } else {
        ScrollVertically(code, position);
    }
}

void TuiGridTableController::MakeItemVisible(TuiCustomGridTableItem* item) {
    if (item == nullptr || item->VisibleIndex() < 0) {
        return;
    }
    const TuiGridTablePlacement placement = Placement();
    if (item->VisibleIndex() >= static_cast<int32_t>(placement.ColumnHeaders.size())) {
        return;
    }
    const vcl::TRect cell = placement.ColumnHeaders[item->VisibleIndex()];
    const vcl::TRect area = placement.RowsAreaBounds;
    if (cell.Width() > area.Width() || cell.Left < area.Left) {
        SetLeftPos(FLeftPos + cell.Left - area.Left);
    } else if (cell.Right > area.Right) {
        SetLeftPos(FLeftPos + cell.Right - area.Right);
    }
}

bool TuiGridTableController::IsColumnSelected(const TuiGridColumn* column) const {
    return std::find(FSelectedColumns.begin(), FSelectedColumns.end(), column) != FSelectedColumns.end();
}

void TuiGridTableController::SelectColumns(TuiGridColumn* from, TuiGridColumn* to) {
    const std::vector<TuiGridColumn*> columns = VisibleColumnList();
    if (columns.empty()) {
        ClearColumnSelection();
        return;
    }
    auto first = from ? std::find(columns.begin(), columns.end(), from) : columns.begin();
    auto last = to ? std::find(columns.begin(), columns.end(), to) : columns.end() - 1;
    if (first == columns.end() || last == columns.end()) {
        return;
    }
    if (first > last) {
        std::swap(first, last);
    }
    std::vector<TuiGridColumn*> range(first, last + 1);
    if (range == FSelectedColumns) {
        return;
    }
    FSelectedColumns = std::move(range);
    GridView().Changed(0);
    TableView().DoSelectionChanged();
}

void TuiGridTableController::ClearColumnSelection() {
    if (FSelectedColumns.empty()) {
        return;
    }
    FSelectedColumns.clear();
    GridView().Changed(0);
    TableView().DoSelectionChanged();
}

void TuiGridTableController::ItemRemoved(TuiCustomGridTableItem* item) {
    // The focus leaves the column first, so that the anchor never lands on the column going away.
    TuiCustomGridTableController::ItemRemoved(item);
    std::erase(FSelectedColumns, item);
    if (FCellSelectionAnchor == item) {
        FCellSelectionAnchor = static_cast<TuiGridColumn*>(FocusedItem());
    }
    if (FPressedColumn == item) {
        FPressedColumn = nullptr;
    }
}

void TuiGridTableController::UpdateColumnSelection(bool extend) {
    auto* focused = static_cast<TuiGridColumn*>(FocusedItem());
    if (!IsCellMultiSelect() || focused == nullptr) {
        return;
    }
    if (!extend || FCellSelectionAnchor == nullptr) {
        FCellSelectionAnchor = focused;
    }
    SelectColumns(FCellSelectionAnchor, focused);
}

void TuiGridTableController::SelectAll() {
    TuiCustomGridTableController::SelectAll();
    if (IsCellMultiSelect()) {
        SelectColumns(nullptr, nullptr);
    }
}

void TuiGridTableController::ClearSelection() {
    TuiCustomGridTableController::ClearSelection();
    ClearColumnSelection();
}

void TuiGridTableController::SelectFocusedRecordOnly() {
    TuiCustomGridTableController::SelectFocusedRecordOnly();
    UpdateColumnSelection(false);
}

void TuiGridTableController::SelectOnKey(uint16_t key, vcl::TShiftState shift) {
    TuiCustomGridTableController::SelectOnKey(key, shift);
    UpdateColumnSelection(shift.Contains(vcl::ssShift));
}

} // namespace ui
