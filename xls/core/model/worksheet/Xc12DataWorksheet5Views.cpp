#include "xls/core/model/worksheet/Xc12DataWorksheet5Views.h"

#include <memory>

namespace xls {

void TXc12Selection::Clear() {
    FPane = x12pTopLeft;
    CellToCellArea(0, 0, FActiveCell);
    FActiveCellId = 0;
    FRanges.Clear();
    FRanges.AddCell(0, 0);
}

void TXc12PivotAreaReference::Clear() {
    FField = 0;
    FSelected = true;
    FByPosition = false;
    FRelative = false;
    FDefaultSubtotal = false;
    FSumSubtotal = false;
    FCountASubtotal = false;
    FAvgSubtotal = false;
    FMaxSubtotal = false;
    FMinSubtotal = false;
    FProductSubtotal = false;
    FCountSubtotal = false;
    FStdDevSubtotal = false;
    FStdDevPSubtotal = false;
    FVarSubtotal = false;
    FVarPSubtotal = false;
    FX.Clear();
}

void TXc12PivotArea::Clear() {
    FField = 0;
    FType = TypeNormal;
    FDataOnly = true;
    FLabelOnly = false;
    FGrandRow = false;
    FGrandCol = false;
    FCacheIndex = false;
    FOutline = true;
    ClearCellArea(FOffset);
    FCollapsedLevelsAreSubtotals = false;
    FAxis = AxisNone;
    FFieldPosition = 0;
    FReferences.Clear();
}

void TXc12PivotSelection::Clear() {
    FPane = x12pTopLeft;
    FShowHeader = false;
    FLabel = false;
    FData = false;
    FExtendable = false;
    FCount = 0;
    FAxis = TXc12PivotArea::AxisNone;
    FDimension = 0;
    FStart = 0;
    FMin = 0;
    FMax = 0;
    FActiveRow = 0;
    FActiveCol = 0;
    FPreviousRow = 0;
    FPreviousCol = 0;
    FClick = 0;
    FRId.clear();
    FPivotArea.Clear();
}

void TXc12SheetView::Clear() {
    FWindowProtection = false;
    FShowFormulas = false;
    FShowGridLines = true;
    FShowRowColHeaders = true;
    FShowZeros = true;
    FRightToLeft = false;
    FTabSelected = false;
    FShowRuler = true;
    FShowOutlineSymbols = true;
    FDefaultGridColor = true;
    FShowWhiteSpace = true;
    FView = 0;
    ClearCellArea(FTopLeftCell);
    FColorId = DefaultColorId;
    FZoomScale = DefaultZoomScale;
    FZoomScaleNormal = 0;
    FZoomScaleSheetLayoutView = 0;
    FZoomScalePageLayoutView = 0;
    FWorkbookViewId = 0;
    FPane.Clear();
    FSelections.Clear();
    FPivotSelections.Clear();
}

TXc12CustomSheetView::TXc12CustomSheetView(TXLSClassFactory* factory) : FClassFactory(factory), FAutoFilter(factory) {}

void TXc12CustomSheetView::Clear() {
    FGuid.clear();
    FScale = 100;
    FColorId = TXc12SheetView::DefaultColorId;
    FShowPageBreaks = false;
    FShowFormulas = false;
    FShowGridLines = true;
    FShowRowCol = true;
    FOutlineSymbols = true;
    FZeroValues = true;
    FFitToPage = false;
    FPrintArea = false;
    FFilter = false;
    FShowAutoFilter = false;
    FHiddenRows = false;
    FHiddenColumns = false;
    FState = 0;
    FFilterUnique = false;
    FView = 0;
    FShowRuler = true;
    ClearCellArea(FTopLeftCell);
    FPane.Clear();
    FSelection.Clear();
    FRowBreaks.Clear();
    FColBreaks.Clear();
    FPageMargins.Clear();
    FPrintOptions.Clear();
    FPageSetup.Clear();
    FHeaderFooter.Clear();
    FAutoFilter.Clear();
}

TXc12CustomSheetView* TXc12CustomSheetViews::Add() {
    auto view = std::make_unique<TXc12CustomSheetView>(FClassFactory);
    TObjectList::Add(view.get());
    return view.release();
}

} // namespace xls
