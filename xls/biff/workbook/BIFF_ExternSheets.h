#pragma once
// The external-sheet entries of a BIFF8 workbook (EXTERNSHEET, MS-XLS 2.4.106), which its 3-D references and external
// names name by position: each entry gives a supporting book (SUPBOOK, MS-XLS 2.4.271: the workbook itself, add-in
// functions, or another workbook with its sheet names) and a first and last sheet of it; the external names
// (EXTERNNAME) follow their SUPBOOK. They are read once from the records the globals storage keeps, after each read
// of the file, so that formula texts look them up without walking the storage.

#include "rtl/text/StringTypes.h"
#include "xls/core/model/workbook/XLSBIFFServices.h"

#include <cstdint>
#include <vector>

namespace xls {

class TBIFF5;

// The entries of one BIFF workbook object's file.
class TBIFFExternSheets : public TExternalNames {
public:
    // biff is not owned and must outlive this object.
    explicit TBIFFExternSheets(const TBIFF5& biff) : FBIFF(biff) {}

    // Takes the entries of the file the workbook object read last; a file before BIFF8 has none.
    void Load();
    void Clear();

    // False, leaving the sheets alone, for an index the file has no entry for.
    bool GetExternSheetRange(int32_t index, int32_t& firstSheet, int32_t& lastSheet) const override;
    // False for the same entries, for a SUPBOOK the file lacks and for an external name it lacks.
    bool GetExternalReference(int32_t index, int32_t nameIndex, TExternalReference& reference) const override;

private:
    struct TSupBook {
        TExternalReferenceKind Kind = TExternalReferenceKind::erkOwnSheets;
        rtl::UnicodeString Path;
        std::vector<rtl::UnicodeString> SheetNames;
        std::vector<rtl::UnicodeString> Names;
    };
    struct TEntry {
        int32_t SupBook = 0;
        int32_t FirstSheet = 0;
        int32_t LastSheet = 0;
    };

    const TBIFF5& FBIFF;
    std::vector<TSupBook> FSupBooks;
    std::vector<TEntry> FEntries;
};

} // namespace xls
