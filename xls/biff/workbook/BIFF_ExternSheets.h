#pragma once
// The external-sheet entries of a BIFF8 workbook (EXTERNSHEET, MS-XLS 2.4.106), which its 3-D references and external
// names name by position: each entry gives a supporting book (SUPBOOK, MS-XLS 2.4.271: the workbook itself, add-in
// functions, or another workbook with its sheet names) and a first and last sheet of it; the external names
// (EXTERNNAME) follow their SUPBOOK. They are read from the records the globals storage keeps.

#include "xls/core/model/workbook/XLSBIFFServices.h"

namespace xls {

class TBIFF5;

// The entries of one BIFF workbook object's file.
class TBIFFExternSheets : public TExternalNames {
public:
    // biff is not owned and must outlive this object.
    explicit TBIFFExternSheets(TBIFF5& biff) : FBIFF(biff) {}

    // False, leaving the sheets alone, for an index the record has no entry for and for files before BIFF8.
    bool GetExternSheetRange(int32_t index, int32_t& firstSheet, int32_t& lastSheet) const override;
    // False for the same entries, for a SUPBOOK the file lacks and for an external name it lacks.
    bool GetExternalReference(int32_t index, int32_t nameIndex, TExternalReference& reference) const override;

private:
    bool ReadEntry(int32_t index, int32_t& supBook, int32_t& firstSheet, int32_t& lastSheet) const;

    TBIFF5& FBIFF;
};

} // namespace xls
