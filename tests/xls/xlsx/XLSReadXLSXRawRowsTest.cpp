// The rows read straight from the buffer must reach the callbacks exactly as the generic reading hands them out: each
// sheet below is read both ways and the two logs (rows, cells, reports, the failure) compared whole.

#include "xls/xlsx/XLSReadXLSXRawRows.h"

#include "tests/support/TestSupport.h"
#include "tests/xls/xlsx/xpgParserXLSXTestSupport.h"
#include "xls/core/xml/XpgReadXML.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace xls::xpgParserXLSX {
namespace {

using test_support::Utf8;
using xlsx_test::Fields;

// A worksheet document that logs every row and cell it hands out, read with or without the raw rows.
class RowLog : public xlsx_test::TLoggedDocument<TXPGDocXLSX> {
public:
    explicit RowLog(bool raw) {
        TCT_SheetData& sheetData = Doc.GetWorksheet().GetSheetData();
        TCT_Row& row = sheetData.GetRow();
        sheetData.SetOnRow([this](TCT_Row& item) {
            Log.push_back("row " + Fields(item.GetR(), item.GetSpans(), item.GetS(), item.GetCustomFormat(),
                                          item.GetHt(), item.GetHidden(), item.GetCustomHeight(),
                                          item.GetOutlineLevel(), item.GetCollapsed(), item.GetThickTop(),
                                          item.GetThickBot(), item.GetPh()));
        });
        row.SetOnCell([this](TCT_Cell& cell) {
            Log.push_back("cell " + Fields(cell.GetR(), cell.GetS(), cell.GetT(), cell.GetCm(), cell.GetVm(),
                                           cell.GetPh(), cell.GetV(), cell.GetF().Assigned(), cell.GetF().GetText(),
                                           cell.GetIs().Assigned(), cell.GetIs().GetT()));
        });
        if (raw) {
            FRawRows.emplace(Doc.Reader(), sheetData);
            Doc.Reader().SetRawConstructReader(&*FRawRows);
        }
    }

    // Reads the part; a failure is logged as its message.
    void Read(const std::string& bytes) {
        try {
            LoadBytes(bytes);
        } catch (const rtl::Exception& error) {
            Log.push_back("failed: " + Utf8(error.Message()));
        }
    }

    int32_t RawRowCount() const { return FRawRows ? FRawRows->RawRowCount() : 0; }

private:
    std::optional<TXLSReadXLSXRawRows> FRawRows;
};

// The rows read raw; the logs of both readings must be equal.
int32_t ExpectSameAsGeneric(const std::string& bytes) {
    RowLog generic(false);
    generic.Read(bytes);
    RowLog raw(true);
    raw.Read(bytes);
    EXPECT_EQ(generic.Log, raw.Log);
    return raw.RawRowCount();
}

std::string Sheet(std::string_view sheetData) {
    return xlsx_test::ExpandNamespaces(
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><worksheet xmlns="MAIN" xmlns:r="REL" xmlns:mc="MC">)"
        R"(<dimension ref="A1:C3"/><sheetData>)" +
        std::string(sheetData) + "</sheetData></worksheet>");
}

struct TRawRowsCase {
    const char* Name;
    const char* SheetData;
    // How many of its rows are read raw.
    int32_t RawRows;
};

const TRawRowsCase RawRowsCases[] = {
    {"values of every type",
     R"(<row r="1" spans="1:6" s="2" customFormat="1" ht="15.75" customHeight="1" x14ac:dyDescent="0.25">)"
     R"(<c r="A1" s="1" t="s"><v>0</v></c><c r="B1"><v>1.5E-3</v></c><c r="C1" t="b"><v>1</v></c>)"
     R"(<c r="D1" t="e"><v>#N/A</v></c><c r="E1" t="str"><v>)"
     "\xE4\xB8\xAD"
     R"(&amp;&#65;</v></c><c r="F1" t="d"><v>2026-12-11</v></c></row>)",
     1},
    {"blanks between tags, empty cells and rows, single quotes",
     "<row r='1'>\n  <c r='A1' s='3'/>\n  <c r=\"B1\"></c>\r\n<c r=\"C1\">  <v>7</v>  </c>\n</row>\n<row r=\"2\"/>"
     "<row>\n</row><row hidden=\"true\" outlineLevel=\"2\" collapsed=\"1\" thickTop=\"1\" thickBot=\"1\" ph=\"1\"/>",
     4},
    {"cells and rows without references", R"(<row><c><v>1</v></c><c t="s"><v>0</v></c></row><row><c/></row>)", 2},
    {"unknown attributes and enumeration values are reported alike",
     R"(<row r="1" bogus="x"><c r="A1" t="zz" other="1"><v>1</v></c></row>)", 1},
    {"bad values of known attributes", R"(<row r="x" ht="high"><c r="1A" s="-" t="n"><v>abc</v></c></row>)", 1},
    {"a formula, an inline string and an extension go the generic way",
     R"(<row r="1"><c r="A1"><f>1+1</f><v>2</v></c></row><row r="2"><c r="A2" t="inlineStr"><is><t>x</t></is></c>)"
     R"(</row><row r="3"><c r="A3"><v>3</v></c><extLst/></row><row r="4"><c r="A4"><v>4</v></c></row>)",
     1},
    {"comments, CDATA and text other than blanks go the generic way",
     R"(<row r="1"><!-- note --><c r="A1"><v>1</v></c></row><row r="2"><c r="A2"><v><![CDATA[5]]></v></c></row>)"
     R"(<row r="3">text<c r="A3"><v>3</v></c></row><row r="4"><c r="A4">&amp;<v>4</v></c></row>)"
     R"(<row r="5"><c r="A5"><v>5</v></c></row>)",
     1},
    {"a bad reference in text after a begin tag fails as the generic reading fails",
     R"(<row r="1"><c r="A1"><v>1</v></c></row><row r="2">&bogus;<c r="A2"><v>2</v></c></row>)", 1},
    {"a bad reference in a value fails alike", R"(<row r="1"><c r="A1" t="str"><v>&bogus;</v></c></row>)", 0},
    {"namespace declarations and unusual tag forms go the generic way",
     R"(<row r="1" xmlns:x="urn:x"><c r="A1"><v>1</v></c></row><row r="2"><c r="A2"><v >2</v></c></row>)"
     R"(<row r="3"><c r="A3"><v>3</v ></c></row><row r="4" ><c r = "A4"><v>4</v></c></row>)"
     R"(<row r="5"><c r="A5"><v>5</v></c ></row><row r="6"><cx r="A6"/></row><rows r="7"/>)"
     R"(<row r="8"><c r="A8" hidden><v>8</v></c></row>)",
     0},
    {"rows in alternate content: the branch taken is read, the block's own rows are not",
     R"(<mc:AlternateContent><row r="1"><c r="A1"><v>1</v></c></row><mc:Choice Requires="zz">)"
     R"(<row r="2"><c r="A2"><v>2</v></c></row></mc:Choice><mc:Fallback><row r="3"><c r="A3"><v>3</v></c></row>)"
     R"(</mc:Fallback></mc:AlternateContent>)",
     1},
    {"a part that ends inside a row fails alike", R"(<row r="1"><c r="A1"><v>1</v></c></row><row r="2"><c r="A2">)", 1},
};

TEST(XLSReadXLSXRawRows, HandsOutWhatTheGenericReadingHandsOut) {
    for (const TRawRowsCase& item : RawRowsCases) {
        SCOPED_TRACE(item.Name);
        EXPECT_EQ(item.RawRows, ExpectSameAsGeneric(Sheet(item.SheetData)));
    }
}

TEST(XLSReadXLSXRawRows, RowsOfADefaultNamespaceUnderAnotherPrefixGoTheGenericWay) {
    const std::string bytes = xlsx_test::ExpandNamespaces(
        R"(<x:worksheet xmlns:x="MAIN" xmlns="urn:other"><x:sheetData><row r="1"><c r="A1"><v>1</v></c></row>)"
        R"(<x:row r="2"><x:c r="A2"><x:v>2</x:v></x:c></x:row></x:sheetData></x:worksheet>)");
    EXPECT_EQ(0, ExpectSameAsGeneric(bytes));
}

// Rows that the buffer cuts, and a row longer than the whole buffer, are read the generic way; the rest raw.
TEST(XLSReadXLSXRawRows, RowsAcrossBufferEndsAreReadAlike) {
    std::string rows;
    constexpr int32_t RowTotal = 3000;
    for (int32_t r = 1; r <= RowTotal; ++r) {
        rows += "<row r=\"" + std::to_string(r) + "\">";
        for (const char col : std::string_view("ABCDEFGH")) {
            rows += std::string("<c r=\"") + col + std::to_string(r) + "\" t=\"s\"><v>" + std::to_string(r % 97) +
                    "</v></c>";
        }
        rows += "</row>";
    }
    rows += R"(<row r="3001">)" + std::string(XpgReadBufferSize, ' ') + R"(<c r="A3001"><v>1</v></c></row>)";
    const int32_t raw = ExpectSameAsGeneric(Sheet(rows));
    EXPECT_GT(raw, RowTotal * 9 / 10);
    EXPECT_LT(raw, RowTotal);
}

} // namespace
} // namespace xls::xpgParserXLSX
