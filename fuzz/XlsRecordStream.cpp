// xls_record_stream FILE: writes the record stream of an .xls workbook (its compound document's "Workbook" or "Book"
// stream, or a BIFF2-4 file whole) to standard output: the seeds of xls_records_fuzz. Exits 1 with the error on
// standard error for a file that is no workbook.

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "xls/biff/stream/BIFF_Stream.h"
#include "xls/core/base/XLSErrorManager.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: xls_record_stream FILE\n");
        return 1;
    }
    try {
        xls::TXLSErrorManager errors;
        xls::TXLSStream stream(errors);
        if (stream.OpenFile(rtl::Utf8ToUnicode(argv[1])) == xls::xvNone) {
            return 1;
        }
        std::vector<uint8_t> bytes(static_cast<size_t>(stream.Size()));
        stream.Seek(0, rtl::soBeginning);
        const int32_t read = stream.Read(bytes.data(), static_cast<int32_t>(bytes.size()));
        std::fwrite(bytes.data(), 1, static_cast<size_t>(read), stdout);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
