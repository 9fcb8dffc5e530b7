// read_workbook: reads a workbook through the spreadsheet component as the import does (Read, then every cell's type
// and text or number) and prints what it found. It visits the cells the sheets store rather than every position of
// their used areas, which lists the same cells in the same order and does not slow down on a sheet whose styled
// blank cells stretch its used area.
//
//   read_workbook [OPTIONS] FILE  one line per non-empty cell: sheet<TAB>row<TAB>col<TAB>type<TAB>text (UTF-8; tab,
//                                 line break, carriage return and backslash in the text written as \t \n \r \\)
//
//   --summary          the cell count and the elapsed time of the read and the visit instead of the cells
//   --checksum         the cell count and a 64-bit FNV-1a hash of the cell lines instead of the cells, so that a
//                      read of millions of cells can be compared with an earlier one
//   --names            before the cells, one line #sheet<TAB>index<TAB>name per sheet
//   --password TEXT    the password of an encrypted workbook, given as a password handler gives it
//
// Exits 0 on success, 1 with the error message on standard error when the file cannot be read, 2 on a wrong
// command line.

#include "WorkbookVisit.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/api/XLSWorksheet.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

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

// The line of one cell, as the listing prints it.
std::string CellLine(int32_t index, xls::TXLSWorksheet& sheet, int32_t col, int32_t row, int32_t kind) {
    return std::to_string(index) + '\t' + std::to_string(row) + '\t' + std::to_string(col) + '\t' +
           std::to_string(kind) + '\t' + Escaped(sheet.GetAsString(col, row)) + '\n';
}

void PrintCells(xls::TXLSSpreadsheet& book) {
    VisitBook(book, [](int32_t index, xls::TXLSWorksheet& sheet, int32_t col, int32_t row, int32_t kind) {
        std::fputs(CellLine(index, sheet, col, row, kind).c_str(), stdout);
    });
}

void PrintChecksum(xls::TXLSSpreadsheet& book) {
    int64_t cells = 0;
    uint64_t hash = 0xCBF29CE484222325; // FNV-1a, 64-bit
    VisitBook(book, [&](int32_t index, xls::TXLSWorksheet& sheet, int32_t col, int32_t row, int32_t kind) {
        ++cells;
        for (const char c : CellLine(index, sheet, col, row, kind)) {
            hash = (hash ^ static_cast<uint8_t>(c)) * 0x100000001B3;
        }
    });
    std::printf("%lld cells, checksum %016llx\n", static_cast<long long>(cells), static_cast<unsigned long long>(hash));
}

void PrintNames(xls::TXLSSpreadsheet& book) {
    for (int32_t index = 0; index < book.GetSheetCount(); ++index) {
        std::printf("#sheet\t%d\t%s\n", index, Escaped(book.GetSheet(index)->GetName()).c_str());
    }
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

struct TOptions {
    bool Summary = false;
    bool Checksum = false;
    bool Names = false;
    std::optional<std::string> Password;
    std::string File;
};

// The options and the file; nothing when the command line is wrong.
std::optional<TOptions> ParseOptions(int argc, char** argv) {
    TOptions options;
    int arg = 1;
    for (; arg < argc - 1; ++arg) {
        const std::string_view option = argv[arg];
        if (option == "--summary") {
            options.Summary = true;
        } else if (option == "--checksum") {
            options.Checksum = true;
        } else if (option == "--names") {
            options.Names = true;
        } else if (option == "--password" && arg + 1 < argc - 1) {
            options.Password = argv[++arg];
        } else {
            return std::nullopt;
        }
    }
    if (arg != argc - 1) {
        return std::nullopt;
    }
    options.File = argv[arg];
    return options;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<TOptions> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: read_workbook [--summary | --checksum] [--names] [--password TEXT] FILE\n");
        return 2;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        xls::TXLSSpreadsheet book(nullptr);
        book.SetFilename(rtl::Utf8ToUnicode(options->File));
        if (options->Password) {
            const rtl::UnicodeString password = rtl::Utf8ToUnicode(*options->Password);
            book.SetOnPassword([password](rtl::TObject*, rtl::UnicodeString& asked) { asked = password; });
        }
        book.Read();
        if (options->Names) {
            PrintNames(book);
        }
        if (options->Summary) {
            PrintSummary(book, start);
        } else if (options->Checksum) {
            PrintChecksum(book);
        } else {
            PrintCells(book);
        }
        return 0;
    } catch (const std::exception& e) {
        // A read failure carries the failed record on its first line, the cause after a carriage return.
        std::string message = e.what();
        std::replace(message.begin(), message.end(), '\r', '\n');
        std::fprintf(stderr, "%s\n", message.c_str());
        return 1;
    }
}
