// The cell and formula records, built byte by byte where the point is a record's edge, and read into the cell store
// or the read-cell event.

#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/formula/BIFF_DecodeFormula.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::BoundSheet5;
using test::BoundSheet8;
using test::Bytes8;
using test::CellRecord;
using test::CellWorkbook8;
using test::Concat;
using test::DoubleOf;
using test::DWord;
using test::EOFRecord;
using test::Flagged16;
using test::Record;
using test::Substream5;
using test::Substream8;
using test::SubstreamGlobals;
using test::SubstreamWorksheet;
using test::TBIFFModel;
using test::TBytes;
using test::Word;
using test_support::MessageOf;
using test_support::Utf8;

// RK of an integer.
uint32_t IntegerRK(int32_t value) {
    return static_cast<uint32_t>(value) << 2 | 2;
}

// A BIFF8 FORMULA of a cell: result bytes, option word, tokens and what follows them.
TBytes Formula8(uint16_t row, uint16_t col, const TBytes& result, uint16_t options, const TBytes& tokens,
                const TBytes& extra = {}) {
    return CellRecord(
        BIFFRecordFormula, row, col, 0,
        Concat({result, Word(options), DWord(0), Word(static_cast<uint16_t>(tokens.size())), tokens, extra}));
}

// A result that is no number: its type, its value byte.
TBytes SpecialResult(uint8_t type, uint8_t value = 0) {
    return {type, 0, value, 0, 0, 0, 0xFF, 0xFF};
}

TBytes StringRecord8(std::u16string_view text) {
    return Record(BIFFRecordString, Concat({Word(static_cast<uint16_t>(text.size())), Flagged16(text)}));
}

// The pointer of a cell to the shared or array formula of the cell at row, col.
TBytes PtgExp(uint16_t row, uint16_t col) {
    return Concat({{0x01}, Word(row), Word(col)});
}

// FORMULA of BIFF3 or BIFF4 in column A: the result at 6, 16-bit options at 14 and token length at 16, then the
// tokens (here TRUE, whose text BIFF3 and BIFF4 cells do not keep).
TBytes Formula34(uint16_t id, uint16_t row, const TBytes& result) {
    return Record(id, Concat({Word(row), Word(0), Word(0), result, Word(0), Word(2), {0x1D, 1}}));
}

TXLSCellMMU& Cells(TBIFFModel& model) {
    return model.Sheet(0).GetCells();
}

// What a cell shows: its kind, its value, and for a formula its formula text after "=".
std::string Shown(TBIFFModel& model, int32_t col, int32_t row) {
    TXLSCellMMU& cells = Cells(model);
    TXLSCellHandle cell;
    if (!cells.FindCell(col, row, cell)) {
        return "none";
    }
    const int32_t kind = cells.GetKind(cell);
    std::string shown = std::to_string(kind) + ":";
    switch (kind) {
    case XLSKindBoolean:
        return shown + (cells.GetBoolean(cell) ? "TRUE" : "FALSE");
    case XLSKindError:
        return shown + Utf8(XLSErrorTexts[cells.GetError(cell)]);
    case XLSKindString:
        return shown + Utf8(cells.GetString(cell));
    case XLSKindFloat:
        return shown + test_support::NumberText(cells.GetFloat(cell));
    case XLSResultFloat:
        shown += test_support::NumberText(cells.GetFormulaFloatResult(cell));
        break;
    case XLSResultString:
        shown += Utf8(cells.GetFormulaStringResult(cell));
        break;
    case XLSResultBoolean:
        shown += cells.GetFormulaBoolResult(cell) ? "TRUE" : "FALSE";
        break;
    case XLSResultError:
        shown += Utf8(XLSErrorTexts[cells.GetFormulaErrorResult(cell)]);
        break;
    default:
        return shown;
    }
    if (!cells.IsFormulaCompiled(cell)) {
        return shown + "=" + Utf8(cells.GetFormulaText(cell));
    }
    int32_t length = 0;
    const uint8_t* ptgs = cells.GetFormulaPtgs(cell, length);
    rtl::UnicodeString text;
    DecodeBIFFFormula({ptgs, static_cast<size_t>(length)}, 0, 0, 0, {}, {}, text);
    return shown + "=" + Utf8(text);
}

int32_t XFOf(TBIFFModel& model, int32_t col, int32_t row) {
    TXLSCellHandle cell;
    Cells(model).FindCell(col, row, cell);
    return Cells(model).GetXF(cell);
}

TEST(TXLSReadBIFF, CellRecordsStoreTheirValuesWithTheirCellFormats) {
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        CellRecord(BIFFRecordNumber, 0, 0, 1, DoubleOf(2.5)),
        CellRecord(BIFFRecordRK, 0, 1, 2, DWord(IntegerRK(-7))),
        CellRecord(BIFFRecordLabel, 0, 2, 3, Concat({Word(2), Flagged16(u"中文")})),
        CellRecord(BIFFRecordBoolErr, 0, 3, 0, {1, 0}),
        CellRecord(BIFFRecordBlank, 0, 4, 1, {}),
        CellRecord(BIFFRecordBoolErr, 1, 0, 0, {0x2A, 1}),
        // An error byte that is no error keeps its place as the unknown error.
        CellRecord(BIFFRecordBoolErr, 1, 1, 0, {0x99, 1}),
    }));
    EXPECT_EQ(Shown(model, 0, 0), "5:2.5");
    EXPECT_EQ(Shown(model, 1, 0), "5:-7");
    EXPECT_EQ(Shown(model, 2, 0), "4:中文");
    EXPECT_EQ(Shown(model, 3, 0), "2:TRUE");
    EXPECT_EQ(Shown(model, 4, 0), "1:");
    EXPECT_EQ(Shown(model, 0, 1), "3:#N/A");
    EXPECT_EQ(Shown(model, 1, 1), "3:_ERROR_ERROR_");
    // BIFF XF n is the model's cell format n + 1.
    EXPECT_EQ(XFOf(model, 0, 0), 2);
    EXPECT_EQ(XFOf(model, 1, 0), 3);
    EXPECT_EQ(XFOf(model, 4, 0), 2);
    EXPECT_TRUE(model.WarningNumbers().empty());
}

TEST(TXLSReadBIFF, MulRKAndMulBlankFillConsecutiveColumnsWithTheirOwnFormats) {
    const TBytes mulRK =
        Record(BIFFRecordMulRK, Concat({Word(3), Word(2), Word(1), DWord(IntegerRK(10)), Word(2), DWord(IntegerRK(20)),
                                        Word(3), DWord(IntegerRK(30)), Word(4)}));
    const TBytes mulBlank = Record(BIFFRecordMulBlank, Concat({Word(4), Word(0), Word(2), Word(3), Word(1)}));
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({mulRK, mulBlank}));
    EXPECT_EQ(Shown(model, 2, 3), "5:10");
    EXPECT_EQ(Shown(model, 3, 3), "5:20");
    EXPECT_EQ(Shown(model, 4, 3), "5:30");
    EXPECT_EQ(Shown(model, 5, 3), "none");
    EXPECT_EQ(XFOf(model, 2, 3), 2);
    EXPECT_EQ(XFOf(model, 3, 3), 3);
    EXPECT_EQ(XFOf(model, 4, 3), 4);
    EXPECT_EQ(Shown(model, 0, 4), "1:");
    EXPECT_EQ(XFOf(model, 1, 4), 4);
    EXPECT_EQ(Shown(model, 2, 4), "none");
}

// A short body counts no cells, and a long one never reaches past the last column.
TEST(TXLSReadBIFF, MulRecordsStayWithinTheirBodyAndTheRow) {
    TBytes longRK = Concat({Word(0), Word(250)});
    for (int32_t i = 0; i < 10; ++i) {
        longRK = Concat({longRK, Word(0), DWord(IntegerRK(i))});
    }
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        Record(BIFFRecordMulRK, Concat({Word(0), Word(0), Word(0)})),
        Record(BIFFRecordMulBlank, {1, 0}),
        Record(BIFFRecordMulRK, Concat({longRK, Word(259)})),
    }));
    EXPECT_EQ(Shown(model, 0, 0), "none");
    EXPECT_EQ(Shown(model, 255, 0), "5:5");
    TXLSCellHandle cell;
    EXPECT_FALSE(Cells(model).FindCell(256, 0, cell));
}

TEST(TXLSReadBIFF, ADamagedStringIndexOrCellFormatBecomesAWarning) {
    const TBytes sst = Record(BIFFRecordSST, Concat({DWord(1), DWord(1), Word(2), {0}, Bytes8("ok")}));
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({CellRecord(BIFFRecordLabelSST, 0, 0, 0, DWord(0)),
                                       CellRecord(BIFFRecordLabelSST, 0, 1, 0, DWord(1)),
                                       CellRecord(BIFFRecordNumber, 0, 2, 40, DoubleOf(1))},
                                      sst));
    EXPECT_EQ(Shown(model, 0, 0), "4:ok");
    EXPECT_EQ(Shown(model, 1, 0), "3:#REF!");
    EXPECT_EQ(XFOf(model, 2, 0), 0);
    EXPECT_EQ(model.WarningNumbers(), (std::vector<int32_t>{XLSWarningSharedStringIndex, XLSWarningStyleIndex}));
}

TEST(TXLSReadBIFF, FormulaResultsOfEveryType) {
    const TBytes onePlusTwo = {0x1E, 1, 0, 0x1E, 2, 0, 0x03};
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        Formula8(0, 0, DoubleOf(3), 0, onePlusTwo),
        Formula8(1, 0, SpecialResult(1, 1), 0, onePlusTwo),
        Formula8(2, 0, SpecialResult(2, 0x07), 0, onePlusTwo),
        Formula8(3, 0, SpecialResult(3), 0, onePlusTwo),
        // A string result with its STRING record, and one without: that cell is left out.
        Formula8(4, 0, SpecialResult(0), 0, onePlusTwo),
        StringRecord8(u"三"),
        Formula8(5, 0, SpecialResult(0), 0, onePlusTwo),
        // An error code that is no error keeps the formula, and the read goes on.
        Formula8(6, 0, SpecialResult(2, 0x99), 0, onePlusTwo),
        CellRecord(BIFFRecordNumber, 7, 0, 0, DoubleOf(8)),
    }));
    EXPECT_EQ(Shown(model, 0, 0), "6:3=1+2");
    EXPECT_EQ(Shown(model, 0, 1), "8:TRUE=1+2");
    EXPECT_EQ(Shown(model, 0, 2), "9:#DIV/0!=1+2");
    EXPECT_EQ(Shown(model, 0, 3), "7:=1+2");
    EXPECT_EQ(Shown(model, 0, 4), "7:三=1+2");
    EXPECT_EQ(Shown(model, 0, 5), "none");
    EXPECT_EQ(Shown(model, 0, 6), "7:_ERROR_ERROR_=1+2");
    EXPECT_EQ(Shown(model, 0, 7), "5:8");
    // The STRING record never reached the dispatch, which would have kept it raw.
    EXPECT_EQ(model.Biff.GetSheet(0).Storage().Find(BIFFRecordString), -1);
}

// A string result longer than one record goes on in CONTINUE records, each starting with the option byte of its
// characters there: here 8-bit, then UTF-16, then 8-bit again.
TEST(TXLSReadBIFF, AStringResultGoesOnInContinueRecords) {
    constexpr size_t FirstPiece = 8224 - 3;
    constexpr size_t SecondPiece = (8224 - 1) / 2;
    constexpr size_t Length = 24732;
    std::u16string text;
    for (size_t i = 0; i < Length; ++i) {
        text.push_back(i >= FirstPiece && i < FirstPiece + SecondPiece ? u'\u4E00' + (i % 50) : u'a' + (i % 26));
    }
    const auto eightBit = [&](size_t from, size_t count) {
        TBytes bytes;
        for (size_t i = from; i < from + count; ++i) {
            bytes.push_back(static_cast<uint8_t>(text[i]));
        }
        return bytes;
    };
    const TBytes string = Concat({
        Record(BIFFRecordString, Concat({Word(static_cast<uint16_t>(Length)), {0}, eightBit(0, FirstPiece)})),
        Record(BIFFRecordContinue, Flagged16(std::u16string_view(text).substr(FirstPiece, SecondPiece))),
        Record(BIFFRecordContinue,
               Concat({{0}, eightBit(FirstPiece + SecondPiece, Length - FirstPiece - SecondPiece)})),
    });
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        Formula8(0, 0, SpecialResult(0), 0, {0x1E, 1, 0}),
        string,
        CellRecord(BIFFRecordNumber, 1, 0, 0, DoubleOf(2)),
    }));
    TXLSCellHandle cell;
    ASSERT_TRUE(Cells(model).FindCell(0, 0, cell));
    EXPECT_TRUE(Cells(model).GetFormulaStringResult(cell) == text);
    EXPECT_EQ(Shown(model, 0, 1), "5:2");
    EXPECT_EQ(model.Biff.GetSheet(0).Storage().Find(BIFFRecordContinue), -1);

    // Characters that run past the last CONTINUE record fail the read as a damaged record.
    TBIFFModel cut;
    const std::string message = MessageOf([&] {
        cut.ReadWorkbook8(CellWorkbook8({Formula8(0, 0, SpecialResult(0), 0, {0x1E, 1, 0}),
                                         Record(BIFFRecordString, Concat({Word(10), {0}, Bytes8("abc")})),
                                         Record(BIFFRecordContinue, Concat({{0}, Bytes8("def")}))}));
    });
    EXPECT_NE(message.find("\rCONTINUE record is missing"), std::string::npos) << message;
}

// A cell of a data table: the TABLE record after its FORMULA comes before the STRING of its result.
TEST(TXLSReadBIFF, ATableFormulaKeepsItsStringResult) {
    const TBytes ptgTbl = Concat({{0x02}, Word(0), Word(1)});
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        Formula8(0, 1, SpecialResult(0), 0, ptgTbl),
        Record(BIFFRecordTable, Concat({Word(0), Word(3), {1, 2}, Word(0), Word(0), Word(0), Word(0), Word(0)})),
        StringRecord8(u"high"),
    }));
    TXLSCellHandle cell;
    ASSERT_TRUE(Cells(model).FindCell(1, 0, cell));
    EXPECT_EQ(Utf8(Cells(model).GetFormulaStringResult(cell)), "high");
    EXPECT_GE(model.Biff.GetSheet(0).Storage().Find(BIFFRecordTable), 0);
}

TEST(TXLSReadBIFF, AStringResultFollowedByASharedFormulaFails) {
    TBIFFModel model;
    const std::string message = MessageOf([&] {
        model.ReadWorkbook8(CellWorkbook8(
            {Formula8(0, 0, SpecialResult(0), 0, {0x1E, 1, 0}), Record(BIFFRecordShrFmla, TBytes(10, 0))}));
    });
    EXPECT_NE(message.find("\rUnxepected SHRFMLA"), std::string::npos) << message;
}

// SHRFMLA after the first FORMULA of A1:A10 holds B1*2 relative to each cell; every cell points at A1.
TEST(TXLSReadBIFF, ASharedFormulaGivesEachCellItsOwnTokens) {
    const TBytes shared = Concat({{0x4C}, Word(0), Word(0xC001), {0x1E, 2, 0, 0x05}});
    const TBytes shrfmla =
        Record(BIFFRecordShrFmla,
               Concat({Word(0), Word(9), {0, 0, 0, 10}, Word(static_cast<uint16_t>(shared.size())), shared}));
    std::vector<TBytes> records = {Formula8(0, 0, DoubleOf(2), 0x0008, PtgExp(0, 0)), shrfmla};
    for (uint16_t row = 1; row < 10; ++row) {
        records.push_back(Formula8(row, 0, DoubleOf(2.0 * (row + 1)), 0x0008, PtgExp(0, 0)));
    }
    TBytes sheet;
    for (const TBytes& record : records) {
        sheet = Concat({sheet, record});
    }
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({sheet}));
    EXPECT_EQ(Shown(model, 0, 0), "6:2=B1*2");
    EXPECT_EQ(Shown(model, 0, 4), "6:10=B5*2");
    EXPECT_EQ(Shown(model, 0, 9), "6:20=B10*2");

    // A cell that points at no shared formula's area.
    TBIFFModel stray;
    const std::string message =
        MessageOf([&] { stray.ReadWorkbook8(CellWorkbook8({Formula8(4, 0, DoubleOf(2), 0x0008, PtgExp(20, 3))})); });
    EXPECT_NE(message.find("\rFixup error in shared formula at C=0,R=4 (A5)"), std::string::npos) << message;
}

// ARRAY after the FORMULA of B1 covers B1:B3; B2 and B3 point at B1.
TEST(TXLSReadBIFF, AnArrayFormulaStoresItsMasterAndMembers) {
    const TBytes tokens = Concat({{0x25}, Word(0), Word(2), Word(0xC000), Word(0xC000), {0x1E, 0, 0, 0x0D}});
    const TBytes array = Record(
        BIFFRecordArray,
        Concat({Word(0), Word(2), {1, 1}, Word(1), DWord(0), Word(static_cast<uint16_t>(tokens.size())), tokens}));
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        Formula8(0, 1, SpecialResult(1, 1), 0, PtgExp(0, 1)),
        array,
        Formula8(1, 1, SpecialResult(1, 1), 0, PtgExp(0, 1)),
        Formula8(2, 1, SpecialResult(1, 0), 0, PtgExp(0, 1)),
        // Outside the area the pending array is dropped.
        Formula8(3, 1, DoubleOf(4), 0, {0x1E, 4, 0}),
    }));
    TXLSCellMMU& cells = Cells(model);
    TXLSCellHandle cell;
    ASSERT_TRUE(cells.FindCell(1, 0, cell));
    cells.LoadFormula(cell);
    EXPECT_EQ(cells.FormulaHelper().FormulaKind(), XLSFormulaArray);
    EXPECT_EQ(cells.FormulaHelper().AreaRow2(), 2);
    EXPECT_TRUE(cells.FormulaHelper().BooleanResult());
    EXPECT_EQ(Shown(model, 1, 0), "8:TRUE=A1:A3>0");
    for (int32_t row = 1; row <= 2; ++row) {
        ASSERT_TRUE(cells.FindCell(1, row, cell));
        cells.LoadFormula(cell);
        EXPECT_EQ(cells.FormulaHelper().FormulaKind(), XLSFormulaArrayMember);
        EXPECT_EQ(cells.FormulaHelper().MasterCol(), 1);
        EXPECT_EQ(cells.FormulaHelper().MasterRow(), 0);
        EXPECT_EQ(cells.GetKind(cell), XLSResultBoolean);
    }
    EXPECT_EQ(Shown(model, 1, 3), "6:4=4");
}

TEST(TXLSReadBIFF, FormulaTokensCutShortFailTheRecord) {
    TBIFFModel model;
    const TBytes record =
        CellRecord(BIFFRecordFormula, 0, 0, 0, Concat({DoubleOf(1), Word(0), DWord(0), Word(40), {0x1E, 1, 0}}));
    const std::string message = MessageOf([&] { model.ReadWorkbook8(CellWorkbook8({record})); });
    EXPECT_NE(message.find("\rRecord 0006 is damaged: 40 bytes from offset 22 run past its 25 bytes"),
              std::string::npos)
        << message;
}

// In read-cell mode every cell but the blank ones goes to the event, a formula with its text.
TEST(TXLSReadBIFF, DirectReadFiresCellsAndStoresOnlyBlanks) {
    std::vector<std::string> fired;
    TBIFFModel model;
    model.Manager.SetDirectRead(true);
    model.Manager.SetOnReadCell([&](TXLSEventCell* cell) {
        fired.push_back(std::to_string(cell->GetCol()) + "," + std::to_string(cell->GetRow()) + ":" +
                        std::to_string(cell->GetCellType()) + ":" + Utf8(cell->GetFormula()));
    });
    model.ReadWorkbook8(CellWorkbook8({
        CellRecord(BIFFRecordNumber, 0, 0, 0, DoubleOf(1)),
        CellRecord(BIFFRecordBlank, 0, 1, 0, {}),
        Formula8(1, 0, SpecialResult(0), 0, {0x1E, 7, 0}),
        StringRecord8(u"x"),
    }));
    EXPECT_EQ(fired, (std::vector<std::string>{"0,0:5:", "0,1:7:7"}));
    EXPECT_EQ(Shown(model, 1, 0), "1:");
    EXPECT_EQ(Shown(model, 0, 0), "none");
}

// BIFF5 keeps a formula's result but not its tokens, whose sizes differ from BIFF8's; its text is in the code page. A
// rich-text string cell (RSTRING) reads as its text: the font runs after it are not kept.
TEST(TXLSReadBIFF, BIFF5CellsKeepTheirTextsInTheCodePageAndFormulasTheirResults) {
    const TBytes biff5Ref = {0x44, 0x00, 0xC0, 0x00};
    const TBytes runs = {2, 0, 1, 2, 0};
    const TBytes formula =
        CellRecord(BIFFRecordFormula, 1, 0, 0, Concat({DoubleOf(42), Word(0), DWord(0), Word(4), biff5Ref}));
    TBIFFModel model;
    model.ReadBook5(Concat({
        test::BOF5(SubstreamGlobals),
        Record(BIFFRecordCodePage, Word(936)),
        BoundSheet5(Bytes8("S")),
        EOFRecord(),
        Substream5(SubstreamWorksheet,
                   {CellRecord(BIFFRecordLabel, 0, 0, 0, Concat({Word(4), {0xC9, 0xCC, 0xC6, 0xB7}})), formula,
                    CellRecord(BIFFRecordRString, 0, 1, 0, Concat({Word(5), {0xC9, 0xCC, 0xC6, 0xB7, 'x'}, runs}))}),
    }));
    EXPECT_EQ(Shown(model, 0, 0), "4:商品");
    EXPECT_EQ(Shown(model, 0, 1), "6:42=");
    EXPECT_EQ(Shown(model, 1, 0), "4:商品x");
}

// Writers of BIFF5 and BIFF8 files that use the FORMULA id of BIFF4 (0x0406) still write the fields of their version.
TEST(TXLSReadBIFF, AFormulaOfTheBIFF4IdInABIFF8FileReadsItsFields) {
    const TBytes onePlusTwo = {0x1E, 1, 0, 0x1E, 2, 0, 0x03};
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        CellRecord(
            BIFFRecordFormula4, 0, 0, 0,
            Concat({DoubleOf(3), Word(0), DWord(0), Word(static_cast<uint16_t>(onePlusTwo.size())), onePlusTwo})),
        CellRecord(BIFFRecordFormula3, 1, 0, 0, Concat({SpecialResult(0), Word(0), DWord(0), Word(3), {0x1E, 1, 0}})),
        StringRecord8(u"s"),
    }));
    EXPECT_EQ(Shown(model, 0, 0), "6:3=1+2");
    EXPECT_EQ(Shown(model, 0, 1), "7:s=1");
}

// A record cut short inside its fixed fields is skipped with a warning: no cell stands for a value it lacks.
TEST(TXLSReadBIFF, CellRecordsCutShortInsideTheirFieldsAreSkipped) {
    TBIFFModel model;
    model.ReadWorkbook8(CellWorkbook8({
        Record(BIFFRecordRK, Concat({Word(0), Word(0), Word(0), Word(7)})),
        Record(BIFFRecordLabelSST, Concat({Word(0), Word(1), Word(0), Word(0)})),
        Record(BIFFRecordNumber, Concat({Word(0), Word(2), Word(0), DWord(0)})),
        Record(BIFFRecordBoolErr, Concat({Word(0), Word(3), Word(0), {1}})),
        Record(BIFFRecordFormula, Concat({Word(0), Word(4), Word(0), DoubleOf(5), Word(0), DWord(0)})),
        Record(BIFFRecordRow, Concat({Word(3), Word(0), Word(1), Word(300)})),
        CellRecord(BIFFRecordRK, 1, 0, 0, DWord(IntegerRK(4))),
    }));
    for (int32_t col = 0; col <= 4; ++col) {
        EXPECT_EQ(Shown(model, col, 0), "none") << col;
    }
    EXPECT_EQ(Shown(model, 0, 1), "5:4");
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>(6, XLSWarningRecordSkipped));
    EXPECT_EQ(Utf8(model.Errors.Messages()[0].Text),
              "W2012: Record too short, skipped \"record 007E of 8 bytes, its fields take 10\"");

    // The same in a BIFF4 worksheet file, read by its own loop.
    TBIFFModel biff4;
    biff4.Read(Concat({Record(BIFFRecordBOF4, Concat({Word(0), Word(SubstreamWorksheet)})),
                       Record(BIFFRecordRK3, Concat({Word(0), Word(0), Word(0)})),
                       CellRecord(BIFFRecordRK3, 0, 1, 0, DWord(IntegerRK(2))), EOFRecord()}));
    EXPECT_EQ(Shown(biff4, 0, 0), "none");
    EXPECT_EQ(Shown(biff4, 1, 0), "5:2");
    EXPECT_EQ(biff4.WarningNumbers().front(), XLSWarningRecordSkipped);
}

// BIFF2 and BIFF3 worksheet files: a plain record stream with one sheet.
TEST(TXLSReadBIFF, BIFF2AndBIFF3SheetsRead) {
    const auto worksheet = [](uint16_t bofId, std::initializer_list<TBytes> records) {
        return Concat({Record(bofId, Concat({Word(0), Word(SubstreamWorksheet)})), Concat(records), EOFRecord()});
    };
    const TBytes attributes = {0, 0, 0};
    TBIFFModel biff2;
    biff2.Read(worksheet(
        BIFFRecordBOF2,
        {
            Record(BIFFRecordInteger2, Concat({Word(0), Word(0), attributes, Word(7)})),
            Record(BIFFRecordNumber2, Concat({Word(0), Word(1), attributes, DoubleOf(1.5)})),
            Record(BIFFRecordLabel2, Concat({Word(1), Word(0), attributes, {2}, Bytes8("ab")})),
            // FORMULA of BIFF2: its result at 7, a one-byte token length at 16.
            Record(BIFFRecordFormula, Concat({Word(2), Word(0), attributes, DoubleOf(9), {0}, {2}, {0x1E, 0}})),
            // BLANK and BOOLERR of BIFF2: the value byte and the error flag after the attribute bytes.
            Record(BIFFRecordBlank2, Concat({Word(3), Word(0), attributes})),
            Record(BIFFRecordBoolErr2, Concat({Word(3), Word(1), attributes, {1, 0}})),
            Record(BIFFRecordBoolErr2, Concat({Word(3), Word(2), attributes, {0x07, 1}})),
        }));
    EXPECT_EQ(Shown(biff2, 0, 3), "1:");
    EXPECT_EQ(Shown(biff2, 1, 3), "2:TRUE");
    EXPECT_EQ(Shown(biff2, 2, 3), "3:#DIV/0!");
    EXPECT_EQ(Shown(biff2, 0, 0), "5:7");
    EXPECT_EQ(Shown(biff2, 1, 0), "5:1.5");
    EXPECT_EQ(Shown(biff2, 0, 1), "4:ab");
    EXPECT_EQ(Shown(biff2, 0, 2), "6:9=");
    EXPECT_EQ(XFOf(biff2, 1, 0), 0);

    TBIFFModel biff3;
    biff3.Read(worksheet(BIFFRecordBOF3, {
                                             CellRecord(BIFFRecordNumber, 0, 0, 0, DoubleOf(3)),
                                             CellRecord(BIFFRecordRK3, 0, 1, 0, DWord(IntegerRK(4))),
                                             CellRecord(BIFFRecordLabel, 1, 0, 0, Concat({Word(3), Bytes8("abc")})),
                                             Formula34(BIFFRecordFormula3, 2, SpecialResult(1, 1)),
                                         }));
    EXPECT_EQ(Utf8(biff3.Sheet(0).GetName()), "Sheet1");
    EXPECT_EQ(Shown(biff3, 0, 0), "5:3");
    EXPECT_EQ(Shown(biff3, 1, 0), "5:4");
    EXPECT_EQ(Shown(biff3, 0, 1), "4:abc");
    EXPECT_EQ(Shown(biff3, 0, 2), "8:TRUE=");

    // A BIFF4 worksheet file is read by its own loop; a string result follows in a STRING record of 8-bit text.
    TBIFFModel biff4;
    biff4.Read(worksheet(BIFFRecordBOF4, {
                                             Formula34(BIFFRecordFormula4, 0, DoubleOf(2.5)),
                                             Formula34(BIFFRecordFormula4, 1, SpecialResult(0)),
                                             Record(BIFFRecordString, Concat({Word(2), Bytes8("ok")})),
                                             Formula34(BIFFRecordFormula4, 2, SpecialResult(2, 0x2A)),
                                         }));
    EXPECT_EQ(Shown(biff4, 0, 0), "6:2.5=");
    EXPECT_EQ(Shown(biff4, 0, 1), "7:ok=");
    EXPECT_EQ(Shown(biff4, 0, 2), "9:#N/A=");
}

} // namespace
} // namespace xls
