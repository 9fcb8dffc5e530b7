// Reads the input as a workbook file through the spreadsheet component, as the import does: an .xlsx package, or
// an .xls compound document or BIFF2-4 file. xlsx_fuzz and xls_fuzz are this target seeded with either kind.

#include "FuzzInput.h"
#include "WorkbookRead.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::TInputStream input(data, size);
    fuzz::ReadAndVisitWorkbook(input);
    return 0;
}
