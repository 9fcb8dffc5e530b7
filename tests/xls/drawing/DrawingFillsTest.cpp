// The DrawingML fills and pictures: the six fills, gradients, tiles and stretches, and a picture's image found in the
// picture store under the drawing being read.

#include "rtl/text/CodePages.h"
#include "tests/xls/drawing/DrawingTestSupport.h"
#include "tests/xls/xlsx/XLSReadXLSXTestSupport.h"
#include "xls/core/model/package/Xc12GraphicManager.h"
#include "xls/core/opc/OPCPackage.h"

#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

using xlsx_test::TPackage;

// A workbook of one sheet with two drawings: drawing1 names image1 as rId2 and rId3, drawing2 names image1 as rId9.
// The images of a drawing are registered as the reader registers them before it reads the drawing.
class TPictures {
public:
    TPictures() {
        FPackage.Open(FBytes, false);
        FPackage.OpenWorksheet("rId1");
        Store.SetPackage(&FPackage);
    }

    // Opens the drawing of the sheet's relationship id and registers its images.
    void OpenDrawing(std::string_view id) {
        FPackage.CloseDrawing();
        FPackage.OpenDrawing(id);
        const rtl::UnicodeString owner = FPackage.GetCurrentDrawing()->ResolvePath();
        std::vector<rtl::AnsiString> ids;
        FPackage.ListDrawingImageIds(ids);
        for (const rtl::AnsiString& imageId : ids) {
            rtl::UnicodeString path;
            const std::unique_ptr<rtl::TStream> image = FPackage.OpenImage(imageId, path);
            Store.Images().AddFromPart(*image, u"png", path, owner, rtl::AnsiToUnicode(imageId));
        }
    }

    TXLSErrorManager Errors;
    TXc12GraphicManager Store{&Errors};

private:
    static std::string Workbook() {
        TPackage parts = TPackage::WithSheets({{"Sheet1", ""}});
        parts.Parts["xl/worksheets/_rels/sheet1.xml.rels"] =
            TPackage::Relationships(TPackage::Relationship("rId1", "drawing", "../drawings/drawing1.xml") +
                                    TPackage::Relationship("rId4", "drawing", "../drawings/drawing2.xml"));
        parts.Parts["xl/drawings/drawing1.xml"] = "<wsDr/>";
        parts.Parts["xl/drawings/drawing2.xml"] = "<wsDr/>";
        parts.Parts["xl/drawings/_rels/drawing1.xml.rels"] =
            TPackage::Relationships(TPackage::Relationship("rId2", "image", "../media/image1.png") +
                                    TPackage::Relationship("rId3", "image", "../media/image1.png"));
        parts.Parts["xl/drawings/_rels/drawing2.xml.rels"] =
            TPackage::Relationships(TPackage::Relationship("rId9", "image", "../media/image1.png"));
        parts.Parts["xl/media/image1.png"] = "PNG";
        return parts.Zip();
    }

    rtl::TStringStream FBytes{Workbook()};
    TOPC_XLSX FPackage;
};

TEST(DrawingFills, APictureFindsTheImageOfTheDrawingBeingRead) {
    TPictures pictures;
    pictures.OpenDrawing("rId1");
    TSample sample;
    sample.Doc.SetPictureStore(&pictures.Store);
    sample.Load(R"(<a:blipFill><a:blip r:embed="rId2"/><a:srcRect/><a:stretch><a:fillRect/></a:stretch></a:blipFill>)");
    TCT_BlipFillProperties& fill = *sample.Fill().GetBlipFill();
    ASSERT_NE(fill.GetBlip()->GetPicture(), nullptr);
    EXPECT_EQ(fill.GetBlip()->GetPicture()->Name(), u"../media/image1.png");
    EXPECT_NE(fill.GetFillMode().GetStretch(), nullptr);
    EXPECT_EQ(fill.GetFillMode().GetTile(), nullptr);
    EXPECT_EQ(fill.GetBlip()->CheckAssigned(), 1);
    EXPECT_EQ(fill.GetBlip()->Flags(), xpgAttributesAssigned);
}

TEST(DrawingFills, AnImageNamedUnderSeveralKeysIsFoundUnderEach) {
    TPictures pictures;
    struct Case {
        std::string_view drawing;
        std::string_view blip;
        bool found;
    };
    const Case cases[] = {
        {"rId1", R"(<a:blip r:embed="rId2"/>)", true},
        {"rId1", R"(<a:blip r:embed="rId3"/>)", true},
        {"rId1", R"(<a:blip r:embed="rId9"/>)", false},
        {"rId4", R"(<a:blip r:embed="rId9"/>)", true},
        {"rId4", R"(<a:blip r:embed="rId2"/>)", false},
        {"rId4", R"(<a:blip r:embed="rId7" r:link="http://x/y.png"/>)", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.drawing) + std::string(c.blip));
        pictures.OpenDrawing(c.drawing);
        TSample sample;
        sample.Doc.SetPictureStore(&pictures.Store);
        sample.Load(std::string("<a:blipFill>") + std::string(c.blip) + "</a:blipFill><a:noFill/>");
        EXPECT_EQ(sample.Fill().GetBlipFill()->GetBlip()->GetPicture() != nullptr, c.found);
        EXPECT_NE(sample.Fill().GetNoFill(), nullptr);
    }
    EXPECT_EQ(pictures.Store.Images().Count(), 1);
}

TEST(DrawingFills, APictureWithoutAStoreOrAPackageKeepsItsIdOnly) {
    TPictures pictures;
    pictures.OpenDrawing("rId1");
    TSample chart;
    chart.Load(R"(<a:blipFill><a:blip r:embed="rId2"/></a:blipFill>)");
    EXPECT_EQ(chart.Fill().GetBlipFill()->GetBlip()->GetEmbed(), u"rId2");
    EXPECT_EQ(chart.Fill().GetBlipFill()->GetBlip()->GetPicture(), nullptr);
    EXPECT_EQ(chart.Fill().GetBlipFill()->GetBlip()->CheckAssigned(), 0);

    pictures.Store.SetPackage(nullptr);
    TSample unopened;
    unopened.Doc.SetPictureStore(&pictures.Store);
    unopened.Load(R"(<a:blipFill><a:blip r:embed="rId2"/></a:blipFill>)");
    EXPECT_EQ(unopened.Fill().GetBlipFill()->GetBlip()->GetPicture(), nullptr);
}

TEST(DrawingFills, AGradientKeepsItsStopsInDocumentOrder) {
    TSample sample;
    sample.Load(
        R"(<a:gradFill flip="xy" rotWithShape="1"><a:gsLst><a:gs pos="0"><a:srgbClr val="000001"/></a:gs>)"
        R"(<a:gs pos="100000"><a:srgbClr val="000002"/></a:gs><a:gs pos="50000"><a:schemeClr val="dk2"/></a:gs>)"
        R"(</a:gsLst><a:lin ang="5400000" scaled="0"/><a:tileRect l="-1"/></a:gradFill>)");
    const TCT_GradientFillProperties& gradient = *sample.Fill().GetGradFill();
    const TCT_GradientStopXpgList& stops = gradient.GetGsLst().GetGs();
    ASSERT_EQ(stops.Count(), 3);
    EXPECT_EQ((std::vector<int32_t>{stops.GetItem(0).GetPos(), stops.GetItem(1).GetPos(), stops.GetItem(2).GetPos()}),
              (std::vector<int32_t>{0, 100000, 50000}));
    EXPECT_EQ(stops.GetItem(2).GetColorChoice().GetSchemeClr()->GetVal(), 15);
    EXPECT_EQ(gradient.GetFlip(), 3);
    EXPECT_EQ(gradient.GetRotWithShape(), xtsTrue);
    TCT_LinearShadeProperties& lin = *gradient.GetShadeProperties().GetLin();
    EXPECT_EQ(lin.GetAng(), 5400000);
    EXPECT_EQ(lin.GetScaled(), xtsFalse);
    EXPECT_EQ(lin.CheckAssigned(), 2);
    EXPECT_EQ(gradient.GetTileRect()->GetL(), -1);
}

TEST(DrawingFills, CountsWhatAFillHolds) {
    ExpectCounts(
        {
            {R"(<a:noFill/>)", 0},
            {R"(<a:grpFill/>)", 0},
            {R"(<a:gradFill/>)", 0},
            {R"(<a:gradFill><a:gsLst><a:gs pos="0"/></a:gsLst></a:gradFill>)", 1},
            {R"(<a:gradFill rotWithShape="0"><a:path path="circle"><a:fillToRect/></a:path></a:gradFill>)", 2},
            {R"(<a:blipFill><a:srcRect l="10000"/></a:blipFill>)", 1},
            {R"(<a:blipFill dpi="96"><a:tile tx="1" sy="2" flip="x" algn="tl"/></a:blipFill>)", 5},
            {R"(<a:blipFill><a:blip r:embed="rId1"><a:alphaCeiling/><a:tint amt="1"/></a:blip></a:blipFill>)", 1},
            {R"(<a:pattFill prst="cross"><a:fgClr><a:prstClr val="red"/></a:fgClr><a:bgClr/></a:pattFill>)", 2},
            {R"(<a:solidFill><a:srgbClr val="000000"/></a:solidFill>)", 1},
        },
        [](TSample& sample, std::string_view text) -> TEG_FillProperties& {
            sample.Load(text);
            return sample.Fill();
        });
}

TEST(DrawingFills, ATileTellsApartAttributesOfTheSameByteSum) {
    TSample sample;
    sample.Load(
        R"(<a:blipFill><a:srcRect l="10000"/><a:tile tx="10" ty="11" sx="12" sy="20" algn="ctr"/></a:blipFill>)");
    const TCT_BlipFillProperties& fill = *sample.Fill().GetBlipFill();
    const TCT_TileInfoProperties& tile = *fill.GetFillMode().GetTile();
    EXPECT_EQ((std::vector<int32_t>{tile.GetTx(), tile.GetTy(), tile.GetSx(), tile.GetSy(), tile.GetAlgn()}),
              (std::vector<int32_t>{10, 11, 12, 20, 4}));
    const TCT_RelativeRect& rect = *fill.GetSrcRect();
    EXPECT_EQ((std::vector<int32_t>{rect.GetL(), rect.GetT(), rect.GetR(), rect.GetB()}),
              (std::vector<int32_t>{10000, 0, 0, 0}));
}

TEST(DrawingFills, APatternReadsItsPreset) {
    for (const auto& [preset, ordinal] : {std::pair{"pct50", 6}, {"dkDnDiag", 27}, {"zigZag", 53}}) {
        SCOPED_TRACE(preset);
        TSample sample;
        sample.Load(std::string("<a:pattFill prst=\"") + preset + "\"/>");
        EXPECT_EQ(sample.Fill().GetPattFill()->GetPrst(), ordinal);
    }
}

TEST(DrawingFills, APictureKeepsOneEffectOfEachKind) {
    TSample sample;
    sample.Load(R"(<a:blipFill><a:blip><a:alphaModFix amt="50000"/><a:grayscl/><a:alphaModFix amt="70000"/>)"
                R"(<a:extLst><a:ext uri="{X}"/></a:extLst></a:blip></a:blipFill>)");
    const TCT_Blip& blip = *sample.Fill().GetBlipFill()->GetBlip();
    EXPECT_EQ(blip.GetAlphaModFix()->GetAmt(), 70000);
    EXPECT_NE(blip.GetGrayscl(), nullptr);
    EXPECT_EQ(blip.GetExtLst()->GetExtensions().GetExtension()->GetUri(), u"{X}");
    EXPECT_EQ(blip.GetCstate(), 4);
}

TEST(DrawingFills, ASolidFillReportsAnElementThatIsNoColour) {
    TSample sample;
    sample.Load(
        R"(<a:solidFill><a:foo val="1"><a:srgbClr val="FF0000"/></a:foo><a:srgbClr val="00FF00"/></a:solidFill>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"a:foo\""});
    EXPECT_EQ(sample.Fill().GetSolidFill()->GetColorChoice().GetSrgbClr()->GetVal(), 0x00FF00);
}

TEST(DrawingFills, CreateStretchReplacesATileOnce) {
    TSample sample;
    sample.Load(R"(<a:blipFill><a:tile tx="1"/></a:blipFill>)");
    TEG_FillModeProperties& mode = sample.Fill().GetBlipFill()->GetFillMode();
    TCT_StretchInfoProperties& stretch = mode.CreateStretch();
    EXPECT_EQ(mode.GetTile(), nullptr);
    EXPECT_EQ(mode.GetStretch(), &stretch);
    EXPECT_EQ(stretch.GetFillRect().GetL(), 0);
    EXPECT_EQ(&mode.CreateStretch(), &stretch);
}

TEST(DrawingFills, CreateBlipGivesTheFillANewPicture) {
    TSample sample;
    sample.Load(R"(<a:blipFill><a:blip r:embed="rId1"/></a:blipFill>)");
    TCT_BlipFillProperties& fill = *sample.Fill().GetBlipFill();
    fill.CreateBlip();
    ASSERT_NE(fill.GetBlip(), nullptr);
    EXPECT_EQ(fill.GetBlip()->GetEmbed(), u"");
    EXPECT_EQ(fill.GetBlip()->GetCstate(), 4);
}

} // namespace
} // namespace xls::drawing_test
