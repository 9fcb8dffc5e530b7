// Formulas as the facade gives them back: the text of compiled formulas, shared formulas moved to their cells,
// defined names resolved to their areas, and the text of every formula of the fixtures and the corpus reading back as
// the same formula.

#include "tests/xls/api/XLSApiTestSupport.h"
#include "tests/xls/core/formula/XLSFormulaTestSupport.h"
#include "tests/xls/xlsx/XLSReadXLSXTestSupport.h"
#include "xls/api/XLSNames.h"
#include "xls/core/cells/XLSCellMMU.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using api_test::Cells;
using api_test::NewSpreadsheet;
using formula_test::TSeparatorsScope;
using test_support::MessageOf;
using test_support::Utf8;

struct TExpectedFormula {
    int32_t Col = 0;
    int32_t Row = 0;
    std::string Cell;
    std::string Text;
};

// shared-formulas.tsv: a cell and the formula it reads back as, a line each; "#" starts a comment.
std::vector<TExpectedFormula> ExpectedFormulas() {
    std::ifstream file(std::filesystem::path(api_test::FixturePath("shared-formulas.tsv")));
    std::vector<TExpectedFormula> formulas;
    std::string line;
    while (std::getline(file, line)) {
        const size_t tab = line.find('\t');
        if (line.starts_with("#") || tab == std::string::npos) {
            continue;
        }
        TExpectedFormula formula{.Cell = line.substr(0, tab), .Text = line.substr(tab + 1)};
        EXPECT_TRUE(ParseCellRef(rtl::Utf8ToUnicode(formula.Cell), formula.Col, formula.Row)) << line;
        formulas.push_back(formula);
    }
    return formulas;
}

// A workbook written by LibreOffice, its columns folded into shared formulas as Excel writes them: every cell of a
// shared formula holds its own tokens and reads back as openpyxl's translator moves the first cell's formula there.
TEST(XLSFormulaText, SharedFormulasReadBackAsTheTranslatorMovesThem) {
    TSeparatorsScope separators;
    auto book = NewSpreadsheet();
    book->LoadFromFile(api_test::FixturePath("shared-formulas.xlsx"));
    EXPECT_EQ(book->GetErrors().WarningCount(), 0);
    TXLSWorksheet& sheet = *book->GetSheet(0);
    const std::vector<TExpectedFormula> formulas = ExpectedFormulas();
    ASSERT_EQ(formulas.size(), 81u) << "the expected formulas were not read";
    for (const TExpectedFormula& formula : formulas) {
        SCOPED_TRACE(formula.Cell);
        TXLSCellHandle cell;
        ASSERT_TRUE(Cells(sheet).FindCell(formula.Col, formula.Row, cell));
        EXPECT_TRUE(Cells(sheet).IsFormulaCompiled(cell));
        EXPECT_EQ(Utf8(sheet.GetFormulaText(formula.Col, formula.Row)), formula.Text);
    }
    // The cached results stay as the file has them.
    EXPECT_EQ(Utf8(sheet.GetAsString(2, 10)), "137.5");
    EXPECT_EQ(Utf8(sheet.GetAsString(4, 10)), "big");
}

// The text follows the user's separators: the list separator between arguments, the decimal separator in numbers.
TEST(XLSFormulaText, FormulaTextFollowsTheLocale) {
    TSeparatorsScope separators(u',', u';');
    auto book = NewSpreadsheet();
    book->LoadFromFile(api_test::FixturePath("shared-formulas.xlsx"));
    TXLSWorksheet& sheet = *book->GetSheet(0);
    EXPECT_EQ(Utf8(sheet.GetFormulaText(4, 3)), "IF(A4>5;\"big\";\"small\")");
    EXPECT_EQ(Utf8(sheet.GetFormulaText(7, 3)), "ROUND(B4*1,1;2)");
}

TEST(XLSFormulaText, DefinedNamesResolveToTheirAreas) {
    TSeparatorsScope separators;
    auto book = NewSpreadsheet();
    book->LoadFromFile(api_test::FixturePath("shared-formulas.xlsx"));
    TXLSNames* names = book->GetNames();
    ASSERT_NE(names, nullptr);
    const struct {
        const char16_t* Name;
        TXc12NameDefinitionKind Kind;
        int32_t Sheet;
        TXLSCellAreaRec Area;
        const char* Definition;
    } cases[] = {
        {u"Prices", xndkArea, 0, {1, 10, 1, 1}, "Data!$B$2:$B$11"},
        {u"First", xndkCell, 0, {1, 1, 0, 0}, "Data!$A$2"},
        {u"Rate", xndkTokens, -1, {}, "0.17"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(Utf8(test.Name));
        const int32_t index = names->Find(test.Name, -1);
        ASSERT_GE(index, 0);
        const TXc12DefinedName& name = *names->GetItem(index);
        EXPECT_EQ(name.GetDefinitionKind(), test.Kind);
        EXPECT_EQ(name.GetSheetIndex(), test.Sheet);
        EXPECT_EQ(name.GetArea(), test.Area);
        EXPECT_EQ(Utf8(name.GetDefinition()), test.Definition);
    }
    EXPECT_EQ(Utf8(book->GetSheet(0)->GetFormulaText(10, 1)), "SUM(Prices)*Rate+First");
}

// A definition that does not compile keeps its text and warns; the read goes on.
TEST(XLSFormulaText, NamesThatDoNotCompileKeepTheirText) {
    xlsx_test::TPackage package = xlsx_test::TPackage::WithSheets({{"Sheet1", ""}});
    package.Parts["xl/workbook.xml"] = "<workbook xmlns=\"" + std::string(xlsx_test::MainNs) + "\" xmlns:r=\"" +
                                       std::string(xlsx_test::RelNs) +
                                       R"("><sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets>)"
                                       R"(<definedNames><definedName name="Broken">[3]Gone!A1</definedName>)"
                                       R"(<definedName name="Blank"> </definedName>)"
                                       R"(<definedName name="Cell">Sheet1!$B$3</definedName></definedNames>)"
                                       "</workbook>";
    const std::string bytes = package.Zip();
    rtl::TStringStream stream(bytes);
    auto book = NewSpreadsheet();
    book->GetErrors().SetSaveToList(true);
    book->LoadFromStream(stream, true);
    TXLSNames& names = *book->GetNames();
    ASSERT_EQ(names.Count(), 3);
    EXPECT_EQ(Utf8(names.GetItem(0)->GetDefinition()), "[3]Gone!A1");
    EXPECT_EQ(names.GetItem(0)->GetDefinitionKind(), xndkTokens);
    EXPECT_EQ(Utf8(names.GetItem(2)->GetDefinition()), "Sheet1!$B$3");
    std::vector<std::string> messages;
    for (const TXLSErrorMessage& message : book->GetErrors().Messages()) {
        messages.push_back(Utf8(message.Text));
    }
    EXPECT_EQ(messages,
              (std::vector<std::string>{"W2006: Formula not compiled \"Broken: E4012: Invalid workbook name\"",
                                        "W4011: Invalid sheet name"}));
}

// Two cells of an array formula that stand for each other, as a damaged file can make them, give an error for that
// cell and leave the others readable.
TEST(XLSFormulaText, ACircularFormulaGivesAnErrorForItsCell) {
    const std::string sheetData = R"(<row r="1"><c r="A1"><f t="array" ref="A1:A2">B1*2</f><v>2</v></c>)"
                                  R"(<c r="B1"><v>1</v></c><c r="A1"><v>5</v></c></row>)"
                                  R"(<row r="2"><c r="A2"><v>2</v></c></row>)";
    rtl::TStringStream stream(xlsx_test::TPackage::WithSheets({{"Sheet1", sheetData}}).Zip());
    auto book = NewSpreadsheet();
    book->LoadFromStream(stream, true);
    TXLSWorksheet& sheet = *book->GetSheet(0);
    EXPECT_EQ(Utf8(sheet.GetAsString(0, 0)), "5");
    EXPECT_EQ(MessageOf([&] { sheet.GetFormulaText(0, 0); }), "The formula of cell A1 leads back to itself");
    EXPECT_EQ(MessageOf([&] { sheet.GetFormulaText(0, 1); }), "The formula of cell A1 leads back to itself");
    EXPECT_EQ(Utf8(sheet.GetAsString(1, 0)), "1");
}

// Decoding a formula's tokens, encoding the text and decoding again gives the same text and tokens: every formula of
// a workbook reads back as the formula it is.
class TRoundTrip {
public:
    explicit TRoundTrip(TXLSSpreadsheet& book) : FBook(book) {}

    void CheckSheet(int32_t index) {
        TXLSCellMMU& cells = Cells(*FBook.GetSheet(index));
        for (bool hasRow = cells.BeginIterate(0); hasRow; hasRow = cells.NextRow()) {
            while (cells.NextCell()) {
                const TXLSCellHandle cell = cells.IterCell();
                if (!cells.IsFormulaCompiled(cell)) {
                    continue;
                }
                cells.LoadFormula(cell);
                if (cells.FormulaHelper().FormulaKind() > XLSFormulaArray) {
                    continue;
                }
                int32_t length = 0;
                const uint8_t* ptgs = cells.GetFormulaPtgs(cell, length);
                SCOPED_TRACE(
                    Utf8(FBook.GetSheet(index)->GetName() + u"!" + ColRowToStr(cells.IterCol(), cells.IterRow())));
                Check({ptgs, ptgs + length}, &cells, index, index, false);
            }
        }
    }

    void CheckNames() {
        TXLSNames& names = *FBook.GetNames();
        for (int32_t i = 0; i < names.Count(); ++i) {
            const TXc12DefinedName& name = *names.GetItem(i);
            if (!name.GetPtgs().empty()) {
                SCOPED_TRACE(Utf8(name.GetName()));
                Check(name.GetPtgs(), nullptr, -1, name.GetLocalSheetId(), true);
            }
        }
    }

    int32_t Checked() const { return FChecked; }

private:
    void Check(const std::vector<uint8_t>& ptgs, TXLSCellMMU* cells, int32_t sheet, int32_t encodeSheet,
               bool bookNumbers) {
        TXLSFormulaHandler& handler = FBook.GetFormulaHandler();
        rtl::UnicodeString text;
        handler.DecodeFormula(cells, sheet, text, bookNumbers, ptgs);
        std::vector<uint8_t> encoded;
        ASSERT_EQ(MessageOf([&] { handler.EncodeFormula(text, encoded, encodeSheet); }), "no exception") << Utf8(text);
        rtl::UnicodeString again;
        handler.DecodeFormula(cells, sheet, again, bookNumbers, encoded);
        EXPECT_EQ(Utf8(again), Utf8(text));
        std::vector<uint8_t> reencoded;
        handler.EncodeFormula(again, reencoded, encodeSheet);
        EXPECT_EQ(reencoded, encoded) << Utf8(text);
        ++FChecked;
    }

    TXLSSpreadsheet& FBook;
    int32_t FChecked = 0;
};

TEST(XLSFormulaText, EveryFormulaOfTheFixturesAndTheCorpusReadsBackAsItself) {
    TSeparatorsScope separators;
    std::vector<rtl::UnicodeString> files = test_support::DataFiles({u".xlsx", u".xlsm"});
    const std::vector<rtl::UnicodeString> corpus = test_support::CorpusFiles({u".xlsx", u".xlsm"});
    files.insert(files.end(), corpus.begin(), corpus.end());
    int32_t checked = 0;
    for (const rtl::UnicodeString& file : files) {
        SCOPED_TRACE(Utf8(file));
        auto book = NewSpreadsheet();
        if (MessageOf([&] { book->LoadFromFile(file); }) != "no exception") {
            continue;
        }
        TRoundTrip roundTrip(*book);
        for (int32_t i = 0; i < book->GetSheetCount(); ++i) {
            roundTrip.CheckSheet(i);
        }
        roundTrip.CheckNames();
        checked += roundTrip.Checked();
    }
    EXPECT_GT(checked, 100);
}

} // namespace
} // namespace xls
