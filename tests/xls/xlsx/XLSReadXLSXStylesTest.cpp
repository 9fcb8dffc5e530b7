#include "xls/xlsx/XLSReadXLSXStyles.h"

#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using namespace xpgParserXLSX;
using test_support::Utf8;

std::string StyleSheetXml(std::string_view body) {
    return std::string(R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)") +
           std::string(body) + "</styleSheet>";
}

// A style sheet read from a styles part, with the warnings the read reported.
class StylesRead {
public:
    StylesRead() { Errors.SetSaveToList(true); }

    void Load(std::string_view body) {
        rtl::TStringStream stream(StyleSheetXml(body));
        Doc.LoadFromStream(stream);
        Reader.ReadStyles(Doc.GetStyleSheet());
    }

    // The run font of the first run of the first string item of a shared-strings part.
    TXc12Font* RunFont(std::string_view rPr) {
        TXPGDocXLSX part;
        TXc12Font* found = nullptr;
        part.GetRoot().GetSst().SetOnStringItem(
            [&](TCT_Rst& item) { found = Reader.ReadRunFont(item.GetR().GetItem(0).GetRPr()); });
        rtl::TStringStream stream(
            R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><r><rPr>)" +
            std::string(rPr) + "</rPr><t>x</t></r></si></sst>");
        part.LoadFromStream(stream);
        return found;
    }

    std::vector<int32_t> WarningNumbers() const {
        std::vector<int32_t> numbers;
        for (const TXLSErrorMessage& message : Errors.Messages()) {
            numbers.push_back(message.Number);
        }
        return numbers;
    }

    TXc12DataStyleSheet Sheet;
    TXLSErrorManager Errors;
    TXc12Palette Palette;
    TXLSReadXLSXStyles Reader{Sheet, Errors, Palette};
    TXPGDocXLSX Doc;
};

TEST(XLSReadXLSXStylesTest, ColoursConvertByTheFirstAttributeThatApplies) {
    struct Case {
        const char* color;
        uint8_t kind;
        uint8_t index;
        double tint;
        uint32_t argb;
        uint32_t rgb;
    };
    const Case cases[] = {
        {R"(theme="1" tint="-0.25" rgb="FFFF0000")", exctTheme, 1, -0.25, 0,
         TintRGB(TXc12Palette().ThemeColor(1), -0.25)},
        {R"(indexed="64")", exctIndexed, 64, 0, 0, TXc12Palette().GetColor(64)},
        {R"(indexed="2")", exctIndexed, 2, 0, 0, TXc12Palette().GetColor(2)},
        // A theme or palette index beyond a byte must not wrap round to a real entry.
        {R"(theme="257")", exctTheme, 255, 0, 0, 0},
        {R"(rgb="FF00FF00")", exctRgb, 0, 0, 0xFF00FF00, 0x0000FF00},
        {R"(rgb="FF0000FF")", exctRgb, 0, 0, 0xFF0000FF, 0x00FF0000},
        {R"(rgb="FFFFFFFF")", exctRgb, 0, 0, 0xFFFFFFFF, 0x00FFFFFF},
        {R"(auto="1" theme="3")", exctAuto, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.color);
        StylesRead read;
        read.Load(std::string("<colors><mruColors><color ") + c.color + "/></mruColors></colors>");
        ASSERT_EQ(read.Sheet.RecentColors().Count(), 1);
        const TXc12ColorRec& color = read.Sheet.RecentColors().GetItem(0)->GetColor();
        EXPECT_EQ(color.ColorType, c.kind);
        EXPECT_EQ(color.Index, c.index);
        EXPECT_DOUBLE_EQ(color.Tint, c.tint);
        EXPECT_EQ(color.ARGB, c.argb);
        EXPECT_EQ(color.RGB, c.rgb);
    }
}

TEST(XLSReadXLSXStylesTest, FontPropertiesConvert) {
    struct Case {
        const char* properties;
        uint64_t styleBits;
        TXc12Underline underline;
        TXc12SubSuperscript subSuperscript;
    };
    const Case cases[] = {
        {"<b/><outline/>", 9, xulNone, xssNone},
        // A property element whose val is false is off, whichever property it is.
        {R"(<b val="0"/><i/><outline val="false"/><condense val="0"/>)", 2, xulNone, xssNone},
        {R"(<strike val="1"/><shadow/><condense/><extend val="true"/>)", 4 + 16 + 32 + 64, xulNone, xssNone},
        {"<u/>", 0, xulSingle, xssNone},
        {R"(<u val="double"/>)", 0, xulDouble, xssNone},
        {R"(<u val="singleAccounting"/>)", 0, xulSingleAccount, xssNone},
        {R"(<u val="doubleAccounting"/>)", 0, xulDoubleAccount, xssNone},
        {R"(<u val="none"/>)", 0, xulNone, xssNone},
        {R"(<vertAlign val="superscript"/>)", 0, xulNone, xssSuperscript},
        {R"(<vertAlign val="subscript"/>)", 0, xulNone, xssSubscript},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.properties);
        StylesRead read;
        read.Load(std::string("<fonts><font>") + c.properties + "</font></fonts>");
        const TXc12Font& font = *read.Sheet.Fonts().GetItem(0);
        EXPECT_EQ(font.GetStyle().Bits(), c.styleBits);
        EXPECT_EQ(font.GetUnderline(), c.underline);
        EXPECT_EQ(font.GetSubSuperscript(), c.subSuperscript);
    }
}

TEST(XLSReadXLSXStylesTest, FontsOverwriteThePredefinedFontAndAppendTheRest) {
    StylesRead read;
    read.Load(R"(<fonts count="2">
        <font><sz val="10"/><color theme="1"/><name val="Arial"/><family val="2"/><charset val="134"/>
              <scheme val="major"/></font>
        <font><b/><sz val="12.5"/><name val="宋体"/></font></fonts>)");
    const TXc12Fonts& fonts = read.Sheet.Fonts();
    ASSERT_EQ(fonts.Count(), 2);
    const TXc12Font& first = *fonts.GetItem(0);
    EXPECT_EQ(Utf8(first.GetName()), "Arial");
    EXPECT_DOUBLE_EQ(first.GetSize(), 10);
    EXPECT_EQ(first.GetFamily(), 2);
    EXPECT_EQ(first.GetCharset(), 134);
    EXPECT_EQ(first.GetScheme(), efsMajor);
    EXPECT_EQ(first.GetColor().ColorType, exctTheme);
    EXPECT_TRUE(first.Predefined());
    const TXc12Font& second = *fonts.GetItem(1);
    EXPECT_EQ(Utf8(second.GetName()), "宋体");
    EXPECT_DOUBLE_EQ(second.GetSize(), 12.5);
    EXPECT_EQ(second.GetStyle().Bits(), 1U);
    // Without a color element the font is in the automatic colour, not the default font's theme colour.
    EXPECT_EQ(second.GetColor().ColorType, exctAuto);
    EXPECT_EQ(second.GetScheme(), efsNone);
}

TEST(XLSReadXLSXStylesTest, ShortListsKeepThePredefinedItemsAndWarn) {
    struct Case {
        const char* body;
        int32_t fonts;
        int32_t fills;
        int32_t borders;
        std::vector<int32_t> warnings;
        TXc12FillPattern secondFill;
    };
    const char* allThree = R"(<fonts><font/></fonts><fills><fill/><fill/></fills><borders><border/></borders>)";
    const Case cases[] = {
        {allThree, 1, 2, 1, {}, efpNone},
        {"", 1, 2, 1, {XLSWarningStyleCount, XLSWarningStyleCount, XLSWarningStyleCount}, efpGray125},
        {R"(<fonts><font/></fonts><fills><fill><patternFill patternType="solid"/></fill></fills>
            <borders><border/></borders>)",
         1,
         2,
         1,
         {XLSWarningStyleCount},
         efpGray125},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        StylesRead read;
        read.Load(c.body);
        EXPECT_EQ(read.Sheet.Fonts().Count(), c.fonts);
        EXPECT_EQ(read.Sheet.Fills().Count(), c.fills);
        EXPECT_EQ(read.Sheet.Borders().Count(), c.borders);
        EXPECT_EQ(read.WarningNumbers(), c.warnings);
        EXPECT_EQ(read.Sheet.Fills().GetItem(1)->GetPatternType(), c.secondFill);
    }
}

TEST(XLSReadXLSXStylesTest, FillsConvert) {
    StylesRead read;
    read.Load(R"(<fills count="5">
        <fill><patternFill/></fill>
        <fill><patternFill patternType="gray125"/></fill>
        <fill><patternFill patternType="solid"><fgColor rgb="FFFF0000"/><bgColor indexed="64"/></patternFill></fill>
        <fill><gradientFill type="path" degree="90" left="0.5" right="0.25" top="0.125" bottom="1">
            <stop position="0"><color theme="0"/></stop><stop position="1"><color rgb="FF0000FF"/></stop>
        </gradientFill></fill>
        <fill/></fills>)");
    const TXc12Fills& fills = read.Sheet.Fills();
    ASSERT_EQ(fills.Count(), 5);
    EXPECT_EQ(fills.GetItem(0)->GetPatternType(), efpNone);
    EXPECT_EQ(fills.GetItem(1)->GetPatternType(), efpGray125);
    const TXc12Fill& solid = *fills.GetItem(2);
    EXPECT_EQ(solid.GetPatternType(), efpSolid);
    EXPECT_EQ(solid.GetFgColor().RGB, 0x0000FFU);
    EXPECT_EQ(solid.GetBgColor().ColorType, exctIndexed);
    EXPECT_EQ(solid.GetBgColor().Index, 64);
    const TXc12GradientFill* gradient = fills.GetItem(3)->GetGradient();
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->GetGradientType(), xgtPath);
    EXPECT_DOUBLE_EQ(gradient->GetDegree(), 90);
    EXPECT_DOUBLE_EQ(gradient->GetLeft(), 0.5);
    EXPECT_DOUBLE_EQ(gradient->GetRight(), 0.25);
    EXPECT_DOUBLE_EQ(gradient->GetTop(), 0.125);
    EXPECT_DOUBLE_EQ(gradient->GetBottom(), 1);
    ASSERT_EQ(gradient->GetStops().Count(), 2);
    EXPECT_EQ(gradient->GetStops().GetItem(0).Color.ColorType, exctTheme);
    EXPECT_DOUBLE_EQ(gradient->GetStops().GetItem(1).Position, 1);
    EXPECT_EQ(gradient->GetStops().GetItem(1).Color.RGB, 0xFF0000U);
    EXPECT_FALSE(fills.GetItem(4)->IsGradient());
    EXPECT_EQ(fills.GetItem(4)->GetPatternType(), efpNone);
}

TEST(XLSReadXLSXStylesTest, BordersConvert) {
    StylesRead read;
    read.Load(R"(<borders count="2"><border/>
        <border diagonalUp="1" outline="0">
            <left style="thin"/><right style="medium"><color rgb="FFFF0000"/></right>
            <top style="dashDotDot"><color indexed="10"/></top><bottom style="slantDashDot"/>
            <diagonal style="double"/><vertical style="hair"/><horizontal style="thick"/>
        </border></borders>)");
    ASSERT_EQ(read.Sheet.Borders().Count(), 2);
    EXPECT_EQ(read.Sheet.Borders().GetItem(0)->GetOptions(), XC12BorderOutline);
    const TXc12Border& border = *read.Sheet.Borders().GetItem(1);
    EXPECT_EQ(border.GetOptions(), XC12BorderDiagonalUp);
    const std::pair<TXc12BorderSide, TXc12CellBorderStyle> styles[] = {
        {xbsLeft, cbsThin},       {xbsRight, cbsMedium},  {xbsTop, cbsDashDotDot},   {xbsBottom, cbsSlantedDashDot},
        {xbsDiagonal, cbsDouble}, {xbsVertical, cbsHair}, {xbsHorizontal, cbsThick},
    };
    for (const auto& [side, style] : styles) {
        SCOPED_TRACE(static_cast<int>(side));
        EXPECT_EQ(border.GetSide(side).GetStyle(), style);
    }
    // A line without a colour is drawn in the automatic colour, not in white.
    EXPECT_EQ(border.GetSide(xbsLeft).GetColor().ColorType, exctAuto);
    EXPECT_EQ(border.GetSide(xbsRight).GetColor().RGB, 0x0000FFU);
    EXPECT_EQ(border.GetSide(xbsTop).GetColor().Index, 10);
}

TEST(XLSReadXLSXStylesTest, CellFormatsTakeTheirPartsByIndex) {
    StylesRead read;
    read.Load(R"(<numFmts count="1"><numFmt numFmtId="164" formatCode="0.000"/></numFmts>
        <fonts><font/><font><b/></font></fonts>
        <fills><fill/><fill/><fill><patternFill patternType="solid"/></fill></fills>
        <borders><border/><border><left style="thin"/></border></borders>
        <cellStyleXfs><xf/><xf fontId="1"/></cellStyleXfs>
        <cellXfs count="3">
            <xf/>
            <xf numFmtId="164" fontId="1" fillId="2" borderId="1" xfId="1" applyNumberFormat="1" applyFont="1"
                applyProtection="1" quotePrefix="1" pivotButton="1"><protection locked="0" hidden="1"/></xf>
            <xf numFmtId="14" applyFill="1" applyBorder="1" applyAlignment="1"><alignment wrapText="1"/></xf>
        </cellXfs>)");
    const TXc12XFs& xfs = read.Sheet.XFs();
    ASSERT_EQ(xfs.Count(), 3);
    EXPECT_EQ(read.Sheet.StyleXFs().Count(), 2);
    const TXc12XF& first = *xfs.GetItem(0);
    EXPECT_EQ(first.GetFont(), read.Sheet.Fonts().GetItem(0));
    EXPECT_EQ(first.GetStyleXF(), read.Sheet.StyleXFs().GetItem(0));
    EXPECT_EQ(first.GetProtection(), XC12ProtectionLocked);
    const TXc12XF& second = *xfs.GetItem(1);
    EXPECT_EQ(Utf8(second.GetNumberFormat()->GetText()), "0.000");
    EXPECT_EQ(second.GetFont(), read.Sheet.Fonts().GetItem(1));
    EXPECT_EQ(second.GetFill(), read.Sheet.Fills().GetItem(2));
    EXPECT_EQ(second.GetBorder(), read.Sheet.Borders().GetItem(1));
    EXPECT_EQ(second.GetStyleXF(), read.Sheet.StyleXFs().GetItem(1));
    EXPECT_EQ(second.GetApplyFlags(), XC12ApplyNumberFormat | XC12ApplyFont | XC12ApplyProtection);
    EXPECT_EQ(second.GetProtection(), XC12ProtectionHidden);
    EXPECT_TRUE(second.GetQuotePrefix());
    EXPECT_TRUE(second.GetPivotButton());
    const TXc12XF& third = *xfs.GetItem(2);
    EXPECT_EQ(third.GetNumberFormat(), read.Sheet.NumberFormats().GetItem(14));
    EXPECT_EQ(third.GetApplyFlags(), XC12ApplyFill | XC12ApplyBorder | XC12ApplyAlignment);
    EXPECT_EQ(third.GetAlignment().GetHorizAlignment(), 0);
    EXPECT_EQ(third.GetAlignment().GetVertAlignment(), XC12VertAlignmentBottom);
    EXPECT_EQ(third.GetAlignment().GetOptions(), XC12AlignmentWrapText);
    // The style format read first is based on nothing rather than on itself.
    EXPECT_EQ(read.Sheet.StyleXFs().GetItem(0)->GetStyleXF(), nullptr);
    EXPECT_TRUE(read.WarningNumbers().empty());
}

TEST(XLSReadXLSXStylesTest, IndexesOutsideTheirListsFallBackToTheDefaultWithAWarning) {
    const char* attributes[] = {
        R"(fontId="1")", R"(fillId="2")", R"(borderId="-1")", R"(numFmtId="164")", R"(xfId="1")",
    };
    for (const char* attribute : attributes) {
        SCOPED_TRACE(attribute);
        StylesRead read;
        read.Load(std::string(R"(<fonts><font/></fonts><fills><fill/><fill/></fills><borders><border/></borders>
            <cellXfs><xf/><xf )") +
                  attribute + "/></cellXfs>");
        ASSERT_EQ(read.Sheet.XFs().Count(), 2);
        const TXc12XF& xf = *read.Sheet.XFs().GetItem(1);
        EXPECT_EQ(xf.GetFont(), read.Sheet.Fonts().GetItem(0));
        EXPECT_EQ(xf.GetFill(), read.Sheet.Fills().GetItem(0));
        EXPECT_EQ(xf.GetBorder(), read.Sheet.Borders().GetItem(0));
        EXPECT_EQ(xf.GetNumberFormat(), read.Sheet.NumberFormats().GetItem(0));
        EXPECT_EQ(xf.GetStyleXF(), read.Sheet.StyleXFs().GetItem(0));
        EXPECT_EQ(read.WarningNumbers(), std::vector<int32_t>{XLSWarningStyleIndex});
    }
}

TEST(XLSReadXLSXStylesTest, NumberFormatsGoToTheirIds) {
    StylesRead read;
    read.Load(R"(<numFmts><numFmt numFmtId="14" formatCode="yyyy-mm-dd"/><numFmt numFmtId="164" formatCode="0.0%"/>
        <numFmt numFmtId="65536" formatCode="x"/><numFmt numFmtId="-1" formatCode="y"/></numFmts>)");
    const TXc12NumberFormats& formats = read.Sheet.NumberFormats();
    ASSERT_EQ(formats.Count(), 165);
    EXPECT_EQ(Utf8(formats.GetItem(14)->GetText()), "yyyy-mm-dd");
    EXPECT_TRUE(formats.GetItem(14)->BuiltInChanged());
    EXPECT_EQ(Utf8(formats.GetItem(164)->GetText()), "0.0%");
    EXPECT_EQ(read.WarningNumbers(),
              (std::vector<int32_t>{XLSWarningStyleIndex, XLSWarningStyleIndex, XLSWarningStyleCount,
                                    XLSWarningStyleCount, XLSWarningStyleCount}));
}

TEST(XLSReadXLSXStylesTest, AlignmentConverts) {
    StylesRead read;
    read.Load(R"(<cellXfs><xf applyAlignment="1"><alignment horizontal="centerContinuous" vertical="top"
        textRotation="255" shrinkToFit="1" justifyLastLine="1" indent="3" relativeIndent="-2" readingOrder="2"/>
        </xf></cellXfs>)");
    const TXc12CellAlignment& alignment = read.Sheet.XFs().GetItem(0)->GetAlignment();
    EXPECT_EQ(alignment.GetHorizAlignment(), 6);
    EXPECT_EQ(alignment.GetVertAlignment(), 0);
    EXPECT_EQ(alignment.GetRotation(), 255);
    EXPECT_EQ(alignment.GetOptions(), XC12AlignmentShrinkToFit | XC12AlignmentJustifyLastLine);
    EXPECT_EQ(alignment.GetIndent(), 3);
    EXPECT_EQ(alignment.GetRelativeIndent(), -2);
    EXPECT_EQ(alignment.GetReadingOrder(), 2);
}

TEST(XLSReadXLSXStylesTest, CellStylesTakeTheirStyleFormatWithAUse) {
    StylesRead read;
    read.Load(R"(<cellStyleXfs><xf/><xf fontId="0"/></cellStyleXfs>
        <cellStyles><cellStyle name="normal" xfId="0" builtinId="0"/>
            <cellStyle name="Mine" xfId="1" iLevel="2" hidden="1" customBuiltin="1" builtinId="7"/>
            <cellStyle name="Lost" xfId="5"/></cellStyles>)");
    const TXc12CellStyles& styles = read.Sheet.CellStyles();
    ASSERT_EQ(styles.Count(), 3);
    // "Normal" is predefined and found again whatever the case of the file's name.
    EXPECT_EQ(Utf8(styles.GetItem(0)->GetName()), "Normal");
    EXPECT_EQ(styles.GetItem(0)->GetFormat(), read.Sheet.StyleXFs().GetItem(0));
    const TXc12CellStyle& mine = *styles.GetItem(1);
    EXPECT_EQ(mine.GetFormat(), read.Sheet.StyleXFs().GetItem(1));
    EXPECT_EQ(mine.GetOutlineLevel(), 2);
    EXPECT_TRUE(mine.GetHidden());
    EXPECT_TRUE(mine.GetCustomBuiltIn());
    EXPECT_EQ(mine.GetBuiltInId(), 7);
    EXPECT_EQ(styles.GetItem(2)->GetFormat(), read.Sheet.StyleXFs().GetItem(0));
    EXPECT_EQ(read.Sheet.StyleXFs().GetItem(0)->UseCount(), 2);
    EXPECT_EQ(read.Sheet.StyleXFs().GetItem(1)->UseCount(), 1);
    EXPECT_EQ(read.Sheet.Fonts().GetItem(0)->UseCount(), 3);
    EXPECT_EQ(read.WarningNumbers().back(), XLSWarningStyleIndex);
}

TEST(XLSReadXLSXStylesTest, DifferentialFormatsAndTableStylesConvert) {
    StylesRead read;
    read.Load(R"(<dxfs count="2">
            <dxf><font><b/><color rgb="FF9C0006"/></font><numFmt numFmtId="170" formatCode="0.0"/>
                <fill><patternFill><bgColor rgb="FFFFC7CE"/></patternFill></fill>
                <alignment horizontal="left"/><border><left style="thin"/></border><protection hidden="1"/></dxf>
            <dxf/></dxfs>
        <tableStyles count="1" defaultTableStyle="TableStyleMedium2" defaultPivotStyle="PivotStyleLight16">
            <tableStyle name="Mine" pivot="0" count="3"><tableStyleElement type="headerRow" dxfId="1"/>
                <tableStyleElement type="firstRowStripe" size="2" dxfId="0"/>
                <tableStyleElement type="wholeTable" dxfId="2"/></tableStyle></tableStyles>)");
    const TXc12DXFs& dxfs = read.Sheet.DXFs();
    ASSERT_EQ(dxfs.Count(), 2);
    const TXc12DXF& first = *dxfs.GetItem(0);
    ASSERT_NE(first.GetFont(), nullptr);
    EXPECT_EQ(first.GetFont()->GetStyle().Bits(), 1U);
    EXPECT_EQ(first.GetFont()->GetColor().RGB, 0x06009CU);
    EXPECT_EQ(Utf8(first.GetNumberFormat()->GetText()), "0.0");
    EXPECT_EQ(first.GetFill()->GetBgColor().RGB, 0xCEC7FFU);
    EXPECT_EQ(first.GetAlignment()->GetHorizAlignment(), 1);
    EXPECT_EQ(first.GetBorder()->GetSide(xbsLeft).GetStyle(), cbsThin);
    EXPECT_EQ(first.GetProtection(), XC12ProtectionLocked | XC12ProtectionHidden);
    const TXc12DXF& second = *dxfs.GetItem(1);
    EXPECT_EQ(second.GetFont(), nullptr);
    EXPECT_EQ(second.GetFill(), nullptr);
    EXPECT_EQ(second.GetAlignment(), nullptr);

    const TXc12TableStyles& tableStyles = read.Sheet.TableStyles();
    EXPECT_EQ(Utf8(tableStyles.GetDefaultTableStyle()), "TableStyleMedium2");
    EXPECT_EQ(Utf8(tableStyles.GetDefaultPivotStyle()), "PivotStyleLight16");
    ASSERT_EQ(tableStyles.Count(), 1);
    const TXc12TableStyle& style = *tableStyles.GetItem(0);
    EXPECT_EQ(Utf8(style.GetName()), "Mine");
    EXPECT_FALSE(style.GetPivot());
    EXPECT_TRUE(style.GetTable());
    ASSERT_EQ(style.GetElements().Count(), 3);
    EXPECT_EQ(style.GetElements().GetItem(0)->GetElementType(), TST_TableStyleType::HeaderRow);
    EXPECT_EQ(style.GetElements().GetItem(0)->GetDXF(), dxfs.GetItem(1));
    EXPECT_EQ(style.GetElements().GetItem(1)->GetSize(), 2);
    EXPECT_EQ(style.GetElements().GetItem(1)->GetDXF(), dxfs.GetItem(0));
    // An element whose format is missing keeps its place and changes nothing.
    EXPECT_EQ(style.GetElements().GetItem(2)->GetDXF(), nullptr);
    EXPECT_EQ(read.WarningNumbers().back(), XLSWarningStyleIndex);
}

TEST(XLSReadXLSXStylesTest, IndexedColoursReplaceThePalette) {
    StylesRead read;
    read.Load(R"(<colors><indexedColors><rgbColor rgb="00000000"/><rgbColor rgb="FF123456"/></indexedColors>
        </colors>)");
    ASSERT_EQ(read.Sheet.IndexedColors().Count(), 2);
    EXPECT_EQ(read.Sheet.IndexedColors().GetItem(1)->GetRGB(), 0x563412U);
    EXPECT_EQ(read.Palette.GetColor(0), 0U);
    EXPECT_EQ(read.Palette.GetColor(1), 0x563412U);
    EXPECT_EQ(read.Palette.GetColor(2), TXc12Palette().GetColor(2));
}

TEST(XLSReadXLSXStylesTest, RunFontsFindTheirEqualFontOrAreAdded) {
    const char* listed = R"(<b/><sz val="11"/><color theme="1"/><name val="Calibri"/><family val="2"/>
        <scheme val="minor"/><outline val="0"/>)";
    struct Case {
        const char* rPr;
        int32_t position;
    };
    const Case cases[] = {
        // The same properties as the listed font, also the ones whose val is false.
        {R"(<b/><sz val="11"/><color theme="1"/><rFont val="calibri"/><family val="2"/><scheme val="minor"/>
            <outline val="0"/>)",
         1},
        {R"(<b val="1"/><sz val="11"/><color theme="1"/><rFont val="Calibri"/><family val="2"/><scheme val="minor"/>)",
         1},
        {R"(<i/><sz val="11"/><color theme="1"/><rFont val="Calibri"/><family val="2"/><scheme val="minor"/>)", 2},
        {R"(<sz val="9"/><color rgb="FFFF0000"/><rFont val="Tahoma"/><u/><vertAlign val="superscript"/>)", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rPr);
        StylesRead read;
        read.Load(std::string("<fonts><font/><font>") + listed + "</font></fonts>");
        TXc12Font* font = read.RunFont(c.rPr);
        ASSERT_EQ(read.Sheet.Fonts().Count(), std::max(2, c.position + 1));
        EXPECT_EQ(font, read.Sheet.Fonts().GetItem(c.position));
        EXPECT_EQ(font->UseCount(), 1);
        // A second run with the same properties finds the same font.
        EXPECT_EQ(read.RunFont(c.rPr), font);
        EXPECT_EQ(font->UseCount(), 2);
        EXPECT_EQ(read.Sheet.Fonts().Count(), std::max(2, c.position + 1));
    }
}

// Shared strings can carry many differently formatted runs; each run's font is found among all earlier ones.
TEST(XLSReadXLSXStylesTest, ManyRunFontsAreEachAddedOnceAndFoundAgain) {
    StylesRead read;
    read.Load("<fonts><font/></fonts>");
    constexpr int32_t Sizes = 300;
    const auto rPr = [](int32_t size) { return "<rFont val=\"SimSun\"/><sz val=\"" + std::to_string(size) + "\"/>"; };
    std::vector<TXc12Font*> first;
    for (int32_t size = 1; size <= Sizes; ++size) {
        first.push_back(read.RunFont(rPr(size)));
    }
    for (int32_t size = Sizes; size >= 1; --size) {
        EXPECT_EQ(read.RunFont(rPr(size)), first[static_cast<size_t>(size - 1)]);
    }
    EXPECT_EQ(read.Sheet.Fonts().Count(), Sizes + 1);
    for (TXc12Font* font : first) {
        EXPECT_EQ(font->UseCount(), 2);
    }
}

TEST(XLSReadXLSXStylesTest, ARunFontAddedByTheReadIsRemovedWithItsLastUse) {
    StylesRead read;
    read.Load("<fonts><font/></fonts>");
    TXc12Font* font = read.RunFont(R"(<rFont val="Tahoma"/><sz val="8"/>)");
    ASSERT_EQ(read.Sheet.Fonts().Count(), 2);
    EXPECT_EQ(Utf8(font->GetName()), "Tahoma");
    read.Sheet.XFEditor().ReleaseFont(font);
    EXPECT_EQ(read.Sheet.Fonts().Count(), 1);
}

} // namespace
} // namespace xls
