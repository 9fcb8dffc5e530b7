#pragma once
// The sheet's remaining lists: what-if scenarios with their input cells, data consolidation with its references,
// custom properties, ignored error checks, OLE objects, form controls, web publish items and smart tags. Fields mirror
// the attributes of the elements of the same names (ECMA-376 Part 1, 18.3.1); every list owns its items.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSCellAreas.h"
#include "xls/core/model/common/Xc12DataLists.h"

#include <cstdint>

namespace xls {

// One changing cell of a scenario, with the value the scenario gives it.
class TXc12InputCell : public rtl::TObject {
public:
    void Clear();

    int32_t GetRow() const { return FRow; }
    void SetRow(int32_t value) { FRow = value; }
    int32_t GetCol() const { return FCol; }
    void SetCol(int32_t value) { FCol = value; }
    bool GetDeleted() const { return FDeleted; }
    void SetDeleted(bool value) { FDeleted = value; }
    bool GetUndone() const { return FUndone; }
    void SetUndone(bool value) { FUndone = value; }
    const rtl::UnicodeString& GetVal() const { return FVal; }
    void SetVal(rtl::UnicodeStringView value) { FVal = value; }
    int32_t GetNumFmtId() const { return FNumFmtId; }
    void SetNumFmtId(int32_t value) { FNumFmtId = value; }

private:
    int32_t FRow = 0;
    int32_t FCol = 0;
    bool FDeleted = false;
    bool FUndone = false;
    rtl::UnicodeString FVal;
    int32_t FNumFmtId = 0;
};

// The input cells of a scenario.
class Tx12InputCells : public TXc12OwnedList<TXc12InputCell> {
public:
    // A new input cell at the cell of an A1 reference ("$" allowed). A text that is no cell of the sheet adds
    // nothing and gives nullptr, so that a bad reference never lands on A1.
    TXc12InputCell* AddText(rtl::UnicodeStringView reference);
};

// One what-if scenario.
class TXc12Scenario : public rtl::TObject {
public:
    void Clear();

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    bool GetLocked() const { return FLocked; }
    void SetLocked(bool value) { FLocked = value; }
    bool GetHidden() const { return FHidden; }
    void SetHidden(bool value) { FHidden = value; }
    int32_t GetCount() const { return FCount; }
    void SetCount(int32_t value) { FCount = value; }
    const rtl::UnicodeString& GetUser() const { return FUser; }
    void SetUser(rtl::UnicodeStringView value) { FUser = value; }
    const rtl::UnicodeString& GetComment() const { return FComment; }
    void SetComment(rtl::UnicodeStringView value) { FComment = value; }
    Tx12InputCells& GetInputCells() { return FInputCells; }

private:
    rtl::UnicodeString FName;
    bool FLocked = false;
    bool FHidden = false;
    int32_t FCount = 0;
    rtl::UnicodeString FUser;
    rtl::UnicodeString FComment;
    Tx12InputCells FInputCells;
};

// The scenarios of a sheet, which one is current and which one shows.
class TXc12Scenarios : public TXc12OwnedList<TXc12Scenario> {
public:
    // Frees the scenarios and sets current and show to 0; the ranges stay.
    void Clear() override;

    int32_t GetCurrent() const { return FCurrent; }
    void SetCurrent(int32_t value) { FCurrent = value; }
    int32_t GetShow() const { return FShow; }
    void SetShow(int32_t value) { FShow = value; }
    TCellAreas& GetRanges() { return FRanges; }

private:
    int32_t FCurrent = 0;
    int32_t FShow = 0;
    TCellAreas FRanges;
};

// One source range of a data consolidation.
class TXc12DataRef : public rtl::TObject {
public:
    void Clear();

    // No area (all -1) until a file gives one.
    const TXLSCellAreaRec& GetRef() const { return FRef; }
    void SetRef(const TXLSCellAreaRec& value) { FRef = value; }
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    const rtl::UnicodeString& GetSheet() const { return FSheet; }
    void SetSheet(rtl::UnicodeStringView value) { FSheet = value; }
    const rtl::AnsiString& GetRId() const { return FRId; }
    void SetRId(std::string_view value) { FRId = value; }

private:
    TXLSCellAreaRec FRef;
    rtl::UnicodeString FName;
    rtl::UnicodeString FSheet;
    rtl::AnsiString FRId;
};

using TXc12DataRefs = TXc12OwnedList<TXc12DataRef>;

// How the sheet consolidates data from other ranges, and those ranges.
class TXc12DataConsolidate : public rtl::TObject {
public:
    // Function 8 (sum), no flags, no references.
    void Clear();

    // Ordinal of ST_DataConsolidateFunction (0 average .. 8 sum .. 10 varp).
    uint8_t GetFunction() const { return FFunction; }
    void SetFunction(uint8_t value) { FFunction = value; }
    bool GetLeftLabels() const { return FLeftLabels; }
    void SetLeftLabels(bool value) { FLeftLabels = value; }
    bool GetTopLabels() const { return FTopLabels; }
    void SetTopLabels(bool value) { FTopLabels = value; }
    bool GetLink() const { return FLink; }
    void SetLink(bool value) { FLink = value; }
    TXc12DataRefs& GetDataRefs() { return FDataRefs; }

private:
    uint8_t FFunction = 8;
    bool FLeftLabels = false;
    bool FTopLabels = false;
    bool FLink = false;
    TXc12DataRefs FDataRefs;
};

// A named custom property of a sheet, whose data is a part of the package.
class TXc12CustomProperty : public rtl::TObject {
public:
    void Clear();

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    const rtl::UnicodeString& GetRId() const { return FRId; }
    void SetRId(rtl::UnicodeStringView value) { FRId = value; }

private:
    rtl::UnicodeString FName;
    rtl::UnicodeString FRId;
};

using TXc12CustomProperties = TXc12OwnedList<TXc12CustomProperty>;

// Cells where some error checks are switched off.
class TXc12IgnoredError : public rtl::TObject {
public:
    void Clear();

    TCellAreas& GetRanges() { return FRanges; }
    bool GetEvalError() const { return FEvalError; }
    void SetEvalError(bool value) { FEvalError = value; }
    bool GetTwoDigitTextYear() const { return FTwoDigitTextYear; }
    void SetTwoDigitTextYear(bool value) { FTwoDigitTextYear = value; }
    bool GetNumberStoredAsText() const { return FNumberStoredAsText; }
    void SetNumberStoredAsText(bool value) { FNumberStoredAsText = value; }
    bool GetFormula() const { return FFormula; }
    void SetFormula(bool value) { FFormula = value; }
    bool GetFormulaRange() const { return FFormulaRange; }
    void SetFormulaRange(bool value) { FFormulaRange = value; }
    bool GetUnlockedFormula() const { return FUnlockedFormula; }
    void SetUnlockedFormula(bool value) { FUnlockedFormula = value; }
    bool GetEmptyCellReference() const { return FEmptyCellReference; }
    void SetEmptyCellReference(bool value) { FEmptyCellReference = value; }
    bool GetListDataValidation() const { return FListDataValidation; }
    void SetListDataValidation(bool value) { FListDataValidation = value; }
    bool GetCalculatedColumn() const { return FCalculatedColumn; }
    void SetCalculatedColumn(bool value) { FCalculatedColumn = value; }

private:
    TCellAreas FRanges;
    bool FEvalError = false;
    bool FTwoDigitTextYear = false;
    bool FNumberStoredAsText = false;
    bool FFormula = false;
    bool FFormulaRange = false;
    bool FUnlockedFormula = false;
    bool FEmptyCellReference = false;
    bool FListDataValidation = false;
    bool FCalculatedColumn = false;
};

using TXc12IgnoredErrors = TXc12OwnedList<TXc12IgnoredError>;

// An embedded or linked OLE object of a sheet.
class TXc12OleObject : public rtl::TObject {
public:
    void Clear();

    const rtl::UnicodeString& GetProgId() const { return FProgId; }
    void SetProgId(rtl::UnicodeStringView value) { FProgId = value; }
    // Ordinal of ST_DvAspect (0 content, 1 icon).
    uint8_t GetDvAspect() const { return FDvAspect; }
    void SetDvAspect(uint8_t value) { FDvAspect = value; }
    const rtl::UnicodeString& GetLink() const { return FLink; }
    void SetLink(rtl::UnicodeStringView value) { FLink = value; }
    // Ordinal of ST_OleUpdate (0 always, 1 on call).
    uint8_t GetOleUpdate() const { return FOleUpdate; }
    void SetOleUpdate(uint8_t value) { FOleUpdate = value; }
    bool GetAutoLoad() const { return FAutoLoad; }
    void SetAutoLoad(bool value) { FAutoLoad = value; }
    int32_t GetShapeId() const { return FShapeId; }
    void SetShapeId(int32_t value) { FShapeId = value; }
    const rtl::AnsiString& GetRId() const { return FRId; }
    void SetRId(std::string_view value) { FRId = value; }

private:
    rtl::UnicodeString FProgId;
    uint8_t FDvAspect = 0;
    rtl::UnicodeString FLink;
    uint8_t FOleUpdate = 0;
    bool FAutoLoad = false;
    int32_t FShapeId = 0;
    rtl::AnsiString FRId;
};

using TXc12OleObjects = TXc12OwnedList<TXc12OleObject>;

// A form control of a sheet: its shape and the part that holds its properties.
class TXc12Control : public rtl::TObject {
public:
    void Clear();

    int32_t GetShapeId() const { return FShapeId; }
    void SetShapeId(int32_t value) { FShapeId = value; }
    const rtl::AnsiString& GetRId() const { return FRId; }
    void SetRId(std::string_view value) { FRId = value; }
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }

private:
    int32_t FShapeId = 0;
    rtl::AnsiString FRId;
    rtl::UnicodeString FName;
};

using TXc12Controls = TXc12OwnedList<TXc12Control>;

// A part of the workbook published as a web page.
class TXc12WebPublishItem : public rtl::TObject {
public:
    void Clear();

    int32_t GetId() const { return FId; }
    void SetId(int32_t value) { FId = value; }
    const rtl::UnicodeString& GetDivId() const { return FDivId; }
    void SetDivId(rtl::UnicodeStringView value) { FDivId = value; }
    // Ordinal of ST_WebSourceType (0 sheet, 1 printArea, 2 autoFilter, 3 range, 4 chart, 5 pivotTable, 6 query,
    // 7 label).
    uint8_t GetSourceType() const { return FSourceType; }
    void SetSourceType(uint8_t value) { FSourceType = value; }
    TCellRef& GetSourceRef() { return FSourceRef; }
    const rtl::UnicodeString& GetSourceObject() const { return FSourceObject; }
    void SetSourceObject(rtl::UnicodeStringView value) { FSourceObject = value; }
    const rtl::UnicodeString& GetDestinationFile() const { return FDestinationFile; }
    void SetDestinationFile(rtl::UnicodeStringView value) { FDestinationFile = value; }
    const rtl::UnicodeString& GetTitle() const { return FTitle; }
    void SetTitle(rtl::UnicodeStringView value) { FTitle = value; }
    bool GetAutoRepublish() const { return FAutoRepublish; }
    void SetAutoRepublish(bool value) { FAutoRepublish = value; }

private:
    int32_t FId = 0;
    rtl::UnicodeString FDivId;
    uint8_t FSourceType = 0;
    TCellRef FSourceRef;
    rtl::UnicodeString FSourceObject;
    rtl::UnicodeString FDestinationFile;
    rtl::UnicodeString FTitle;
    bool FAutoRepublish = false;
};

using TXc12WebPublishItems = TXc12OwnedList<TXc12WebPublishItem>;

// One property of a smart tag.
class TXc12CellSmartTagPr : public rtl::TObject {
public:
    void Clear();

    const rtl::UnicodeString& GetKey() const { return FKey; }
    void SetKey(rtl::UnicodeStringView value) { FKey = value; }
    const rtl::UnicodeString& GetVal() const { return FVal; }
    void SetVal(rtl::UnicodeStringView value) { FVal = value; }

private:
    rtl::UnicodeString FKey;
    rtl::UnicodeString FVal;
};

// One smart tag of a cell, with its properties.
class TXc12CellSmartTag : public TXc12OwnedList<TXc12CellSmartTagPr> {
public:
    // Frees the properties; type 0, both flags false.
    void Clear() override;

    int32_t GetType() const { return FType; }
    void SetType(int32_t value) { FType = value; }
    bool GetDeleted() const { return FDeleted; }
    void SetDeleted(bool value) { FDeleted = value; }
    bool GetXmlBased() const { return FXmlBased; }
    void SetXmlBased(bool value) { FXmlBased = value; }

private:
    int32_t FType = 0;
    bool FDeleted = false;
    bool FXmlBased = false;
};

// The smart tags of one cell.
class TXc12CellSmartTags : public TXc12OwnedList<TXc12CellSmartTag> {
public:
    // Frees the tags; the cell goes back to A1.
    void Clear() override;

    TCellRef& GetCell() { return FCell; }

private:
    TCellRef FCell;
};

using TXc12SmartTags = TXc12OwnedList<TXc12CellSmartTags>;

} // namespace xls
