// read_workbook: reads a workbook through the spreadsheet component as the import does (Read, then every cell's type
// and text or number) and prints what it found. It visits the cells the sheets store rather than every position of
// their used areas, which lists the same cells in the same order and does not slow down on a sheet whose styled
// blank cells stretch its used area.
//
//   read_workbook FILE            one line per non-empty cell: sheet<TAB>row<TAB>col<TAB>type<TAB>text (UTF-8; tab,
//                                 line break, carriage return and backslash in the text written as \t \n \r \\)
//   read_workbook --summary FILE  the cell count and the elapsed time of the read and the visit
//
// Exits 0 on success, 1 with the error message on standard error when the file cannot be read.

#include "WorkbookVisit.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/api/XLSWorksheet.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Escaped(const rtl::UnicodeString& text) {
    std::string escaped;
    for (const char c : rtl::UnicodeToUtf8(text)) {
        switch (c) {
        case '\t':
            escaped += "\\t";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Calls visit(sheet index, sheet, col, row, kind) for every non-empty cell of every sheet, in order.
template <class TVisit>
void VisitBook(xls::TXLSSpreadsheet& book, TVisit visit) {
    for (int32_t index = 0; index < book.GetSheetCount(); ++index) {
        xls::TXLSWorksheet& sheet = *book.GetSheet(index);
        bench::VisitStoredCells(sheet,
                                [&](int32_t col, int32_t row, int32_t kind) { visit(index, sheet, col, row, kind); });
    }
}

void PrintCells(xls::TXLSSpreadsheet& book) {
    VisitBook(book, [](int32_t index, xls::TXLSWorksheet& sheet, int32_t col, int32_t row, int32_t kind) {
        std::printf("%d\t%d\t%d\t%d\t%s\n", index, row, col, kind, Escaped(sheet.GetAsString(col, row)).c_str());
    });
}

void PrintSummary(xls::TXLSSpreadsheet& book, std::chrono::steady_clock::time_point start) {
    int64_t cells = 0;
    double checksum = 0; // keeps the visit from being optimised away
    VisitBook(book, [&](int32_t, xls::TXLSWorksheet& sheet, int32_t col, int32_t row, int32_t kind) {
        ++cells;
        if (bench::IsNumberKind(kind)) {
            checksum += sheet.GetAsFloat(col, row);
        } else {
            checksum += static_cast<double>(sheet.GetAsString(col, row).size());
        }
    });
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%lld cells in %.3f s (checksum %.6g)\n", static_cast<long long>(cells), elapsed.count(), checksum);
}

} // namespace

int main(int argc, char** argv) {
    const bool summary = argc == 3 && std::strcmp(argv[1], "--summary") == 0;
    if (argc != 2 && !summary) {
        std::fprintf(stderr, "usage: read_workbook [--summary] FILE\n");
        return 1;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        xls::TXLSSpreadsheet book(nullptr);
        book.SetFilename(rtl::Utf8ToUnicode(argv[argc - 1]));
        book.Read();
        if (summary) {
            PrintSummary(book, start);
        } else {
            PrintCells(book);
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
