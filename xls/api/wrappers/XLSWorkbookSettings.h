#pragma once
// The workbook facade's wrappers over what the workbook part says about itself: its data (date system, code name,
// protection, windows and custom views) and its calculation options.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace xls {

class TXc12BookView;
class TXc12CalcPr;
class TXc12CustomWorkbookView;
class TXc12DataWorkbook;
class TXc12WorkbookProtection;

// The workbook's own settings.
class TXLSWorkbookData {
public:
    // workbook is the model's workbook part, not owned.
    explicit TXLSWorkbookData(TXc12DataWorkbook& workbook) : FWorkbook(workbook) {}

    // Dates count from 1904-01-01 rather than from 1900.
    bool GetDate1904() const;
    const rtl::UnicodeString& GetCodeName() const;
    TXc12WorkbookProtection& GetProtection() const;
    int32_t GetBookViewCount() const;
    // An index outside the list raises rtl::EListError, here and in GetCustomView.
    TXc12BookView& GetBookView(int32_t index) const;
    int32_t GetCustomViewCount() const;
    TXc12CustomWorkbookView& GetCustomView(int32_t index) const;
    // The position of the custom view named name (ignoring case), -1 when none is.
    int32_t FindCustomView(rtl::UnicodeStringView name) const;

private:
    TXc12DataWorkbook& FWorkbook;
};

// The workbook's calculation options.
class TXLSOptionsDialog {
public:
    // workbook is the model's workbook part, not owned.
    explicit TXLSOptionsDialog(TXc12DataWorkbook& workbook) : FWorkbook(workbook) {}

    // 0 manual, 1 automatic, 2 automatic except tables.
    uint8_t GetCalcMode() const;
    void SetCalcMode(uint8_t value);
    bool GetIterate() const;
    int32_t GetIterateCount() const;
    double GetIterateDelta() const;
    // False when numbers are kept as precise as they are shown.
    bool GetFullPrecision() const;
    TXc12CalcPr& GetCalcPr() const;

private:
    TXc12DataWorkbook& FWorkbook;
};

} // namespace xls
