// The shape-level DrawingML: the spreadsheet-drawing shape with its non-visual properties, locks and hyperlinks, shape
// and group shape properties, transforms, style references, effect lists, and the 3-D scene and shape.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

// The shape properties of a c:spPr holding body, with attributes.
TCT_ShapeProperties& PropertiesOf(TSample& sample, std::string_view body, std::string_view attributes = "") {
    sample.Load("<c:spPr" + std::string(attributes) + ">" + std::string(body) + "</c:spPr>");
    return sample.SpPr();
}

// The shape of an xdr:sp holding body, with attributes.
TCT_Shape& ShapeOf(TSample& sample, std::string_view body, std::string_view attributes = "") {
    sample.Load("<xdr:sp" + std::string(attributes) + ">" + std::string(body) + "</xdr:sp>");
    return *sample.Root().GetShape();
}

// A text box as a spreadsheet application writes one: locks, a hyperlink with a sound, a style and a paragraph.
constexpr std::string_view TextBox =
    R"(<xdr:nvSpPr><xdr:cNvPr id="2" name="TextBox 1" descr="note"><a:hlinkClick r:id="rId1" tooltip="go">)"
    R"(<a:snd r:embed="rId2" name="chime.wav"/></a:hlinkClick></xdr:cNvPr><xdr:cNvSpPr txBox="1">)"
    R"(<a:spLocks noGrp="1" noRot="1"/></xdr:cNvSpPr></xdr:nvSpPr>)"
    R"(<xdr:spPr><a:xfrm rot="5400000" flipH="1"><a:off x="1" y="2"/><a:ext cx="3" cy="4"/></a:xfrm>)"
    R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:solidFill><a:schemeClr val="lt1"/></a:solidFill>)"
    R"(<a:ln w="9525" cmpd="sng"><a:solidFill><a:schemeClr val="lt1"><a:shade val="50000"/></a:schemeClr>)"
    R"(</a:solidFill></a:ln></xdr:spPr>)"
    R"(<xdr:style><a:lnRef idx="2"><a:schemeClr val="accent1"/></a:lnRef><a:fillRef idx="1"/><a:effectRef idx="0"/>)"
    R"(<a:fontRef idx="minor"><a:schemeClr val="dk1"/></a:fontRef></xdr:style>)"
    R"(<xdr:txBody><a:bodyPr vertOverflow="clip" rtlCol="0" anchor="t"/><a:lstStyle/><a:p>)"
    R"(<a:r><a:rPr lang="zh-CN" altLang="en-US" sz="1100"/><a:t>合计</a:t></a:r></a:p></xdr:txBody>)";

TEST(DrawingShapes, AShapeReadsItsNonVisualPropertiesShapePropertiesStyleAndText) {
    TSample sample;
    const TCT_Shape& shape = ShapeOf(sample, TextBox, R"( macro="" textlink="$A$1" fPublished="1")");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_EQ(shape.GetTextlink(), u"$A$1");
    EXPECT_TRUE(shape.GetFPublished());
    const TCT_NonVisualDrawingProps& drawing = *shape.GetNvSpPr()->GetCNvPr();
    EXPECT_EQ(drawing.GetId(), 2);
    EXPECT_EQ(drawing.GetName(), u"TextBox 1");
    EXPECT_EQ(drawing.GetDescr(), u"note");
    EXPECT_FALSE(drawing.GetHidden());
    const TCT_Hyperlink& link = *drawing.GetHlinkClick();
    EXPECT_EQ(link.GetId(), u"rId1");
    EXPECT_EQ(link.GetTooltip(), u"go");
    EXPECT_TRUE(link.GetHistory());
    EXPECT_EQ(link.GetSnd()->GetEmbed(), u"rId2");
    EXPECT_EQ(link.GetSnd()->GetName(), u"chime.wav");
    const TCT_NonVisualDrawingShapeProps& shapeDrawing = *shape.GetNvSpPr()->GetCNvSpPr();
    EXPECT_TRUE(shapeDrawing.GetTxBox());
    EXPECT_TRUE(shapeDrawing.GetSpLocks()->GetNoGrp());
    EXPECT_TRUE(shapeDrawing.GetSpLocks()->GetNoRot());
    EXPECT_FALSE(shapeDrawing.GetSpLocks()->GetNoMove());
    const TCT_ShapeProperties& properties = *shape.GetSpPr();
    EXPECT_EQ(properties.GetXfrm()->GetRot(), 5400000);
    EXPECT_TRUE(properties.GetXfrm()->GetFlipH());
    EXPECT_FALSE(properties.GetXfrm()->GetFlipV());
    EXPECT_EQ(properties.GetXfrm()->GetOff()->GetY(), 2);
    EXPECT_EQ(properties.GetXfrm()->GetExt()->GetCx(), 3);
    EXPECT_EQ(properties.GetGeometry().GetPrstGeom()->GetPrst(), 4);
    EXPECT_EQ(properties.GetLn()->GetW(), 9525);
    EXPECT_EQ(properties.GetLn()->GetCmpd(), 0);
    const TCT_ShapeStyle& style = *shape.GetStyle();
    EXPECT_EQ(style.GetLnRef()->GetIdx(), 2);
    EXPECT_EQ(style.GetLnRef()->GetColorChoice().GetSchemeClr()->GetVal(), 4);
    EXPECT_EQ(style.GetEffectRef()->GetIdx(), 0);
    EXPECT_EQ(style.GetFontRef()->GetIdx(), 1);
    EXPECT_EQ(style.GetFontRef()->GetColorChoice().GetSchemeClr()->GetVal(), 13);
    const TCT_TextBody& text = *shape.GetTxBody();
    EXPECT_EQ(text.GetBodyPr()->GetAnchor(), 0);
    EXPECT_EQ(text.GetParagraphs().GetItem(0).GetRuns().GetItem(0).GetR()->GetText(), u"合计");
}

TEST(DrawingShapes, AShapeWithoutAttributesKeepsItsDefaultsAndCountsNoAttribute) {
    TSample sample;
    TCT_Shape& shape = ShapeOf(sample, "");
    EXPECT_TRUE(shape.GetFLocksText());
    EXPECT_FALSE(shape.GetFPublished());
    EXPECT_EQ(shape.GetMacro(), u"");
    EXPECT_EQ(shape.GetTextlink(), u"");
    EXPECT_EQ(shape.CheckAssigned(), 0);
    EXPECT_EQ(shape.Flags() & xpgAttributesAssigned, 0);

    ExpectCounts({{R"(<xdr:sp fLocksText="0"/>)", 1},
                  {R"(<xdr:sp fLocksText="1"/>)", 0},
                  {R"(<xdr:sp fLocksText="maybe"/>)", 0},
                  {R"(<xdr:sp fPublished="true" macro="[0]!Go"/>)", 2}},
                 [](TSample& sample, std::string_view text) -> TCT_Shape& {
                     sample.Load(text);
                     return *sample.Root().GetShape();
                 });
}

TEST(DrawingShapes, ClearReturnsAShapeReadToAShapeNeverRead) {
    TSample sample;
    TCT_Shape& shape = ShapeOf(sample, TextBox, R"( macro="m" textlink="t" fLocksText="0" fPublished="1")");
    ASSERT_TRUE(shape.Assigned());
    shape.Clear();
    EXPECT_FALSE(shape.Assigned());
    EXPECT_EQ(shape.Flags(), 0);
    EXPECT_EQ(shape.GetNvSpPr(), nullptr);
    EXPECT_EQ(shape.GetSpPr(), nullptr);
    EXPECT_EQ(shape.GetStyle(), nullptr);
    EXPECT_EQ(shape.GetTxBody(), nullptr);
    EXPECT_EQ(shape.GetMacro(), u"");
    EXPECT_EQ(shape.GetTextlink(), u"");
    EXPECT_TRUE(shape.GetFLocksText());
    EXPECT_FALSE(shape.GetFPublished());
    EXPECT_EQ(shape.CheckAssigned(), 0);
}

TEST(DrawingShapes, CountsWhatNonVisualPropertiesHold) {
    ExpectCounts(
        {
            {R"(<xdr:nvSpPr><xdr:cNvPr/></xdr:nvSpPr>)", 1},
            {R"(<xdr:nvSpPr><xdr:cNvPr id="3" name="x" hidden="1"><a:hlinkHover/></xdr:cNvPr></xdr:nvSpPr>)", 1},
            {R"(<xdr:nvSpPr><xdr:cNvPr id="3" name=""><a:hlinkClick r:id="" history="0"/></xdr:cNvPr></xdr:nvSpPr>)",
             2},
            {R"(<xdr:nvSpPr><xdr:cNvSpPr/></xdr:nvSpPr>)", 0},
            {R"(<xdr:nvSpPr><xdr:cNvSpPr txBox="1"><a:spLocks noTextEdit="1" noSelect="0"/></xdr:cNvSpPr>)"
             R"(</xdr:nvSpPr>)",
             2},
            {R"(<xdr:nvSpPr><xdr:cNvPr id="1" name="a"><a:hlinkClick r:id="rId1"><a:snd/></a:hlinkClick>)"
             R"(</xdr:cNvPr></xdr:nvSpPr>)",
             3},
        },
        [](TSample& sample, std::string_view text) -> TCT_Shape& { return ShapeOf(sample, text); });
}

TEST(DrawingShapes, TheTitleOfADrawingIsReportedAndTheRestRead) {
    TSample sample;
    const TCT_Shape& shape = ShapeOf(sample, R"(<xdr:nvSpPr><xdr:cNvPr id="4" title="t" name="n"/></xdr:nvSpPr>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Attribute \"title\""});
    EXPECT_EQ(shape.GetNvSpPr()->GetCNvPr()->GetName(), u"n");
}

TEST(DrawingShapes, ShapePropertiesFillTheirGroups) {
    TSample sample;
    TCT_ShapeProperties& properties = PropertiesOf(
        sample, R"(<a:prstGeom prst="rect"/><a:noFill/><a:solidFill><a:srgbClr val="4F81BD"/></a:solidFill>)"
                R"(<a:effectLst><a:outerShdw blurRad="40000" dist="23000" dir="5400000" rotWithShape="0">)"
                R"(<a:srgbClr val="000000"/></a:outerShdw></a:effectLst><a:effectDag/>)"
                R"(<a:extLst><a:ext uri="{X}"/></a:extLst>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_EQ(properties.GetGeometry().GetPrstGeom()->GetPrst(), 4);
    EXPECT_NE(properties.GetFill().GetNoFill(), nullptr);
    EXPECT_EQ(properties.GetFill().GetSolidFill()->GetColorChoice().GetSrgbClr()->GetVal(), 0x4F81BD);
    const TCT_OuterShadowEffect& shadow = *properties.GetEffect().GetEffectLst()->GetOuterShdw();
    EXPECT_EQ(shadow.GetDist(), 23000);
    EXPECT_EQ(shadow.GetRotWithShape(), xtsFalse);
    EXPECT_NE(properties.GetEffect().GetEffectDag(), nullptr);
    EXPECT_EQ(properties.GetGeometry().GetCustGeom(), nullptr);
    EXPECT_EQ(properties.GetLn(), nullptr);
    // The geometry, the colour of the solid fill, the shadow's four values with its colour, and the extension.
    EXPECT_EQ(properties.CheckAssigned(), 1 + 1 + 5 + 1);
}

TEST(DrawingShapes, AnEffectListKeepsOneEffectOfEachKind) {
    TSample sample;
    TCT_EffectList& effects = *PropertiesOf(sample, R"(<a:effectLst><a:blur rad="1"/><a:fillOverlay blend="mult">)"
                                                    R"(<a:noFill/></a:fillOverlay><a:glow rad="2"/><a:innerShdw/>)"
                                                    R"(<a:prstShdw prst="shdw3"/><a:reflection/><a:softEdge rad="3"/>)"
                                                    R"(<a:glow rad="4"/></a:effectLst>)")
                                   .GetEffect()
                                   .GetEffectLst();
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_EQ(effects.GetBlur()->GetRad(), 1);
    EXPECT_EQ(effects.GetFillOverlay()->GetBlend(), 1);
    EXPECT_EQ(effects.GetGlow()->GetRad(), 4);
    EXPECT_NE(effects.GetInnerShdw(), nullptr);
    EXPECT_EQ(effects.GetOuterShdw(), nullptr);
    EXPECT_EQ(effects.GetPrstShdw()->GetPrst(), 2);
    EXPECT_NE(effects.GetReflection(), nullptr);
    EXPECT_EQ(effects.GetSoftEdge()->GetRad(), 3);
    // The blur, overlay, glow, preset shadow and soft edge count; the inner shadow and reflection hold their defaults.
    EXPECT_EQ(effects.CheckAssigned(), 5);
}

TEST(DrawingShapes, TheBlackAndWhiteModeIsFoundInAnyLetterCase) {
    struct Case {
        const char* mode;
        int16_t ordinal;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"gray", 2, {}},
        {"Gray", 2, {}},
        {"blackWhite", 7, {}},
        {"grey", UnsetEnum, {"Can not find enum \"stbwmgrey\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        TSample sample;
        TCT_ShapeProperties& properties = PropertiesOf(sample, "", std::string(R"( bwMode=")") + c.mode + "\"");
        EXPECT_EQ(properties.GetBwMode(), c.ordinal);
        EXPECT_EQ(properties.CheckAssigned(), c.ordinal == UnsetEnum ? 0 : 1);
        EXPECT_EQ(sample.Log, c.log);
    }
}

TEST(DrawingShapes, AnotherAttributeBeforeTheModeIsReportedAndTheModeRead) {
    TSample sample;
    const TCT_ShapeProperties& properties = PropertiesOf(sample, "", R"( mode="x" bwMode="auto")");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Attribute \"mode\""});
    EXPECT_EQ(properties.GetBwMode(), 1);
}

TEST(DrawingShapes, AnUnknownElementOfShapePropertiesIsSkippedWithItsAttributes) {
    TSample sample;
    const TCT_ShapeProperties& properties =
        PropertiesOf(sample, R"(<a:foo bwMode="black"><a:noFill/></a:foo><a:ln w="1"/>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"a:foo\""});
    EXPECT_EQ(properties.GetBwMode(), UnsetEnum);
    EXPECT_EQ(properties.GetFill().GetNoFill(), nullptr);
    EXPECT_EQ(properties.GetLn()->GetW(), 1);

    TSample strict(false);
    EXPECT_EQ(test_support::MessageOf([&] { PropertiesOf(strict, "<a:foo/>"); }), "Row 0: Unknown Element \"a:foo\"");
}

TEST(DrawingShapes, ASecondTransformLeavesTheValuesGivenLast) {
    TSample sample;
    const TCT_Transform2D& transform =
        *PropertiesOf(sample, R"(<a:xfrm rot="60000" flipV="1"><a:off x="1" y="2"/></a:xfrm>)"
                              R"(<a:xfrm rot="120000"><a:off x="5" y="6"/><a:ext cx="7" cy="8"/></a:xfrm>)")
             .GetXfrm();
    EXPECT_EQ(transform.GetRot(), 120000);
    EXPECT_TRUE(transform.GetFlipV());
    EXPECT_EQ(transform.GetOff()->GetX(), 5);
    EXPECT_EQ(transform.GetExt()->GetCy(), 8);
}

TEST(DrawingShapes, ATransformCountsWhatDiffersFromItsStart) {
    ExpectCounts({{R"(<a:xfrm/>)", 0},
                  {R"(<a:xfrm rot="0" flipH="0" flipV="false"/>)", 0},
                  {R"(<a:xfrm rot="-1" flipH="1"/>)", 2},
                  {R"(<a:xfrm><a:off/><a:ext/></a:xfrm>)", 2}},
                 [](TSample& sample, std::string_view text) -> TCT_Transform2D& {
                     return *PropertiesOf(sample, text).GetXfrm();
                 });
}

TEST(DrawingShapes, GroupShapePropertiesReadTheirChildrensSpace) {
    TSample sample;
    sample.Load(R"(<xdr:grpSpPr bwMode="white"><a:xfrm rot="10"><a:off x="1" y="2"/><a:ext cx="3" cy="4"/>)"
                R"(<a:chOff x="5" y="6"/><a:chExt cx="7" cy="8"/></a:xfrm><a:grpFill/><a:effectLst/>)"
                R"(<a:scene3d><a:camera prst="perspectiveFront" fov="2700000"/>)"
                R"(<a:lightRig rig="threePt" dir="t"/></a:scene3d></xdr:grpSpPr>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    TCT_GroupShapeProperties& group = *sample.Root().GetGroupSpPr();
    EXPECT_EQ(group.GetBwMode(), 9);
    const TCT_GroupTransform2D& transform = *group.GetXfrm();
    EXPECT_EQ((std::vector<int32_t>{transform.GetRot(), transform.GetOff()->GetX(), transform.GetExt()->GetCy(),
                                    transform.GetChOff()->GetY(), transform.GetChExt()->GetCx()}),
              (std::vector<int32_t>{10, 1, 4, 6, 7}));
    EXPECT_NE(group.GetFill().GetGrpFill(), nullptr);
    EXPECT_EQ(group.GetScene3d()->GetCamera()->GetFov(), 2700000);
    // The mode; the rotation and four points; the camera and the light rig.
    EXPECT_EQ(group.CheckAssigned(), 1 + 5 + 2);
}

TEST(DrawingShapes, ACameraAndLightRigReadTheirPresetsAndRotations) {
    TSample sample;
    TCT_Scene3D& scene =
        *PropertiesOf(sample,
                      R"(<a:scene3d><a:camera prst="orthographicFront"/><a:lightRig rig="threePt" dir="t">)"
                      R"(<a:rot lat="0" lon="0" rev="1200000"/></a:lightRig><a:backdrop>)"
                      R"(<a:anchor x="1" y="2" z="3"/><a:norm dx="0" dy="0" dz="1"/><a:up dx="0" dy="1" dz="0"/>)"
                      R"(</a:backdrop></a:scene3d>)")
             .GetScene3d();
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    TCT_Camera& camera = *scene.GetCamera();
    EXPECT_EQ(camera.GetPrst(), 18);
    EXPECT_EQ(camera.GetFov(), UnsetInt);
    EXPECT_EQ(camera.GetZoom(), 100000);
    EXPECT_EQ(camera.CheckAssigned(), 1);
    TCT_LightRig& rig = *scene.GetLightRig();
    EXPECT_EQ(rig.GetRig(), 12);
    EXPECT_EQ(rig.GetDir(), 1);
    EXPECT_EQ(rig.GetRot()->GetRev(), 1200000);
    EXPECT_EQ(rig.CheckAssigned(), 2);
    const TCT_Backdrop& backdrop = *scene.GetBackdrop();
    EXPECT_EQ(backdrop.GetAnchor()->GetZ(), 3);
    EXPECT_EQ(backdrop.GetNorm()->GetDz(), 1);
    EXPECT_EQ(backdrop.GetUp()->GetDy(), 1);
    EXPECT_EQ(scene.CheckAssigned(), 1 + 2 + 3);
}

TEST(DrawingShapes, AShapesThreeDCountsWhatDiffersFromItsDefaults) {
    ExpectCounts(
        {
            {R"(<a:sp3d/>)", 0},
            {R"(<a:sp3d prstMaterial="matte"/>)", 1},
            {R"(<a:sp3d prstMaterial="warmMatte" z="0" extrusionH="0" contourW="0"/>)", 0},
            {R"(<a:sp3d z="-1" extrusionH="76200" contourW="12700"/>)", 3},
            {R"(<a:sp3d><a:bevelT/></a:sp3d>)", 0},
            {R"(<a:sp3d><a:bevelT w="76200" h="76200" prst="circle"/></a:sp3d>)", 0},
            {R"(<a:sp3d><a:bevelB w="1" h="2" prst="angle"/></a:sp3d>)", 3},
            {R"(<a:sp3d><a:extrusionClr><a:srgbClr val="FF0000"/></a:extrusionClr><a:contourClr/></a:sp3d>)", 1},
        },
        [](TSample& sample, std::string_view text) -> TCT_Shape3D& { return *PropertiesOf(sample, text).GetSp3d(); });
}

TEST(DrawingShapes, AShapesThreeDReadsItsMaterialAndBevels) {
    TSample sample;
    const TCT_Shape3D& shape3D =
        *PropertiesOf(sample, R"(<a:sp3d prstMaterial="matte"><a:bevelT/><a:bevelB prst="artDeco"/></a:sp3d>)")
             .GetSp3d();
    EXPECT_EQ(shape3D.GetPrstMaterial(), 4);
    const TCT_Bevel& top = *shape3D.GetBevelT();
    EXPECT_EQ((std::vector<int32_t>{top.GetW(), top.GetH(), top.GetPrst()}), (std::vector<int32_t>{76200, 76200, 1}));
    EXPECT_EQ(shape3D.GetBevelB()->GetPrst(), 11);

    TSample fresh;
    const TCT_Shape3D& plain = *PropertiesOf(fresh, "<a:sp3d/>").GetSp3d();
    EXPECT_EQ(plain.GetPrstMaterial(), 7);
    EXPECT_EQ(plain.GetZ(), 0);
}

} // namespace
} // namespace xls::drawing_test
