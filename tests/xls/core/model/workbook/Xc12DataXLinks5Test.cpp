#include "xls/core/model/workbook/Xc12DataXLinks5.h"

#include "rtl/core/Exceptions.h"

#include <functional>
#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(Xc12DataXLinks5, ANewCachedValueIsTheNumberZero) {
    TXc12XRow row;
    TXc12DdeValues values;
    for (const TXc12XCellValue* value : {static_cast<TXc12XCellValue*>(row.Add()), // on both kinds of holder
                                         static_cast<TXc12XCellValue*>(values.Add())}) {
        EXPECT_EQ(value->GetValueType(), xvtNumber);
        EXPECT_EQ(value->GetNumber(), 0);
        EXPECT_EQ(value->GetError(), 0);
        EXPECT_TRUE(value->GetString().empty());
    }
}

TEST(Xc12DataXLinks5, EachSetterReplacesWhateverTheValueHeld) {
    struct Case {
        const char* name;
        std::function<void(TXc12XCellValue&)> set;
        TXc12XValueType type;
        uint8_t byteValue;
        double number;
        rtl::UnicodeString text;
    };
    const Case cases[] = {
        {"boolean", [](TXc12XCellValue& v) { v.SetBoolean(1); }, xvtBoolean, 1, 0, u""},
        {"error", [](TXc12XCellValue& v) { v.SetError(7); }, xvtError, 7, 0, u""},
        {"number", [](TXc12XCellValue& v) { v.SetNumber(-2.5); }, xvtNumber, 0, -2.5, u""},
        {"string", [](TXc12XCellValue& v) { v.SetString(u"销货 Total"); }, xvtString, 0, 0, u"销货 Total"},
        {"empty string", [](TXc12XCellValue& v) { v.SetString(u""); }, xvtString, 0, 0, u""},
        {"nil", [](TXc12XCellValue& v) { v.SetNil(true); }, xvtNil, 0, 0, u""},
        {"not nil keeps the cleared number", [](TXc12XCellValue& v) { v.SetNil(false); }, xvtNumber, 0, 0, u""},
        {"clear", [](TXc12XCellValue& v) { v.Clear(); }, xvtNumber, 0, 0, u""},
    };
    // Each case starts from every kind of earlier value, so no byte, number or text survives a setter.
    const std::function<void(TXc12XCellValue&)> earlier[] = {
        [](TXc12XCellValue& v) { v.SetString(u"left over"); },
        [](TXc12XCellValue& v) { v.SetNumber(9); },
        [](TXc12XCellValue& v) { v.SetError(4); },
        [](TXc12XCellValue& v) { v.SetNil(true); },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& before : earlier) {
            TXc12XCellValue value;
            before(value);
            c.set(value);
            EXPECT_EQ(value.GetValueType(), c.type);
            EXPECT_EQ(value.GetError(), c.byteValue);
            EXPECT_EQ(value.GetNumber(), c.number);
            EXPECT_EQ(value.GetString(), c.text);
            EXPECT_EQ(value.GetString().c_str()[c.text.size()], u'\0');
        }
    }
}

TEST(Xc12DataXLinks5, ACellTakesItsPlaceFromAnA1Reference) {
    struct Case {
        const char* text;
        bool valid;
        int32_t col;
        int32_t row;
    };
    const Case cases[] = {
        {"A1", true, 0, 0},
        {"$C$5", true, 2, 4},
        {"AB$12", true, 27, 11},
        {"XFD1048576", true, 16383, 1048575},
        {"XFE1", false, 0, 0},
        {"A1048577", false, 0, 0},
        {"A0", false, 0, 0},
        {"", false, 0, 0},
        {"1A", false, 0, 0},
        {"A", false, 0, 0},
        {"A99999999999999999999", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TXc12XCell cell;
        cell.SetCol(-5);
        cell.SetRow(-6);
        const rtl::UnicodeString text(c.text, c.text + std::char_traits<char>::length(c.text));
        // A bad reference in a file is an answer, never an exception.
        bool valid = false;
        EXPECT_NO_THROW(valid = cell.SetRefText(text));
        EXPECT_EQ(valid, c.valid);
        EXPECT_EQ(cell.GetCol(), c.valid ? c.col : -5);
        EXPECT_EQ(cell.GetRow(), c.valid ? c.row : -6);
    }
}

TEST(Xc12DataXLinks5, FindBookComparesPathsInEveryScriptWithoutCase) {
    TXc12DataXLinks links;
    for (const rtl::UnicodeStringView path : {u"", u"/xl/externalLinks/Données.xlsx", u"/xl/销货清单.xlsx",
                                              u"/xl/進貨清單.xlsx", u"/xl/Book.xlsx", u"/XL/BOOK.XLSX"}) {
        links.Add()->GetExternalBook().SetPath(path);
    }
    struct Case {
        const char* name;
        rtl::UnicodeStringView path;
        int32_t found;
    };
    const Case cases[] = {
        {"as written", u"/xl/externalLinks/Données.xlsx", 1},
        {"ASCII letters in other case", u"/XL/EXTERNALLINKS/données.XLSX", 1},
        {"accented letter in other case", u"/xl/externalLinks/DonnÉes.xlsx", 1},
        {"Chinese name", u"/xl/销货清单.xlsx", 2},
        {"Chinese names of the same length stay apart", u"/xl/进货清单.xlsx", -1},
        {"the first of two equal paths", u"/Xl/Book.xlsx", 4},
        {"unknown path", u"/xl/Other.xlsx", -1},
        {"an empty path finds no unresolved book", u"", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(links.FindBook(c.path), c.found);
    }
    EXPECT_EQ(TXc12DataXLinks().FindBook(u"/xl/Book.xlsx"), -1);
}

TEST(Xc12DataXLinks5, FindSheetComparesNamesInEveryScriptWithoutCase) {
    TXc12XExternalBook book;
    EXPECT_EQ(book.FindSheet(u"Sheet1"), -1);
    EXPECT_EQ(book.FindSheet(u""), -1);
    for (const rtl::UnicodeStringView name : {u"Sheet1", u"销货清单", u"Итоги", u"Σύνολο", u"SHEET1"}) {
        book.GetSheetNames().Add(name);
    }
    struct Case {
        const char* name;
        rtl::UnicodeStringView sheet;
        int32_t found;
    };
    const Case cases[] = {
        {"ASCII in other case, first of two", u"sheet1", 0},
        {"Chinese", u"销货清单", 1},
        {"another Chinese name", u"进货清单", -1},
        {"Cyrillic in other case", u"ИТОГИ", 2},
        {"Greek in other case", u"ΣΎΝΟΛΟ", 3},
        {"a prefix only", u"Sheet", -1},
        {"empty", u"", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(book.FindSheet(c.sheet), c.found);
    }
}

TEST(Xc12DataXLinks5, ANewLinkHasEmptyPartsAndPositionsAreChecked) {
    TXc12DataXLinks links;
    TXc12ExternalLink* link = links.Add();
    EXPECT_EQ(links.GetItem(0), link);
    EXPECT_EQ(link->GetExternalBook().GetSheetNames().Count(), 0);
    EXPECT_EQ(link->GetExternalBook().GetDefinedNames().Count(), 0);
    EXPECT_EQ(link->GetExternalBook().GetSheetDataSet().Count(), 0);
    EXPECT_TRUE(link->GetExternalBook().GetPath().empty());
    EXPECT_EQ(link->GetDdeLink().Count(), 0);
    EXPECT_EQ(link->GetOleLink().Count(), 0);
    EXPECT_EQ(link->GetDdeLink().Add()->GetValues().Count(), 0);

    for (const int32_t position : {-1, 1}) {
        SCOPED_TRACE(position);
        EXPECT_THROW(links.GetItem(position), rtl::EListError);
        EXPECT_THROW(link->GetDdeLink().GetItem(position), rtl::EListError);
    }
}

TEST(Xc12DataXLinks5, ClearingFreesEveryLinkWithItsCachedValues) {
    TXc12DataXLinks links;
    for (int32_t i = 0; i < 2; ++i) {
        TXc12ExternalLink* link = links.Add();
        TXc12XExternalBook& book = link->GetExternalBook();
        book.GetSheetNames().Add(u"Sheet1");
        book.GetDefinedNames().Add()->SetName(u"Total");
        book.GetSheetDataSet().Add()->Add()->Add()->SetString(u"a text long enough to live on the heap");
        link->GetDdeLink().Add()->GetValues().Add()->SetString(u"another text long enough for the heap");
        link->GetOleLink().Add()->SetName(u"Object 1");
    }
    // Everything built above is freed here; a leak shows under the sanitizer.
    links.Clear();
    EXPECT_EQ(links.Count(), 0);
    EXPECT_EQ(links.FindBook(u"/xl/Book.xlsx"), -1);
    links.Add();
    EXPECT_EQ(links.Count(), 1);
}

} // namespace
} // namespace xls
