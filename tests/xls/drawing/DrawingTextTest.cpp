// DrawingML text: bodies and their layout, list styles, paragraphs with their runs, breaks and fields in document
// order, and the properties of runs and paragraphs with fonts, bullets, spacing and tab stops.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

// The text of a c:txPr holding body.
TCT_TextBody& TextOf(TSample& sample, std::string_view body) {
    sample.Load("<c:txPr>" + std::string(body) + "</c:txPr>");
    return sample.TxPr();
}

// The first paragraph of a text whose one paragraph holds body.
TCT_TextParagraph& ParagraphOf(TSample& sample, std::string_view body) {
    return TextOf(sample, "<a:p>" + std::string(body) + "</a:p>").GetParagraphs().GetItem(0);
}

// The properties of the first run of a paragraph holding the run properties rPr.
TCT_TextCharacterProperties& RunPropertiesOf(TSample& sample, std::string_view rPr) {
    return *ParagraphOf(sample, "<a:r>" + std::string(rPr) + "<a:t>x</a:t></a:r>")
                .GetRuns()
                .GetItem(0)
                .GetR()
                ->GetRPr();
}

// The properties of a paragraph whose a:pPr holds body, with attributes.
TCT_TextParagraphProperties& ParagraphPropertiesOf(TSample& sample, std::string_view attributes,
                                                   std::string_view body = "") {
    return *ParagraphOf(sample, "<a:pPr" + std::string(attributes) + ">" + std::string(body) + "</a:pPr>").GetPPr();
}

// The body properties of a text whose a:bodyPr has attributes and holds body.
TCT_TextBodyProperties& BodyPropertiesOf(TSample& sample, std::string_view attributes, std::string_view body = "") {
    return *TextOf(sample, "<a:bodyPr" + std::string(attributes) + ">" + std::string(body) + "</a:bodyPr>").GetBodyPr();
}

TEST(DrawingText, AParagraphKeepsItsRunsBreaksAndFieldsInDocumentOrder) {
    TSample sample;
    const TCT_TextParagraph& paragraph =
        ParagraphOf(sample, R"(<a:r><a:rPr lang="zh-CN"/><a:t>合计</a:t></a:r><a:br><a:rPr sz="900"/></a:br>)"
                            R"(<a:r><a:t>x</a:t></a:r><a:fld id="{1}" type="slidenum"><a:t>3</a:t></a:fld>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TEG_TextRunXpgList& runs = paragraph.GetRuns();
    ASSERT_EQ(runs.Count(), 4);
    const TCT_RegularTextRun* first = runs.GetItem(0).GetR();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetText(), u"合计");
    EXPECT_EQ(first->GetRPr()->GetLang(), u"zh-CN");
    EXPECT_EQ(runs.GetItem(0).GetBr(), nullptr);
    ASSERT_NE(runs.GetItem(1).GetBr(), nullptr);
    EXPECT_EQ(runs.GetItem(1).GetBr()->GetRPr()->GetSz(), 900);
    EXPECT_EQ(runs.GetItem(1).GetR(), nullptr);
    EXPECT_EQ(runs.GetItem(2).GetR()->GetText(), u"x");
    EXPECT_EQ(runs.GetItem(2).GetR()->GetRPr(), nullptr);
    const TCT_TextField& field = *runs.GetItem(3).GetFld();
    EXPECT_EQ(field.GetId(), u"{1}");
    EXPECT_EQ(field.GetType(), u"slidenum");
    EXPECT_EQ(field.GetText(), u"3");
}

TEST(DrawingText, AnElementBetweenRunsIsReportedAndLeavesNoEmptyItem) {
    TSample sample;
    const TCT_TextParagraph& paragraph = ParagraphOf(
        sample, R"(<a:r><a:t>a</a:t></a:r><a:tab><a:r><a:t>lost</a:t></a:r></a:tab><a:r><a:t>b</a:t></a:r>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"a:tab\""});
    const TEG_TextRunXpgList& runs = paragraph.GetRuns();
    ASSERT_EQ(runs.Count(), 2);
    EXPECT_EQ(runs.GetItem(0).GetR()->GetText(), u"a");
    EXPECT_EQ(runs.GetItem(1).GetR()->GetText(), u"b");
}

TEST(DrawingText, ARunsTextIsDecodedAndCountsWhenNotEmpty) {
    struct Case {
        const char* run;
        const char16_t* text;
        int32_t count;
    };
    const Case cases[] = {
        {R"(<a:r><a:t>a &amp; b</a:t></a:r>)", u"a & b", 1},
        {R"(<a:r><a:rPr lang="en-US"/><a:t></a:t></a:r>)", u"", 1},
        {R"(<a:r><a:rPr lang="en-US" b="1"/><a:t/></a:r>)", u"", 2},
        {R"(<a:r><a:t>&#x5408;&lt;</a:t></a:r>)", u"合<", 1},
        {R"(<a:r><a:t>one</a:t><a:t>two</a:t></a:r>)", u"two", 1},
        {R"(<a:r><a:t>kept<!-- note -->after</a:t></a:r>)", u"kept", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.run);
        TSample sample;
        TCT_RegularTextRun& run = *ParagraphOf(sample, c.run).GetRuns().GetItem(0).GetR();
        EXPECT_EQ(run.GetText(), c.text);
        EXPECT_EQ(run.CheckAssigned(), c.count);
        EXPECT_EQ(sample.Log, std::vector<std::string>{});
    }
}

TEST(DrawingText, AFieldCountsItsIdAlwaysAndItsTextWhenGiven) {
    TSample sample;
    TCT_TextParagraph& paragraph =
        ParagraphOf(sample, R"(<a:fld id="{A}"/><a:fld id="{B}" type="datetime1">)"
                            R"(<a:rPr lang="en-US"/><a:pPr algn="r"/><a:t>1/2</a:t></a:fld>)");
    ASSERT_EQ(paragraph.GetRuns().Count(), 2);
    EXPECT_EQ(paragraph.GetRuns().GetItem(0).GetFld()->CheckAssigned(), 1);
    TCT_TextField& dated = *paragraph.GetRuns().GetItem(1).GetFld();
    EXPECT_EQ(dated.GetPPr()->GetAlgn(), 2);
    EXPECT_EQ(dated.CheckAssigned(), 4);
    EXPECT_EQ(paragraph.CheckAssigned(), 5);
}

TEST(DrawingText, RunPropertiesKeepWhatIsGivenAndCountIt) {
    TSample sample;
    TCT_TextCharacterProperties& properties = RunPropertiesOf(sample, R"(<a:rPr lang="en-US" sz="1100" b="1"/>)");
    EXPECT_EQ(properties.GetLang(), u"en-US");
    EXPECT_EQ(properties.GetSz(), 1100);
    EXPECT_EQ(properties.GetB(), xtsTrue);
    EXPECT_EQ(properties.GetI(), xtsUnset);
    EXPECT_TRUE(properties.GetDirty());
    EXPECT_TRUE(properties.GetSmtClean());
    EXPECT_EQ(properties.GetSmtId(), 0);
    EXPECT_EQ(properties.GetKern(), UnsetInt);
    EXPECT_EQ(properties.CheckAssigned(), 3);

    ExpectCounts(
        {
            {"<a:rPr/>", 0},
            {R"(<a:rPr dirty="0" smtClean="0" err="1" smtId="3"/>)", 4},
            {R"(<a:rPr dirty="1" smtClean="true" err="0" smtId="0"/>)", 0},
            {R"(<a:rPr kumimoji="0" normalizeH="1" noProof="false" i="0"/>)", 4},
            {R"(<a:rPr altLang="zh-CN" bmk="b1" kern="1200" spc="-50" baseline="30000"/>)", 5},
            {R"(<a:rPr u="sng" strike="sngStrike" cap="all"/>)", 3},
        },
        RunPropertiesOf);
}

TEST(DrawingText, RunPropertiesReadUnderlineStrikeAndCaps) {
    TSample sample;
    const TCT_TextCharacterProperties& properties =
        RunPropertiesOf(sample, R"(<a:rPr u="sng" strike="sngStrike" cap="small"/>)");
    EXPECT_EQ(properties.GetU(), 2);
    EXPECT_EQ(properties.GetStrike(), 1);
    EXPECT_EQ(properties.GetCap(), 1);
}

TEST(DrawingText, ABooleanThatIsNoBooleanGivesItsDefault) {
    TSample sample;
    const TCT_TextCharacterProperties& properties =
        RunPropertiesOf(sample, R"(<a:rPr b="yes" dirty="maybe" err="TRUE"/>)");
    EXPECT_EQ(properties.GetB(), xtsFalse);
    EXPECT_TRUE(properties.GetDirty());
    EXPECT_TRUE(properties.GetErr());
}

TEST(DrawingText, RunPropertiesReadFillsFontsUnderlinesAndHyperlinks) {
    TSample sample;
    TCT_TextCharacterProperties& properties = RunPropertiesOf(
        sample, R"(<a:rPr><a:ln w="3175"/><a:solidFill><a:schemeClr val="tx1"/></a:solidFill><a:effectLst>)"
                R"(<a:glow rad="1"/></a:effectLst><a:highlight><a:srgbClr val="FFFF00"/></a:highlight>)"
                R"(<a:uLn w="1"/><a:uFill><a:solidFill><a:prstClr val="red"/></a:solidFill></a:uFill>)"
                R"(<a:latin typeface="Calibri"/><a:ea typeface="+mn-ea"/><a:cs typeface="Arial"/>)"
                R"(<a:sym typeface="Wingdings" pitchFamily="2" charset="2"/><a:hlinkClick r:id="rId3"/>)"
                R"(<a:hlinkMouseOver r:id="" action="ppaction://noaction"/></a:rPr>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_EQ(properties.GetLn()->GetW(), 3175);
    EXPECT_EQ(properties.GetFill().GetSolidFill()->GetColorChoice().GetSchemeClr()->GetVal(), 1);
    EXPECT_EQ(properties.GetEffect().GetEffectLst()->GetGlow()->GetRad(), 1);
    EXPECT_EQ(properties.GetHighlight()->GetColorChoice().GetSrgbClr()->GetVal(), 0xFFFF00);
    EXPECT_EQ(properties.GetUnderlineLine().GetULn()->GetW(), 1);
    EXPECT_EQ(properties.GetUnderlineLine().GetULnTx(), nullptr);
    EXPECT_NE(properties.GetUnderlineFill().GetUFill()->GetFill().GetSolidFill(), nullptr);
    EXPECT_EQ(properties.GetLatin()->GetTypeface(), u"Calibri");
    EXPECT_EQ(properties.GetEa()->GetTypeface(), u"+mn-ea");
    EXPECT_EQ(properties.GetSym()->GetCharset(), 2);
    EXPECT_EQ(properties.GetHlinkClick()->GetId(), u"rId3");
    EXPECT_EQ(properties.GetHlinkMouseOver()->GetAction(), u"ppaction://noaction");
    // The line, fill, effect, highlight, underline line and fill; the typefaces of four fonts and the symbol's pitch
    // and character set; the id of one hyperlink and the action of the other.
    EXPECT_EQ(properties.CheckAssigned(), 6 + 4 + 2 + 2);
}

TEST(DrawingText, AnUnknownChildOfRunPropertiesIsReportedAndTheRestKept) {
    TSample sample;
    const TCT_TextCharacterProperties& properties =
        RunPropertiesOf(sample, R"(<a:rPr lang="en-US"><a:rtl val="1"/><a:latin typeface="Arial"/></a:rPr>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"a:rtl\""});
    EXPECT_EQ(properties.GetLatin()->GetTypeface(), u"Arial");
    EXPECT_EQ(properties.GetLang(), u"en-US");

    TSample strict(false);
    EXPECT_EQ(test_support::MessageOf([&] { RunPropertiesOf(strict, R"(<a:rPr><a:rtl/></a:rPr>)"); }),
              "Row 0: Unknown Element \"a:rtl\"");
}

TEST(DrawingText, AFontsPanoseIsHexadecimalOfAtMost32Bits) {
    struct Case {
        const char* attributes;
        int32_t panose;
        int32_t count;
    };
    const Case cases[] = {
        {R"(typeface="Calibri" panose="020F0502020204030204")", 0, 2},
        {R"(typeface="Calibri")", UnsetColor, 1},
        {R"(panose="02040503")", 0x02040503, 1},
        {R"(panose="zz")", 0, 1},
        {R"(pitchFamily="34" charset="0")", UnsetColor, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attributes);
        TSample sample;
        TCT_TextFont& font =
            *RunPropertiesOf(sample, std::string("<a:rPr><a:latin ") + c.attributes + "/></a:rPr>").GetLatin();
        EXPECT_EQ(font.GetPanose(), c.panose);
        EXPECT_EQ(font.CheckAssigned(), c.count);
    }
    TSample sample;
    const TCT_TextFont& font = *RunPropertiesOf(sample, R"(<a:rPr><a:latin typeface="Calibri"/></a:rPr>)").GetLatin();
    EXPECT_EQ(font.GetCharset(), 1);
    EXPECT_EQ(font.GetPitchFamily(), 0);
}

TEST(DrawingText, ParagraphPropertiesReadAlignmentLevelAndBullets) {
    TSample sample;
    TCT_TextParagraphProperties& properties = ParagraphPropertiesOf(
        sample, R"( algn="ctr" lvl="1" marL="342900" indent="-342900" fontAlgn="base" rtl="0")",
        R"(<a:buClr><a:srgbClr val="00FF00"/></a:buClr><a:buSzPct val="75000"/><a:buFont typeface="Arial"/>)"
        R"(<a:buAutoNum type="arabicPeriod"/>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_EQ(properties.GetAlgn(), 1);
    EXPECT_EQ(properties.GetLvl(), 1);
    EXPECT_EQ(properties.GetIndent(), -342900);
    EXPECT_EQ(properties.GetFontAlgn(), 3);
    EXPECT_EQ(properties.GetRtl(), xtsFalse);
    EXPECT_EQ(properties.GetEaLnBrk(), xtsUnset);
    const TCT_TextAutonumberBullet& number = *properties.GetBullet().GetBuAutoNum();
    EXPECT_EQ(number.GetType(), 8);
    EXPECT_EQ(number.GetStartAt(), 1);
    EXPECT_EQ(properties.GetBulletSize().GetBuSzPct()->GetVal(), 75000);
    EXPECT_EQ(properties.GetBulletTypeface().GetBuFont()->GetTypeface(), u"Arial");
    EXPECT_EQ(properties.GetBulletColor().GetBuClr()->GetColorChoice().GetSrgbClr()->GetVal(), 0x00FF00);
    // Six attributes, then the colour, size, font and number of the bullet.
    EXPECT_EQ(properties.CheckAssigned(), 6 + 4);
}

TEST(DrawingText, BulletsOfEveryKindStandSideBySide) {
    TSample sample;
    TCT_TextParagraphProperties& properties = ParagraphPropertiesOf(
        sample, "",
        R"(<a:buClrTx/><a:buSzTx/><a:buSzPts val="1200"/><a:buFontTx/><a:buNone/><a:buChar char="•"/>)"
        R"(<a:buBlip><a:blip r:embed="rId1"/></a:buBlip>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_NE(properties.GetBulletColor().GetBuClrTx(), nullptr);
    EXPECT_NE(properties.GetBulletSize().GetBuSzTx(), nullptr);
    EXPECT_NE(properties.GetBulletTypeface().GetBuFontTx(), nullptr);
    EXPECT_NE(properties.GetBullet().GetBuNone(), nullptr);
    EXPECT_EQ(properties.GetBullet().GetBuChar()->GetChar(), u"•");
    EXPECT_EQ(properties.GetBullet().GetBuBlip()->GetBlip()->GetEmbed(), u"rId1");
    // The indicators count nothing: the size in points and the character do.
    EXPECT_EQ(properties.CheckAssigned(), 2);
}

TEST(DrawingText, TabStopsAndSpacingsAreKept) {
    TSample sample;
    TCT_TextParagraphProperties& properties = ParagraphPropertiesOf(
        sample, R"( defTabSz="914400")",
        R"(<a:lnSpc><a:spcPct val="90000"/></a:lnSpc><a:spcBef><a:spcPct val="20000"/><a:spcPts val="600"/>)"
        R"(</a:spcBef><a:tabLst><a:tab pos="457200" algn="l"/><a:tab pos="914400" algn="dec"/><a:tab/></a:tabLst>)"
        R"(<a:defRPr sz="1800"/>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_EQ(properties.GetLnSpc()->GetSpcPct()->GetVal(), 90000);
    EXPECT_EQ(properties.GetSpcBef()->GetSpcPct()->GetVal(), 20000);
    EXPECT_EQ(properties.GetSpcBef()->GetSpcPts()->GetVal(), 600);
    EXPECT_EQ(properties.GetSpcAft(), nullptr);
    const TCT_TextTabStopXpgList& tabs = properties.GetTabLst()->GetTab();
    ASSERT_EQ(tabs.Count(), 3);
    EXPECT_EQ(tabs.GetItem(0).GetPos(), 457200);
    EXPECT_EQ(tabs.GetItem(1).GetAlgn(), 3);
    EXPECT_EQ(tabs.GetItem(2).GetPos(), UnsetInt);
    EXPECT_EQ(properties.GetDefRPr()->GetSz(), 1800);
    // The tab size; three spacings; four tab values; the run size.
    EXPECT_EQ(properties.CheckAssigned(), 1 + 3 + 4 + 1);
}

TEST(DrawingText, ClearReturnsATabStopToItsStartValues) {
    TSample sample;
    TCT_TextTabStop& tab = ParagraphPropertiesOf(sample, "", R"(<a:tabLst><a:tab pos="1" algn="r"/></a:tabLst>)")
                               .GetTabLst()
                               ->GetTab()
                               .GetItem(0);
    tab.Clear();
    EXPECT_EQ(tab.GetPos(), UnsetInt);
    EXPECT_EQ(tab.GetAlgn(), UnsetEnum);
    EXPECT_FALSE(tab.Assigned());
    EXPECT_EQ(tab.CheckAssigned(), 0);
}

TEST(DrawingText, BodyPropertiesReadTheirLayout) {
    struct Case {
        const char* attributes;
        std::vector<int32_t> anchorWrapVertOverflow;
    };
    const Case cases[] = {
        {R"( anchor="dist" wrap="none" vert="vert270" vertOverflow="clip")", {4, 0, 2, 2}},
        {R"( anchor="ctr" wrap="square" vert="horz" vertOverflow="ellipsis")", {1, 1, 0, 1}},
        {R"( anchor="t")", {0, UnsetEnum, UnsetEnum, UnsetEnum}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attributes);
        TSample sample;
        const TCT_TextBodyProperties& body = BodyPropertiesOf(sample, c.attributes);
        EXPECT_EQ((std::vector<int32_t>{body.GetAnchor(), body.GetWrap(), body.GetVert(), body.GetVertOverflow()}),
                  c.anchorWrapVertOverflow);
    }
}

TEST(DrawingText, BodyPropertiesCountWhatDiffersFromTheirStart) {
    ExpectCounts(
        {
            {"<a:bodyPr/>", 0},
            {R"(<a:bodyPr upright="0"/>)", 0},
            {R"(<a:bodyPr upright="1" anchorCtr="0"/>)", 2},
            {R"(<a:bodyPr rot="0" lIns="91440" tIns="45720" rIns="91440" bIns="45720" numCol="1" spcCol="0"/>)", 7},
            {R"(<a:bodyPr spcFirstLastPara="1" rtlCol="0" fromWordArt="0" forceAA="0" compatLnSpc="1"/>)", 5},
            {"<a:bodyPr><a:normAutofit/></a:bodyPr>", 0},
            {R"(<a:bodyPr><a:normAutofit fontScale="92500" lnSpcReduction="10000"/></a:bodyPr>)", 2},
            {R"(<a:bodyPr><a:normAutofit fontScale="100000" lnSpcReduction="20000"/></a:bodyPr>)", 1},
            {"<a:bodyPr><a:noAutofit/><a:spAutoFit/></a:bodyPr>", 0},
            {R"(<a:bodyPr><a:flatTx z="1"/><a:sp3d extrusionH="5"/></a:bodyPr>)", 2},
        },
        [](TSample& sample, std::string_view text) -> TCT_TextBodyProperties& {
            return *TextOf(sample, text).GetBodyPr();
        });
}

TEST(DrawingText, AutofitsAndTheTextsThreeDStandSideBySide) {
    TSample sample;
    TCT_TextBodyProperties& body =
        BodyPropertiesOf(sample, "",
                         R"(<a:noAutofit/><a:normAutofit/><a:scene3d><a:camera prst="orthographicFront"/>)"
                         R"(<a:lightRig rig="flat" dir="t"/></a:scene3d><a:sp3d/><a:flatTx/>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_NE(body.GetAutofit().GetNoAutofit(), nullptr);
    EXPECT_EQ(body.GetAutofit().GetNormAutofit()->GetFontScale(), 100000);
    EXPECT_EQ(body.GetScene3d()->GetLightRig()->GetRig(), 23);
    EXPECT_NE(body.GetText3D().GetSp3d(), nullptr);
    EXPECT_EQ(body.GetText3D().GetFlatTx()->GetZ(), 0);
}

TEST(DrawingText, TwoBodyPropertiesFillOneObject) {
    TSample sample;
    const TCT_TextBody& text = TextOf(sample, R"(<a:bodyPr rot="-5400000" wrap="none"/><a:bodyPr wrap="square"/>)");
    EXPECT_EQ(text.GetBodyPr()->GetRot(), -5400000);
    EXPECT_EQ(text.GetBodyPr()->GetWrap(), 1);
}

TEST(DrawingText, AListStyleFillsTheLevelsGiven) {
    TSample sample;
    const TCT_TextListStyle& style =
        *TextOf(sample, R"(<a:lstStyle><a:defPPr algn="l"/><a:lvl9pPr marL="3657600"/></a:lstStyle>)").GetLstStyle();
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_EQ(style.GetDefPPr()->GetAlgn(), 0);
    EXPECT_EQ(style.GetLvl9pPr()->GetMarL(), 3657600);
    for (const TCT_TextParagraphProperties* level :
         {style.GetLvl1pPr(), style.GetLvl2pPr(), style.GetLvl3pPr(), style.GetLvl4pPr(), style.GetLvl5pPr(),
          style.GetLvl6pPr(), style.GetLvl7pPr(), style.GetLvl8pPr()}) {
        EXPECT_EQ(level, nullptr);
    }
}

TEST(DrawingText, ATextKeepsItsParagraphsInDocumentOrder) {
    TSample sample;
    TCT_TextBody& text =
        TextOf(sample, R"(<a:bodyPr/><a:lstStyle/><a:p><a:r><a:t>1</a:t></a:r></a:p><a:p><a:endParaRPr lang="en-US"/>)"
                       R"(</a:p><a:p><a:pPr lvl="2"/><a:r><a:t>3</a:t></a:r></a:p>)");
    const TCT_TextParagraphXpgList& paragraphs = text.GetParagraphs();
    ASSERT_EQ(paragraphs.Count(), 3);
    EXPECT_EQ(paragraphs.GetItem(0).GetRuns().GetItem(0).GetR()->GetText(), u"1");
    EXPECT_EQ(paragraphs.GetItem(1).GetRuns().Count(), 0);
    EXPECT_EQ(paragraphs.GetItem(1).GetEndParaRPr()->GetLang(), u"en-US");
    EXPECT_EQ(paragraphs.GetItem(2).GetPPr()->GetLvl(), 2);
    EXPECT_EQ(text.CheckAssigned(), 1 + 1 + 2);
}

} // namespace
} // namespace xls::drawing_test
