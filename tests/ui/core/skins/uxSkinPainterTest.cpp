// The skin info, the skin painter and the built-in skins' registration: what start-up registers, how a skin is
// resolved, the colours and sizes the painter answers, and what its drawing operations put into a DIB.

#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "tests/ui/core/gdiplus/GdiPlusTestSupport.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/core/skins/SkinTestSupport.h"
#include "ui/core/gdiplus/uxGdiPlusAPI.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/painters/uiPainterRegistry.h"
#include "ui/core/skins/uxSkinStreamIO.h"
#include "ui/core/skins/uxSkinsBuiltIn.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

using ui_test::TCanvasOnSurface;

// Flat texture colours (0xAARRGGBB), one per frame, and the colours they draw as.
constexpr uint32_t PainterTestFrames[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF00FFFF};
constexpr vcl::TColor PainterTestColors[] = {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clAqua, vcl::clYellow};

// An element whose image has count frames of size each its own flat colour, in the normal state only.
ui::TuxSkinElement* AddFlatElement(ui::TuxSkin& skin, const char* group, const char* name, int32_t count = 1,
                                   int32_t size = 16) {
    ui::TuxSkinControlGroup* owner = skin.GetGroupByName(group) ? skin.GetGroupByName(group) : skin.AddGroup(group);
    ui::TuxSkinElement* element = owner->AddElement(name);
    element->SetImageCount(count);
    element->Image().SetStates({ui::esNormal});
    std::vector<uint32_t> frames(PainterTestFrames, PainterTestFrames + count);
    rtl::TStringStream stream(ui_test::FlatFramesPng(size, size, frames));
    element->Image().LoadTexture(stream);
    return element;
}

// A skin painter that draws with an info of the test's own.
class TTestSkinPainter final : public ui::TuxSkinLookAndFeelPainter {
public:
    explicit TTestSkinPainter(ui::TuxSkinInfo* info) : FInfo(info) {}
    ui::TuxSkinInfo* SkinInfo() const override { return FInfo; }

private:
    ui::TuxSkinInfo* FInfo;
};

int CountPlaceholders(const ui::TuxSkin& skin) {
    int count = 0;
    for (int32_t g = 0; g < skin.Groups().Count(); ++g) {
        const ui::TuxSkinControlGroup* group = skin.Groups().Item(g);
        for (int32_t e = 0; e < group->Count(); ++e) {
            count += (group->Element(e)->State() & ui::sosCreatedForMissing) != 0;
        }
    }
    return count;
}

TEST(BuiltInSkinRegistration, StartUpRegistersTheThreeSkinsWithTheirPainters) {
    const ui::TuiExtendedStylePainters* registry = ui::ExtendedStylePainters();
    ASSERT_NE(registry, nullptr);
    ASSERT_EQ(registry->Count(), 3);
    struct TCase {
        const char16_t* Name;
        const ui::TuxSkinLookAndFeelPainter* Painter;
        const char16_t* Unit;
        const char* SkinName;
    };
    const TCase cases[] = {
        {u"Blue", &ui::TuxBluePainter::Instance(), u"uxSkinBlue", "Blue"},
        {u"Office2007Blue", &ui::TuxOffice2007BluePainter::Instance(), u"uxSkinOffice2007Blue", "Office2007Blue"},
        {u"UserSkin", &ui::TuxSkinsUserSkinPainter::Instance(), u"uxSkinsDefaultPainters", "defaultuserskindata"},
    };
    for (int32_t index = 0; index < 3; ++index) {
        const TCase& test = cases[index];
        EXPECT_EQ(registry->Items(index).Name(), test.Name);
        EXPECT_EQ(registry->Items(index).Painter(), test.Painter);
        EXPECT_EQ(test.Painter->OwnerUnitName(), test.Unit);
        ASSERT_NE(test.Painter->SkinInfo(), nullptr);
        EXPECT_EQ(registry->Items(index).Data(), test.Painter->SkinInfo());
        EXPECT_EQ(test.Painter->SkinInfo()->Skin()->Name(), test.SkinName);
    }
    EXPECT_EQ(ui::TuxBluePainter::Instance().SkinInfo()->Skin()->GetDisplayName(), u"Blue");
}

TEST(BuiltInSkinRegistration, ASkinThatDoesNotLoadIsReportedAndTheOthersRegister) {
    ui::UnregisterBuiltInSkins();
    EXPECT_EQ(ui::ExtendedStylePainters()->Count(), 0);
    EXPECT_EQ(ui::TuxBluePainter::Instance().SkinInfo(), nullptr);

    ui::TuxBuiltInSkinsSeam& seam = ui::BuiltInSkinsSeam();
    const ui::TuxBuiltInSkinsSeam saved = seam;
    std::vector<std::u16string> reported;
    seam.LoadSkin = [&saved](const rtl::AnsiString& resource) -> std::unique_ptr<ui::TuxSkin> {
        if (resource == "BLUE") {
            throw ui::EuxSkin(u"no such resource");
        }
        return saved.LoadSkin(resource);
    };
    seam.ReportFailure = [&reported](rtl::UnicodeStringView name, rtl::UnicodeStringView) {
        reported.emplace_back(name);
    };
    ui::RegisterBuiltInSkins();
    seam = saved;

    EXPECT_EQ(reported, std::vector<std::u16string>{u"Blue"});
    const ui::TuiExtendedStylePainters* registry = ui::ExtendedStylePainters();
    ASSERT_EQ(registry->Count(), 2);
    EXPECT_EQ(registry->Items(0).Name(), u"Office2007Blue");
    EXPECT_EQ(registry->Items(1).Name(), u"UserSkin");
    EXPECT_EQ(ui::TuxBluePainter::Instance().SkinInfo(), nullptr);
    // A painter without an info draws as over an info without a skin.
    EXPECT_EQ(ui::TuxBluePainter::Instance().ContentColor(),
              ui::TuiCustomLookAndFeelPainter::Instance().ContentColor());

    ui::UnregisterBuiltInSkins();
    ui::RegisterBuiltInSkins();
    EXPECT_EQ(ui::ExtendedStylePainters()->Count(), 3);
}

TEST(SkinInfoResolution, BlueResolvesWithoutAddingAnythingAndAMissingElementGetsAPlaceholder) {
    const ui::TuxSkinInfo* blue = ui::TuxBluePainter::Instance().SkinInfo();
    ASSERT_NE(blue, nullptr);
    EXPECT_EQ(blue->Skin()->Groups().Count(), 13);
    EXPECT_EQ(CountPlaceholders(*blue->Skin()), 0);
    EXPECT_EQ(blue->Element(ui::seiSchedulerTimeGridCurrentTimeIndicator), nullptr);
    ASSERT_NE(blue->Element(ui::seiCommonHeader), nullptr);
    EXPECT_EQ(blue->Element(ui::seiCommonHeader)->State(), 0);

    ui::TuxSkinInfo info(std::make_unique<ui::TuxSkin>("Sparse"));
    const ui::TuxSkin& skin = *info.Skin();
    EXPECT_EQ(skin.Groups().Count(), 13);
    ui::TuxSkinElement* header = info.Element(ui::seiCommonHeader);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->State(), ui::sosCreatedForMissing);
    EXPECT_EQ(header->GetImageSize(), (vcl::TSize{32, 32}));
    EXPECT_EQ(info.Element(ui::seiSchedulerTimeGridCurrentTimeIndicator), nullptr);
    EXPECT_EQ(skin.GetGroupByName("Scheduler")->GetElementByName("TimeGridCurrentTimeIndicator"), nullptr);
    const int placeholders = CountPlaceholders(skin);
    info.Refresh();
    EXPECT_EQ(CountPlaceholders(skin), placeholders) << "a second resolution finds the placeholders";

    // The cross: red on the diagonals, clear elsewhere.
    TCanvasOnSurface on(32, 32);
    header->Draw(on.Surface.DC(), {0, 0, 32, 32});
    GdiFlush();
    EXPECT_EQ(on.Surface.Pixel(10, 10), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(21, 10), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(16, 4), vcl::clWhite);
}

TEST(SkinInfoResolution, RulesPropertiesAndRefreshes) {
    auto skin = std::make_unique<ui::TuxSkin>("Rules");
    AddFlatElement(*skin, "Form", "FormCaption")
        ->Properties()
        .AddProperty("FontDelta", ui::TuxSkinIntegerProperty::StaticClass());
    static_cast<ui::TuxSkinIntegerProperty*>(
        skin->GetGroupByName("Form")->GetElementByName("FormCaption")->GetPropertyByName("FontDelta"))
        ->SetValue(-3);
    ui::TuxSkinElement* content = AddFlatElement(*skin, "Form", "FormContent");
    content->SetColor(vcl::clOlive);
    // An integer where a colour belongs counts as absent.
    skin->AddGroup("Editors")->Properties().AddProperty("BackgroundColor", ui::TuxSkinIntegerProperty::StaticClass());
    ui::TuxSkinInfo info(std::move(skin));
    EXPECT_EQ(info.CaptionFontDelta(), 1);
    EXPECT_EQ(info.ColorProperty(ui::spiEditorBackgroundColor), nullptr);
    for (ui::TuxSkinElementId id :
         {ui::seiPageControlTabButtonHorz, ui::seiPageControlTabButtonVert, ui::seiCommonScrollButton}) {
        EXPECT_EQ(info.Element(id)->Color(), vcl::clOlive);
    }
    // A change of the skin resolves again, once, and the colour follows.
    content->SetColor(vcl::clTeal);
    EXPECT_EQ(info.Element(ui::seiCommonScrollButton)->Color(), vcl::clTeal);
    EXPECT_EQ(info.Element(ui::seiPageControlTabButtonVert)->Color(), vcl::clTeal);
    ASSERT_NE(info.ScrollInfo(false, ui::sbpLineDown), nullptr);
    EXPECT_EQ(info.ScrollInfo(false, ui::sbpLineDown)->ImageIndex(), 1);
    EXPECT_EQ(info.ScrollInfo(true, ui::sbpNone), nullptr);

    ui::TuxSkinInfo empty(nullptr);
    EXPECT_EQ(empty.Element(ui::seiCommonHeader), nullptr);
    EXPECT_EQ(empty.ScrollInfo(false, ui::sbpThumb), nullptr);
}

TEST(SkinPainterColours, BlueAndFallbacks) {
    const ui::TuxSkinLookAndFeelPainter& blue = ui::TuxBluePainter::Instance();
    EXPECT_EQ(blue.ContentColor(), vcl::TColor(0xFFEFE3));
    EXPECT_EQ(blue.HeaderColor(), vcl::TColor(0xFDEFE3));
    EXPECT_EQ(blue.CalendarSeparatorHighlightColor(), vcl::clNone);
    EXPECT_EQ(blue.ButtonFrameWidth(ui::uibsHot), 0);

    auto skin = std::make_unique<ui::TuxSkin>("Defaults");
    skin->Colors().AddColor("ContentColor", vcl::clDefault);
    skin->AddGroup("Editors")->Properties().AddColor("BackgroundColor", vcl::clMaroon);
    ui::TuxSkinInfo info(std::move(skin));
    const TTestSkinPainter painter(&info);
    EXPECT_EQ(painter.ContentColor(), vcl::clWindow);
    EXPECT_EQ(painter.ControlBackgroundColor(), vcl::clDefault);
    EXPECT_EQ(painter.PaneColor(), vcl::clDefault);
    EXPECT_EQ(painter.EditorBackgroundColorForState(3), vcl::clMaroon);
    EXPECT_EQ(painter.EditorBackgroundColorForState(9),
              ui::TuiCustomLookAndFeelPainter::Instance().EditorBackgroundColorForState(9));
    EXPECT_EQ(painter.CalculatorTextColor(40), ui::TuiCustomLookAndFeelPainter::Instance().CalculatorTextColor(40));
}

TEST(SkinPainterColours, AnUnsetElementColourFallsBackToTheDefault) {
    auto skin = std::make_unique<ui::TuxSkin>("GroupBy");
    ui::TuxSkinElement* panel = AddFlatElement(*skin, "Grid", "GridGroupPanel");
    panel->SetTextColor(vcl::clNone);
    ui::TuxSkinInfo info(std::move(skin));
    const TTestSkinPainter painter(&info);
    EXPECT_EQ(painter.GroupByPanelTextColor(), ui::TuiCustomLookAndFeelPainter::Instance().GroupByPanelTextColor());
    EXPECT_EQ(panel->Color(), vcl::clNone) << "a panel with an image shows no colour of its own";
    EXPECT_EQ(painter.GroupByBoxTextColor(), vcl::clNone) << "present is enough here";
}

// Arguments beyond the skin's tables take the fallback instead of reading past them.
TEST(SkinPainterDrawing, ArgumentsOutOfRangeTakeTheFallback) {
    const ui::TuxSkinLookAndFeelPainter& blue = ui::TuxBluePainter::Instance();
    TCanvasOnSurface edit(30, 20);
    blue.PaintEditButton(edit.Canvas, {2, 2, 20, 18}, 8, ui::uibsNormal, 1);
    blue.PaintEditButton(edit.Canvas, {2, 2, 20, 18}, -1, ui::uibsNormal, 1);
    GdiFlush();
    EXPECT_TRUE(ui_test::AllPixelsAre(edit.Surface, {0, 0, 30, 20}, vcl::clWhite)) << "the default draws no button";

    const auto sameAs = [](const std::function<void(const ui::TuiCustomLookAndFeelPainter&, ui::TuiCanvas&)>& paint,
                           const ui::TuiCustomLookAndFeelPainter& fallback) {
        TCanvasOnSurface skinned(40, 30);
        TCanvasOnSurface expected(40, 30);
        paint(ui::TuxBluePainter::Instance(), skinned.Canvas);
        paint(fallback, expected.Canvas);
        GdiFlush();
        return skinned.Surface.Pixels() == expected.Surface.Pixels();
    };
    const vcl::TRect r{5, 5, 35, 25};
    const auto& standard = ui::TuiCustomLookAndFeelPainter::Instance();
    EXPECT_TRUE(sameAs([&](auto& p, auto& c) { p.PaintGroupBoxCaption(c, r, ui::gcpNone); }, standard));
    // The fallbacks of these draw with the skin's colours, so they are only walked: no element past the tables.
    TCanvasOnSurface walked(40, 30);
    blue.PaintLayoutRecordCaption(walked.Canvas, r, 4, ui::uibsHot);
    blue.PaintLayoutRecordBody(walked.Canvas, r, 5, ui::uibsNormal, {});
    blue.PaintTrackBarThumb(walked.Canvas, r, ui::uibsNormal, true, 3, vcl::clRed);
    blue.PaintIndicatorGlyph(walked.Canvas, r, 6);
    EXPECT_EQ(blue.GroupFrameInsets(true, ui::gcpNone), standard.GroupFrameInsets(true, ui::gcpNone));
    EXPECT_EQ(blue.EditorTextColorForState(-1), standard.EditorTextColorForState(-1));
}

TEST(SkinPainterSizes, GlyphWiderThanTheButtonAndScrollThumbs) {
    auto skin = std::make_unique<ui::TuxSkin>("Sizes");
    AddFlatElement(*skin, "Editors", "EditorButton", 1, 10);
    AddFlatElement(*skin, "Editors", "Navigator", 1, 13);
    ui::TuxSkinElement* thumb = AddFlatElement(*skin, "Common", "ScrollThumbHorz", 1, 16);
    (void)thumb;
    ui::TuxSkinInfo info(std::move(skin));
    const TTestSkinPainter painter(&info);
    EXPECT_EQ(painter.ButtonGroupFrameWidths(1, 0), (vcl::TRect{-1, -1, -1, -1}));
    // Placeholders are 32 x 32; the horizontal thumb is 16 wide.
    EXPECT_EQ(painter.ScrollBarThumbMinSize(false), 16);
    EXPECT_EQ(painter.ScrollBarThumbMinSize(true), 32);
}

TEST(SkinPainterDrawing, EditButtonDotsCheckBoxAndScrollPages) {
    auto skin = std::make_unique<ui::TuxSkin>("Drawing");
    ui::TuxSkinElement* editor = AddFlatElement(*skin, "Editors", "EditorButton");
    editor->SetTextColor(vcl::clBlack);
    AddFlatElement(*skin, "Editors", "CloseButton");
    AddFlatElement(*skin, "Editors", "Checkbox", 3);
    ui::TuxSkinElement* page = AddFlatElement(*skin, "Common", "ScrollContentVert");
    page->SetImageCount(1);
    page->Image().SetStates({ui::esNormal, ui::esHot, ui::esPressed});
    rtl::TStringStream frames(
        ui_test::FlatFramesPng(16, 16, {PainterTestFrames[0], PainterTestFrames[1], PainterTestFrames[2]}));
    page->Image().LoadTexture(frames);
    ui::TuxSkinInfo info(std::move(skin));
    const TTestSkinPainter painter(&info);

    struct TDotsCase {
        int32_t Width;
        int32_t Side;
    };
    for (const TDotsCase test : {TDotsCase{11, 1}, TDotsCase{12, 2}}) {
        TCanvasOnSurface on(40, 20);
        painter.PaintEditButton(on.Canvas, {0, 0, test.Width, 10}, 3, ui::uibsNormal, 1);
        GdiFlush();
        const ui_test::TPixelSet dots = ui_test::PixelsOfColor(on.Surface, vcl::clBlack);
        EXPECT_EQ(dots.size(), static_cast<size_t>(3 * test.Side * test.Side)) << test.Width;
        EXPECT_EQ(ui_test::BoundsOf(dots).Width(), 3 * test.Side + 4) << test.Width;
    }

    TCanvasOnSurface check(20, 20);
    painter.PaintCheckBox(check.Canvas, {0, 0, 16, 16}, ui::uibsNormal, ui::cbsGrayed);
    GdiFlush();
    EXPECT_EQ(check.Surface.Pixel(8, 8), PainterTestColors[2]);

    TCanvasOnSurface normal(20, 20);
    painter.PaintScrollBarElement(normal.Canvas, false, {0, 0, 16, 16}, ui::sbpPageUp, ui::uibsNormal);
    GdiFlush();
    EXPECT_TRUE(ui_test::AllPixelsAre(normal.Surface, {0, 0, 20, 20}, vcl::clWhite));
    TCanvasOnSurface pressed(20, 20);
    painter.PaintScrollBarElement(pressed.Canvas, false, {0, 0, 16, 16}, ui::sbpPageUp, ui::uibsPressed);
    GdiFlush();
    EXPECT_EQ(pressed.Surface.Pixel(8, 8), vcl::clBlue);
}

TEST(SkinPainterDrawing, PlainButtonIsTheRightHandPlainEditButton) {
    const ui::TuxSkinLookAndFeelPainter& blue = ui::TuxBluePainter::Instance();
    TCanvasOnSurface plain(30, 20);
    TCanvasOnSurface edit(30, 20);
    blue.PaintPlainButton(plain.Canvas, {5, 2, 22, 18}, ui::uibsHot, 1, 0, vcl::clDefault);
    blue.PaintEditButton(edit.Canvas, {5, 2, 22, 18}, 2, ui::uibsHot, 1);
    GdiFlush();
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            ASSERT_EQ(plain.Surface.Pixel(x, y), edit.Surface.Pixel(x, y)) << x << "," << y;
        }
    }
}

TEST(SkinPainterDrawing, APanelFaceIsTheBorderlessGroupFace) {
    auto skin = std::make_unique<ui::TuxSkin>("Panel");
    AddFlatElement(*skin, "Common", "GroupPanelNoBorder");
    ui::TuxSkinInfo info(std::move(skin));
    const TTestSkinPainter painter(&info);
    TCanvasOnSurface on(30, 20);
    painter.PaintPanelFace(on.Canvas, {5, 2, 22, 18}, ui::uibsNormal);
    GdiFlush();
    EXPECT_EQ(on.Surface.Pixel(10, 10), PainterTestColors[0]);
    EXPECT_EQ(on.Surface.Pixel(2, 10), vcl::clWhite) << "only the rectangle";
}

TEST(BuiltInSkinRegistration, AChangeOfTheUserSkinMakesEveryLookAndFeelChooseAgain) {
    ui::TuiLookAndFeel lookAndFeel(nullptr);
    int changes = 0;
    lookAndFeel.SetOnChanged([&changes](ui::TuiLookAndFeel*, ui::TuiLookAndFeelValues) { ++changes; });
    ui::TuxSkinInfo* info = ui::TuxSkinsUserSkinPainter::Instance().SkinInfo();
    ASSERT_NE(info, nullptr);
    ui::TuxSkinElement* header = info->Element(ui::seiCommonHeader);
    const vcl::TColor saved = header->Color();
    header->SetColor(vcl::clPurple);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ui::TuxSkinsUserSkinPainter::Instance().HeaderColor(), vcl::clPurple);
    header->SetColor(saved);
    EXPECT_EQ(changes, 2);
    // "Blue" is no user skin: its changes stay with its own info.
    ui::TuxSkinElement* blueHeader = ui::TuxBluePainter::Instance().SkinInfo()->Element(ui::seiCommonHeader);
    blueHeader->SetColor(blueHeader->Color());
    EXPECT_EQ(changes, 2);
}

TEST(BuiltInSkinRegistration, WithoutGdiPlusNoSkinRegisters) {
    ui::UnregisterBuiltInSkins();
    ui_test::THidingGdiPlusLibrary library;
    library.Missing = true;
    {
        const ui_test::TGdiPlusRebinding rebinding(library);
        ui::RegisterBuiltInSkins();
        EXPECT_EQ(ui::ExtendedStylePainters()->Count(), 0);
        EXPECT_EQ(ui::TuxBluePainter::Instance().SkinInfo(), nullptr);
        EXPECT_EQ(ui::TuxSkinsUserSkinPainter::Instance().SkinInfo(), nullptr);
    }
    ui::RegisterBuiltInSkins();
    EXPECT_EQ(ui::ExtendedStylePainters()->Count(), 3);
}

TEST(BuiltInSkinRegistration, EndingAfterTheRegistryIsGoneDoesNothing) {
    ui::detail::FreeExtendedStylePainters();
    ui::UnregisterBuiltInSkins();
    EXPECT_EQ(ui::TuxBluePainter::Instance().SkinInfo(), nullptr);
    ui::detail::CreateExtendedStylePainters();
    ui::RegisterBuiltInSkins();
    EXPECT_EQ(ui::ExtendedStylePainters()->Count(), 3);
    EXPECT_NE(ui::TuxBluePainter::Instance().SkinInfo(), nullptr);
}

// An element of a flat colour with a red band one pixel wide on every side.
ui::TuxSkinElement* AddFramedElement(ui::TuxSkin& skin, const char* group, const char* name) {
    ui::TuxSkinControlGroup* owner = skin.GetGroupByName(group) ? skin.GetGroupByName(group) : skin.AddGroup(group);
    ui::TuxSkinElement* element = owner->AddElement(name);
    element->SetColor(vcl::clWhite);
    for (ui::TuxSkinBorderSide side : {ui::sbLeft, ui::sbTop, ui::sbRight, ui::sbBottom}) {
        element->Borders().Side(side).SetColor(vcl::clRed);
    }
    return element;
}

TEST(SkinPainterDrawing, HeaderCellsShareOneDivider) {
    auto skin = std::make_unique<ui::TuxSkin>("Headers");
    AddFramedElement(*skin, "Common", "Header");
    ui::TuxSkinInfo info(std::move(skin));
    const TTestSkinPainter painter(&info);
    TCanvasOnSurface on(60, 30);
    for (const vcl::TRect cell : {vcl::TRect{10, 10, 30, 20}, vcl::TRect{30, 10, 50, 20}}) {
        painter.PaintHeaderCell(on.Canvas, cell, cell, {}, {ui::bLeft, ui::bTop}, ui::uibsNormal, {}, {}, nullptr,
                                vcl::clNone, vcl::clDefault, {}, false, false);
    }
    GdiFlush();
    EXPECT_EQ(on.Surface.Pixel(10, 15), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(29, 15), vcl::clWhite) << "the right band lies beyond the cell";
    EXPECT_EQ(on.Surface.Pixel(30, 15), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(20, 10), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(20, 19), vcl::clWhite) << "the bottom band lies beyond the cell";
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, {0, 20, 60, 30}, vcl::clWhite));
}

TEST(SkinPainterDrawing, MergedBordersPushTheButtonsOuterFrameOut) {
    for (const bool merge : {false, true}) {
        auto skin = std::make_unique<ui::TuxSkin>("Merge");
        ui::TuxSkinElement* editor = AddFramedElement(*skin, "Editors", "EditorButton");
        AddFramedElement(*skin, "Editors", "CloseButton");
        editor->Properties().AddProperty("MergeBorders", ui::TuxSkinBooleanProperty::StaticClass());
        static_cast<ui::TuxSkinBooleanProperty*>(editor->GetPropertyByName("MergeBorders"))->SetValue(merge);
        ui::TuxSkinInfo info(std::move(skin));
        const TTestSkinPainter painter(&info);
        TCanvasOnSurface on(30, 30);
        painter.PaintEditButton(on.Canvas, {10, 10, 20, 20}, 2, ui::uibsNormal, 1);
        GdiFlush();
        const vcl::TColor outer = merge ? vcl::clWhite : vcl::clRed;
        EXPECT_EQ(on.Surface.Pixel(10, 15), vcl::clRed) << merge;
        EXPECT_EQ(on.Surface.Pixel(19, 15), outer) << merge;
        EXPECT_EQ(on.Surface.Pixel(15, 10), outer) << merge;
        EXPECT_EQ(on.Surface.Pixel(15, 19), outer) << merge;
        EXPECT_EQ(on.Surface.Pixel(20, 15), vcl::clWhite) << "nothing beyond the rectangle";
    }
}

TEST(SkinPainterDrawing, NavigatorGlyphsGoOnInTheVerticalElementAndGreyWhenDisabled) {
    auto skin = std::make_unique<ui::TuxSkin>("Navigator");
    AddFlatElement(*skin, "Editors", "Navigator", 2);
    ui::TuxSkinElement* vertical = AddFlatElement(*skin, "Editors", "NavigatorVert", 1);
    (void)vertical;
    ui::TuxSkinInfo info(std::move(skin));
    const TTestSkinPainter painter(&info);
    TCanvasOnSurface enabled(20, 20);
    painter.PaintNavigatorGlyph(enabled.Canvas, nullptr, 2, 0, {0, 0, 16, 16}, true, false);
    GdiFlush();
    EXPECT_EQ(enabled.Surface.Pixel(8, 8), PainterTestColors[0]) << "image 0 of the vertical element";

    TCanvasOnSurface disabled(20, 20);
    painter.PaintNavigatorGlyph(disabled.Canvas, nullptr, 1, 0, {0, 0, 16, 16}, false, false);
    GdiFlush();
    // Green 255 with alpha 255: (255 + 2 * 255) / 5 = 153.
    EXPECT_EQ(disabled.Surface.Pixel(8, 8), vcl::TColor(0x999999));
}

TEST(SkinPainterDrawing, AtThreeOClockTheHourHandPointsRight) {
    auto skin = std::make_unique<ui::TuxSkin>("Clock");
    ui::TuxSkinElement* face = AddFlatElement(*skin, "Editors", "ClockFace", 1, 41);
    face->SetTextColor(vcl::clRed);
    ui::TuxSkinElement* glass = skin->GetGroupByName("Editors")->AddElement("ClockGlass");
    glass->Image().SetStates({ui::esNormal});
    rtl::TStringStream clear(ui_test::FlatFramesPng(41, 41, {0x00000000}));
    glass->Image().LoadTexture(clear);
    rtl::TStringStream white(ui_test::FlatFramesPng(41, 41, {0xFFFFFFFF}));
    face->Image().LoadTexture(white);
    ui::TuxSkinInfo info(std::move(skin));
    const TTestSkinPainter painter(&info);
    TCanvasOnSurface on(41, 41);
    painter.PaintClockFace(on.Canvas, {0, 0, 41, 41}, 3.0 / 24, vcl::clWhite);
    GdiFlush();
    // Centre (20, 20), rx 18.5: the hour hand's tip at 20 + 0.75 * 18.5, its tail at 20 - 0.15 * 18.5.
    int right = -1;
    int left = 41;
    for (int x = 0; x < 41; ++x) {
        if (on.Surface.Pixel(x, 20) != vcl::clWhite) {
            right = std::max(right, x);
            left = std::min(left, x);
        }
    }
    EXPECT_GE(right, 32);
    EXPECT_LE(right, 34);
    EXPECT_GE(left, 15);
    EXPECT_EQ(on.Surface.Pixel(28, 20), vcl::clRed);
    EXPECT_EQ(on.Surface.Pixel(20, 8), vcl::clRed) << "the minute hand points up";
}

// An element whose drawing fails the way a GDI+ call does.
class TFailingSkinElement final : public ui::TuxSkinElement {
public:
    using ui::TuxSkinElement::TuxSkinElement;
    void Draw(HDC, const vcl::TRect&, int32_t, ui::TuxSkinElementState) override {
        throw ui::EuxGdipException(static_cast<ui::GpStatus>(1));
    }
};

TEST(SkinPainterDrawing, AFailingDrawLeavesTheClipAsItWas) {
    auto skin = std::make_unique<ui::TuxSkin>("Failing");
    const std::pair<const char*, const char*> elements[] = {{"Common", "Header"},
                                                            {"Editors", "EditorButton"},
                                                            {"Editors", "CloseButton"},
                                                            {"Grid", "FooterPanel"},
                                                            {"Common", "GroupPanel"},
                                                            {"Common", "GroupPanelTop"},
                                                            {"Common", "GroupPanelNoBorder"},
                                                            {"Scheduler", "NavButtonPrev"},
                                                            {"Grid", "LayoutViewItem"}};
    for (const auto& [group, name] : elements) {
        ui::TuxSkinControlGroup* owner =
            skin->GetGroupByName(group) ? skin->GetGroupByName(group) : skin->AddGroup(group);
        owner->AddElementEx(std::make_unique<TFailingSkinElement>(nullptr, name));
    }
    ui::TuxSkinInfo info(std::move(skin));
    const TTestSkinPainter painter(&info);
    using TPaint = std::function<void(ui::TuiCanvas&, const vcl::TRect&)>;
    const std::pair<const char*, TPaint> cases[] = {
        {"PaintHeaderCell",
         [&](ui::TuiCanvas& c, const vcl::TRect& r) {
             painter.PaintHeaderCell(c, r, r, {}, {}, ui::uibsNormal, {}, {}, nullptr, vcl::clNone, vcl::clDefault, {},
                                     false, false);
         }},
        {"PaintEditButton",
         [&](ui::TuiCanvas& c, const vcl::TRect& r) { painter.PaintEditButton(c, r, 1, ui::uibsHot, 1); }},
        {"PaintFooterFrame", [&](ui::TuiCanvas& c, const vcl::TRect& r) { painter.PaintFooterFrame(c, r); }},
        {"PaintFooterSeparator",
         [&](ui::TuiCanvas& c, const vcl::TRect& r) { painter.PaintFooterSeparator(c, r, {}); }},
        {"PaintGroupPanel", [&](ui::TuiCanvas& c, const vcl::TRect& r) { painter.PaintGroupPanel(c, r); }},
        {"PaintGroupBoxCaptionText",
         [&](ui::TuiCanvas& c, const vcl::TRect& r) {
             painter.PaintGroupBoxCaptionText(c, r, ui::gcpTop, ui::uiAllBorders);
         }},
        {"PaintNavigationButton",
         [&](ui::TuiCanvas& c, const vcl::TRect& r) { painter.PaintNavigationButton(c, r, r, false, ui::uibsNormal); }},
        {"PaintLayoutItemFace",
         [&](ui::TuiCanvas& c, const vcl::TRect& r) {
             painter.PaintLayoutItemFace(c, r, ui::uibsNormal, {ui::bLeft});
         }},
    };
    for (const auto& [name, paint] : cases) {
        TCanvasOnSurface on(40, 30);
        EXPECT_THROW(paint(on.Canvas, {5, 5, 30, 20}), ui::EuxGdipException) << name;
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetClipRgn(on.Canvas.Handle(), clip), 0) << name << ": no clip region left behind";
        DeleteObject(clip);
    }
}

} // namespace
