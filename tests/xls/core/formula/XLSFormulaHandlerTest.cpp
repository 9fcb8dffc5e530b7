#include "xls/core/formula/XLSFormulaHandler.h"

#include "tests/xls/core/formula/XLSFormulaTestSupport.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/formula/tokens/XLSIteratePtgs.h"
#include "xls/core/formula/tokens/XLSPtgWriter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using formula_test::Describe;
using formula_test::TFormulaModel;
using test_support::MessageOf;

TEST(XLSFormulaHandler, EncodeFormulaGivesTheTokensLength) {
    TFormulaModel model;
    for (const char16_t* blank : {u"", u"   "}) {
        std::vector<uint8_t> ptgs = {7};
        EXPECT_EQ(model.Handler.EncodeFormula(blank, ptgs, 0), 0);
        EXPECT_EQ(ptgs, std::vector<uint8_t>{7});
    }
    std::vector<uint8_t> ptgs;
    EXPECT_EQ(model.Handler.EncodeFormula(u"A1+1", ptgs, 0), 13);
    EXPECT_EQ(Describe(ptgs), "Ref A1 | Int 1 | Add");
    std::vector<uint8_t> compiled;
    EXPECT_EQ(CompileFormula(model.Manager, u"Sheet2!A1", compiled, -1), 8);
    EXPECT_EQ(Describe(compiled), "Ref3d 1 A1");
}

TEST(XLSFormulaHandler, TranslateRelativeRefsMovesWhatIsRelative) {
    TFormulaModel model;
    const struct {
        const char16_t* Text;
        int32_t ColDelta;
        int32_t RowDelta;
        std::string Moved;
    } cases[] = {
        {u"A1+$B$2", 2, 3, "Ref C4 | Ref $B$2 | Add"},
        {u"$A1:B$2", 1, 1, "Area $A2:C$2"},
        {u"A1", 16383, 1048575, "Ref XFD1048576"},
        {u"Sheet2!A1*2", 0, 2, "Ref3d 1 A3 | Int 2 | Mul"},
        {u"'[1]Q 1'!B2:C3", 1, 1, "AreaExt 0 1 C3:D4"},
        {u"Table1[Amount]+Rate", 5, 5, "ListColumn 0 1 C3:C5 | List 0 0 1 B3:D5 | Name 0 | Add"},
        // Moved off the sheet: the error form, for every kind of reference.
        {u"A1", 0, -1, "RefErr"},
        {u"A1", 16384, 0, "RefErr"},
        {u"A1:B2+1", -1, 0, "AreaErr | Int 1 | Add"},
        {u"Sheet2!A1:B2", 0, -1, "Area3dErr 4"},
        {u"Sheet1:Sheet2!A1", -1, 0, "Ref3dRangeErr 4"},
        {u"[1]Prices!A1+1", 0, -1, "Ref3dErr 4 | Int 1 | Add"},
        {u"$A$1", -5, -5, "Ref $A$1"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(formula_test::Utf8(test.Text));
        EXPECT_EQ(
            Describe(TXLSFormulaHandler::TranslateRelativeRefs(model.Compile(test.Text), test.ColDelta, test.RowDelta)),
            test.Moved);
    }
}

// BIFF8 references after the marker move within the BIFF8 sheet; the column word's bits 14 and 15 mark a relative
// column and row.
TEST(XLSFormulaHandler, TranslateRelativeRefsMovesBiffReferences) {
    const struct {
        std::vector<uint8_t> Ptgs;
        int32_t ColDelta;
        int32_t RowDelta;
        std::vector<uint8_t> Moved;
    } cases[] = {
        {{ptgxBiff, 0x24, 1, 0, 1, 0xC0}, 1, 1, {ptgxBiff, 0x24, 2, 0, 2, 0xC0}},
        {{ptgxBiff, 0x24, 1, 0, 1, 0x40}, 1, 1, {ptgxBiff, 0x24, 1, 0, 2, 0x40}},
        {{ptgxBiff, 0x24, 0, 0, 0xFF, 0xC0}, 1, 0, {ptgxBiff, 0x2A, 0, 0, 0xFF, 0xC0}},
        {{ptgxBiff, 0x25, 0, 0, 2, 0, 0, 0xC0, 1, 0x40}, 0, -1, {ptgxBiff, 0x2B, 0, 0, 2, 0, 0, 0xC0, 1, 0x40}},
        {{ptgxBiff, 0x25, 0, 0, 2, 0, 0, 0xC0, 1, 0x40}, 1, 0, {ptgxBiff, 0x25, 0, 0, 2, 0, 1, 0xC0, 2, 0x40}},
        // The value-class reference is left alone.
        {{ptgxBiff, 0x44, 1, 0, 1, 0xC0}, 1, 1, {ptgxBiff, 0x44, 1, 0, 1, 0xC0}},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(TXLSFormulaHandler::TranslateRelativeRefs(test.Ptgs, test.ColDelta, test.RowDelta), test.Moved);
    }
}

TEST(XLSFormulaHandler, TheWalkerStepsOverTokensAndRefusesDamagedOnes) {
    const std::vector<uint8_t> ptgs = {ptgxInt, 1, 0, 0, 0, ptgxBiff, 0x44, 1, 0, 1, 0xC0, PtgAdd};
    TXLSIteratePtgs walk(ptgs);
    std::vector<std::pair<size_t, bool>> steps;
    while (walk.Next()) {
        steps.emplace_back(walk.Offset(), walk.IsBiff());
    }
    EXPECT_EQ(steps, (std::vector<std::pair<size_t, bool>>{{0, false}, {5, false}, {6, true}, {11, true}}));
    const auto walkAll = [](std::vector<uint8_t> bytes) {
        return MessageOf([&] {
            TXLSIteratePtgs damaged(bytes);
            while (damaged.Next()) {
            }
        });
    };
    EXPECT_EQ(walkAll({ptgxInt, 1, 0}), "Formula token 89 needs 5 bytes, 3 remain");
    EXPECT_EQ(walkAll({ptgxBiff, 0x24, 1}), "Formula token 24 needs 5 bytes, 2 remain");
    EXPECT_EQ(walkAll({ptgxStr, 9, 0, u'a', 0}), "Formula token 8A needs 21 bytes, 5 remain");
    EXPECT_EQ(walkAll({ptgxShared, 0, 0, 0, 0, 0, 0}), "Unknown ptgs B9");
    EXPECT_EQ(walkAll({0}), "Illegal ptgs");
}

TEST(XLSFormulaHandler, ASharedTokenStandsForTheMastersFormula) {
    TFormulaModel model;
    const std::vector<uint8_t> master = model.Compile(u"A2*2");
    TXLSFormulaHelper& helper = model.Cells().FormulaHelper();
    helper.Clear();
    helper.SetCell(1, 1);
    helper.SetFloatResult(2);
    helper.SetPtgs(master.data(), static_cast<int32_t>(master.size()));
    model.Cells().StoreFormula();
    TXLSPtgWriter writer;
    writer.AddCellFormula(ptgxShared, 1, 1);
    ASSERT_EQ(writer.Bytes().size(), 7u);
    EXPECT_EQ(model.Decode(writer.Bytes()), "A2*2");
}

// A stand-in for the BIFF reader's decoder: it tells what it was given.
class TBiffDecoderSpy : public TXLSBIFFFormulaDecoder {
public:
    void DecodeBIFFFormula(const uint8_t* tokens, int32_t length, int32_t sheetIndex, rtl::UnicodeString& result,
                           char16_t argumentSeparator, int32_t, int32_t) override {
        result = u"BIFF " + rtl::IntToStr(tokens[0]) + u" " + rtl::IntToStr(length) + u" " + rtl::IntToStr(sheetIndex) +
                 u" " + rtl::UnicodeString(1, argumentSeparator);
    }
};

TEST(XLSFormulaHandler, BiffTokensGoToTheBiffDecoder) {
    TFormulaModel model(u',', u';');
    const std::vector<uint8_t> biff = {ptgxBiff, 0x1E, 1, 0};
    EXPECT_EQ(model.Decode(biff), "! The formula holds .xls tokens, and no .xls formula decoder is set");
    TBiffDecoderSpy spy;
    model.Handler.SetBIFFDecoder(&spy);
    EXPECT_EQ(model.Decode(biff, 2), "BIFF 255 4 2 ;");
    model.Handler.SetBIFFDecoder(nullptr);
    EXPECT_EQ(model.Decode(biff), "! The formula holds .xls tokens, and no .xls formula decoder is set");
}

// The BIFF reader's table of external sheets, as a name's BIFF tokens reach it: entry 0 is the second sheet, entry
// 1 the range of the first three, entry 2 a sheet beyond those a BIFF index names.
class TExternalSheetsStub : public TExternalNames {
public:
    bool GetExternSheetRange(int32_t index, int32_t& firstSheet, int32_t& lastSheet) const override {
        const std::pair<int32_t, int32_t> entries[] = {{1, 1}, {0, 2}, {300, 300}};
        firstSheet = entries[index].first;
        lastSheet = entries[index].second;
        return firstSheet == lastSheet;
    }
    bool GetExternalReference(int32_t, int32_t, TExternalReference&) const override { return false; }
};

TEST(XLSFormulaHandler, GetNameReferenceTellsPlainReferences) {
    TFormulaModel model;
    TXLSNameReference reference;
    EXPECT_EQ(GetNameReference(model.Manager, model.Compile(u"Sheet1!$A$1:$B$2"), reference), xnrArea);
    EXPECT_EQ(reference.Sheet, 0);
    EXPECT_EQ(reference.Area, MakePtgArea(MakePtgCell(0, 0, true, true), MakePtgCell(1, 1, true, true)));
    EXPECT_EQ(GetNameReference(model.Manager, model.Compile(u"Sheet2!B3"), reference), xnrCell);
    EXPECT_EQ(reference.Sheet, 1);
    EXPECT_EQ(reference.Area, MakePtgArea(MakePtgCell(1, 2), MakePtgCell(1, 2)));
    for (const char16_t* formula : {u"Sheet1!A1+1", u"A1", u"Rate", u"Sheet1:Sheet2!A1"}) {
        SCOPED_TRACE(formula_test::Utf8(formula));
        EXPECT_EQ(GetNameReference(model.Manager, model.Compile(formula), reference), xnrFormula);
    }
    const std::vector<uint8_t> biffCell = {ptgxBiff, 0x3A, 0, 0, 4, 0, 2, 0xC0};
    EXPECT_EQ(GetNameReference(model.Manager, biffCell, reference), xnrFormula) << "no BIFF data is loaded";
    TExternalSheetsStub sheets;
    model.Manager.SetExternalNames(&sheets);
    EXPECT_EQ(GetNameReference(model.Manager, biffCell, reference), xnrCell);
    EXPECT_EQ(reference.Sheet, 1);
    EXPECT_EQ(reference.Area.Row1Word, 4u);
    EXPECT_EQ(reference.Area.Col2Word, 0xC002);
    const std::vector<uint8_t> biffBlockArea = {ptgxBiffBlock, 11, 0, 0x3B, 0, 0, 1, 0, 2, 0, 3, 0, 4, 0};
    EXPECT_EQ(GetNameReference(model.Manager, biffBlockArea, reference), xnrArea);
    EXPECT_EQ(reference.Area, (TXLSPtgArea{1, 2, 3, 4}));
    const std::vector<uint8_t> biffRange = {ptgxBiff, 0x3A, 1, 0, 4, 0, 2, 0xC0};
    EXPECT_EQ(GetNameReference(model.Manager, biffRange, reference), xnrFormula);
    const std::vector<uint8_t> biffFarSheet = {ptgxBiff, 0x3A, 2, 0, 4, 0, 2, 0xC0};
    EXPECT_EQ(GetNameReference(model.Manager, biffFarSheet, reference), xnrSheetError);
    model.Manager.SetExternalNames(nullptr);
}

} // namespace
} // namespace xls
