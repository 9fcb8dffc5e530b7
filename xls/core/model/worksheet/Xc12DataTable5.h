#pragma once
// The tables (list objects) of a sheet: each with its area, header and totals rows, formats by name, its own
// autofilter and sort state, its columns and its style. The formula kit finds tables and their columns by name for
// structured references (Sales[Amount]), so the list offers the lookups; names compare without regard to case over
// all of UTF-16. Fields mirror the attributes of the table element (ECMA-376 Part 1, 18.5.1).

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/common/XLSStyleObjects.h"
#include "xls/core/model/common/Xc12DataLists.h"
#include "xls/core/model/worksheet/Xc12DataAutofilter5.h"
#include "xls/core/xml/XpgSimpleDOM.h"

#include <cstdint>

namespace xls {

// A formula of a table column: the calculated column's or the totals row's.
class TXc12TableFormula {
public:
    void Clear() { *this = TXc12TableFormula(); }

    bool GetArray() const { return FArray; }
    void SetArray(bool value) { FArray = value; }
    const rtl::UnicodeString& GetText() const { return FText; }
    void SetText(rtl::UnicodeStringView value) { FText = value; }

private:
    bool FArray = false;
    rtl::UnicodeString FText;
};

// How a column of an XML-mapped table takes its values.
class TXc12XmlColumnPr {
public:
    void Clear() { *this = TXc12XmlColumnPr(); }

    int32_t GetMapId() const { return FMapId; }
    void SetMapId(int32_t value) { FMapId = value; }
    const rtl::UnicodeString& GetXpath() const { return FXpath; }
    void SetXpath(rtl::UnicodeStringView value) { FXpath = value; }
    bool GetDenormalized() const { return FDenormalized; }
    void SetDenormalized(bool value) { FDenormalized = value; }
    uint8_t GetXmlDataType() const { return FXmlDataType; }
    void SetXmlDataType(uint8_t value) { FXmlDataType = value; }

private:
    int32_t FMapId = 0;
    rtl::UnicodeString FXpath;
    bool FDenormalized = false;
    uint8_t FXmlDataType = 0;
};

// The table style a table uses and which of its parts show.
class TXc12TableStyleInfo {
public:
    void Clear() { *this = TXc12TableStyleInfo(); }

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    bool GetShowFirstColumn() const { return FShowFirstColumn; }
    void SetShowFirstColumn(bool value) { FShowFirstColumn = value; }
    bool GetShowLastColumn() const { return FShowLastColumn; }
    void SetShowLastColumn(bool value) { FShowLastColumn = value; }
    bool GetShowRowStripes() const { return FShowRowStripes; }
    void SetShowRowStripes(bool value) { FShowRowStripes = value; }
    bool GetShowColumnStripes() const { return FShowColumnStripes; }
    void SetShowColumnStripes(bool value) { FShowColumnStripes = value; }

private:
    rtl::UnicodeString FName;
    bool FShowFirstColumn = false;
    bool FShowLastColumn = false;
    bool FShowRowStripes = false;
    bool FShowColumnStripes = false;
};

// One column of a table.
class TXc12TableColumn : public TXc12Data {
public:
    // Every value 0 or empty, the formulas and XML properties cleared.
    void Clear();

    int32_t GetId() const { return FId; }
    void SetId(int32_t value) { FId = value; }
    const rtl::UnicodeString& GetUniqueName() const { return FUniqueName; }
    void SetUniqueName(rtl::UnicodeStringView value) { FUniqueName = value; }
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    uint8_t GetTotalsRowFunction() const { return FTotalsRowFunction; }
    void SetTotalsRowFunction(uint8_t value) { FTotalsRowFunction = value; }
    const rtl::UnicodeString& GetTotalsRowLabel() const { return FTotalsRowLabel; }
    void SetTotalsRowLabel(rtl::UnicodeStringView value) { FTotalsRowLabel = value; }
    int32_t GetQueryTableFieldId() const { return FQueryTableFieldId; }
    void SetQueryTableFieldId(int32_t value) { FQueryTableFieldId = value; }
    const rtl::UnicodeString& GetHeaderRowDxfId() const { return FHeaderRowDxfId; }
    void SetHeaderRowDxfId(rtl::UnicodeStringView value) { FHeaderRowDxfId = value; }
    const rtl::UnicodeString& GetDataDxfId() const { return FDataDxfId; }
    void SetDataDxfId(rtl::UnicodeStringView value) { FDataDxfId = value; }
    const rtl::UnicodeString& GetTotalsRowDxfId() const { return FTotalsRowDxfId; }
    void SetTotalsRowDxfId(rtl::UnicodeStringView value) { FTotalsRowDxfId = value; }
    const rtl::UnicodeString& GetHeaderRowCellStyle() const { return FHeaderRowCellStyle; }
    void SetHeaderRowCellStyle(rtl::UnicodeStringView value) { FHeaderRowCellStyle = value; }
    const rtl::UnicodeString& GetDataCellStyle() const { return FDataCellStyle; }
    void SetDataCellStyle(rtl::UnicodeStringView value) { FDataCellStyle = value; }
    const rtl::UnicodeString& GetTotalsRowCellStyle() const { return FTotalsRowCellStyle; }
    void SetTotalsRowCellStyle(rtl::UnicodeStringView value) { FTotalsRowCellStyle = value; }
    TXc12TableFormula& GetCalculatedColumnFormula() { return FCalculatedColumnFormula; }
    TXc12TableFormula& GetTotalsRowFormula() { return FTotalsRowFormula; }
    TXc12XmlColumnPr& GetXmlColumnPr() { return FXmlColumnPr; }

private:
    int32_t FId = 0;
    rtl::UnicodeString FUniqueName;
    rtl::UnicodeString FName;
    uint8_t FTotalsRowFunction = 0;
    rtl::UnicodeString FTotalsRowLabel;
    int32_t FQueryTableFieldId = 0;
    rtl::UnicodeString FHeaderRowDxfId;
    rtl::UnicodeString FDataDxfId;
    rtl::UnicodeString FTotalsRowDxfId;
    rtl::UnicodeString FHeaderRowCellStyle;
    rtl::UnicodeString FDataCellStyle;
    rtl::UnicodeString FTotalsRowCellStyle;
    TXc12TableFormula FCalculatedColumnFormula;
    TXc12TableFormula FTotalsRowFormula;
    TXc12XmlColumnPr FXmlColumnPr;
};

using TXc12TableColumns = TXc12OwnedList<TXc12TableColumn>;

// One table of a sheet.
class TXc12Table : public TXc12Data {
public:
    // factory makes the filter columns of the table's autofilter; it may be nullptr and is not owned.
    explicit TXc12Table(TXLSClassFactory* factory);

    // Every field back to its initial value: numbers 0, texts empty, no area, one header row, totals row shown; the
    // autofilter, sort state and style cleared, the columns and the extension list freed.
    void Clear();
    // The cell lies in the table's area, borders included.
    bool ContainsCell(int32_t col, int32_t row) const;

    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }
    int32_t GetId() const { return FId; }
    void SetId(int32_t value) { FId = value; }
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    const rtl::UnicodeString& GetDisplayName() const { return FDisplayName; }
    void SetDisplayName(rtl::UnicodeStringView value) { FDisplayName = value; }
    const rtl::UnicodeString& GetComment() const { return FComment; }
    void SetComment(rtl::UnicodeStringView value) { FComment = value; }
    // No area (all -1) until a file gives one.
    const TXLSCellAreaRec& GetArea() const { return FArea; }
    void SetArea(const TXLSCellAreaRec& value) { FArea = value; }
    uint8_t GetTableType() const { return FTableType; }
    void SetTableType(uint8_t value) { FTableType = value; }
    int32_t GetHeaderRowCount() const { return FHeaderRowCount; }
    void SetHeaderRowCount(int32_t value) { FHeaderRowCount = value; }
    bool GetInsertRow() const { return FInsertRow; }
    void SetInsertRow(bool value) { FInsertRow = value; }
    bool GetInsertRowShift() const { return FInsertRowShift; }
    void SetInsertRowShift(bool value) { FInsertRowShift = value; }
    int32_t GetTotalsRowCount() const { return FTotalsRowCount; }
    void SetTotalsRowCount(int32_t value) { FTotalsRowCount = value; }
    bool GetTotalsRowShown() const { return FTotalsRowShown; }
    void SetTotalsRowShown(bool value) { FTotalsRowShown = value; }
    bool GetPublished() const { return FPublished; }
    void SetPublished(bool value) { FPublished = value; }
    const rtl::UnicodeString& GetHeaderRowDxfId() const { return FHeaderRowDxfId; }
    void SetHeaderRowDxfId(rtl::UnicodeStringView value) { FHeaderRowDxfId = value; }
    const rtl::UnicodeString& GetDataDxfId() const { return FDataDxfId; }
    void SetDataDxfId(rtl::UnicodeStringView value) { FDataDxfId = value; }
    const rtl::UnicodeString& GetTotalsRowDxfId() const { return FTotalsRowDxfId; }
    void SetTotalsRowDxfId(rtl::UnicodeStringView value) { FTotalsRowDxfId = value; }
    const rtl::UnicodeString& GetHeaderRowBorderDxfId() const { return FHeaderRowBorderDxfId; }
    void SetHeaderRowBorderDxfId(rtl::UnicodeStringView value) { FHeaderRowBorderDxfId = value; }
    const rtl::UnicodeString& GetTableBorderDxfId() const { return FTableBorderDxfId; }
    void SetTableBorderDxfId(rtl::UnicodeStringView value) { FTableBorderDxfId = value; }
    const rtl::UnicodeString& GetTotalsRowBorderDxfId() const { return FTotalsRowBorderDxfId; }
    void SetTotalsRowBorderDxfId(rtl::UnicodeStringView value) { FTotalsRowBorderDxfId = value; }
    const rtl::UnicodeString& GetHeaderRowCellStyle() const { return FHeaderRowCellStyle; }
    void SetHeaderRowCellStyle(rtl::UnicodeStringView value) { FHeaderRowCellStyle = value; }
    const rtl::UnicodeString& GetDataCellStyle() const { return FDataCellStyle; }
    void SetDataCellStyle(rtl::UnicodeStringView value) { FDataCellStyle = value; }
    const rtl::UnicodeString& GetTotalsRowCellStyle() const { return FTotalsRowCellStyle; }
    void SetTotalsRowCellStyle(rtl::UnicodeStringView value) { FTotalsRowCellStyle = value; }
    int32_t GetConnectionId() const { return FConnectionId; }
    void SetConnectionId(int32_t value) { FConnectionId = value; }
    TXc12AutoFilter& GetAutoFilter() { return FAutoFilter; }
    TXc12SortState& GetSortState() { return FSortState; }
    TXc12TableColumns& GetColumns() { return FColumns; }
    const TXc12TableColumns& GetColumns() const { return FColumns; }
    TXc12TableStyleInfo& GetStyleInfo() { return FStyleInfo; }
    // The table's extLst element as read, kept whole so that it is written back unchanged.
    TXpgSimpleDOM& GetExtLst() { return FExtLst; }

private:
    TXLSClassFactory* FClassFactory; // not owned
    int32_t FId = 0;
    rtl::UnicodeString FName;
    rtl::UnicodeString FDisplayName;
    rtl::UnicodeString FComment;
    TXLSCellAreaRec FArea;
    uint8_t FTableType = 0;
    int32_t FHeaderRowCount = 1;
    bool FInsertRow = false;
    bool FInsertRowShift = false;
    int32_t FTotalsRowCount = 0;
    bool FTotalsRowShown = true;
    bool FPublished = false;
    rtl::UnicodeString FHeaderRowDxfId;
    rtl::UnicodeString FDataDxfId;
    rtl::UnicodeString FTotalsRowDxfId;
    rtl::UnicodeString FHeaderRowBorderDxfId;
    rtl::UnicodeString FTableBorderDxfId;
    rtl::UnicodeString FTotalsRowBorderDxfId;
    rtl::UnicodeString FHeaderRowCellStyle;
    rtl::UnicodeString FDataCellStyle;
    rtl::UnicodeString FTotalsRowCellStyle;
    int32_t FConnectionId = 0;
    TXc12AutoFilter FAutoFilter;
    TXc12SortState FSortState;
    TXc12TableColumns FColumns;
    TXc12TableStyleInfo FStyleInfo;
    TXpgSimpleDOM FExtLst;
};

// The tables of a sheet, with the lookups structured references need.
class TXc12Tables : public rtl::TObjectList {
public:
    // factory is handed to every table; it may be nullptr and is not owned.
    explicit TXc12Tables(TXLSClassFactory* factory) : FClassFactory(factory) {}

    // A new, cleared table, appended.
    TXc12Table* Add();
    TXc12Table* GetItem(int32_t index) const { return static_cast<TXc12Table*>(TObjectList::GetItem(index)); }

    // The position of the first table whose name equals name without regard to case, -1 when none.
    int32_t FindByName(rtl::UnicodeStringView name) const;
    // The position of the first table whose area holds the cell, -1 when none.
    int32_t FindCell(int32_t col, int32_t row) const;
    // The position within its table of the first column, over the tables in order, whose name equals name once
    // NormalizeColumnName has undone its escapes; -1 when none. Which table holds it is not told.
    int32_t FindColumn(rtl::UnicodeStringView name) const;
    // name upper-cased with its quote escapes undone: two single quotes give one, a single quote before anything
    // else (or at the end) is dropped.
    static rtl::UnicodeString NormalizeColumnName(rtl::UnicodeStringView name);

private:
    TXLSClassFactory* FClassFactory; // not owned
};

} // namespace xls
