// The DrawingML geometry: preset geometries, geometries of their own with guides, handles, connection sites and paths
// kept in document order, the preset geometry the picture import makes, and the warp of text.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

// The geometry of a shape's properties holding body.
TEG_Geometry& GeometryOf(TSample& sample, std::string_view body) {
    sample.Load("<c:spPr>" + std::string(body) + "</c:spPr>");
    return sample.SpPr().GetGeometry();
}

// A custom geometry holding body.
TCT_CustomGeometry2D& CustomOf(TSample& sample, std::string_view body) {
    return *GeometryOf(sample, "<a:custGeom>" + std::string(body) + "</a:custGeom>").GetCustGeom();
}

// The kind of each segment of a path, by its element's name.
std::vector<std::string> SegmentKinds(const TCT_Path2D& path) {
    std::vector<std::string> kinds;
    for (int32_t i = 0; i < path.GetSegments().Count(); ++i) {
        const TEG_Path2DSegment& segment = path.GetSegments().GetItem(i);
        const std::pair<const TXPGBase*, const char*> members[] = {
            {segment.GetMoveTo(), "moveTo"},       {segment.GetLnTo(), "lnTo"},
            {segment.GetArcTo(), "arcTo"},         {segment.GetClose(), "close"},
            {segment.GetQuadBezTo(), "quadBezTo"}, {segment.GetCubicBezTo(), "cubicBezTo"},
        };
        std::string kind;
        for (const auto& [member, name] : members) {
            if (member != nullptr) {
                kind += kind.empty() ? name : std::string("+") + name;
            }
        }
        kinds.push_back(kind);
    }
    return kinds;
}

TEST(DrawingGeometry, APresetGeometryReadsItsTypeAndAdjustValues) {
    TSample sample;
    TCT_PresetGeometry2D& preset =
        *GeometryOf(sample, R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>)").GetPrstGeom();
    EXPECT_EQ(preset.GetPrst(), 4);
    ASSERT_NE(preset.GetAvLst(), nullptr);
    EXPECT_EQ(preset.GetAvLst()->GetGd().Count(), 0);
    EXPECT_EQ(preset.CheckAssigned(), 1);

    TSample adjusted;
    const TCT_PresetGeometry2D& callout = *GeometryOf(adjusted, R"(<a:prstGeom prst="wedgeRectCallout"><a:avLst>)"
                                                                R"(<a:gd name="adj1" fmla="val -20833"/>)"
                                                                R"(<a:gd name="adj2" fmla="val 62500"/></a:avLst>)"
                                                                R"(</a:prstGeom>)")
                                               .GetPrstGeom();
    EXPECT_EQ(callout.GetPrst(), 116);
    const TCT_GeomGuideXpgList& guides = callout.GetAvLst()->GetGd();
    ASSERT_EQ(guides.Count(), 2);
    EXPECT_EQ(guides.GetItem(1).GetName(), u"adj2");
    EXPECT_EQ(guides.GetItem(1).GetFmla(), u"val 62500");
    EXPECT_EQ(adjusted.Log, std::vector<std::string>{});
}

TEST(DrawingGeometry, APathKeepsItsSegmentsInDocumentOrder) {
    TSample sample;
    TCT_CustomGeometry2D& custom = CustomOf(
        sample, R"(<a:pathLst><a:path><a:moveTo><a:pt x="0" y="0"/></a:moveTo>)"
                R"(<a:lnTo><a:pt x="100" y="0"/></a:lnTo><a:arcTo wR="50" hR="hd2" stAng="cd4" swAng="5400000"/>)"
                R"(<a:lnTo><a:pt x="0" y="100"/></a:lnTo><a:close/></a:path>)"
                R"(<a:path w="21600" h="21600" fill="none" stroke="0"><a:quadBezTo><a:pt x="1" y="2"/>)"
                R"(<a:pt x="3" y="4"/><a:pt x="5" y="6"/></a:quadBezTo><a:cubicBezTo><a:pt x="7" y="8"/>)"
                R"(</a:cubicBezTo></a:path></a:pathLst>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_Path2DXpgList& paths = custom.GetPathLst()->GetPath();
    ASSERT_EQ(paths.Count(), 2);
    const TCT_Path2D& first = paths.GetItem(0);
    EXPECT_EQ(SegmentKinds(first), (std::vector<std::string>{"moveTo", "lnTo", "arcTo", "lnTo", "close"}));
    EXPECT_EQ((std::vector<int32_t>{first.GetW(), first.GetH(), first.GetFill()}), (std::vector<int32_t>{0, 0, 1}));
    EXPECT_TRUE(first.GetStroke());
    EXPECT_EQ(first.GetSegments().GetItem(1).GetLnTo()->GetPt()->GetX().Value, 100);
    EXPECT_EQ(first.GetSegments().GetItem(3).GetLnTo()->GetPt()->GetY().Value, 100);
    const TCT_Path2DArcTo& arc = *first.GetSegments().GetItem(2).GetArcTo();
    EXPECT_EQ(arc.GetWR().Value, 50);
    EXPECT_EQ(arc.GetHR().Name, u"hd2");
    EXPECT_EQ(arc.GetStAng().Name, u"cd4");
    EXPECT_EQ(arc.GetSwAng().Value, 5400000);
    // Five segments: the arc's required attributes and the three points count, the close does not.
    EXPECT_EQ(paths.GetItem(0).CheckAssigned(), 4);

    const TCT_Path2D& second = paths.GetItem(1);
    EXPECT_EQ(SegmentKinds(second), (std::vector<std::string>{"quadBezTo", "cubicBezTo"}));
    EXPECT_EQ(second.GetSegments().GetItem(0).GetQuadBezTo()->GetPt().Count(), 3);
    EXPECT_EQ(second.GetSegments().GetItem(1).GetCubicBezTo()->GetPt().Count(), 1);
    EXPECT_EQ((std::vector<int32_t>{second.GetW(), second.GetH(), second.GetFill()}),
              (std::vector<int32_t>{21600, 21600, 0}));
    EXPECT_FALSE(second.GetStroke());
}

TEST(DrawingGeometry, AnElementThatIsNoSegmentLeavesNoEmptySegment) {
    TSample sample;
    const TCT_CustomGeometry2D& custom =
        CustomOf(sample, R"(<a:pathLst><a:path><a:moveTo><a:pt x="0" y="0"/></a:moveTo><a:curveTo x="1"/>)"
                         R"(<a:lnTo><a:pt x="1" y="1"/><a:pt x="2" y="3"/></a:lnTo></a:path></a:pathLst>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"a:curveTo\""});
    const TCT_Path2D& path = custom.GetPathLst()->GetPath().GetItem(0);
    EXPECT_EQ(SegmentKinds(path), (std::vector<std::string>{"moveTo", "lnTo"}));
    // A second point of a line is read into the first.
    const TCT_AdjPoint2D& point = *path.GetSegments().GetItem(1).GetLnTo()->GetPt();
    EXPECT_EQ(point.GetX().Value, 2);
    EXPECT_EQ(point.GetY().Value, 3);
}

TEST(DrawingGeometry, APointsCoordinatesAreNumbersOrGuideNames) {
    TSample sample;
    const TCT_CustomGeometry2D& custom =
        CustomOf(sample, R"(<a:pathLst><a:path><a:moveTo><a:pt x="0" y="ss"/></a:moveTo>)"
                         R"(<a:lnTo><a:pt x="" y="-12"/></a:lnTo></a:path></a:pathLst>)");
    const TCT_Path2D& path = custom.GetPathLst()->GetPath().GetItem(0);
    const TCT_AdjPoint2D& named = *path.GetSegments().GetItem(0).GetMoveTo()->GetPt();
    EXPECT_EQ(named.GetX().Kind, 0);
    EXPECT_EQ(named.GetX().Value, 0);
    EXPECT_EQ(named.GetY().Kind, 1);
    EXPECT_EQ(named.GetY().Name, u"ss");
    TCT_AdjPoint2D& empty = *path.GetSegments().GetItem(1).GetLnTo()->GetPt();
    EXPECT_EQ(empty.GetX().Kind, -1);
    EXPECT_EQ(empty.GetY().Value, -12);
    EXPECT_EQ(empty.CheckAssigned(), 1);
}

TEST(DrawingGeometry, AdjustHandlesAreKeptByKindInDocumentOrder) {
    TSample sample;
    TCT_CustomGeometry2D& custom =
        CustomOf(sample, R"(<a:ahLst><a:ahPolar gdRefAng="adj1" minAng="0" maxAng="21599999"><a:pos x="r" y="t"/>)"
                         R"(</a:ahPolar><a:ahXY gdRefX="adj2" minX="0" maxX="w"><a:pos x="0" y="0"/></a:ahXY>)"
                         R"(<a:ahPolar gdRefR="adj3" minR="0" maxR="50000"/></a:ahLst>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_AdjustHandleList& handles = *custom.GetAhLst();
    ASSERT_EQ(handles.GetAhXY().Count(), 1);
    ASSERT_EQ(handles.GetAhPolar().Count(), 2);
    const TCT_XYAdjustHandle& xy = handles.GetAhXY().GetItem(0);
    EXPECT_EQ(xy.GetGdRefX(), u"adj2");
    EXPECT_EQ(xy.GetMaxX().Name, u"w");
    EXPECT_EQ(xy.GetMinY().Kind, -1);
    const TCT_PolarAdjustHandle& first = handles.GetAhPolar().GetItem(0);
    EXPECT_EQ(first.GetGdRefAng(), u"adj1");
    EXPECT_EQ(first.GetMaxAng().Value, 21599999);
    EXPECT_EQ(first.GetPos()->GetX().Name, u"r");
    EXPECT_EQ(handles.GetAhPolar().GetItem(1).GetGdRefR(), u"adj3");
    // XY: a reference, two bounds and the position; polar: three and the position, then three.
    EXPECT_EQ(custom.CheckAssigned(), 4 + 4 + 3);
}

TEST(DrawingGeometry, AGeometryOfItsOwnReadsGuidesSitesAndItsTextRectangle) {
    TSample sample;
    TCT_CustomGeometry2D& custom =
        CustomOf(sample, R"(<a:avLst/><a:gdLst><a:gd name="hc" fmla="*/ w 1 2"/><a:gd name="vc" fmla="*/ h 1 2"/>)"
                         R"(</a:gdLst><a:cxnLst><a:cxn ang="3cd4"><a:pos x="hc" y="t"/></a:cxn><a:cxn ang="0">)"
                         R"(<a:pos x="r" y="vc"/></a:cxn></a:cxnLst><a:rect l="l" t="t" r="r" b="100"/>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_EQ(custom.GetAvLst()->GetGd().Count(), 0);
    ASSERT_EQ(custom.GetGdLst()->GetGd().Count(), 2);
    EXPECT_EQ(custom.GetGdLst()->GetGd().GetItem(0).GetFmla(), u"*/ w 1 2");
    const TCT_ConnectionSiteXpgList& sites = custom.GetCxnLst()->GetCxn();
    ASSERT_EQ(sites.Count(), 2);
    EXPECT_EQ(sites.GetItem(0).GetAng().Name, u"3cd4");
    EXPECT_EQ(sites.GetItem(1).GetAng().Value, 0);
    EXPECT_EQ(sites.GetItem(1).GetPos()->GetY().Name, u"vc");
    const TCT_GeomRect& rect = *custom.GetRect();
    EXPECT_EQ(rect.GetL().Name, u"l");
    EXPECT_EQ(rect.GetB().Value, 100);
    // Two guides, two sites with their positions, and the rectangle.
    EXPECT_EQ(custom.CheckAssigned(), 2 + 4 + 1);
}

TEST(DrawingGeometry, BothGeometriesReadStandSideBySide) {
    TSample sample;
    TEG_Geometry& geometry = GeometryOf(sample, R"(<a:custGeom/><a:prstGeom prst="ellipse"/>)");
    EXPECT_NE(geometry.GetCustGeom(), nullptr);
    EXPECT_EQ(geometry.GetPrstGeom()->GetPrst(), 34);
    EXPECT_EQ(&geometry.CreatePrstGeom(), geometry.GetPrstGeom());
    EXPECT_NE(geometry.GetCustGeom(), nullptr);
}

TEST(DrawingGeometry, CreatePrstGeomDropsAGeometryOfItsOwnOnce) {
    TSample sample;
    TEG_Geometry& geometry = GeometryOf(sample, R"(<a:custGeom><a:rect l="0" t="0" r="r" b="b"/></a:custGeom>)");
    TCT_PresetGeometry2D& preset = geometry.CreatePrstGeom();
    EXPECT_EQ(geometry.GetCustGeom(), nullptr);
    EXPECT_EQ(geometry.GetPrstGeom(), &preset);
    EXPECT_EQ(preset.GetPrst(), UnsetEnum);
    EXPECT_EQ(preset.Flags(), 0);
    EXPECT_EQ(preset.GetAvLst(), nullptr);
    preset.SetPrst(4);
    EXPECT_EQ(&geometry.CreatePrstGeom(), &preset);
    EXPECT_EQ(geometry.GetPrstGeom()->GetPrst(), 4);
}

TEST(DrawingGeometry, ClearForgetsBothGeometries) {
    TSample sample;
    TEG_Geometry& geometry = GeometryOf(sample, R"(<a:custGeom/><a:prstGeom prst="line"/>)");
    geometry.CheckAssigned();
    geometry.Clear();
    EXPECT_EQ(geometry.GetCustGeom(), nullptr);
    EXPECT_EQ(geometry.GetPrstGeom(), nullptr);
    EXPECT_EQ(geometry.Flags(), 0);
}

TEST(DrawingGeometry, TheWarpOfATextReadsItsPreset) {
    struct Case {
        const char* preset;
        int16_t ordinal;
    };
    for (const Case& c : {Case{"textNoShape", 0}, Case{"textArchUp", 9}, Case{"textCascadeDown", 40}}) {
        SCOPED_TRACE(c.preset);
        TSample sample;
        sample.Load(std::string(R"(<c:txPr><a:bodyPr><a:prstTxWarp prst=")") + c.preset +
                    R"("><a:avLst><a:gd name="adj" fmla="val 1"/></a:avLst></a:prstTxWarp></a:bodyPr></c:txPr>)");
        const TCT_PresetTextShape& warp = *sample.TxPr().GetBodyPr()->GetPrstTxWarp();
        EXPECT_EQ(warp.GetPrst(), c.ordinal);
        EXPECT_EQ(warp.GetAvLst()->GetGd().Count(), 1);
    }
}

TEST(DrawingGeometry, AShapeTypeNotInItsEnumerationIsReported) {
    TSample sample;
    const TCT_PresetGeometry2D& preset = *GeometryOf(sample, R"(<a:prstGeom prst="squircle"/>)").GetPrstGeom();
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Can not find enum \"ststsquircle\""});
    EXPECT_EQ(preset.GetPrst(), UnsetEnum);
}

} // namespace
} // namespace xls::drawing_test
