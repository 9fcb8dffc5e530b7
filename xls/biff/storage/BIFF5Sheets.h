#pragma once
// The sheets of a BIFF workbook object: for each worksheet of the file, what lives outside the workbook model (its
// record storage, merged cells, pane and selections) and the settings its default records hold (window options,
// zooms, workspace options, default column width), read through the storage.

#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "xls/biff/storage/BIFF_CellAreas.h"
#include "xls/biff/storage/BIFF_MergedCells.h"
#include "xls/biff/storage/BIFF_RecordStorage.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

class TSheets;

enum THiddenState : uint8_t { hsVisible, hsHidden, hsVeryHidden };

enum TSheetOption : uint8_t {
    soGridlines,
    soRowColHeadings,
    soProtected,
    soR1C1Mode,
    soIteration,
    soShowFormulas,
    soFrozenPanes,
    soShowZeros,
};
using TSheetOptions = rtl::TSmallSet<TSheetOption>;

enum TWorkspaceOption : uint8_t {
    woShowAutoBreaks,
    woApplyStyles,
    woRowSumsBelow,
    woColSumsRight,
    woFitToPage,
    woOutlineSymbols,
};
using TWorkspaceOptions = rtl::TSmallSet<TWorkspaceOption>;

// The permissions of a protected sheet, in the order of the bits of its enhanced protection (MS-XLS 2.5.104).
enum TSheetProtection : uint8_t {
    spEditObjects,
    spEditScenarios,
    spEditCellFormatting,
    spEditColumnFormatting,
    spEditRowFormatting,
    spInsertColumns,
    spInsertRows,
    spInsertHyperlinks,
    spDeleteColumns,
    spDeleteRows,
    spSelectLockedCells,
    spSortCellRange,
    spEditAutoFileters,
    spEditPivotTables,
    spSelectUnlockedCells,
};
using TSheetProtections = rtl::TSmallSet<TSheetProtection>;

// Every permission: what a sheet allows until its file says otherwise.
inline constexpr TSheetProtections AllSheetProtections = TSheetProtections::FromBits(0x7FFF);

enum TPaneType : uint8_t { ptNone, ptFrozen, ptSplit };

// The panes a sheet's window is split or frozen into, and the raw SELECTION records of its panes.
class TPane {
public:
    // No pane, active pane 3 (the only one), no selections.
    void Clear();

    TPaneType PaneType() const { return FPaneType; }
    void SetPaneType(TPaneType value) { FPaneType = value; }
    int32_t SplitColX() const { return FSplitColX; }
    void SetSplitColX(int32_t value) { FSplitColX = value; }
    int32_t SplitRowY() const { return FSplitRowY; }
    void SetSplitRowY(int32_t value) { FSplitRowY = value; }
    int32_t LeftCol() const { return FLeftCol; }
    void SetLeftCol(int32_t value) { FLeftCol = value; }
    int32_t TopRow() const { return FTopRow; }
    void SetTopRow(int32_t value) { FTopRow = value; }
    int32_t ActivePane() const { return FActivePane; }
    void SetActivePane(int32_t value) { FActivePane = value; }
    TBaseRecordStorage& Selections() { return FSelections; }

private:
    TPaneType FPaneType = ptNone;
    int32_t FSplitColX = 0;
    int32_t FSplitRowY = 0;
    int32_t FLeftCol = 0;
    int32_t FTopRow = 0;
    int32_t FActivePane = 3;
    TBaseRecordStorage FSelections;
};

// The selected areas of a sheet and its active cell; a new list selects A1.
class TSelectedAreas : public TCellAreas97 {
public:
    TSelectedAreas() { SetSingleCell(0, 0); }

    // Keeps only the first area, makes it the cell and the cell active.
    void SetSingleCell(int32_t col, int32_t row);
    int32_t ActiveCol() const { return FActiveCol; }
    int32_t ActiveRow() const { return FActiveRow; }

private:
    int32_t FActiveCol = 0;
    int32_t FActiveRow = 0;
};

// One worksheet of a BIFF workbook object.
class TSheet {
public:
    // A sheet of collection at position index, named "Sheet" and index + 1.
    TSheet(TSheets& collection, int32_t index);

    // Back to a new sheet's state: template refilled, merged cells, pane and selections emptied, every permission,
    // not read, no used area. The name stays.
    void Clear();
    // Takes the used area from the DIMENSIONS record the file gave (BIFF8 layout).
    void AfterRead();
    // Copies the settings and the merged cells of source; the name, storage and state stay.
    void Assign(const TSheet& source);

    const rtl::UnicodeString& Name() const { return FName; }
    // A name that another sheet of the collection has already (any case) raises "Sheet name "%s" allready exists";
    // the same name in other case keeps the old spelling.
    void SetName(rtl::UnicodeStringView name);
    // Sets the name with no check, as a file gives it.
    void SetNameFromFile(rtl::UnicodeStringView name) { FName = name; }

    TRecordStorageSheet& Storage() { return FStorage; }
    const TRecordStorageSheet& Storage() const { return FStorage; }
    TMergedCells& MergedCells() { return FMergedCells; }
    const TMergedCells& MergedCells() const { return FMergedCells; }
    TPane& Pane() { return FPane; }
    TSelectedAreas& SelectedAreas() { return FSelectedAreas; }

    // Kept in the storage's default records.
    uint16_t DefaultColWidth() const { return FStorage.DefColWidth(); }
    void SetDefaultColWidth(uint16_t width) { FStorage.SetDefColWidth(width); }
    uint16_t Zoom() const { return FStorage.Zoom(); }
    void SetZoom(uint16_t zoom) { FStorage.SetZoom(zoom); }
    uint16_t ZoomPreview() const { return FStorage.ZoomPreview(); }
    void SetZoomPreview(uint16_t zoom) { FStorage.SetZoomPreview(zoom); }
    // From WINDOW2's option word; soProtected, soR1C1Mode and soIteration are never reported.
    TSheetOptions Options() const;
    void SetOptions(TSheetOptions options);
    // From WSBOOL's option word; setting them leaves its other bits alone.
    TWorkspaceOptions WorkspaceOptions() const;
    void SetWorkspaceOptions(TWorkspaceOptions options);

    TSheetProtections SheetProtection() const { return FSheetProtection; }
    void SetSheetProtection(TSheetProtections value) { FSheetProtection = value; }
    bool RecalcFormulas() const { return FRecalcFormulas; }
    void SetRecalcFormulas(bool value) { FRecalcFormulas = value; }
    THiddenState Hidden() const { return FHidden; }
    void SetHidden(THiddenState value) { FHidden = value; }
    // The position of the sheet's BOUNDSHEET record among the file's; -1 for a file without them.
    int32_t BoundSheetIndex() const { return FBoundSheetIndex; }
    void SetBoundSheetIndex(int32_t value) { FBoundSheetIndex = value; }
    // Set when the file's substream of the sheet was met.
    bool IsRead() const { return FIsRead; }
    void SetIsRead(bool value) { FIsRead = value; }

    // The used area after AfterRead, 0-based; all 0 for an empty sheet.
    int32_t FirstRow() const { return FFirstRow; }
    int32_t LastRow() const { return FLastRow; }
    int32_t FirstCol() const { return FFirstCol; }
    int32_t LastCol() const { return FLastCol; }

private:
    TSheets& FCollection;
    rtl::UnicodeString FName;
    TRecordStorageSheet FStorage;
    TMergedCells FMergedCells;
    TPane FPane;
    TSelectedAreas FSelectedAreas;
    TSheetProtections FSheetProtection = AllSheetProtections;
    bool FRecalcFormulas = true;
    THiddenState FHidden = hsVisible;
    int32_t FBoundSheetIndex = -1;
    bool FIsRead = false;
    int32_t FFirstRow = 0;
    int32_t FLastRow = 0;
    int32_t FFirstCol = 0;
    int32_t FLastCol = 0;
};

// The worksheets of a BIFF workbook object, in file order.
class TSheets {
public:
    // Appends a new sheet.
    TSheet& Add();
    int32_t Count() const { return static_cast<int32_t>(FSheets.size()); }
    // A position outside the list raises EListError.
    TSheet& GetItem(int32_t index) const;
    // The first sheet whose name equals name in any case, nullptr when none does.
    TSheet* FindByName(rtl::UnicodeStringView name) const;
    // Frees every sheet.
    void Clear() { FSheets.clear(); }
    // Frees every sheet and adds one new sheet, which it returns.
    TSheet& Reset();

private:
    std::vector<std::unique_ptr<TSheet>> FSheets;
};

} // namespace xls
