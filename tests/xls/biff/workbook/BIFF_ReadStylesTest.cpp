#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::BOF5;
using test::BoundSheet5;
using test::BoundSheet8;
using test::Bytes8;
using test::Concat;
using test::DWord;
using test::Flagged16;
using test::Record;
using test::Substream5;
using test::Substream8;
using test::SubstreamGlobals;
using test::SubstreamWorksheet;
using test::TBIFFModel;
using test::TBytes;
using test::Word;
using test::WordRecord;
using test_support::Utf8;

struct TFontFields {
    std::u16string Name = u"Arial";
    uint16_t Height = 200;
    uint16_t Options = 0;
    uint16_t Color = 0x7FFF;
    uint16_t Weight = 400;
    uint16_t Escapement = 0;
    uint8_t Underline = 0;
    uint8_t Family = 0;
    uint8_t Charset = 0;
};

TBytes Font8(const TFontFields& f) {
    return Record(BIFFRecordFont, Concat({Word(f.Height),
                                          Word(f.Options),
                                          Word(f.Color),
                                          Word(f.Weight),
                                          Word(f.Escapement),
                                          {f.Underline, f.Family, f.Charset, 0},
                                          {static_cast<uint8_t>(f.Name.size())},
                                          Flagged16(f.Name)}));
}

// A BIFF8 XF of font, number format and the rest of its 20 bytes as given from offset 4.
TBytes Xf8(uint16_t font, uint16_t format, const TBytes& rest = TBytes(16, 0)) {
    return Record(BIFFRecordXF, Concat({Word(font), Word(format), rest}));
}

// The model's cell format of BIFF XF n.
const TXc12XF& ModelXF(const TBIFFModel& model, int32_t n) {
    return *model.Manager.StyleSheet().XFs().GetItem(n + 1);
}

TEST(TXLSReadBIFF, FontNumbersSkipFourAndCellFormatsFindTheirFonts) {
    TBIFFModel model;
    model.ReadWorkbook8(test::Workbook8WithSheet({Font8({u"R1"}), Font8({u"R2"}), Font8({u"R3"}), Font8({u"R4"}),
                                                  Font8({u"R5"}), Font8({u"R6"}), Xf8(5, 0), Xf8(3, 0), Xf8(4, 0)}));
    // The fifth FONT record is font 5, the fourth font 3; font 4 stands for the first.
    EXPECT_EQ(Utf8(ModelXF(model, 0).GetFont()->GetName()), "R5");
    EXPECT_EQ(Utf8(ModelXF(model, 1).GetFont()->GetName()), "R4");
    EXPECT_EQ(Utf8(ModelXF(model, 2).GetFont()->GetName()), "R1");
    EXPECT_EQ(model.Manager.StyleSheet().Fonts().Count(), 8);
}

TEST(TXLSReadBIFF, FontFieldsBecomeTheModelFont) {
    TBIFFModel model;
    model.ReadWorkbook8(test::Workbook8WithSheet({Font8({u"宋体", 240, 0x0002 | 0x0008, 10, 700, 1, 0x21, 2, 134}),
                                                  Font8({u"Plain", 190, 0, 0x7FFF, 400, 2, 0x02, 0, 0})}));
    const TXc12Font& font = *model.Manager.StyleSheet().Fonts().GetItem(1);
    EXPECT_EQ(font.GetName(), u"宋体");
    EXPECT_EQ(font.GetSize(), 12);
    EXPECT_EQ(font.GetStyle(), (TXc12FontStyles{xfsBold, xfsItalic, xfsStrikeOut}));
    EXPECT_EQ(font.GetUnderline(), xulSingleAccount);
    EXPECT_EQ(font.GetSubSuperscript(), xssSuperscript);
    EXPECT_EQ(font.GetFamily(), 2);
    EXPECT_EQ(font.GetCharset(), 134);
    EXPECT_EQ(font.GetColor().ColorType, exctIndexed);
    EXPECT_EQ(font.GetColor().Index, 10);
    const TXc12Font& plain = *model.Manager.StyleSheet().Fonts().GetItem(2);
    EXPECT_EQ(plain.GetSize(), 9.5);
    EXPECT_EQ(plain.GetStyle(), TXc12FontStyles{});
    EXPECT_EQ(plain.GetUnderline(), xulDouble);
    EXPECT_EQ(plain.GetSubSuperscript(), xssSubscript);
    EXPECT_EQ(plain.GetColor().Index, 0) << "the system colour beyond a byte reads as index 0";
}

TEST(TXLSReadBIFF, CellFormatsOfBIFF8GiveAlignmentBordersAndFill) {
    // Centred and wrapped, centred vertically; 45 degrees; indent 3, shrunk; left thin in colour 8, right medium in
    // 9, top dashed in 10, bottom double in 11, diagonal down; solid fill in 12 on automatic (127 limited to 64).
    const TBytes rest = Concat({Word(0x0001 | 0xFFF0),
                                {0x02 | 0x08 | 0x10, 45, 0x03 | 0x10, 0},
                                Word(0x1 | 0x2 << 4 | 0x3 << 8 | 0x6 << 12),
                                Word(8 | 9 << 7 | 1 << 14),
                                DWord(10 | 11 << 7 | 1u << 26),
                                Word(12 | 127 << 7)});
    TBIFFModel model;
    model.ReadWorkbook8(test::Workbook8WithSheet({Font8({}), Xf8(0, 0, rest)}));
    const TXc12XF& xf = ModelXF(model, 0);
    EXPECT_EQ(xf.GetProtection(), XC12ProtectionLocked);
    const TXc12CellAlignment& alignment = xf.GetAlignment();
    EXPECT_EQ(alignment.GetHorizAlignment(), 2);
    EXPECT_EQ(alignment.GetVertAlignment(), 1);
    EXPECT_EQ(alignment.GetRotation(), 45);
    EXPECT_EQ(alignment.GetIndent(), 3);
    EXPECT_EQ(alignment.GetOptions(), XC12AlignmentWrapText | XC12AlignmentShrinkToFit);
    const TXc12Border& border = *xf.GetBorder();
    const struct {
        TXc12BorderSide Side;
        TXc12CellBorderStyle Style;
        uint8_t Color;
    } sides[] = {{xbsLeft, cbsThin, 8}, {xbsRight, cbsMedium, 9}, {xbsTop, cbsDashed, 10}, {xbsBottom, cbsDouble, 11}};
    for (const auto& s : sides) {
        EXPECT_EQ(border.GetSide(s.Side).GetStyle(), s.Style) << s.Side;
        EXPECT_EQ(border.GetSide(s.Side).GetColor().Index, s.Color) << s.Side;
    }
    EXPECT_EQ(border.GetOptions(), XC12BorderDiagonalDown);
    EXPECT_EQ(xf.GetFill()->GetPatternType(), efpSolid);
    EXPECT_EQ(xf.GetFill()->GetFgColor().Index, 12);
    EXPECT_EQ(xf.GetFill()->GetBgColor().Index, 64);
    EXPECT_TRUE(xf.Predefined());
}

TEST(TXLSReadBIFF, IndexesThatNameNothingGiveTheDefaultsWithAWarning) {
    TBIFFModel model;
    model.ReadWorkbook8(test::Workbook8WithSheet({Font8({}), Xf8(99, 999)}));
    const TXc12XF& xf = ModelXF(model, 0);
    EXPECT_EQ(xf.GetFont(), model.Manager.StyleSheet().Fonts().GetDefaultFont());
    EXPECT_EQ(xf.GetNumberFormat(), model.Manager.StyleSheet().NumberFormats().GetDefault());
    EXPECT_EQ(model.WarningNumbers(), (std::vector<int32_t>{XLSWarningStyleIndex, XLSWarningStyleIndex}));
}

TEST(TXLSReadBIFF, NumberFormatsKeepTheirIds) {
    TBIFFModel model8;
    model8.ReadWorkbook8(test::Workbook8WithSheet(
        {Record(BIFFRecordFormat, Concat({Word(164), Word(4), Flagged16(u"0.0元")})), Xf8(0, 164)}));
    EXPECT_EQ(model8.Manager.StyleSheet().NumberFormats().GetItem(164)->GetText(), u"0.0元");
    EXPECT_EQ(ModelXF(model8, 0).GetNumberFormat()->GetText(), u"0.0元");
    TBIFFModel model5;
    model5.ReadBook5(
        Concat({Substream5(SubstreamGlobals, {WordRecord(BIFFRecordCodePage, 936),
                                              Record(BIFFRecordFormat, Concat({Word(165), {3, '0', 0xD4, 0xAA}})),
                                              BoundSheet5(Bytes8("S"))}),
                Substream5(SubstreamWorksheet, {})}));
    EXPECT_EQ(model5.Manager.StyleSheet().NumberFormats().GetItem(165)->GetText(), u"0元");
}

// Some writers count one character more than a FORMAT record holds: the characters that are there are kept.
TEST(TXLSReadBIFF, AFormatTextCountedTooLongKeepsTheCharactersItHolds) {
    const TBytes held = Bytes8("#,##0.00_);[Red](#,##0.00);\"-\"??_);@_)_(* #,##0_--"); // 50 characters
    TBIFFModel model8;
    model8.ReadWorkbook8(test::Workbook8WithSheet(
        {Record(BIFFRecordFormat, Concat({Word(170), Word(51), {0}, held})),
         Record(BIFFRecordFormat, Concat({Word(171), Word(3), Flagged16(u"0.0")})), Xf8(0, 171)}));
    const TXc12NumberFormats& formats = model8.Manager.StyleSheet().NumberFormats();
    EXPECT_EQ(rtl::UnicodeToUtf8(formats.GetItem(170)->GetText()), std::string(held.begin(), held.end()));
    EXPECT_EQ(formats.GetItem(171)->GetText(), u"0.0");
    TBIFFModel model5;
    model5.ReadBook5(
        Concat({Substream5(SubstreamGlobals, {Record(BIFFRecordFormat, Concat({Word(165), {4, '0', '.', '0'}})),
                                              BoundSheet5(Bytes8("S"))}),
                Substream5(SubstreamWorksheet, {})}));
    EXPECT_EQ(model5.Manager.StyleSheet().NumberFormats().GetItem(165)->GetText(), u"0.0");
}

TEST(TXLSReadBIFF, CellFormatsOfBIFF5AreTheDefaultOne) {
    TBIFFModel model;
    model.ReadBook5(
        Concat({Substream5(SubstreamGlobals, {Record(BIFFRecordXF, TBytes(16, 0x55)), BoundSheet5(Bytes8("S"))}),
                Substream5(SubstreamWorksheet, {})}));
    TXc12DataStyleSheet& styles = model.Manager.StyleSheet();
    const TXc12XF& xf = ModelXF(model, 0);
    EXPECT_EQ(xf.GetFont(), styles.Fonts().GetItem(0));
    EXPECT_EQ(xf.GetFill(), styles.Fills().GetItem(0));
    EXPECT_EQ(xf.GetBorder(), styles.Borders().GetItem(0));
    EXPECT_EQ(xf.GetNumberFormat(), styles.NumberFormats().GetItem(0));
}

TBytes Palette(uint16_t count, int32_t entries) {
    TBytes body = Word(count);
    for (int32_t i = 0; i < entries; ++i) {
        body = Concat({body, {static_cast<uint8_t>(i), 0x20, 0x30, 0}});
    }
    return Record(BIFFRecordPalette, body);
}

TEST(TXLSReadBIFF, PaletteChangesColoursEightToSixtyThreeAndNoMore) {
    const struct {
        uint16_t Count;
        int32_t Entries;
        int32_t Changed;
    } cases[] = {{56, 56, 56}, {58, 58, 56}, {56, 10, 10}};
    for (const auto& c : cases) {
        TBIFFModel model;
        const TXc12Palette defaults;
        model.ReadWorkbook8(test::Workbook8WithSheet({Palette(c.Count, c.Entries)}));
        const TXc12Palette& palette = model.Manager.Palette();
        for (int32_t i = 0; i < TXc12Palette::Count; ++i) {
            const bool changed = i >= 8 && i < 8 + c.Changed;
            EXPECT_EQ(palette.GetColor(i), changed ? 0x00302000u + (i - 8) : defaults.GetColor(i))
                << c.Count << " " << i;
        }
        const TXc12IndexColorObjs& colors = model.Manager.StyleSheet().IndexedColors();
        ASSERT_EQ(colors.Count(), 64);
        EXPECT_EQ(colors.GetItem(8)->GetRGB(), 0x00302000u);
        EXPECT_EQ(colors.GetItem(2)->GetRGB(), defaults.GetColor(2));
    }
}

TEST(TXLSReadBIFF, EachWorkbookStartsFromTheDefaultPalette) {
    TBIFFModel model;
    model.ReadWorkbook8(test::Workbook8WithSheet({Palette(56, 56)}));
    ASSERT_NE(model.Manager.Palette().GetColor(8), TXc12Palette().GetColor(8));
    TBIFF5 next(model.Manager);
    EXPECT_EQ(model.Manager.Palette().GetColor(8), TXc12Palette().GetColor(8));
}

// A BIFF2-4 worksheet file: its BOF, the records, its EOF.
TBytes OldWorksheet(uint16_t bofId, std::initializer_list<TBytes> records) {
    return Concat(
        {Record(bofId, Concat({Word(0), Word(SubstreamWorksheet), Word(0)})), Concat(records), test::EOFRecord()});
}

TBytes OldFont(uint16_t id, uint16_t options, const TBytes& name, bool withColor) {
    const TBytes color = withColor ? Word(10) : TBytes();
    return Record(id, Concat({Word(200), Word(options), color, {static_cast<uint8_t>(name.size())}, name}));
}

TEST(TXLSReadBIFF, BIFF4WorksheetsGiveFontsFormatsAndCellFormats) {
    // FORMAT of BIFF4: two unused bytes, then the text; they number in file order, after the 34 built-in ones.
    const TBytes format = Record(BIFFRecordFormat, Concat({Word(0), {2, 'x', 0xE9}}));
    // Font 0, format 1; fill pattern 1 in colours 10 and 23; top thin in colour 8; centred, vertical 2, 90 degrees.
    const TBytes xf =
        Record(BIFFRecordXF4,
               Concat({{0, 1, 0, 0, 0x02 | 0x20 | 0x80, 0}, Word(1 | 10 << 6 | 23 << 11), {0x01 | 8 << 3, 0, 0, 0}}));
    TBIFFModel model;
    model.Read(
        OldWorksheet(BIFFRecordBOF4, {WordRecord(BIFFRecordCodePage, 1252),
                                      OldFont(BIFFRecordFont3, 0x0001 | 0x0004 | 0x0010, Bytes8("Caf\xE9"), true),
                                      Record(BIFFRecordFormat, Concat({Word(0), {1, '@'}})), format, xf}));
    ASSERT_EQ(model.Manager.Worksheets().Count(), 1);
    EXPECT_EQ(Utf8(model.Sheet(0).GetName()), "Sheet1");
    const TXc12XF& cellFormat = ModelXF(model, 0);
    const TXc12Font& font = *cellFormat.GetFont();
    EXPECT_EQ(font.GetName(), u"Caf\u00E9");
    EXPECT_EQ(font.GetStyle(), (TXc12FontStyles{xfsBold, xfsOutline}));
    EXPECT_EQ(font.GetUnderline(), xulSingle);
    EXPECT_EQ(font.GetColor().Index, 10);
    EXPECT_EQ(cellFormat.GetNumberFormat()->GetText(), u"x\u00E9");
    EXPECT_EQ(cellFormat.GetFill()->GetPatternType(), efpSolid);
    EXPECT_EQ(cellFormat.GetFill()->GetFgColor().Index, 10);
    EXPECT_EQ(cellFormat.GetFill()->GetBgColor().Index, 23);
    EXPECT_EQ(cellFormat.GetBorder()->GetSide(xbsTop).GetStyle(), cbsThin);
    EXPECT_EQ(cellFormat.GetBorder()->GetSide(xbsTop).GetColor().Index, 8);
    EXPECT_EQ(cellFormat.GetAlignment().GetHorizAlignment(), 2);
    EXPECT_EQ(cellFormat.GetAlignment().GetVertAlignment(), 2);
    EXPECT_EQ(cellFormat.GetAlignment().GetRotation(), 90);
}

TEST(TXLSReadBIFF, BIFF3AndBIFF2WorksheetsReadIntoSheetOne) {
    TBIFFModel model3;
    model3.Read(OldWorksheet(
        BIFFRecordBOF3, {OldFont(BIFFRecordFont3, 0x0002, Bytes8("Three"), true), Record(BIFFRecordFormat2, {1, '0'}),
                         Record(BIFFRecordXF3, TBytes{0, 0, 0, 0, 0x01, 0, 0, 0, 0, 0, 0, 0}), Record(0x0063, {1})}));
    ASSERT_EQ(model3.Biff.Sheets().Count(), 1);
    EXPECT_EQ(Utf8(model3.Biff.GetSheet(0).Name()), "Sheet1");
    EXPECT_GE(model3.Biff.GetSheet(0).Storage().Find(0x0063), 0);
    EXPECT_EQ(ModelXF(model3, 0).GetNumberFormat()->GetText(), u"0");
    EXPECT_EQ(ModelXF(model3, 0).GetFont()->GetStyle(), TXc12FontStyles{xfsItalic});
    TBIFFModel model2;
    model2.Read(OldWorksheet(BIFFRecordBOF2, {OldFont(BIFFRecordFont, 0x0008, Bytes8("Two"), false)}));
    EXPECT_EQ(Utf8(model2.Manager.StyleSheet().Fonts().GetItem(1)->GetName()), "Two");
    EXPECT_EQ(model2.Manager.StyleSheet().Fonts().GetItem(1)->GetStyle(), TXc12FontStyles{xfsStrikeOut});
}

TEST(TXLSReadBIFF, BIFF4WorkbooksAreRefused) {
    TBIFFModel model;
    const TBytes workspace = Record(BIFFRecordBOF4, Concat({Word(0), Word(test::SubstreamWorkspace), Word(0)}));
    EXPECT_NE(test_support::MessageOf([&] {
                  model.Read(Concat({workspace, test::EOFRecord()}));
              }).find("BIFF4 Workbook unhandled"),
              std::string::npos);
}

} // namespace
} // namespace xls
