#include "xls/biff/workbook/BIFF_ExternSheets.h"

#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/workbook/BIFF5.h"

namespace xls {

namespace {

// EXTERNSHEET: a 16-bit count, then entries of a 16-bit supporting book, first sheet and last sheet.
constexpr int32_t ExternSheetEntries = 2;
constexpr int32_t ExternSheetEntrySize = 6;

} // namespace

bool TBIFFExternSheets::GetExternSheetRange(int32_t index, int32_t& firstSheet, int32_t& lastSheet) const {
    const TRecordStorageGlobals& globals = FBIFF.Globals();
    const int32_t position = globals.Find(BIFFRecordExternSheet);
    if (FBIFF.Version() < xvExcel97 || position < 0 || index < 0) {
        return false;
    }
    const TBIFFBody body(globals.Get(position).Body);
    const int32_t entry = ExternSheetEntries + index * ExternSheetEntrySize;
    if (index >= body.Word(0) || entry + ExternSheetEntrySize > body.Size()) {
        return false;
    }
    firstSheet = body.Word(entry + 2);
    lastSheet = body.Word(entry + 4);
    return firstSheet == lastSheet;
}

} // namespace xls
