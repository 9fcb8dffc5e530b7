#pragma once
// The column records of a sheet and its small setting objects: sheet, format and calculation properties and the
// phonetic properties. Fields mirror the attributes of the col, sheetPr, sheetFormatPr, sheetCalcPr and phoneticPr
// elements (ECMA-376 Part 1, 18.3.1, 18.4.3); Clear gives the schema's defaults.

#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/common/XLSStyleObjects.h"
#include "xls/core/model/common/Xc12DataLists.h"

#include <cstdint>

namespace xls {

class TXc12XF;

// The flags of a column record; the bit of each is 1 << its value (1 hidden ... 16 collapsed).
enum TXc12ColumnOption : uint8_t {
    xcoHidden = 0,
    xcoBestFit = 1,
    xcoCustomWidth = 2,
    xcoPhonetic = 3,
    xcoCollapsed = 4,
};
using TXc12ColumnOptions = rtl::TSmallSet<TXc12ColumnOption>;

// The width, format and flags of a run of columns.
class TXc12Column : public TXc12Data {
public:
    // Columns 0, width 0, no style, outline 0, no flags.
    void Clear() { Assign(TXc12Column()); }
    // Every field of other; the style's use count is not touched.
    void Assign(const TXc12Column& other);

    // Zero-based, inclusive.
    int32_t GetFirstCol() const { return FFirstCol; }
    void SetFirstCol(int32_t value) { FFirstCol = value; }
    int32_t GetLastCol() const { return FLastCol; }
    void SetLastCol(int32_t value) { FLastCol = value; }
    double GetWidth() const { return FWidth; }
    void SetWidth(double value) { FWidth = value; }
    // Not owned; whoever sets it keeps the format's use.
    TXc12XF* GetStyle() const { return FStyle; }
    void SetStyle(TXc12XF* value) { FStyle = value; }
    int32_t GetOutlineLevel() const { return FOutlineLevel; }
    void SetOutlineLevel(int32_t value) { FOutlineLevel = value; }
    TXc12ColumnOptions GetOptions() const { return FOptions; }
    void SetOptions(TXc12ColumnOptions value) { FOptions = value; }

private:
    int32_t FFirstCol = 0;
    int32_t FLastCol = 0;
    double FWidth = 0;
    TXc12XF* FStyle = nullptr;
    int32_t FOutlineLevel = 0;
    TXc12ColumnOptions FOptions;
};

// The column records of a sheet in file order.
class TXc12Columns : public TXc12OwnedList<TXc12Column> {
public:
    // A cleared column with style, appended and returned.
    TXc12Column* Add(TXc12XF* style);
};

// How outline (grouping) symbols are placed.
class TXc12OutlinePr {
public:
    bool GetApplyStyles() const { return FApplyStyles; }
    void SetApplyStyles(bool value) { FApplyStyles = value; }
    bool GetSummaryBelow() const { return FSummaryBelow; }
    void SetSummaryBelow(bool value) { FSummaryBelow = value; }
    bool GetSummaryRight() const { return FSummaryRight; }
    void SetSummaryRight(bool value) { FSummaryRight = value; }
    bool GetShowOutlineSymbols() const { return FShowOutlineSymbols; }
    void SetShowOutlineSymbols(bool value) { FShowOutlineSymbols = value; }

private:
    bool FApplyStyles = false;
    bool FSummaryBelow = true;
    bool FSummaryRight = true;
    bool FShowOutlineSymbols = true;
};

// The page setup choices kept with the sheet properties.
class TXc12PageSetupPr {
public:
    bool GetAutoPageBreaks() const { return FAutoPageBreaks; }
    void SetAutoPageBreaks(bool value) { FAutoPageBreaks = value; }
    bool GetFitToPage() const { return FFitToPage; }
    void SetFitToPage(bool value) { FFitToPage = value; }

private:
    bool FAutoPageBreaks = true;
    bool FFitToPage = false;
};

// Sheet-level properties: scroll synchronisation, tab colour, code name, outline and page setup choices.
class TXc12SheetPr {
public:
    TXc12SheetPr() { Clear(); }
    void Clear();

    bool GetSyncHorizontal() const { return FSyncHorizontal; }
    void SetSyncHorizontal(bool value) { FSyncHorizontal = value; }
    bool GetSyncVertical() const { return FSyncVertical; }
    void SetSyncVertical(bool value) { FSyncVertical = value; }
    const TXLSCellAreaRec& GetSyncRef() const { return FSyncRef; }
    void SetSyncRef(const TXLSCellAreaRec& value) { FSyncRef = value; }
    bool GetTransitionEvaluation() const { return FTransitionEvaluation; }
    void SetTransitionEvaluation(bool value) { FTransitionEvaluation = value; }
    bool GetTransitionEntry() const { return FTransitionEntry; }
    void SetTransitionEntry(bool value) { FTransitionEntry = value; }
    bool GetPublished() const { return FPublished; }
    void SetPublished(bool value) { FPublished = value; }
    const rtl::UnicodeString& GetCodeName() const { return FCodeName; }
    void SetCodeName(rtl::UnicodeStringView value) { FCodeName = value; }
    bool GetFilterMode() const { return FFilterMode; }
    void SetFilterMode(bool value) { FFilterMode = value; }
    bool GetEnableFormatConditionsCalculation() const { return FEnableFormatConditionsCalculation; }
    void SetEnableFormatConditionsCalculation(bool value) { FEnableFormatConditionsCalculation = value; }
    TXc12ColorRec& GetTabColor() { return FTabColor; }
    TXc12OutlinePr& GetOutlinePr() { return FOutlinePr; }
    TXc12PageSetupPr& GetPageSetupPr() { return FPageSetupPr; }

private:
    bool FSyncHorizontal;
    bool FSyncVertical;
    TXLSCellAreaRec FSyncRef;
    bool FTransitionEvaluation;
    bool FTransitionEntry;
    bool FPublished;
    rtl::UnicodeString FCodeName;
    bool FFilterMode;
    bool FEnableFormatConditionsCalculation;
    TXc12ColorRec FTabColor;
    TXc12OutlinePr FOutlinePr;
    TXc12PageSetupPr FPageSetupPr;
};

// Default row and column sizes and outline levels of a sheet.
class TXc12SheetFormatPr {
public:
    void Clear() { *this = TXc12SheetFormatPr(); }

    int32_t GetBaseColWidth() const { return FBaseColWidth; }
    void SetBaseColWidth(int32_t value) { FBaseColWidth = value; }
    double GetDefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(double value) { FDefaultColWidth = value; }
    // In twentieths of a point: the file's points times 20.
    double GetDefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(double value) { FDefaultRowHeight = value; }
    bool GetCustomHeight() const { return FCustomHeight; }
    void SetCustomHeight(bool value) { FCustomHeight = value; }
    bool GetZeroHeight() const { return FZeroHeight; }
    void SetZeroHeight(bool value) { FZeroHeight = value; }
    bool GetThickTop() const { return FThickTop; }
    void SetThickTop(bool value) { FThickTop = value; }
    bool GetThickBottom() const { return FThickBottom; }
    void SetThickBottom(bool value) { FThickBottom = value; }
    int32_t GetOutlineLevelRow() const { return FOutlineLevelRow; }
    void SetOutlineLevelRow(int32_t value) { FOutlineLevelRow = value; }
    int32_t GetOutlineLevelCol() const { return FOutlineLevelCol; }
    void SetOutlineLevelCol(int32_t value) { FOutlineLevelCol = value; }

private:
    int32_t FBaseColWidth = 8;
    double FDefaultColWidth = 0;
    double FDefaultRowHeight = 0;
    bool FCustomHeight = false;
    bool FZeroHeight = false;
    bool FThickTop = false;
    bool FThickBottom = false;
    int32_t FOutlineLevelRow = 0;
    int32_t FOutlineLevelCol = 0;
};

// Whether the sheet is recalculated when it is opened.
class TXc12SheetCalcPr {
public:
    void Clear() { *this = TXc12SheetCalcPr(); }

    bool GetFullCalcOnLoad() const { return FFullCalcOnLoad; }
    void SetFullCalcOnLoad(bool value) { FFullCalcOnLoad = value; }

private:
    bool FFullCalcOnLoad = false;
};

// How phonetic (furigana) text of the sheet's cells is shown.
class TXc12PhoneticPr {
public:
    void Clear() { *this = TXc12PhoneticPr(); }

    int32_t GetFontId() const { return FFontId; }
    void SetFontId(int32_t value) { FFontId = value; }
    // ST_PhoneticType: 1 full-width katakana by default.
    uint8_t GetType() const { return FType; }
    void SetType(uint8_t value) { FType = value; }
    // ST_PhoneticAlignment: 1 left by default.
    uint8_t GetAlignment() const { return FAlignment; }
    void SetAlignment(uint8_t value) { FAlignment = value; }

private:
    int32_t FFontId = 0;
    uint8_t FType = 1;
    uint8_t FAlignment = 1;
};

} // namespace xls
