#include "xls/xlsx/sheet/XLSReadXLSXSheetViews.h"

#include "rtl/text/CodePages.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"
#include "xls/core/xml/XpgValueLists.h"
#include "xls/xlsx/sheet/XLSReadXLSXFilters.h"
#include "xls/xlsx/sheet/XLSReadXLSXSheetSettings.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <cstdint>

namespace xls {

using namespace xpgParserXLSX;

namespace {

void ReadPane(const TCT_Pane& element, TXc12Pane& pane) {
    pane.SetXSplit(element.GetXSplit());
    pane.SetYSplit(element.GetYSplit());
    pane.SetTopLeftCell(AreaOf(element.GetTopLeftCell()));
    pane.SetActivePane(element.GetActivePane());
    pane.SetState(element.GetState());
}

void ReadSelection(const TCT_Selection& element, TXc12Selection& selection) {
    selection.SetPane(element.GetPane());
    selection.SetActiveCell(AreaOf(element.GetActiveCell()));
    selection.SetActiveCellId(element.GetActiveCellId());
    if (element.GetSqref().GetCount() > 0) {
        selection.GetRanges().Clear();
        ReadAreas(element.GetSqref(), selection.GetRanges());
    }
}

void ReadPivotAreaReference(const TCT_PivotAreaReference& element, TXc12PivotAreaReference& reference) {
    reference.SetField(element.GetField());
    reference.SetSelected(element.GetSelected());
    reference.SetByPosition(element.GetByPosition());
    reference.SetRelative(element.GetRelative());
    reference.SetDefaultSubtotal(element.GetDefaultSubtotal());
    reference.SetSumSubtotal(element.GetSumSubtotal());
    reference.SetCountASubtotal(element.GetCountASubtotal());
    reference.SetAvgSubtotal(element.GetAvgSubtotal());
    reference.SetMaxSubtotal(element.GetMaxSubtotal());
    reference.SetMinSubtotal(element.GetMinSubtotal());
    reference.SetProductSubtotal(element.GetProductSubtotal());
    reference.SetCountSubtotal(element.GetCountSubtotal());
    reference.SetStdDevSubtotal(element.GetStdDevSubtotal());
    reference.SetStdDevPSubtotal(element.GetStdDevPSubtotal());
    reference.SetVarSubtotal(element.GetVarSubtotal());
    reference.SetVarPSubtotal(element.GetVarPSubtotal());
    for (int32_t i = 0; i < element.GetX().Count(); ++i) {
        reference.GetX().Add(element.GetX().GetItem(i).GetV());
    }
}

void ReadPivotArea(const TCT_PivotArea& element, TXc12PivotArea& area) {
    area.SetField(element.GetField());
    area.SetType(element.GetType());
    area.SetDataOnly(element.GetDataOnly());
    area.SetLabelOnly(element.GetLabelOnly());
    area.SetGrandRow(element.GetGrandRow());
    area.SetGrandCol(element.GetGrandCol());
    area.SetCacheIndex(element.GetCacheIndex());
    area.SetOutline(element.GetOutline());
    area.SetOffset(AreaOf(element.GetOffset()));
    area.SetCollapsedLevelsAreSubtotals(element.GetCollapsedLevelsAreSubtotals());
    area.SetAxis(element.GetAxis());
    area.SetFieldPosition(element.GetFieldPosition());
    const TCT_PivotAreaReferenceXpgList& references = element.GetReferences().GetReference();
    for (int32_t i = 0; i < references.Count(); ++i) {
        ReadPivotAreaReference(references.GetItem(i), *area.GetReferences().Add());
    }
}

void ReadPivotSelection(const TCT_PivotSelection& element, TXc12PivotSelection& selection) {
    selection.SetPane(element.GetPane());
    selection.SetShowHeader(element.GetShowHeader());
    selection.SetLabel(element.GetLabel());
    selection.SetData(element.GetData());
    selection.SetExtendable(element.GetExtendable());
    selection.SetCount(element.GetCount());
    selection.SetAxis(element.GetAxis());
    selection.SetDimension(element.GetDimension());
    selection.SetStart(element.GetStart());
    selection.SetMin(element.GetMin());
    selection.SetMax(element.GetMax());
    selection.SetActiveRow(element.GetActiveRow());
    selection.SetActiveCol(element.GetActiveCol());
    selection.SetPreviousRow(element.GetPreviousRow());
    selection.SetPreviousCol(element.GetPreviousCol());
    selection.SetClick(element.GetClick());
    selection.SetRId(rtl::UnicodeToAnsi(element.GetId()));
    ReadPivotArea(element.GetPivotArea(), selection.GetPivotArea());
}

void ReadSheetView(const TCT_SheetView& element, TXc12SheetView& view) {
    view.SetWindowProtection(element.GetWindowProtection());
    view.SetShowFormulas(element.GetShowFormulas());
    view.SetShowGridLines(element.GetShowGridLines());
    view.SetShowRowColHeaders(element.GetShowRowColHeaders());
    view.SetShowZeros(element.GetShowZeros());
    view.SetRightToLeft(element.GetRightToLeft());
    view.SetTabSelected(element.GetTabSelected());
    view.SetShowRuler(element.GetShowRuler());
    view.SetShowOutlineSymbols(element.GetShowOutlineSymbols());
    view.SetDefaultGridColor(element.GetDefaultGridColor());
    view.SetShowWhiteSpace(element.GetShowWhiteSpace());
    view.SetView(element.GetView());
    view.SetTopLeftCell(AreaOf(element.GetTopLeftCell()));
    view.SetColorId(element.GetColorId());
    view.SetZoomScale(element.GetZoomScale());
    view.SetZoomScaleNormal(element.GetZoomScaleNormal());
    view.SetZoomScaleSheetLayoutView(element.GetZoomScaleSheetLayoutView());
    view.SetZoomScalePageLayoutView(element.GetZoomScalePageLayoutView());
    view.SetWorkbookViewId(element.GetWorkbookViewId());
    if (element.GetPane().Assigned()) {
        ReadPane(element.GetPane(), view.GetPane());
    }
    for (int32_t i = 0; i < element.GetSelection().Count(); ++i) {
        ReadSelection(element.GetSelection().GetItem(i), *view.GetSelections().Add());
    }
    for (int32_t i = 0; i < element.GetPivotSelection().Count(); ++i) {
        ReadPivotSelection(element.GetPivotSelection().GetItem(i), *view.GetPivotSelections().Add());
    }
}

void ReadCustomSheetView(const TCT_CustomSheetView& element, TXc12CustomSheetView& view,
                         TXc12DataStyleSheet& styleSheet) {
    view.SetGuid(element.GetGuid());
    view.SetScale(element.GetScale());
    view.SetColorId(element.GetColorId());
    view.SetShowPageBreaks(element.GetShowPageBreaks());
    view.SetShowFormulas(element.GetShowFormulas());
    view.SetShowGridLines(element.GetShowGridLines());
    view.SetShowRowCol(element.GetShowRowCol());
    view.SetOutlineSymbols(element.GetOutlineSymbols());
    view.SetZeroValues(element.GetZeroValues());
    view.SetFitToPage(element.GetFitToPage());
    view.SetPrintArea(element.GetPrintArea());
    view.SetFilter(element.GetFilter());
    view.SetShowAutoFilter(element.GetShowAutoFilter());
    view.SetHiddenRows(element.GetHiddenRows());
    view.SetHiddenColumns(element.GetHiddenColumns());
    view.SetState(element.GetState());
    view.SetFilterUnique(element.GetFilterUnique());
    view.SetView(element.GetView());
    view.SetShowRuler(element.GetShowRuler());
    view.SetTopLeftCell(AreaOf(element.GetTopLeftCell()));
    if (element.GetPane().Assigned()) {
        ReadPane(element.GetPane(), view.GetPane());
    }
    if (element.GetSelection().Assigned()) {
        ReadSelection(element.GetSelection(), view.GetSelection());
    }
    ReadPageBreaks(element.GetRowBreaks(), view.GetRowBreaks());
    ReadPageBreaks(element.GetColBreaks(), view.GetColBreaks());
    if (element.GetPageMargins().Assigned()) {
        ReadPageMargins(element.GetPageMargins(), view.GetPageMargins());
    }
    if (element.GetPrintOptions().Assigned()) {
        ReadPrintOptions(element.GetPrintOptions(), view.GetPrintOptions());
    }
    if (element.GetPageSetup().Assigned()) {
        ReadPageSetup(element.GetPageSetup(), view.GetPageSetup());
    }
    if (element.GetHeaderFooter().Assigned()) {
        ReadHeaderFooter(element.GetHeaderFooter(), view.GetHeaderFooter());
    }
    if (element.GetAutoFilter().Assigned()) {
        ReadAutoFilter(element.GetAutoFilter(), view.GetAutoFilter(), styleSheet);
    }
}

} // namespace

void ReadSheetViews(const TCT_SheetViews& element, TXc12DataWorksheet& sheet) {
    sheet.GetSheetViews().Clear();
    for (int32_t i = 0; i < element.GetSheetView().Count(); ++i) {
        ReadSheetView(element.GetSheetView().GetItem(i), *sheet.AddSheetView());
    }
}

void ReadChartsheetViews(const TCT_ChartsheetViews& element, TXc12DataWorksheet& sheet) {
    sheet.GetSheetViews().Clear();
    for (int32_t i = 0; i < element.GetSheetView().Count(); ++i) {
        const TCT_ChartsheetView& item = element.GetSheetView().GetItem(i);
        TXc12SheetView& view = *sheet.AddSheetView();
        view.SetTabSelected(item.GetTabSelected());
        view.SetZoomScale(item.GetZoomScale());
        view.SetWorkbookViewId(item.GetWorkbookViewId());
    }
}

void ReadCustomSheetViews(const TCT_CustomSheetViews& element, TXc12DataWorksheet& sheet,
                          TXc12DataStyleSheet& styleSheet) {
    for (int32_t i = 0; i < element.GetCustomSheetView().Count(); ++i) {
        ReadCustomSheetView(element.GetCustomSheetView().GetItem(i), *sheet.GetCustomSheetViews().Add(), styleSheet);
    }
}

} // namespace xls
