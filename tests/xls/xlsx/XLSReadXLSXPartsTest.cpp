// The reading of every part of a package beyond the cells: the workbook's elements, external links, pivot caches and
// connections, the sheet's settings, views, filters, conditional formats, validations, tables, hyperlinks, comments
// and drawings, and what happens when one of those parts cannot be read.

#include "rtl/io/FileUtils.h"
#include "rtl/text/CodePages.h"
#include "tests/xls/xlsx/XLSReadXLSXTestSupport.h"

#include <gtest/gtest.h>

namespace xls::xlsx_test {
namespace {

std::string Utf8(rtl::UnicodeStringView text) {
    return rtl::UnicodeToUtf8(rtl::UnicodeString(text));
}

TEST(XLSReadXLSXParts, CorpusDiagnostic) {
    for (const rtl::UnicodeString& file : test_support::CorpusFiles({u".xlsx", u".xlsm"})) {
        TModel model;
        try {
            rtl::TFileStream stream(file, rtl::fmOpenRead);
            TXLSReadXLSX(model.Manager, model.Handler).LoadFromStream(stream);
        } catch (const std::exception& e) {
            continue;
        }
        for (const TXLSErrorMessage& message : model.Errors.Messages()) {
            if (message.Number >= 2007 && message.Number <= 2011) {
                std::printf("%s: %s\n", Utf8(rtl::ExtractFileName(file)).c_str(), Utf8(message.Text).c_str());
            }
        }
    }
}

} // namespace
} // namespace xls::xlsx_test
