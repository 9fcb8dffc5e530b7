#pragma once
// How a sheet is shown: its sheet views with their panes, cell selections and pivot-table selections, and the custom
// views, which keep a pane, a selection and the printing settings per named view. Fields mirror the attributes of the
// sheetView, pane, selection, pivotSelection, pivotArea, reference and customSheetView elements (ECMA-376 Part 1,
// 18.3.1); Clear gives the schema's defaults.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSCellAreas.h"
#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/common/XLSIndexObjects.h"
#include "xls/core/model/common/Xc12DataLists.h"
#include "xls/core/model/worksheet/Xc12DataAutofilter5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Printing.h"

#include <cstdint>

namespace xls {

// Which quarter of a split window a pane or selection belongs to (ST_Pane).
enum TXc12PaneKind : uint8_t {
    x12pBottomRight = 0,
    x12pTopRight = 1,
    x12pBottomLeft = 2,
    x12pTopLeft = 3,
};

// How a sheet window is split or frozen.
class TXc12Pane {
public:
    void Clear() { *this = TXc12Pane(); }

    double GetXSplit() const { return FXSplit; }
    void SetXSplit(double value) { FXSplit = value; }
    double GetYSplit() const { return FYSplit; }
    void SetYSplit(double value) { FYSplit = value; }
    const TXLSCellAreaRec& GetTopLeftCell() const { return FTopLeftCell; }
    void SetTopLeftCell(const TXLSCellAreaRec& value) { FTopLeftCell = value; }
    // A TXc12PaneKind.
    uint8_t GetActivePane() const { return FActivePane; }
    void SetActivePane(uint8_t value) { FActivePane = value; }
    // 0 split, 1 frozen, 2 frozen split.
    uint8_t GetState() const { return FState; }
    void SetState(uint8_t value) { FState = value; }

private:
    double FXSplit = 0;
    double FYSplit = 0;
    TXLSCellAreaRec FTopLeftCell;
    uint8_t FActivePane = x12pTopLeft;
    uint8_t FState = 0;
};

// The selected cells of one pane.
class TXc12Selection : public rtl::TObject {
public:
    TXc12Selection() { Clear(); }
    // Pane top left, active cell A1, the ranges the single cell A1.
    void Clear();

    uint8_t GetPane() const { return FPane; }
    void SetPane(uint8_t value) { FPane = value; }
    const TXLSCellAreaRec& GetActiveCell() const { return FActiveCell; }
    void SetActiveCell(const TXLSCellAreaRec& value) { FActiveCell = value; }
    int32_t GetActiveCellId() const { return FActiveCellId; }
    void SetActiveCellId(int32_t value) { FActiveCellId = value; }
    TCellAreas& GetRanges() { return FRanges; }

private:
    uint8_t FPane = x12pTopLeft;
    TXLSCellAreaRec FActiveCell;
    int32_t FActiveCellId = 0;
    TCellAreas FRanges;
};

using TXc12Selections = TXc12OwnedList<TXc12Selection>;

// One field reference of a pivot area: the field and the positions of its selected items.
class TXc12PivotAreaReference : public rtl::TObject {
public:
    void Clear();

    int32_t GetField() const { return FField; }
    void SetField(int32_t value) { FField = value; }
    bool GetSelected() const { return FSelected; }
    void SetSelected(bool value) { FSelected = value; }
    bool GetByPosition() const { return FByPosition; }
    void SetByPosition(bool value) { FByPosition = value; }
    bool GetRelative() const { return FRelative; }
    void SetRelative(bool value) { FRelative = value; }
    bool GetDefaultSubtotal() const { return FDefaultSubtotal; }
    void SetDefaultSubtotal(bool value) { FDefaultSubtotal = value; }
    bool GetSumSubtotal() const { return FSumSubtotal; }
    void SetSumSubtotal(bool value) { FSumSubtotal = value; }
    bool GetCountASubtotal() const { return FCountASubtotal; }
    void SetCountASubtotal(bool value) { FCountASubtotal = value; }
    bool GetAvgSubtotal() const { return FAvgSubtotal; }
    void SetAvgSubtotal(bool value) { FAvgSubtotal = value; }
    bool GetMaxSubtotal() const { return FMaxSubtotal; }
    void SetMaxSubtotal(bool value) { FMaxSubtotal = value; }
    bool GetMinSubtotal() const { return FMinSubtotal; }
    void SetMinSubtotal(bool value) { FMinSubtotal = value; }
    bool GetProductSubtotal() const { return FProductSubtotal; }
    void SetProductSubtotal(bool value) { FProductSubtotal = value; }
    bool GetCountSubtotal() const { return FCountSubtotal; }
    void SetCountSubtotal(bool value) { FCountSubtotal = value; }
    bool GetStdDevSubtotal() const { return FStdDevSubtotal; }
    void SetStdDevSubtotal(bool value) { FStdDevSubtotal = value; }
    bool GetStdDevPSubtotal() const { return FStdDevPSubtotal; }
    void SetStdDevPSubtotal(bool value) { FStdDevPSubtotal = value; }
    bool GetVarSubtotal() const { return FVarSubtotal; }
    void SetVarSubtotal(bool value) { FVarSubtotal = value; }
    bool GetVarPSubtotal() const { return FVarPSubtotal; }
    void SetVarPSubtotal(bool value) { FVarPSubtotal = value; }
    // The x values: positions of the selected items.
    TIntegerList& GetX() { return FX; }

private:
    int32_t FField = 0;
    bool FSelected = true;
    bool FByPosition = false;
    bool FRelative = false;
    bool FDefaultSubtotal = false;
    bool FSumSubtotal = false;
    bool FCountASubtotal = false;
    bool FAvgSubtotal = false;
    bool FMaxSubtotal = false;
    bool FMinSubtotal = false;
    bool FProductSubtotal = false;
    bool FCountSubtotal = false;
    bool FStdDevSubtotal = false;
    bool FStdDevPSubtotal = false;
    bool FVarSubtotal = false;
    bool FVarPSubtotal = false;
    TIntegerList FX;
};

using TXc12PivotAreaReferences = TXc12OwnedList<TXc12PivotAreaReference>;

// A part of a pivot table: a field, a kind of area and the references that narrow it.
class TXc12PivotArea {
public:
    // ST_PivotAreaType normal.
    static constexpr uint8_t TypeNormal = 1;
    // ST_Axis: no axis.
    static constexpr uint8_t AxisNone = 4;

    void Clear();

    int32_t GetField() const { return FField; }
    void SetField(int32_t value) { FField = value; }
    uint8_t GetType() const { return FType; }
    void SetType(uint8_t value) { FType = value; }
    bool GetDataOnly() const { return FDataOnly; }
    void SetDataOnly(bool value) { FDataOnly = value; }
    bool GetLabelOnly() const { return FLabelOnly; }
    void SetLabelOnly(bool value) { FLabelOnly = value; }
    bool GetGrandRow() const { return FGrandRow; }
    void SetGrandRow(bool value) { FGrandRow = value; }
    bool GetGrandCol() const { return FGrandCol; }
    void SetGrandCol(bool value) { FGrandCol = value; }
    bool GetCacheIndex() const { return FCacheIndex; }
    void SetCacheIndex(bool value) { FCacheIndex = value; }
    bool GetOutline() const { return FOutline; }
    void SetOutline(bool value) { FOutline = value; }
    const TXLSCellAreaRec& GetOffset() const { return FOffset; }
    void SetOffset(const TXLSCellAreaRec& value) { FOffset = value; }
    bool GetCollapsedLevelsAreSubtotals() const { return FCollapsedLevelsAreSubtotals; }
    void SetCollapsedLevelsAreSubtotals(bool value) { FCollapsedLevelsAreSubtotals = value; }
    uint8_t GetAxis() const { return FAxis; }
    void SetAxis(uint8_t value) { FAxis = value; }
    int32_t GetFieldPosition() const { return FFieldPosition; }
    void SetFieldPosition(int32_t value) { FFieldPosition = value; }
    TXc12PivotAreaReferences& GetReferences() { return FReferences; }

private:
    int32_t FField = 0;
    uint8_t FType = TypeNormal;
    bool FDataOnly = true;
    bool FLabelOnly = false;
    bool FGrandRow = false;
    bool FGrandCol = false;
    bool FCacheIndex = false;
    bool FOutline = true;
    TXLSCellAreaRec FOffset;
    bool FCollapsedLevelsAreSubtotals = false;
    uint8_t FAxis = AxisNone;
    int32_t FFieldPosition = 0;
    TXc12PivotAreaReferences FReferences;
};

// The selection inside a pivot table shown in a pane.
class TXc12PivotSelection : public rtl::TObject {
public:
    void Clear();

    uint8_t GetPane() const { return FPane; }
    void SetPane(uint8_t value) { FPane = value; }
    bool GetShowHeader() const { return FShowHeader; }
    void SetShowHeader(bool value) { FShowHeader = value; }
    bool GetLabel() const { return FLabel; }
    void SetLabel(bool value) { FLabel = value; }
    bool GetData() const { return FData; }
    void SetData(bool value) { FData = value; }
    bool GetExtendable() const { return FExtendable; }
    void SetExtendable(bool value) { FExtendable = value; }
    int32_t GetCount() const { return FCount; }
    void SetCount(int32_t value) { FCount = value; }
    uint8_t GetAxis() const { return FAxis; }
    void SetAxis(uint8_t value) { FAxis = value; }
    int32_t GetDimension() const { return FDimension; }
    void SetDimension(int32_t value) { FDimension = value; }
    int32_t GetStart() const { return FStart; }
    void SetStart(int32_t value) { FStart = value; }
    int32_t GetMin() const { return FMin; }
    void SetMin(int32_t value) { FMin = value; }
    int32_t GetMax() const { return FMax; }
    void SetMax(int32_t value) { FMax = value; }
    int32_t GetActiveRow() const { return FActiveRow; }
    void SetActiveRow(int32_t value) { FActiveRow = value; }
    int32_t GetActiveCol() const { return FActiveCol; }
    void SetActiveCol(int32_t value) { FActiveCol = value; }
    int32_t GetPreviousRow() const { return FPreviousRow; }
    void SetPreviousRow(int32_t value) { FPreviousRow = value; }
    int32_t GetPreviousCol() const { return FPreviousCol; }
    void SetPreviousCol(int32_t value) { FPreviousCol = value; }
    int32_t GetClick() const { return FClick; }
    void SetClick(int32_t value) { FClick = value; }
    const rtl::AnsiString& GetRId() const { return FRId; }
    void SetRId(std::string_view value) { FRId = value; }
    TXc12PivotArea& GetPivotArea() { return FPivotArea; }

private:
    uint8_t FPane = x12pTopLeft;
    bool FShowHeader = false;
    bool FLabel = false;
    bool FData = false;
    bool FExtendable = false;
    int32_t FCount = 0;
    uint8_t FAxis = TXc12PivotArea::AxisNone;
    int32_t FDimension = 0;
    int32_t FStart = 0;
    int32_t FMin = 0;
    int32_t FMax = 0;
    int32_t FActiveRow = 0;
    int32_t FActiveCol = 0;
    int32_t FPreviousRow = 0;
    int32_t FPreviousCol = 0;
    int32_t FClick = 0;
    rtl::AnsiString FRId;
    TXc12PivotArea FPivotArea;
};

using TXc12PivotSelections = TXc12OwnedList<TXc12PivotSelection>;

// One window onto the sheet: what it shows, where it is scrolled to, its pane and its selections.
class TXc12SheetView : public rtl::TObject {
public:
    // The grid colour of a view that names none (the system window text colour).
    static constexpr int32_t DefaultColorId = 64;
    static constexpr int32_t DefaultZoomScale = 100;

    void Clear();

    bool GetWindowProtection() const { return FWindowProtection; }
    void SetWindowProtection(bool value) { FWindowProtection = value; }
    bool GetShowFormulas() const { return FShowFormulas; }
    void SetShowFormulas(bool value) { FShowFormulas = value; }
    bool GetShowGridLines() const { return FShowGridLines; }
    void SetShowGridLines(bool value) { FShowGridLines = value; }
    bool GetShowRowColHeaders() const { return FShowRowColHeaders; }
    void SetShowRowColHeaders(bool value) { FShowRowColHeaders = value; }
    bool GetShowZeros() const { return FShowZeros; }
    void SetShowZeros(bool value) { FShowZeros = value; }
    bool GetRightToLeft() const { return FRightToLeft; }
    void SetRightToLeft(bool value) { FRightToLeft = value; }
    bool GetTabSelected() const { return FTabSelected; }
    void SetTabSelected(bool value) { FTabSelected = value; }
    bool GetShowRuler() const { return FShowRuler; }
    void SetShowRuler(bool value) { FShowRuler = value; }
    bool GetShowOutlineSymbols() const { return FShowOutlineSymbols; }
    void SetShowOutlineSymbols(bool value) { FShowOutlineSymbols = value; }
    bool GetDefaultGridColor() const { return FDefaultGridColor; }
    void SetDefaultGridColor(bool value) { FDefaultGridColor = value; }
    bool GetShowWhiteSpace() const { return FShowWhiteSpace; }
    void SetShowWhiteSpace(bool value) { FShowWhiteSpace = value; }
    // ST_SheetViewType: 0 normal, 1 page break preview, 2 page layout.
    uint8_t GetView() const { return FView; }
    void SetView(uint8_t value) { FView = value; }
    const TXLSCellAreaRec& GetTopLeftCell() const { return FTopLeftCell; }
    void SetTopLeftCell(const TXLSCellAreaRec& value) { FTopLeftCell = value; }
    int32_t GetColorId() const { return FColorId; }
    void SetColorId(int32_t value) { FColorId = value; }
    int32_t GetZoomScale() const { return FZoomScale; }
    void SetZoomScale(int32_t value) { FZoomScale = value; }
    int32_t GetZoomScaleNormal() const { return FZoomScaleNormal; }
    void SetZoomScaleNormal(int32_t value) { FZoomScaleNormal = value; }
    int32_t GetZoomScaleSheetLayoutView() const { return FZoomScaleSheetLayoutView; }
    void SetZoomScaleSheetLayoutView(int32_t value) { FZoomScaleSheetLayoutView = value; }
    int32_t GetZoomScalePageLayoutView() const { return FZoomScalePageLayoutView; }
    void SetZoomScalePageLayoutView(int32_t value) { FZoomScalePageLayoutView = value; }
    int32_t GetWorkbookViewId() const { return FWorkbookViewId; }
    void SetWorkbookViewId(int32_t value) { FWorkbookViewId = value; }
    TXc12Pane& GetPane() { return FPane; }
    TXc12Selections& GetSelections() { return FSelections; }
    TXc12PivotSelections& GetPivotSelections() { return FPivotSelections; }

private:
    bool FWindowProtection = false;
    bool FShowFormulas = false;
    bool FShowGridLines = true;
    bool FShowRowColHeaders = true;
    bool FShowZeros = true;
    bool FRightToLeft = false;
    bool FTabSelected = false;
    bool FShowRuler = true;
    bool FShowOutlineSymbols = true;
    bool FDefaultGridColor = true;
    bool FShowWhiteSpace = true;
    uint8_t FView = 0;
    TXLSCellAreaRec FTopLeftCell;
    int32_t FColorId = DefaultColorId;
    int32_t FZoomScale = DefaultZoomScale;
    int32_t FZoomScaleNormal = 0;
    int32_t FZoomScaleSheetLayoutView = 0;
    int32_t FZoomScalePageLayoutView = 0;
    int32_t FWorkbookViewId = 0;
    TXc12Pane FPane;
    TXc12Selections FSelections;
    TXc12PivotSelections FPivotSelections;
};

using TXc12SheetViews = TXc12OwnedList<TXc12SheetView>;

// A named custom view: how the sheet is shown and printed when the user picks it.
class TXc12CustomSheetView : public rtl::TObject {
public:
    // factory makes the autofilter's columns; it may be nullptr and is not owned.
    explicit TXc12CustomSheetView(TXLSClassFactory* factory);
    void Clear();

    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }
    const rtl::UnicodeString& GetGuid() const { return FGuid; }
    void SetGuid(rtl::UnicodeStringView value) { FGuid = value; }
    int32_t GetScale() const { return FScale; }
    void SetScale(int32_t value) { FScale = value; }
    int32_t GetColorId() const { return FColorId; }
    void SetColorId(int32_t value) { FColorId = value; }
    bool GetShowPageBreaks() const { return FShowPageBreaks; }
    void SetShowPageBreaks(bool value) { FShowPageBreaks = value; }
    bool GetShowFormulas() const { return FShowFormulas; }
    void SetShowFormulas(bool value) { FShowFormulas = value; }
    bool GetShowGridLines() const { return FShowGridLines; }
    void SetShowGridLines(bool value) { FShowGridLines = value; }
    bool GetShowRowCol() const { return FShowRowCol; }
    void SetShowRowCol(bool value) { FShowRowCol = value; }
    bool GetOutlineSymbols() const { return FOutlineSymbols; }
    void SetOutlineSymbols(bool value) { FOutlineSymbols = value; }
    bool GetZeroValues() const { return FZeroValues; }
    void SetZeroValues(bool value) { FZeroValues = value; }
    bool GetFitToPage() const { return FFitToPage; }
    void SetFitToPage(bool value) { FFitToPage = value; }
    bool GetPrintArea() const { return FPrintArea; }
    void SetPrintArea(bool value) { FPrintArea = value; }
    bool GetFilter() const { return FFilter; }
    void SetFilter(bool value) { FFilter = value; }
    bool GetShowAutoFilter() const { return FShowAutoFilter; }
    void SetShowAutoFilter(bool value) { FShowAutoFilter = value; }
    bool GetHiddenRows() const { return FHiddenRows; }
    void SetHiddenRows(bool value) { FHiddenRows = value; }
    bool GetHiddenColumns() const { return FHiddenColumns; }
    void SetHiddenColumns(bool value) { FHiddenColumns = value; }
    // 0 visible, 1 hidden, 2 very hidden.
    uint8_t GetState() const { return FState; }
    void SetState(uint8_t value) { FState = value; }
    bool GetFilterUnique() const { return FFilterUnique; }
    void SetFilterUnique(bool value) { FFilterUnique = value; }
    // 0 normal, 1 page break preview, 2 page layout.
    uint8_t GetView() const { return FView; }
    void SetView(uint8_t value) { FView = value; }
    bool GetShowRuler() const { return FShowRuler; }
    void SetShowRuler(bool value) { FShowRuler = value; }
    const TXLSCellAreaRec& GetTopLeftCell() const { return FTopLeftCell; }
    void SetTopLeftCell(const TXLSCellAreaRec& value) { FTopLeftCell = value; }
    TXc12Pane& GetPane() { return FPane; }
    TXc12Selection& GetSelection() { return FSelection; }
    TXc12PageBreaks& GetRowBreaks() { return FRowBreaks; }
    TXc12PageBreaks& GetColBreaks() { return FColBreaks; }
    TXc12PageMargins& GetPageMargins() { return FPageMargins; }
    TXc12PrintOptions& GetPrintOptions() { return FPrintOptions; }
    TXc12PageSetup& GetPageSetup() { return FPageSetup; }
    TXc12HeaderFooter& GetHeaderFooter() { return FHeaderFooter; }
    TXc12AutoFilter& GetAutoFilter() { return FAutoFilter; }

private:
    TXLSClassFactory* FClassFactory; // not owned
    rtl::UnicodeString FGuid;
    int32_t FScale = 100;
    int32_t FColorId = TXc12SheetView::DefaultColorId;
    bool FShowPageBreaks = false;
    bool FShowFormulas = false;
    bool FShowGridLines = true;
    bool FShowRowCol = true;
    bool FOutlineSymbols = true;
    bool FZeroValues = true;
    bool FFitToPage = false;
    bool FPrintArea = false;
    bool FFilter = false;
    bool FShowAutoFilter = false;
    bool FHiddenRows = false;
    bool FHiddenColumns = false;
    uint8_t FState = 0;
    bool FFilterUnique = false;
    uint8_t FView = 0;
    bool FShowRuler = true;
    TXLSCellAreaRec FTopLeftCell;
    TXc12Pane FPane;
    TXc12Selection FSelection;
    TXc12PageBreaks FRowBreaks;
    TXc12PageBreaks FColBreaks;
    TXc12PageMargins FPageMargins;
    TXc12PrintOptions FPrintOptions;
    TXc12PageSetup FPageSetup;
    TXc12HeaderFooter FHeaderFooter;
    TXc12AutoFilter FAutoFilter;
};

// The custom views of a sheet; each view gets the list's class factory.
class TXc12CustomSheetViews : public rtl::TObjectList {
public:
    // factory is not owned and may be nullptr.
    explicit TXc12CustomSheetViews(TXLSClassFactory* factory) : FClassFactory(factory) {}

    // Appends a new, cleared view and returns it.
    TXc12CustomSheetView* Add();
    TXc12CustomSheetView* GetItem(int32_t index) const {
        return static_cast<TXc12CustomSheetView*>(TObjectList::GetItem(index));
    }
    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }

private:
    TXLSClassFactory* FClassFactory; // not owned
};

} // namespace xls
