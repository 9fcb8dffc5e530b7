#pragma once
// The protection of a sheet: which actions the protection covers, with the password hash, and the ranges that stay
// editable under their own passwords. Fields mirror the attributes of the sheetProtection and protectedRange
// elements (ECMA-376 Part 1, 18.3.1).

#include "rtl/text/StringTypes.h"
#include "xls/core/cells/XLSCellAreas.h"
#include "xls/core/model/common/Xc12DataLists.h"

#include <cstdint>

namespace xls {

// What the protection of a sheet covers. A flag that is set names an action the protection locks.
class TXc12SheetProtection {
public:
    void Clear() { *this = TXc12SheetProtection(); }

    // The 16-bit password hash, 0 for none.
    uint16_t GetPassword() const { return FPassword; }
    void SetPassword(uint16_t value) { FPassword = value; }
    bool GetSheet() const { return FSheet; }
    void SetSheet(bool value) { FSheet = value; }
    bool GetObjects() const { return FObjects; }
    void SetObjects(bool value) { FObjects = value; }
    bool GetScenarios() const { return FScenarios; }
    void SetScenarios(bool value) { FScenarios = value; }
    bool GetFormatCells() const { return FFormatCells; }
    void SetFormatCells(bool value) { FFormatCells = value; }
    bool GetFormatColumns() const { return FFormatColumns; }
    void SetFormatColumns(bool value) { FFormatColumns = value; }
    bool GetFormatRows() const { return FFormatRows; }
    void SetFormatRows(bool value) { FFormatRows = value; }
    bool GetInsertColumns() const { return FInsertColumns; }
    void SetInsertColumns(bool value) { FInsertColumns = value; }
    bool GetInsertRows() const { return FInsertRows; }
    void SetInsertRows(bool value) { FInsertRows = value; }
    bool GetInsertHyperlinks() const { return FInsertHyperlinks; }
    void SetInsertHyperlinks(bool value) { FInsertHyperlinks = value; }
    bool GetDeleteColumns() const { return FDeleteColumns; }
    void SetDeleteColumns(bool value) { FDeleteColumns = value; }
    bool GetDeleteRows() const { return FDeleteRows; }
    void SetDeleteRows(bool value) { FDeleteRows = value; }
    bool GetSelectLockedCells() const { return FSelectLockedCells; }
    void SetSelectLockedCells(bool value) { FSelectLockedCells = value; }
    bool GetSort() const { return FSort; }
    void SetSort(bool value) { FSort = value; }
    bool GetAutoFilter() const { return FAutoFilter; }
    void SetAutoFilter(bool value) { FAutoFilter = value; }
    bool GetPivotTables() const { return FPivotTables; }
    void SetPivotTables(bool value) { FPivotTables = value; }
    bool GetSelectUnlockedCells() const { return FSelectUnlockedCells; }
    void SetSelectUnlockedCells(bool value) { FSelectUnlockedCells = value; }

private:
    uint16_t FPassword = 0;
    bool FSheet = false;
    bool FObjects = false;
    bool FScenarios = false;
    bool FFormatCells = true;
    bool FFormatColumns = true;
    bool FFormatRows = true;
    bool FInsertColumns = true;
    bool FInsertRows = true;
    bool FInsertHyperlinks = true;
    bool FDeleteColumns = true;
    bool FDeleteRows = true;
    bool FSelectLockedCells = false;
    bool FSort = true;
    bool FAutoFilter = true;
    bool FPivotTables = true;
    bool FSelectUnlockedCells = false;
};

// Cells of a protected sheet that may be edited with their own password.
class TXc12ProtectedRange : public rtl::TObject {
public:
    // No password, no ranges, empty texts.
    void Clear();

    // The 32-bit password hash, 0 for none.
    uint32_t GetPassword() const { return FPassword; }
    void SetPassword(uint32_t value) { FPassword = value; }
    TCellAreas& GetRanges() { return FRanges; }
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    const rtl::UnicodeString& GetSecurityDescriptor() const { return FSecurityDescriptor; }
    void SetSecurityDescriptor(rtl::UnicodeStringView value) { FSecurityDescriptor = value; }

private:
    uint32_t FPassword = 0;
    TCellAreas FRanges;
    rtl::UnicodeString FName;
    rtl::UnicodeString FSecurityDescriptor;
};

using TXc12ProtectedRanges = TXc12OwnedList<TXc12ProtectedRange>;

} // namespace xls
