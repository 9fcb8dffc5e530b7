#pragma once
// The sheets of the workbook model: each holds its cell store, columns, comments, tables, drawing and every sheet-level
// setting a package or binary workbook carries; the list finds sheets by name and empties the cell-wide tables with
// them.

#include "rtl/core/Metaclass.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSCellAreas.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/common/XLSIndexObjects.h"
#include "xls/core/model/package/Xc12DrawingDocument.h"
#include "xls/core/model/package/Xc12FileData5.h"
#include "xls/core/model/worksheet/Xc12DataAutofilter5.h"
#include "xls/core/model/worksheet/Xc12DataComments5.h"
#include "xls/core/model/worksheet/Xc12DataTable5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Areas.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5CondFmts.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Printing.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Props.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Protection.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Settings.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Views.h"
#include "xls/core/xml/XpgSimpleDOM.h"

#include <cstdint>
#include <memory>

namespace xls {

class TXc12DataSST;
class TXc12DataStyleSheet;

// Whether a sheet shows in the workbook's tab bar.
enum TXc12SheetState : uint8_t {
    x12ssVisible = 0,
    x12ssHidden = 1,
    x12ssVeryHidden = 2,
};

// One sheet of the workbook model with everything it owns.
class TXc12DataWorksheet : public TIndexObject {
    RTL_DECLARE_CLASS(TXc12DataWorksheet, TIndexObject)
public:
    // The class factory makes the facade's classes of the hyperlinks, merged cells, autofilter, conditional formats,
    // data validations and drawing document; a factory that makes no conditional formats raises EInvalidCast. None of
    // the three references is owned.
    TXc12DataWorksheet(TXLSClassFactory* factory, TXc12DataStyleSheet* styleSheet, TXc12DataSST* sst, int32_t position);
    TXc12DataWorksheet(const TXc12DataWorksheet&) = delete;
    TXc12DataWorksheet& operator=(const TXc12DataWorksheet&) = delete;
    ~TXc12DataWorksheet() override;

    // Appends a new, cleared sheet view and returns it.
    TXc12SheetView* AddSheetView() { return FSheetViews.Add(); }
    // The used area as last computed by the cell store or set by a reader; all -1 until then.
    const TXLSCellAreaRec& GetDimension() const { return FDimension; }
    void SetDimension(const TXLSCellAreaRec& value) { FDimension = value; }
    // The name as a formula writes it before "!" (QuoteSheetName): 'My Sheet', 'Bob''s'; empty for an empty name.
    rtl::UnicodeString QuotedName() const;

    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }
    TXc12DataSST* GetSST() const { return FSST; }
    TXc12DataStyleSheet* GetStyleSheet() const { return FStyleSheet; }
    TXLSCellMMU& GetCells() { return FCells; }
    TXc12Columns& GetColumns() { return FColumns; }
    TXc12Comments& GetComments() { return FComments; }
    TXc12Tables& GetTables() { return FTables; }
    // nullptr when the class factory made no drawing document.
    TXc12DrawingDocument* GetDrawing() const { return FDrawing.get(); }
    // The legacy (VML) drawing part as read.
    TXpgSimpleDOM& GetVmlDrawing() { return FVmlDrawing; }
    TXc12Hyperlinks& GetHyperlinks() { return *FHyperlinks; }
    TXc12MergedCells& GetMergedCells() { return *FMergedCells; }
    TXc12AutoFilter& GetAutofilter() { return *FAutofilter; }
    TXc12CustomSheetViews& GetCustomSheetViews() { return FCustomSheetViews; }
    TXc12SheetViews& GetSheetViews() { return FSheetViews; }
    TXLSPivotTables& GetPivotTables() { return FPivotTables; }
    TXc12SheetPr& GetSheetPr() { return FSheetPr; }
    TXc12SheetFormatPr& GetSheetFormatPr() { return FSheetFormatPr; }
    TXc12SheetCalcPr& GetSheetCalcPr() { return FSheetCalcPr; }
    TXc12SheetProtection& GetSheetProtection() { return FSheetProtection; }
    TXc12ProtectedRanges& GetProtectedRanges() { return FProtectedRanges; }
    TXc12Scenarios& GetScenarios() { return FScenarios; }
    TXc12SortState& GetSortState() { return FSortState; }
    TXc12DataConsolidate& GetDataConsolidate() { return FDataConsolidate; }
    TXc12PhoneticPr& GetPhoneticPr() { return FPhoneticPr; }
    TXc12ConditionalFormattings& GetConditionalFormatting() { return *FConditionalFormatting; }
    TXc12DataValidations& GetDataValidations() { return *FDataValidations; }
    TXc12PrintOptions& GetPrintOptions() { return FPrintOptions; }
    TXc12PageMargins& GetPageMargins() { return FPageMargins; }
    TXc12PageSetup& GetPageSetup() { return FPageSetup; }
    TXc12HeaderFooter& GetHeaderFooter() { return FHeaderFooter; }
    TXc12PageBreaks& GetRowBreaks() { return FRowBreaks; }
    TXc12PageBreaks& GetColBreaks() { return FColBreaks; }
    TXc12CustomProperties& GetCustomProperties() { return FCustomProperties; }
    TCellRefs& GetCellWatches() { return FCellWatches; }
    TXc12IgnoredErrors& GetIgnoredErrors() { return FIgnoredErrors; }
    TXc12SmartTags& GetSmartTags() { return FSmartTags; }
    TXc12OleObjects& GetOleObjects() { return FOleObjects; }
    TXc12Controls& GetControls() { return FControls; }
    TXc12WebPublishItems& GetWebPublishItems() { return FWebPublishItems; }

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    int32_t GetSheetId() const { return FSheetId; }
    void SetSheetId(int32_t value) { FSheetId = value; }
    // A TXc12SheetState.
    uint8_t GetState() const { return FState; }
    void SetState(uint8_t value) { FState = value; }
    // The id under which the sheet part hangs in the workbook part.
    const rtl::AnsiString& GetRId() const { return FRId; }
    void SetRId(std::string_view value) { FRId = value; }
    // The sheet part is a chartsheet.
    bool GetIsChartsheet() const { return FIsChartsheet; }
    void SetIsChartsheet(bool value) { FIsChartsheet = value; }

private:
    TXLSClassFactory* FClassFactory;  // not owned
    TXc12DataSST* FSST;               // not owned
    TXc12DataStyleSheet* FStyleSheet; // not owned
    TXLSCellMMU FCells;
    TXc12Columns FColumns;
    TXc12Comments FComments;
    std::unique_ptr<TXc12DrawingDocument> FDrawing;
    TXpgSimpleDOM FVmlDrawing;
    TXc12Tables FTables;
    std::unique_ptr<TXc12Hyperlinks> FHyperlinks;
    std::unique_ptr<TXc12MergedCells> FMergedCells;
    std::unique_ptr<TXc12AutoFilter> FAutofilter;
    TXc12CustomSheetViews FCustomSheetViews;
    TXc12SheetViews FSheetViews;
    TXLSPivotTables FPivotTables;
    TXc12SheetPr FSheetPr;
    TXc12SheetFormatPr FSheetFormatPr;
    TXc12SheetCalcPr FSheetCalcPr;
    TXc12SheetProtection FSheetProtection;
    TXc12ProtectedRanges FProtectedRanges;
    TXc12Scenarios FScenarios;
    TXc12SortState FSortState;
    TXc12DataConsolidate FDataConsolidate;
    TXc12PhoneticPr FPhoneticPr;
    std::unique_ptr<TXc12ConditionalFormattings> FConditionalFormatting;
    std::unique_ptr<TXc12DataValidations> FDataValidations;
    TXc12PrintOptions FPrintOptions;
    TXc12PageMargins FPageMargins;
    TXc12PageSetup FPageSetup;
    TXc12HeaderFooter FHeaderFooter;
    TXc12PageBreaks FRowBreaks;
    TXc12PageBreaks FColBreaks;
    TXc12CustomProperties FCustomProperties;
    TCellRefs FCellWatches;
    TXc12IgnoredErrors FIgnoredErrors;
    TXc12SmartTags FSmartTags;
    TXc12OleObjects FOleObjects;
    TXc12Controls FControls;
    TXc12WebPublishItems FWebPublishItems;
    TXLSCellAreaRec FDimension;
    rtl::UnicodeString FName;
    int32_t FSheetId = 0;
    uint8_t FState = x12ssVisible;
    rtl::AnsiString FRId;
    bool FIsChartsheet = false;
};

// The sheets of the workbook model, in workbook order.
class TXc12DataWorksheets : public TIndexObjectList {
public:
    // None of the references is owned; they are handed to every sheet. styleSheet and sst must not be nullptr.
    TXc12DataWorksheets(TXLSClassFactory* factory, TXc12DataStyleSheet* styleSheet, TXc12DataSST* sst);

    // A new sheet at position Count(), appended. Its sheet id is sheetId, or Count() + 1 (counted before appending)
    // when sheetId is negative.
    TXc12DataWorksheet* Add(int32_t sheetId);
    // The position of the first sheet whose name equals name regardless of case (in any script), or -1.
    int32_t Find(rtl::UnicodeStringView name) const;
    TXc12DataWorksheet* GetItem(int32_t index) const {
        return static_cast<TXc12DataWorksheet*>(TIndexObjectList::GetItem(index));
    }
    // Frees every sheet, then empties the shared-string table and puts the style sheet back to its defaults: the
    // cells held uses of both.
    void Clear();

    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }
    TXc12DataStyleSheet* GetStyleSheet() const { return FStyleSheet; }
    TXc12DataSST* GetSST() const { return FSST; }

private:
    TXLSClassFactory* FClassFactory;  // not owned
    TXc12DataStyleSheet* FStyleSheet; // not owned
    TXc12DataSST* FSST;               // not owned
};

} // namespace xls
