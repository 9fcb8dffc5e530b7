#include "ui/grid/tableview/viewinfo/uiGridTablePainter.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/layout/uiGridGroupByBoxPlacement.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridLineCollection.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableBackgroundBitmaps.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFilterBarViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFooterCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFooterViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridGroupByBoxViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridGroupCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridIndicatorItemViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridIndicatorViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridNewItemRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridPreviewCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewStyles.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace ui {

namespace {

// Centred both ways and broken into lines.
constexpr uint16_t NoDataTextFlags = tfAlignHCenter | tfAlignVCenter | tfWordBreak;
// One line, vertically centred.
constexpr uint16_t GroupByBoxPromptFlags = tfAlignLeft | tfAlignVCenter | tfSingleLine;
constexpr uint16_t FilterBarTextFlags = tfAlignLeft | tfAlignVCenter | tfSingleLine | tfShowEndEllipsis;
constexpr uint16_t SpecialRowInfoTextFlags = tfAlignHCenter | tfAlignVCenter | tfSingleLine | tfShowEndEllipsis;
constexpr uint16_t SpecialRowCellTextFlags = tfAlignLeft | tfAlignVCenter | tfSingleLine | tfShowEndEllipsis;
// The gap between a special row's cell edge and its text.
constexpr int32_t SpecialRowCellTextMargin = 2;
constexpr uint16_t GroupRowTextFlags = tfAlignLeft | tfAlignVCenter | tfSingleLine | tfShowEndEllipsis;
constexpr uint16_t Office11GroupRowTextFlags = tfAlignLeft | tfAlignBottom | tfSingleLine | tfShowEndEllipsis;

// The canvas clipped to a rectangle while it lives; the clip region comes back however the painting inside ends.
class TTablePainterClip {
public:
    TTablePainterClip(TuiCanvas& canvas, const vcl::TRect& rect) : FCanvas(canvas) {
        FCanvas.PushClipRegion();
        FCanvas.IntersectClipArea(rect);
    }
    ~TTablePainterClip() { FCanvas.PopClipRegion(); }
    TTablePainterClip(const TTablePainterClip&) = delete;
    TTablePainterClip& operator=(const TTablePainterClip&) = delete;

private:
    TuiCanvas& FCanvas;
};

TuiButtonState HeaderButtonState(const TuiGridColumnHeaderViewInfo& header) {
    if (header.IsShownPressed()) {
        return uibsPressed;
    }
    return header.State() == cmsHot ? uibsHot : uibsNormal;
}

vcl::TRect IntersectionOf(const vcl::TRect& a, const vcl::TRect& b) {
    const vcl::TRect result{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                            std::min(a.Bottom, b.Bottom)};
    return result.IsEmpty() ? vcl::TRect{} : result;
}

// A look-and-feel painter's background hook that tiles bitmap and reports it drew; empty without a bitmap, so that
// the painter fills with its colour.
TuiBackgroundHook BitmapBackgroundHook(vcl::TBitmap* bitmap) {
    if (!bitmap) {
        return {};
    }
    return [bitmap](TuiCanvas& canvas, const vcl::TRect& rect) {
        canvas.FillRect(rect, bitmap);
        return true;
    };
}

} // namespace

TuiGridTableViewInfo& TuiGridTablePainter::TableViewInfo() const {
    return static_cast<TuiGridTableViewInfo&>(GridView().ViewInfo());
}

void TuiGridTablePainter::PaintContent() {
    // A focus or selection change repaints without a new layout; the cells' editors follow it here (no window moves).
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    viewInfo.RefreshSelectedCells();
    DrawBand(viewInfo.GroupByBox().Bounds(), &TuiGridTablePainter::DrawGroupByBox);
    DrawBand(viewInfo.FilterBar().Bounds(), &TuiGridTablePainter::DrawFilterBar);
    DrawBand(viewInfo.Indicator().Bounds(), &TuiGridTablePainter::DrawIndicator);
    // The bands scrolled left pass under the indicator, which stays.
    const TTablePainterClip clip(Canvas(), ContentBounds());
    DrawBand(viewInfo.Placement().HeaderBounds, &TuiGridTablePainter::DrawHeaderBand);
    DrawSpecialRows();
    DrawRecords();
    DrawNoDataText();
    DrawBand(viewInfo.Footer().Bounds(), &TuiGridTablePainter::DrawFooter);
}

void TuiGridTablePainter::DrawBand(const vcl::TRect& bounds, void (TuiGridTablePainter::*draw)(const vcl::TRect&)) {
    const vcl::TRect band = IntersectionOf(bounds, TableViewInfo().ClientBounds());
    if (band.IsEmpty()) {
        return;
    }
    const TTablePainterClip clip(Canvas(), band);
    (this->*draw)(band);
    ExcludeFromBackground(band);
}

vcl::TRect TuiGridTablePainter::ContentBounds() const {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    return TableContentBounds(viewInfo.Placement(), viewInfo.ClientBounds());
}

void TuiGridTablePainter::DrawGroupByBox(const vcl::TRect& band) {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    const TuiGridGroupByBoxViewInfo& box = viewInfo.GroupByBox();
    TuiDrawParams params;
    GridView().Styles().ResolveDrawParams(TuiGridTableViewStyles::vsGroupByBox, nullptr, nullptr, params);
    vcl::TBitmap* bitmap = Bitmap(TuiGridTableBackgroundBitmaps::bbGroupByBox);
    GridView().LookAndFeelPainter()->PaintGroupByBox(Canvas(), band, bitmap != nullptr, params.Color, bitmap);
    if (box.HasPrompt()) {
        DrawBandText(TuiGridGroupByBoxViewInfo::PromptText(), box.PromptBounds(), GroupByBoxPromptFlags, params);
    }
    for (int32_t i = 0; i < box.HeaderCount(); ++i) {
        DrawColumnHeader(box.Headers(i));
    }
    // Elbows lead from each header down to the next one.
    for (int32_t i = 0; i + 1 < box.HeaderCount(); ++i) {
        const TuiGridGroupByBoxConnector connector = GroupByBoxConnector(box.Headers(i).Bounds());
        Canvas().FillRectColor(connector.Down, vcl::clBtnText);
        Canvas().FillRectColor(connector.Across, vcl::clBtnText);
    }
}

void TuiGridTablePainter::DrawFilterBar(const vcl::TRect& band) {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    TuiGridFilterBarViewInfo& bar = viewInfo.FilterBar();
    const TuiCustomLookAndFeelPainter& painter = *GridView().LookAndFeelPainter();
    TuiDrawParams params;
    bar.GetParams(params);
    if (!bar.CustomDrawBackground(Canvas())) {
        painter.PaintFilterBoxBackground(Canvas(), band, false, params.Color, nullptr);
    }
    DrawBandText(bar.Text(), bar.TextBounds(), FilterBarTextFlags, params);
    if (bar.ButtonVisible(fbbClose)) {
        painter.PaintFilterCloseBox(Canvas(), bar.ButtonBounds(fbbClose), uibsNormal);
    }
    if (bar.ButtonVisible(fbbActivate)) {
        painter.PaintFilterActivateBox(Canvas(), bar.ButtonBounds(fbbActivate), uibsNormal, bar.FilterActive());
    }
    if (bar.ButtonVisible(fbbCustomize)) {
        painter.PaintButton(Canvas(), bar.ButtonBounds(fbbCustomize), TuiGridFilterBarViewInfo::CustomizeCaption(),
                            uibsNormal, true, vcl::clDefault, vcl::clDefault, false, false);
    }
    if (bar.ButtonVisible(fbbDropDown)) {
        painter.PaintFilterDropDown(Canvas(), bar.ButtonBounds(fbbDropDown), uibsNormal, bar.FilterActive());
    }
}

void TuiGridTablePainter::DrawBandText(rtl::UnicodeStringView text, const vcl::TRect& bounds, uint16_t flags,
                                       const TuiDrawParams& params) {
    Canvas().PushState();
    if (params.Font) {
        Canvas().SetFont(*params.Font);
    }
    Canvas().Font().SetColor(params.TextColor);
    Canvas().Brush().SetStyle(vcl::bsClear);
    Canvas().DrawText(text, bounds, flags);
    Canvas().Brush().SetStyle(vcl::bsSolid);
    Canvas().PopState();
}

void TuiGridTablePainter::DrawIndicator(const vcl::TRect& band) {
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    const TuiGridIndicatorViewInfo& indicator = viewInfo.Indicator();
    TuiDrawParams params;
    GridView().Styles().ResolveDrawParams(TuiCustomGridViewStyles::vsBackground, nullptr, nullptr, params);
    FillBackground(band, params.Color, Bitmap(TuiCustomGridBackgroundBitmaps::bbBackground));
    DrawIndicatorItem({viewInfo, TuiGridIndicatorItemKind::Header, nullptr}, indicator.HeaderItemBounds());
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        const TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
        DrawIndicatorItem({viewInfo, TuiGridIndicatorItemKind::Row, &row}, indicator.RowItemBounds(row));
    }
    DrawIndicatorItem({viewInfo, TuiGridIndicatorItemKind::Footer, nullptr}, indicator.FooterItemBounds());
}

// The view's handler may paint the item, or leave it another colour for the look's painting.
void TuiGridTablePainter::DrawIndicatorItem(TuiGridIndicatorItemViewInfo&& item, const vcl::TRect& bounds) {
    if (bounds.IsEmpty()) {
        return;
    }
    item.CalculateInRect(bounds);
    if (item.HasCustomDraw()) {
        const TTablePainterClip clip(Canvas(), bounds);
        Canvas().PushState();
        const bool done = item.CustomDraw(Canvas());
        Canvas().PopState();
        if (done) {
            return;
        }
    }
    const TuiCustomLookAndFeelPainter& painter = *GridView().LookAndFeelPainter();
    const TuiDrawParams& params = item.Params();
    switch (item.Kind()) {
    case TuiGridIndicatorItemKind::Header:
        DrawIndicatorHeaderItem(bounds, params);
        break;
    case TuiGridIndicatorItemKind::Row:
        painter.PaintIndicatorCell(Canvas(), bounds, TableViewInfo().Indicator().RowKind(*item.Row()), params.Color,
                                   BitmapBackgroundHook(Bitmap(TuiGridTableBackgroundBitmaps::bbIndicator)));
        break;
    case TuiGridIndicatorItemKind::Footer:
        DrawFooterFrame(bounds, TableViewInfo().Footer().SeparatorBounds().Height());
        break;
    }
}

void TuiGridTablePainter::DrawIndicatorHeaderItem(const vcl::TRect& item, const TuiDrawParams& params) {
    const TuiCustomLookAndFeelPainter& painter = *GridView().LookAndFeelPainter();
    TuiBorders neighbours;
    neighbours.Include(bRight);
    painter.PaintHeaderCell(Canvas(), item, item, neighbours, uiAllBorders, uibsNormal, {}, {}, nullptr, vcl::clNone,
                            params.Color, BitmapBackgroundHook(Bitmap(TuiGridTableBackgroundBitmaps::bbHeader)), false,
                            false);
    if (TableViewInfo().TableView().OptionsCustomize().ColumnsQuickCustomization()) {
        painter.PaintIndicatorCustomizeMark(Canvas(), item, params.TextColor);
    }
}

// The footer's background under its separator strip and within its frame.
void TuiGridTablePainter::DrawFooterFrame(const vcl::TRect& band, int32_t separatorHeight) {
    const TuiCustomLookAndFeelPainter& painter = *GridView().LookAndFeelPainter();
    TuiDrawParams params;
    TableViewInfo().TableView().Styles().GetFooterParams(nullptr, nullptr, -1, nullptr, params);
    params.Bitmap = Bitmap(TuiGridTableBackgroundBitmaps::bbFooter);
    const int32_t separatorBottom = std::min(band.Bottom, band.Top + separatorHeight);
    const vcl::TRect framed{band.Left, separatorBottom, band.Right, band.Bottom};
    painter.PaintFooterBackground(Canvas(), framed, params);
    painter.FillFooterSeparator(Canvas(), {band.Left, band.Top, band.Right, separatorBottom});
    painter.PaintFooterFrame(Canvas(), framed);
}

void TuiGridTablePainter::DrawHeaderBand(const vcl::TRect& band) {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    // The band's background first: a see-through header, or a skin's header image with transparent pixels, shows
    // it.
    TuiDrawParams params;
    viewInfo.TableView().Styles().GetHeaderParams(nullptr, params);
    FillBackground(band, params.Color, Bitmap(TuiGridTableBackgroundBitmaps::bbHeader));
    for (int32_t i = 0; i < viewInfo.ColumnHeaderCount(); ++i) {
        DrawColumnHeader(viewInfo.ColumnHeaders(i));
    }
}

void TuiGridTablePainter::DrawColumnHeader(TuiGridColumnHeaderViewInfo& header) {
    if (!Canvas().RectVisible(header.PaintBounds()) || CustomDrawColumnHeader(header)) {
        return;
    }
    const TuiCustomLookAndFeelPainter& painter = *GridView().LookAndFeelPainter();
    TuiDrawParams params;
    TableViewInfo().TableView().Styles().GetHeaderParams(&header.Column(), params);
    const TuiTextLayout layout{header.AlignmentHorz(), header.AlignmentVert(), header.MultiLinePainting(),
                               (header.GetTextAttributes(true) & uiGridTextEndEllipsis) != 0};
    painter.PaintHeaderCell(Canvas(), header.PaintBounds(), header.CaptionBounds(), header.Neighbours(), uiAllBorders,
                            HeaderButtonState(header), layout, header.Text(), params.Font, params.TextColor,
                            params.Color, BitmapBackgroundHook(Bitmap(TuiGridTableBackgroundBitmaps::bbHeader)),
                            header.IsLast(), false);
    if (header.HasSortingMark()) {
        const TTablePainterClip clip(Canvas(), header.SortingMarkBounds());
        painter.PaintSortArrow(Canvas(), header.SortingMarkBounds(), header.SortedAscending());
    }
    if (header.HasFilterButton()) {
        const TTablePainterClip clip(Canvas(), header.FilterButtonBounds());
        painter.PaintFilterDropDown(Canvas(), header.FilterButtonBounds(), header.FilterButtonState(),
                                    header.IsFiltered());
    }
    if (header.HasGlyph()) {
        const TTablePainterClip clip(Canvas(), header.GlyphBounds());
        Canvas().DrawGraphic(header.GlyphBounds().Left, header.GlyphBounds().Top, header.Column().HeaderGlyph());
    }
    if (header.IsShownPressed()) {
        painter.PaintPressedHeader(Canvas(), header.PaintBounds());
    }
}

bool TuiGridTablePainter::CustomDrawColumnHeader(TuiGridColumnHeaderViewInfo& header) {
    const TuiGridColumn& column = header.Column();
    const bool assigned = column.HasCustomDrawHeader() || TableViewInfo().TableView().HasCustomDrawColumnHeader();
    return assigned && CustomDrawColumnCell(header, header.PaintBounds(), &TuiGridColumn::DoCustomDrawHeader,
                                            &TuiGridTableView::DoCustomDrawColumnHeader);
}

bool TuiGridTablePainter::CustomDrawFooterCell(TuiGridFooterCellViewInfo& cell) {
    const TuiGridColumn& column = cell.Column();
    const bool assigned = column.HasCustomDrawFooterCell() || TableViewInfo().TableView().HasCustomDrawFooterCell();
    return assigned && CustomDrawColumnCell(cell, cell.Bounds(), &TuiGridColumn::DoCustomDrawFooterCell,
                                            &TuiGridTableView::DoCustomDrawFooterCell);
}

// The column's handler first, the view's when the column's did not draw the cell; the handlers paint within bounds
// and leave the canvas as they found it.
bool TuiGridTablePainter::CustomDrawColumnCell(TuiGridColumnHeaderViewInfo& cell, const vcl::TRect& bounds,
                                               TColumnCellHandler columnHandler, TViewCellHandler viewHandler) {
    const TTablePainterClip clip(Canvas(), bounds);
    Canvas().PushState();
    bool done = false;
    (cell.Column().*columnHandler)(Canvas(), &cell, done);
    if (!done) {
        (TableViewInfo().TableView().*viewHandler)(Canvas(), &cell, done);
    }
    Canvas().PopState();
    return done;
}

void TuiGridTablePainter::DrawRecords() {
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    TuiGridLineCollection lines;
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        const TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
        DrawLevelIndents(row);
        DrawRowBottom(row);
        DrawGroupRow(row, lines);
        for (int32_t i = 0; i < row.CellCount(); ++i) {
            if (!row.Cells(i).IsMerged()) {
                DrawDataCell(row.Cells(i), lines);
            }
        }
        if (row.Preview() && row.Preview()->Bounds().Height() > 0) {
            DrawDataCell(*row.Preview(), lines);
        }
    }
    lines.Draw(Canvas(), viewInfo.GridLineColor());
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        const TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
        DrawRowFocusRect(row);
        ExcludeFromBackground(row.Bounds());
    }
}

void TuiGridTablePainter::DrawDataCell(TuiGridDataCellViewInfo& cell, TuiGridLineCollection& lines) {
    lines.AddBorders(cell.Bounds(), cell.Borders(), TuiGridTableViewInfo::GridLineWidth);
    cell.Paint(Canvas());
}

void TuiGridTablePainter::DrawSpecialRows() {
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    for (int32_t position = 0; position < viewInfo.SpecialRowCount(); ++position) {
        const TuiGridNewItemRowViewInfo& row = viewInfo.SpecialRows(position);
        DrawSpecialRow(row, viewInfo.Placement().SpecialRows.at(static_cast<size_t>(position)).Cells);
        ExcludeFromBackground(row.Bounds());
    }
}

void TuiGridTablePainter::DrawSpecialRow(const TuiGridNewItemRowViewInfo& row, const std::vector<vcl::TRect>& cells) {
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    const vcl::TRect content = row.ContentBounds();
    TuiDrawParams params;
    if (row.ShowsInfoText()) {
        row.GetInfoTextParams(params);
        Canvas().FillRectColor(content, params.Color);
        const TTablePainterClip clip(Canvas(), content);
        DrawBandText(row.InfoText(), row.InfoTextBounds(), SpecialRowInfoTextFlags, params);
    } else {
        viewInfo.TableView().Styles().GetContentParams(row.GridRecord(), nullptr, params);
        Canvas().FillRectColor(content, params.Color);
        TuiGridLineCollection lines;
        const TTablePainterClip clip(Canvas(), content);
        for (size_t i = 0; i < cells.size(); ++i) {
            vcl::TRect cell = cells[i];
            cell.Bottom = content.Bottom;
            const TuiGridColumn& column = *viewInfo.TableView().VisibleColumns(static_cast<int32_t>(i));
            const vcl::TRect textBounds{cell.Left + SpecialRowCellTextMargin, cell.Top,
                                        cell.Right - SpecialRowCellTextMargin, cell.Bottom};
            DrawBandText(row.CellText(column), textBounds, SpecialRowCellTextFlags, params);
            lines.AddBorders(cell, viewInfo.CellBordersForGridLines(i + 1 == cells.size()),
                             TuiGridTableViewInfo::GridLineWidth);
        }
        lines.Draw(Canvas(), viewInfo.GridLineColor());
    }
    const TuiCustomLookAndFeelPainter& painter = *GridView().LookAndFeelPainter();
    const vcl::TRect separator = row.SeparatorBounds();
    painter.PaintHeaderCell(Canvas(), separator, separator, {}, uiAllBorders, uibsNormal, {}, {}, nullptr,
                            painter.HeaderTextColor(), row.SeparatorColor(), {}, false, false);
}

void TuiGridTablePainter::DrawGroupRow(const TuiGridDataRowViewInfo& row, TuiGridLineCollection& lines) {
    TuiGridGroupRow* groupRow = row.GroupRow();
    if (!groupRow) {
        return;
    }
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    TuiGridGroupCellViewInfo& cell = *row.GroupCell();
    const vcl::TRect separator = row.Office11SeparatorBounds();
    TuiBorders borders = viewInfo.CellBordersForGridLines(true);
    if (!separator.IsEmpty()) {
        borders.Exclude(bBottom);
    }
    lines.AddBorders(cell.Bounds(), borders, TuiGridTableViewInfo::GridLineWidth);
    const TTablePainterClip clip(Canvas(), cell.Bounds());
    TuiDrawParams saved;
    cell.SaveParams(saved);
    try {
        if (!cell.CustomDraw(Canvas())) {
            DrawGroupCellContent(cell, groupRow->GetExpanded(), separator.IsEmpty());
        }
    } catch (...) {
        cell.RestoreParams(saved);
        throw;
    }
    cell.RestoreParams(saved);
    Canvas().FillRectColor(separator, viewInfo.GridView().LookAndFeelPainter()->Office11GroupSeparatorColor());
}

// The cell in its colour, the expand button and the caption, in what the cell's parameters say now.
void TuiGridTablePainter::DrawGroupCellContent(const TuiGridGroupCellViewInfo& cell, bool expanded, bool standard) {
    const TuiDrawParams& params = cell.Params();
    Canvas().FillRectColor(cell.Bounds(), params.Color);
    const vcl::TRect& button = cell.Row().ExpandButtonBounds();
    if (!button.IsEmpty()) {
        GridView().LookAndFeelPainter()->PaintExpandBox(Canvas(), button, expanded, params.TextColor);
    }
    DrawBandText(cell.Text(), cell.GetTextAreaBounds(), standard ? GroupRowTextFlags : Office11GroupRowTextFlags,
                 params);
}

void TuiGridTablePainter::DrawLevelIndents(const TuiGridDataRowViewInfo& row) {
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    TuiGridTableViewStyles& styles = viewInfo.TableView().Styles();
    const vcl::TColor gridLineColor = viewInfo.GridLineColor();
    TuiDrawParams params;
    for (int32_t level = 0; level < row.IndentCount(); ++level) {
        const TuiGridLevelIndentRects indent = row.LevelIndent(level);
        styles.GetGroupParams(nullptr, level, params);
        Canvas().FillRectColor(indent.Background, params.Color);
        Canvas().FillRectColor(indent.RightLine, gridLineColor);
        Canvas().FillRectColor(indent.BottomLine, gridLineColor);
    }
    if (row.GroupRow() == nullptr && !row.ExpandButtonBounds().IsEmpty()) {
        const TuiCustomGridRecord* record = row.GridRecord();
        viewInfo.GridView().LookAndFeelPainter()->PaintExpandBox(Canvas(), row.ExpandButtonBounds(),
                                                                 record && record->GetExpanded(), vcl::clDefault);
    }
}

void TuiGridTablePainter::DrawRowBottom(const TuiGridDataRowViewInfo& row) {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    Canvas().FillRectColor(row.SeparatorBounds(), viewInfo.RowSeparatorColor());
    Canvas().FillRectColor(row.ClosingLineBounds(), viewInfo.GridLineColor());
}

void TuiGridTablePainter::DrawRowFocusRect(const TuiGridDataRowViewInfo& row) {
    TuiGridTableView& view = TableViewInfo().TableView();
    if (!view.OptionsView().FocusRect() || !row.IsFocused()) {
        return;
    }
    const bool hideOnExit =
        static_cast<TuiCustomGridTableOptionsSelection&>(view.OptionsSelection()).HideFocusRectOnExit();
    if (row.HasRecordFocusRect()) {
        DrawFocusRect(row.Bounds(), hideOnExit);
        return;
    }
    for (int32_t i = 0; i < row.CellCount(); ++i) {
        if (row.Cells(i).IsFocusedCell()) {
            DrawFocusRect(row.Cells(i).ContentBounds(), hideOnExit);
        }
    }
}

// After the records: the last row may reach under the footer. Its frame follows the whole band; the clip keeps it
// to the part shown.
void TuiGridTablePainter::DrawFooter(const vcl::TRect& /*shown*/) {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    const TuiGridFooterViewInfo& footer = viewInfo.Footer();
    DrawFooterFrame(footer.Bounds(), footer.SeparatorBounds().Height());
    const TuiCustomLookAndFeelPainter& painter = *GridView().LookAndFeelPainter();
    TuiGridTableViewStyles& styles = viewInfo.TableView().Styles();
    TuiDrawParams params;
    const TuiBackgroundHook background = BitmapBackgroundHook(Bitmap(TuiGridTableBackgroundBitmaps::bbFooter));
    for (int32_t i = 0; i < footer.CellCount(); ++i) {
        const TuiGridFooterCell& cell = footer.Cells(i);
        if (!Canvas().RectVisible(cell.Bounds) || CustomDrawFooterCell(*cell.ViewInfo)) {
            continue;
        }
        styles.GetFooterCellParams(nullptr, cell.Column, -1, cell.SummaryItem, params);
        const TuiTextLayout layout{cell.Column->FooterAlignmentHorz(), cell.Column->HeaderAlignmentVert(), false, true};
        painter.PaintFooterCell(Canvas(), cell.Bounds, layout, cell.Text, params.Font, params.TextColor, params.Color,
                                background);
    }
}

void TuiGridTablePainter::DrawNoDataText() {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    if (!viewInfo.HasNoDataText()) {
        return;
    }
    const vcl::TRect bounds = viewInfo.NoDataTextBounds();
    TuiDrawParams params;
    GridView().Styles().ResolveDrawParams(TuiCustomGridViewStyles::vsBackground, nullptr, nullptr, params);
    FillBackground(bounds, params.Color, Bitmap(TuiCustomGridBackgroundBitmaps::bbBackground));
    DrawBandText(viewInfo.TableView().OptionsView().NoDataToDisplayInfoText(), bounds, NoDataTextFlags, params);
    ExcludeFromBackground(bounds);
}

bool TuiGridTablePainter::CanScrollByPixels(bool vertical) const {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    return GridView().Site().HandleAllocated() && !viewInfo.HasNoDataText() && !HasBitmapUnderMovingParts(vertical) &&
           !(vertical && viewInfo.HasMergingColumn()) && !(!vertical && viewInfo.ShowsSpecialRowInfoText());
}

// The tiles stay where they are while the pixels over them would move.
bool TuiGridTablePainter::HasBitmapUnderMovingParts(bool vertical) const {
    return Bitmap(TuiCustomGridBackgroundBitmaps::bbBackground) || Bitmap(TuiGridTableBackgroundBitmaps::bbGroup) ||
           Bitmap(TuiGridTableBackgroundBitmaps::bbFooter) ||
           (!vertical && Bitmap(TuiGridTableBackgroundBitmaps::bbHeader));
}

vcl::TBitmap* TuiGridTablePainter::Bitmap(int32_t index) const {
    return GridView().BackgroundBitmaps().GetBitmap(index);
}

void TuiGridTablePainter::FillBackground(const vcl::TRect& rect, vcl::TColor color, vcl::TBitmap* bitmap) {
    if (bitmap) {
        Canvas().FillRect(rect, bitmap);
        return;
    }
    Canvas().FillRectColor(rect, color);
}

vcl::TRect TuiGridTablePainter::RecordsScrollBounds() const {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    vcl::TRect bounds = viewInfo.ClientBounds();
    bounds.Top = std::max(bounds.Top, viewInfo.Placement().RowsAreaBounds.Top);
    bounds.Bottom = std::min(bounds.Bottom, viewInfo.Placement().RowsAreaBounds.Bottom);
    return bounds;
}

bool TuiGridTablePainter::CanOffsetLayout() const {
    return TableViewInfo().IsCalculated() && !GridView().IsUpdateLocked() && GridView().CanUpdateLayout();
}

void TuiGridTablePainter::ScrollToTopRecord() {
    if (!CanOffsetLayout()) {
        GridView().LayoutChanged();
        return;
    }
    const bool canMovePixels = CanScrollByPixels(true);
    const int32_t dy = TableViewInfo().ScrollToTopRecord();
    if (!canMovePixels || dy == 0) {
        Invalidate();
        return;
    }
    const vcl::TRect scroll = RecordsScrollBounds();
    ScrollWindowEx(GridView().Site().Handle(), 0, dy, vcl::AsRECT(&scroll), vcl::AsRECT(&scroll), nullptr, nullptr,
                   SW_INVALIDATE | SW_ERASE);
}

void TuiGridTablePainter::ScrollToLeftPos() {
    if (!CanOffsetLayout()) {
        GridView().LayoutChanged();
        return;
    }
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    const bool canMovePixels = CanScrollByPixels(false);
    const int32_t dx = viewInfo.ScrollToLeftPos();
    if (!canMovePixels) {
        Invalidate();
        return;
    }
    const vcl::TRect scroll = ContentBounds();
    ScrollWindowEx(GridView().Site().Handle(), dx, 0, vcl::AsRECT(&scroll), vcl::AsRECT(&scroll), nullptr, nullptr,
                   SW_INVALIDATE | SW_ERASE);
    GridView().Site().Update();
}

} // namespace ui
