#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include "Xc12DataStyleSheet5TestSupport.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

using test::Utf8;

// Expects xf to be a default cell format of sheet.
void ExpectDefaultXF(TXc12DataStyleSheet& sheet, const TXc12XF& xf) {
    EXPECT_TRUE(xf.Predefined());
    EXPECT_EQ(xf.GetFont(), sheet.Fonts().GetItem(0));
    EXPECT_EQ(xf.GetFill(), sheet.Fills().GetItem(0));
    EXPECT_EQ(xf.GetBorder(), sheet.Borders().GetItem(0));
    EXPECT_EQ(xf.GetNumberFormat(), sheet.NumberFormats().GetItem(0));
    EXPECT_EQ(xf.GetStyleXF(), nullptr);
    EXPECT_EQ(xf.GetProtection(), XC12ProtectionLocked);
    EXPECT_EQ(xf.GetApplyFlags(), 0);
    EXPECT_EQ(xf.GetAlignment().GetHorizAlignment(), 0);
    EXPECT_EQ(xf.GetAlignment().GetVertAlignment(), 2);
}

void ExpectDefaults(TXc12DataStyleSheet& sheet) {
    ASSERT_EQ(sheet.Fonts().Count(), 1);
    const TXc12Font& font = *sheet.Fonts().GetDefaultFont();
    EXPECT_TRUE(font.Predefined());
    EXPECT_EQ(Utf8(font.GetName()), "Calibri");
    EXPECT_EQ(font.GetSize(), 11);
    EXPECT_EQ(font.GetColor().ColorType, exctTheme);
    EXPECT_EQ(font.GetColor().Index, 1);
    EXPECT_EQ(font.GetColor().Tint, 0);
    EXPECT_EQ(font.GetFamily(), 2);
    EXPECT_EQ(font.GetScheme(), efsMinor);
    EXPECT_EQ(font.GetCharset(), 0);
    EXPECT_TRUE(font.GetStyle().IsEmpty());

    ASSERT_EQ(sheet.Fills().Count(), 2);
    EXPECT_EQ(sheet.Fills().GetItem(0)->GetPatternType(), efpNone);
    EXPECT_EQ(sheet.Fills().GetItem(1)->GetPatternType(), efpGray125);
    ASSERT_EQ(sheet.Borders().Count(), 1);
    EXPECT_TRUE(sheet.Borders().GetDefaultBorder()->Predefined());
    EXPECT_TRUE(sheet.Borders().GetDefaultBorder()->Equals(TXc12Border()));

    ASSERT_EQ(sheet.NumberFormats().Count(), 50);
    EXPECT_EQ(Utf8(sheet.NumberFormats().GetItem(14)->GetText()), "m/d/yy");
    EXPECT_EQ(Utf8(sheet.NumberFormats().GetItem(21)->GetText()), "h:mm:SS");

    ASSERT_EQ(sheet.XFs().Count(), 1);
    ExpectDefaultXF(sheet, *sheet.XFs().GetDefaultXF());
    ASSERT_EQ(sheet.StyleXFs().Count(), 1);
    ExpectDefaultXF(sheet, *sheet.StyleXFs().GetDefaultXF());

    ASSERT_EQ(sheet.CellStyles().Count(), 1);
    EXPECT_EQ(Utf8(sheet.CellStyles().GetItem(0)->GetName()), "Normal");
    EXPECT_TRUE(sheet.CellStyles().GetItem(0)->Predefined());
    EXPECT_EQ(sheet.CellStyles().GetItem(0)->GetFormat(), nullptr);

    EXPECT_EQ(sheet.DXFs().Count(), 0);
    EXPECT_EQ(sheet.TableStyles().Count(), 0);
    EXPECT_EQ(sheet.RecentColors().Count(), 0);
    EXPECT_EQ(sheet.IndexedColors().Count(), 0);
}

TEST(Xc12DataStyleSheet5, ANewStyleSheetHoldsTheDefaults) {
    TXc12DataStyleSheet sheet;
    ExpectDefaults(sheet);
    EXPECT_GE(sheet.Fonts().MaxDigitWidth(), 1);
}

TEST(Xc12DataStyleSheet5, ClearLeavesOnlyTheDefaults) {
    TXc12DataStyleSheet sheet;
    sheet.Fonts().Add()->SetName(u"Arial");
    sheet.Fonts().GetDefaultFont()->SetName(u"宋体");
    sheet.Fills().Add();
    sheet.Borders().Add();
    sheet.NumberFormats().SetFormatAt(u"0.0", 164);
    sheet.XFs().Add()->SetFont(sheet.Fonts().GetItem(1));
    sheet.StyleXFs().Add();
    sheet.DXFs().Add()->AddFont();
    sheet.CellStyles().FindOrAdd(u"Good");
    sheet.TableStyles().Add();
    sheet.RecentColors().AddColor(test::IndexedColor(10));
    sheet.IndexedColors().Add()->SetRGB(0x123456);
    sheet.XFEditor().UseXFIndex(1);

    sheet.Clear();
    ExpectDefaults(sheet);
    EXPECT_EQ(sheet.XFs().GetDefaultXF()->UseCount(), 0);
}

TEST(Xc12DataStyleSheet5, XFEditorCountsTheUsesOfAFormatAndItsParts) {
    TXc12DataStyleSheet sheet;
    TXc12XFEditor& editor = sheet.XFEditor();
    TXc12XF* xf = sheet.XFs().Add();
    sheet.ResetXF(*xf);
    xf->SetFill(sheet.Fills().GetItem(1));

    editor.UseXFIndex(1);
    editor.UseXF(xf);
    EXPECT_EQ(editor.UseDefaultXF(), sheet.XFs().GetItem(0));
    editor.UseStyleXF(0);
    EXPECT_EQ(xf->UseCount(), 2);
    EXPECT_EQ(sheet.XFs().GetItem(0)->UseCount(), 1);
    EXPECT_EQ(sheet.StyleXFs().GetItem(0)->UseCount(), 1);
    EXPECT_EQ(sheet.Fonts().GetItem(0)->UseCount(), 4);
    EXPECT_EQ(sheet.NumberFormats().GetItem(0)->UseCount(), 4);
    EXPECT_EQ(sheet.Borders().GetItem(0)->UseCount(), 4);
    EXPECT_EQ(sheet.Fills().GetItem(0)->UseCount(), 2);
    EXPECT_EQ(sheet.Fills().GetItem(1)->UseCount(), 2);

    editor.ReleaseXFIndex(1);
    editor.ReleaseXF(xf);
    EXPECT_EQ(xf->UseCount(), 0);
    EXPECT_EQ(sheet.Fills().GetItem(1)->UseCount(), 0);
    EXPECT_EQ(sheet.Fonts().GetItem(0)->UseCount(), 2);
    EXPECT_EQ(sheet.XFs().Count(), 2);

    EXPECT_THROW(editor.UseXFIndex(2), rtl::EListError);
    EXPECT_THROW(editor.UseStyleXF(-1), rtl::EListError);
    EXPECT_THROW(editor.ReleaseXFIndex(5), rtl::EListError);
}

TEST(Xc12DataStyleSheet5, UseFontTakesTheEqualFontOfTheList) {
    TXc12DataStyleSheet sheet;
    TXc12Font* arial = sheet.Fonts().Add();
    arial->SetName(u"Arial");
    arial->SetSize(10);

    TXc12Font run;
    run.SetName(u"ARIAL");
    run.SetSize(10);
    EXPECT_EQ(sheet.XFEditor().UseFont(run), arial);
    EXPECT_EQ(arial->UseCount(), 1);

    run.SetSize(10.5);
    test::ExpectRaises([&] { sheet.XFEditor().UseFont(run); }, u"Can not find font");
    EXPECT_EQ(arial->UseCount(), 1);
    EXPECT_EQ(sheet.Fonts().GetItem(0)->UseCount(), 0);
}

TEST(Xc12DataStyleSheet5, ReleaseFontRemovesOnlyFontsNothingUses) {
    struct Case {
        const char* name;
        int32_t released;    // position of the font released
        bool usedByAnXF;     // a cell format (with no cells) refers to it
        bool usedByAStyleXF; // a style format refers to it
        int32_t uses;        // uses before the release
        bool removed;
    };
    const Case cases[] = {
        {"predefined", 0, false, false, 1, false},
        {"last use of a font of runs", 1, false, false, 1, true},
        {"a use is left", 1, false, false, 2, false},
        {"font of a cell format", 1, true, false, 1, false},
        {"font of a style format", 1, false, true, 1, false},
        {"already without uses", 1, false, false, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXc12DataStyleSheet sheet;
        TXc12Fonts& fonts = sheet.Fonts();
        for (const char16_t* name : {u"Arial", u"Verdana", u"宋体"}) {
            fonts.Add()->SetName(name);
        }
        TXc12Font* released = fonts.GetItem(c.released);
        TXc12Font* last = fonts.GetItem(3);
        if (c.usedByAnXF) {
            sheet.XFs().Add()->SetFont(released);
        }
        if (c.usedByAStyleXF) {
            sheet.StyleXFs().Add()->SetFont(released);
        }
        for (int32_t use = 0; use < c.uses; ++use) {
            released->AddRef();
        }
        sheet.XFEditor().ReleaseFont(released);
        EXPECT_EQ(fonts.Count(), c.removed ? 3 : 4);
        EXPECT_EQ(fonts.GetItem(fonts.Count() - 1), last);
        EXPECT_EQ(last->Index(), fonts.Count() - 1);
        if (!c.removed) {
            EXPECT_EQ(fonts.GetItem(c.released), released);
            EXPECT_EQ(released->UseCount(), c.uses > 0 ? c.uses - 1 : 0);
        }
    }
}

TEST(Xc12DataStyleSheet5, ReleaseFontRunsSkipsRunsWithoutFontAndForeignFonts) {
    TXc12DataStyleSheet sheet;
    TXc12Font* arial = sheet.Fonts().Add();
    arial->SetName(u"Arial");
    arial->AddRef();
    arial->AddRef();
    TXc12Font stranger;
    stranger.AddRef();
    const TXc12DynFontRunArray runs = {{0, arial}, {3, nullptr}, {5, &stranger}, {7, arial}};
    sheet.XFEditor().ReleaseFontRuns(runs);
    EXPECT_EQ(sheet.Fonts().Count(), 1);
    EXPECT_EQ(stranger.UseCount(), 0);
}

TEST(Xc12DataStyleSheet5, MarkAllPredefinedKeepsEveryFont) {
    TXc12DataStyleSheet sheet;
    TXc12Font* arial = sheet.Fonts().Add();
    sheet.NumberFormats().SetFormatAt(u"0.0", 164);
    sheet.Fills().Add();
    sheet.Borders().Add();
    sheet.XFEditor().MarkAllPredefined();
    EXPECT_TRUE(sheet.NumberFormats().GetItem(100)->Predefined());
    EXPECT_TRUE(sheet.NumberFormats().GetItem(164)->Predefined());
    EXPECT_TRUE(sheet.Fills().GetItem(2)->Predefined());
    EXPECT_TRUE(sheet.Borders().GetItem(1)->Predefined());
    sheet.XFEditor().ReleaseFont(arial);
    EXPECT_EQ(sheet.Fonts().Count(), 2);
}

TEST(Xc12DataStyleSheet5, UpdateIndexedColorsResolvesIndexedColoursOnly) {
    TXc12Palette palette;
    palette.SetColor(10, 0x0A0B0C);
    TXc12DataStyleSheet sheet;
    const TXc12ColorRec indexed = test::IndexedColor(10, 0x111111);
    const TXc12ColorRec rgb = test::RgbColor(0xFF112233);

    TXc12Font* rgbFont = sheet.Fonts().Add();
    rgbFont->SetColor(rgb);
    sheet.Fonts().Add()->SetColor(indexed);
    TXc12Fill* fill = sheet.Fills().Add();
    fill->SetFgColor(indexed);
    fill->SetBgColor(rgb);
    TXc12Fill* gradient = sheet.Fills().Add();
    gradient->SetIsGradient(true);
    gradient->GetGradient()->GetStops().AddStop(indexed, 0);
    sheet.Borders().Add()->GetSide(xbsDiagonal).SetColor(indexed);
    sheet.RecentColors().AddColor(indexed);
    sheet.DXFs().Add()->AddFont()->SetColor(indexed);

    sheet.UpdateIndexedColors(palette);
    EXPECT_EQ(rgbFont->GetColor().RGB, 0x332211u);
    EXPECT_EQ(sheet.Fonts().GetItem(2)->GetColor().RGB, 0x0A0B0Cu);
    EXPECT_EQ(fill->GetFgColor().RGB, 0x0A0B0Cu);
    EXPECT_EQ(fill->GetBgColor().RGB, 0x332211u);
    EXPECT_EQ(gradient->GetGradient()->GetStops().GetItem(0).Color.RGB, 0x0A0B0Cu);
    EXPECT_EQ(sheet.Borders().GetItem(1)->GetSide(xbsDiagonal).GetColor().RGB, 0x0A0B0Cu);
    EXPECT_EQ(sheet.RecentColors().GetItem(0)->GetColor().RGB, 0x0A0B0Cu);
    EXPECT_EQ(sheet.DXFs().GetItem(0)->GetFont()->GetColor().RGB, 0x0A0B0Cu);
    // Theme colours keep what they had.
    EXPECT_EQ(sheet.Fonts().GetItem(0)->GetColor().RGB, 0u);
}

TEST(Xc12DataStyleSheet5, PixelsPerInchFromTheHandlerElseTheScreen) {
    test::TRecordingPlatform platform;
    platform.Dpi = 144;
    const test::TPlatformScope scope(platform);
    TXc12DataStyleSheet sheet;
    int32_t horizontal = 0;
    int32_t vertical = 0;
    sheet.GetPixelsPerInch(horizontal, vertical);
    EXPECT_EQ(horizontal, 144);
    EXPECT_EQ(vertical, 144);
    sheet.SetOnPixelsPerInch([](int32_t& h, int32_t& v) {
        h = 120;
        v = 72;
    });
    sheet.GetPixelsPerInch(horizontal, vertical);
    EXPECT_EQ(horizontal, 120);
    EXPECT_EQ(vertical, 72);
}

} // namespace
} // namespace xls
