#pragma once
// The copy of a parsed workbook part into the model workbook: the file version, workbook properties, windows and
// calculation settings, the sheet list (which the reader turns into sheets), and each defined name as it streams.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <unordered_set>

namespace xls {

class TXLSErrorManager;
class TXc12DataWorkbook;
class TXc12DefinedNames;

namespace xpgParserXLSX {
class TCT_DefinedName;
class TCT_Workbook;
} // namespace xpgParserXLSX

// Copies the workbook part's settings and sheet entries into workbook; an absent element leaves the defaults.
void ReadWorkbookPart(const xpgParserXLSX::TCT_Workbook& element, TXc12DataWorkbook& workbook);
// Adds the defined names of one workbook part as they stream: each with its scope, its formula text (not compiled)
// and its attributes. A name without a text, with a scope that names no sheet, or a second name of the same text
// and scope is left out after warning 2009; the others still read.
class TXLSReadXLSXDefinedNames {
public:
    // Neither reference is owned.
    TXLSReadXLSXDefinedNames(TXc12DefinedNames& names, TXLSErrorManager& errors) : FNames(names), FErrors(errors) {}

    // The number of sheet entries of the part, which local names' scopes must stay below.
    void SetSheetCount(int32_t count) { FSheetCount = count; }
    void DoDefinedName(const xpgParserXLSX::TCT_DefinedName& element);

private:
    // Whether the name may be added; reports why not.
    bool Accept(const xpgParserXLSX::TCT_DefinedName& element);

    TXc12DefinedNames& FNames;
    TXLSErrorManager& FErrors;
    int32_t FSheetCount = 0;
    // The scope and upper-cased text of every name added.
    std::unordered_set<rtl::UnicodeString> FAdded;
};

} // namespace xls
