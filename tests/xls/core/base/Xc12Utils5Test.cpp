#include "xls/core/base/Xc12Utils5.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSReadLimits.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

using test_support::Utf8;

TEST(Xc12Utils5, ParseCellRef) {
    struct Case {
        const char16_t* text;
        bool valid;
        int32_t col;
        int32_t row;
    };
    const Case cases[] = {
        {u"A1", true, 0, 0},
        {u"$B$3", true, 1, 2},
        {u"B$3", true, 1, 2},
        {u"$B3", true, 1, 2},
        {u"XFD1048576", true, 16383, 1048575},
        {u"AA10", true, 26, 9},
        {u"XFE1", false},
        {u"A0", false},
        {u"A1048577", false},
        {u"A99999999999999999999", false},
        {u"a1", false},
        {u"", false},
        {u"A", false},
        {u"1", false},
        {u"$1", false},
        {u"ABCD1", false},
        {u"$$A1", false},
        {u"A$$1", false},
        {u"A1B", false},
        {u" A1", false},
        {u"A1 ", false},
        {u"Sheet1!A1", false},
        // U+5341 and U+0431 share their low bytes with 'A' and '1'.
        {u"\u53411", false},
        {u"A\u0431", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        int32_t col = -7;
        int32_t row = -7;
        EXPECT_EQ(ParseCellRef(c.text, col, row), c.valid);
        EXPECT_EQ(col, c.valid ? c.col : -7);
        EXPECT_EQ(row, c.valid ? c.row : -7);
    }
}

TEST(Xc12Utils5, ParseCellRefAbsReportsTheDollarsAndRaisesWithoutRowDigits) {
    struct Case {
        const char16_t* text;
        bool valid;
        bool colAbs;
        bool rowAbs;
    };
    const Case cases[] = {
        {u"C7", true, false, false},
        {u"$C7", true, true, false},
        {u"C$7", true, false, true},
        {u"$C$7", true, true, true},
        {u"7", false},
        {u"C0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        int32_t col = -1;
        int32_t row = -1;
        bool colAbs = false;
        bool rowAbs = false;
        ASSERT_EQ(ParseCellRefAbs(c.text, col, row, colAbs, rowAbs), c.valid);
        if (c.valid) {
            EXPECT_EQ(col, 2);
            EXPECT_EQ(row, 6);
            EXPECT_EQ(colAbs, c.colAbs);
            EXPECT_EQ(rowAbs, c.rowAbs);
        }
    }
    for (const char16_t* text : {u"", u"C", u"$C$", u"C7x"}) {
        SCOPED_TRACE(Utf8(text));
        int32_t col;
        int32_t row;
        bool colAbs;
        bool rowAbs;
        EXPECT_THROW((void)ParseCellRefAbs(text, col, row, colAbs, rowAbs), rtl::EConvertError);
    }
}

TEST(Xc12Utils5, ParseAreaRef) {
    struct Case {
        const char16_t* text;
        bool valid;
        TXLSCellAreaRec area;
    };
    const Case cases[] = {
        {u"Sheet1!A1:B2", true, {0, 1, 0, 1}},
        {u"'a!b'!C3", true, {2, 2, 2, 2}},
        {u"A1", true, {0, 0, 0, 0}},
        {u"$A$1:$B$2", true, {0, 1, 0, 1}},
        {u"B2:A1", true, {0, 1, 0, 1}},
        {u"A2:B1", true, {0, 1, 0, 1}},
        {u"B:D", true, {0, 1048575, 1, 3}},
        {u"$B:$D", true, {0, 1048575, 1, 3}},
        {u"A:XFD", true, {0, 1048575, 0, 16383}},
        {u"3:5", true, {2, 4, 0, 16383}},
        {u"$3:$5", true, {2, 4, 0, 16383}},
        {u"1:1048576", true, {0, 1048575, 0, 16383}},
        {u"D:B", false},
        {u"5:3", false},
        {u"XFD:XFE", false},
        {u"0:1", false},
        {u"1:1048577", false},
        {u"A:1", false},
        {u"a1:b2", false},
        {u"A1:B2:C3", false},
        {u"!A1", false},
        {u"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        TXLSCellAreaRec area;
        ASSERT_EQ(ParseAreaRef(c.text, area.Col1, area.Row1, area.Col2, area.Row2), c.valid);
        EXPECT_EQ(area, c.valid ? c.area : TXLSCellAreaRec{});
    }
}

TEST(Xc12Utils5, ParseAreaRefAbsKeepsEachDollarWithItsColumnOrRow) {
    struct Case {
        const char16_t* text;
        bool valid;
        bool flags[4];
    };
    const Case cases[] = {
        {u"$A1:B$2", true, {true, false, false, true}},
        // Corners given the other way round come back ordered.
        {u"B$2:$A1", true, {true, false, false, true}},
        {u"A$2:$B1", true, {false, false, true, true}},
        {u"A1", false},
        {u"A:B", false},
        {u"A1:B0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        TXLSCellAreaRec area;
        bool flags[4] = {};
        ASSERT_EQ(
            ParseAreaRefAbs(c.text, area.Col1, area.Row1, area.Col2, area.Row2, flags[0], flags[1], flags[2], flags[3]),
            c.valid);
        if (c.valid) {
            EXPECT_EQ(area, (TXLSCellAreaRec{0, 1, 0, 1}));
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(flags[i], c.flags[i]) << "flag " << i;
            }
        }
    }
}

TEST(Xc12Utils5, StrToCellArea) {
    struct Case {
        const char16_t* text;
        bool valid;
        TXLSCellAreaRec area;
    };
    const Case cases[] = {
        {u"", true, {}},
        {u"C4", true, {3, 3, 2, 2}},
        {u"A1:B2", true, {0, 1, 0, 1}},
        {u"B:C", true, {0, 1048575, 1, 2}},
        {u"Sheet1!A1:B2", true, {0, 1, 0, 1}},
        // Without ":" only a cell reference will do.
        {u"Sheet1!A1", false, {}},
        {u"B", false, {}},
        {u"A0:B2", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        TXLSCellAreaRec area{5, 5, 5, 5};
        EXPECT_EQ(StrToCellArea(c.text, area), c.valid);
        EXPECT_EQ(area, c.area);
    }
}

TEST(Xc12Utils5, CellRefToStrAndAreaRefToStr) {
    struct Case {
        int32_t col;
        int32_t row;
        bool colAbs;
        bool rowAbs;
        const char16_t* text;
    };
    const Case cases[] = {
        {0, 0, false, false, u"A1"},    {25, 0, false, false, u"Z1"},     {26, 0, true, true, u"$AA$1"},
        {701, 0, false, false, u"ZZ1"}, {702, 9, false, false, u"AAA10"}, {16383, 1048575, true, false, u"$XFD1048576"},
        {2, 4, false, true, u"C$5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        EXPECT_EQ(Utf8(CellRefToStr(c.col, c.row, c.colAbs, c.rowAbs)), Utf8(c.text));
    }
    EXPECT_EQ(Utf8(ColRowToStr(26, 0)), "AA1");
    EXPECT_EQ(Utf8(AreaRefToStr(0, 0, 2, 4, true, false, false, true)), "$A1:C$5");
}

TEST(Xc12Utils5, EveryColumnReadsBackWhatWasWritten) {
    for (int32_t col = 0; col <= XLSMaxCol; ++col) {
        for (const int32_t row : {0, XLSMaxRow}) {
            int32_t readCol = -1;
            int32_t readRow = -1;
            ASSERT_TRUE(ParseCellRef(ColRowToStr(col, row), readCol, readRow)) << col;
            ASSERT_EQ(readCol, col);
            ASSERT_EQ(readRow, row);
        }
    }
}

TEST(Xc12Utils5, PackedReferencesCarryTheirDollarsInTheTopBits) {
    EXPECT_EQ(Utf8(PtgCellRefToStr(2, 4)), "C5");
    EXPECT_EQ(Utf8(PtgCellRefToStr(0x8000 | 2, 0x80000000u | 4)), "$C$5");
    EXPECT_EQ(Utf8(PtgCellRefToStr(0x8000 | 16383, 1048575)), "$XFD1048576");
    EXPECT_EQ(Utf8(PtgAreaRefToStr(0, 0x80000000u, 0x8000 | 1, 1)), "A$1:$B2");
    // Whole rows and whole columns show as such, with the "$" of their rows or columns.
    EXPECT_EQ(Utf8(PtgAreaRefToStr(0, 0x80000000u, XLSMaxCol, 2)), "$1:3");
    EXPECT_EQ(Utf8(PtgAreaRefToStr(0x8000 | 2, 0, 2, XLSMaxRow)), "$C:C");
    EXPECT_EQ(Utf8(PtgAreaRefToStr(0, 0, XLSMaxCol, XLSMaxRow)), "1:1048576");
}

// A prefix stands plain only where the formula tokenizer reads it back plain; quoted, the whole prefix goes between
// apostrophes with those inside doubled.
TEST(Xc12Utils5, QuoteSheetReferenceQuotesWhatTheTokenizerWouldMisread) {
    const struct {
        std::u16string_view Book;
        std::u16string_view First;
        std::u16string_view Last;
        std::string Quoted;
    } cases[] = {
        {u"", u"Sheet1", u"", "Sheet1"},
        {u"", u"My Sheet", u"", "'My Sheet'"},
        {u"", u"2019", u"", "'2019'"},
        {u"", u"TRUE1", u"", "'TRUE1'"},
        {u"", u"Bob's", u"", "'Bob''s'"},
        {u"", u"\u9500\u552E", u"", "'\xE9\x94\x80\xE5\x94\xAE'"},
        {u"", u"Sheet1", u"Sheet3", "Sheet1:Sheet3"},
        {u"", u"Sheet1", u"My Sheet", "'Sheet1:My Sheet'"},
        {u"1", u"Prices", u"", "[1]Prices"},
        {u"Book1.xlsx", u"Prices", u"", "[Book1.xlsx]Prices"},
        {u"C:\\Books\\Bob's.xlsx", u"Prices", u"", "'[C:\\Books\\Bob''s.xlsx]Prices'"},
        {u"1", u"Q 1", u"Q 2", "'[1]Q 1:Q 2'"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(Utf8(QuoteSheetReference(test.Book, test.First, test.Last)), test.Quoted);
    }
    EXPECT_EQ(Utf8(QuoteSheetName(u"")), "");
}

TEST(Xc12Utils5, IsValidCellAndArea) {
    struct Case {
        int32_t col1;
        int32_t row1;
        int32_t col2;
        int32_t row2;
        bool valid;
    };
    const Case cases[] = {
        {0, 0, 16383, 1048575, true}, {-1, 0, 0, 0, false},      {0, -1, 0, 0, false},
        {0, 0, 16384, 0, false},      {0, 0, 0, 1048576, false}, {INT32_MIN, 0, INT32_MAX, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.col1 << "," << c.row1 << "," << c.col2 << "," << c.row2);
        EXPECT_EQ(IsValidArea(c.col1, c.row1, c.col2, c.row2), c.valid);
        EXPECT_EQ(IsValidCell(c.col1, c.row1) && IsValidCell(c.col2, c.row2), c.valid);
    }
}

TEST(Xc12Utils5, ErrorStrToIndexComparesExactly) {
    struct Case {
        const char16_t* text;
        int32_t index;
    };
    const Case cases[] = {
        {u"#NULL!", 1}, {u"#DIV/0!", 2}, {u"#N/A", 7}, {u"#GETTING_DATA", 8}, {u"#n/a", 0}, {u"#N/A ", 0}, {u"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        EXPECT_EQ(ErrorStrToIndex(c.text), c.index);
    }
}

TEST(Xc12Utils5, PtgRefClassIdFoldsValueAndArrayClasses) {
    const std::pair<uint8_t, uint8_t> cases[] = {
        {0x00, 0x00}, {0x24, 0x24}, {0x3F, 0x3F}, {0x40, 0x20}, {0x44, 0x24},
        {0x64, 0x24}, {0x7F, 0x3F}, {0x80, 0x80}, {0x84, 0x84}, {0xFF, 0xFF},
    };
    for (const auto& [id, folded] : cases) {
        SCOPED_TRACE(static_cast<int>(id));
        EXPECT_EQ(PtgRefClassId(id), folded);
    }
}

} // namespace
} // namespace xls
