// Reads the input as the record stream of an .xls workbook: it is put into a compound document as its "Workbook"
// stream, so that mutations reach the records and their handlers rather than the container. Seeded with the record
// streams of the .xls workbooks (xls_record_stream extracts them).

#include "FuzzInput.h"
#include "WorkbookRead.h"
#include "tests/xls/biff/CompoundFileWriter.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> document =
        xls::test::WriteCompoundFile({{u"Workbook", false, -1, std::vector<uint8_t>(data, data + size)}});
    fuzz::TInputStream input(document.data(), document.size());
    fuzz::ReadAndVisitWorkbook(input);
    return 0;
}
