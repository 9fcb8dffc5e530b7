#include "tests/ui/core/painters/PainterOperations.h"

#include "ui/core/painters/looks/uiFlatPainter.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/looks/uiOffice11Painter.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/painters/looks/uiUltraFlatPainter.h"
#include "ui/core/painters/uiPainterImages.h"
#include "ui/core/skins/painter/uxSkinsBuiltIn.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"

namespace ui {

namespace {

// Resources the operations are given: a font, a small tile, view parameters.
struct TPainterDrawingInputs {
    vcl::TFont Font;
    vcl::TBitmap Tile{4, 4, vcl::pf24bit};
    TuiDrawParams ViewParams;
    TuiDrawParams TiledParams;

    TPainterDrawingInputs() {
        Font.SetHeight(-12);
        Tile.Canvas().Brush().SetColor(vcl::clTeal);
        Tile.Canvas().FillRect({0, 0, 4, 4});
        Tile.Canvas().SetPixel(1, 1, vcl::clYellow);
        ViewParams = {nullptr, vcl::clAqua, &Font, vcl::clNavy};
        TiledParams = {&Tile, vcl::clAqua, &Font, vcl::clNavy};
    }
};

TPainterDrawingInputs& PainterDrawingInputs() {
    static TPainterDrawingInputs inputs;
    return inputs;
}

} // namespace

std::vector<TPainterLook> PainterLooks() {
    return {
        {"Default", &TuiCustomLookAndFeelPainter::Instance()},
        {"Standard", &TuiStandardLookAndFeelPainter::Instance()},
        {"Flat", &TuiFlatLookAndFeelPainter::Instance()},
        {"UltraFlat", &TuiUltraFlatLookAndFeelPainter::Instance()},
        {"Office11", &TuiOffice11LookAndFeelPainter::Instance()},
        {"Native", &TuiWinXPLookAndFeelPainter::Instance()},
        {"Blue", &TuxBluePainter::Instance(), true},
        {"Office2007Blue", &TuxOffice2007BluePainter::Instance(), true},
        {"UserSkin", &TuxSkinsUserSkinPainter::Instance(), true},
    };
}

std::vector<TPainterDrawingCase> PainterDrawingCases() {
    using P = const TuiCustomLookAndFeelPainter&;
    using C = TuiCanvas&;
    using R = const vcl::TRect&;
    TPainterDrawingInputs& in = PainterDrawingInputs();
    vcl::TFont* font = &in.Font;
    const TuiTextLayout centred{vcl::taCenter, vaCenter, false, true};
    const TuiBackgroundHook noHook;
    std::vector<TPainterDrawingCase> cases = {
        {"FillBackground", [](P p, C c, R r) { p.FillBackground(c, r, false, vcl::clRed, nullptr); }},
        {"FillBackground tiled", [&in](P p, C c, R r) { p.FillBackground(c, r, true, vcl::clRed, &in.Tile); }},
        {"PaintDropTriangle", [](P p, C c, R r) { p.PaintDropTriangle(c, r, vcl::clBlue); }},
        {"PaintContentWithText",
         [=](P p, C c, R r) {
             p.PaintContentWithText(c, r, InflateRectBy(r, -2, -2), uibsNormal, centred, u"Total", font,
                                    vcl::clBlue, vcl::clYellow, noHook, false);
         }},
        {"PaintContentWithText hot",
         [=](P p, C c, R r) {
             p.PaintContentWithText(c, r, InflateRectBy(r, -2, -2), uibsHot, centred, u"Total", font, vcl::clBlue,
                                    vcl::clYellow, noHook, false);
         }},
        {"PaintFooterSeparator", [](P p, C c, R r) { p.PaintFooterSeparator(c, r, uiAllBorders); }},
        {"PaintNavigationButton previous",
         [](P p, C c, R r) { p.PaintNavigationButton(c, r, CenterRectInRect(r, 7, 7), false, uibsNormal); }},
        {"PaintNavigationButton next pressed",
         [](P p, C c, R r) { p.PaintNavigationButton(c, r, CenterRectInRect(r, 7, 7), true, uibsPressed); }},
        {"PaintDirectionArrow", [](P p, C c, R r) { p.PaintDirectionArrow(c, r, adLeft, vcl::clRed); }},
        {"PaintArrowButton framed", [](P p, C c, R r) { p.PaintArrowButton(c, r, uibsHot, adUp, true); }},
        {"PaintArrowButton plain", [](P p, C c, R r) { p.PaintArrowButton(c, r, uibsDisabled, adRight, false); }},
        {"PaintArrowButtonFace", [](P p, C c, R r) { p.PaintArrowButtonFace(c, r, uibsPressed); }},
        {"PaintStateArrow disabled", [](P p, C c, R r) { p.PaintStateArrow(c, r, uibsDisabled, adDown); }},
        {"PaintStateArrow pressed", [](P p, C c, R r) { p.PaintStateArrow(c, r, uibsPressed, adUp); }},
        {"PaintFrame", [](P p, C c, R r) { p.PaintFrame(c, r); }},
        {"PaintSeparatorLine", [](P p, C c, R r) { p.PaintSeparatorLine(c, r, true); }},
        {"PaintPlainButton", [](P p, C c, R r) { p.PaintPlainButton(c, r, uibsHot, 3, 1, vcl::clRed); }},
        {"PaintButtonFrame", [](P p, C c, R r) { p.PaintButtonFrame(c, r, uibsDefault); }},
        {"PaintGroupedButtonFrame", [](P p, C c, R r) { p.PaintGroupedButtonFrame(c, r, true, false); }},
        {"PaintExpandBox", [](P p, C c, R r) { p.PaintExpandBox(c, r, true, vcl::clDefault); }},
        {"PaintGroupExpander up", [](P p, C c, R r) { p.PaintGroupExpander(c, r, uibsNormal, true); }},
        {"PaintGroupExpander down", [](P p, C c, R r) { p.PaintGroupExpander(c, r, uibsPressed, false); }},
        {"PaintSmallExpandBox",
         [](P p, C c, R r) { p.PaintSmallExpandBox(c, CenterRectInRect(r, 9, 9), false, vcl::clRed, vcl::clWhite); }},
        {"PaintCheckMark", [](P p, C c, R r) { p.PaintCheckMark(c, r, uibsNormal, true, vcl::clBlack); }},
        {"PaintCheckFrame", [](P p, C c, R r) { p.PaintCheckFrame(c, r, uibsNormal); }},
        {"PaintCheckBoxForState", [](P p, C c, R r) { p.PaintCheckBoxForState(c, r, uibsHot, true); }},
        {"PaintRadioGlyph", [](P p, C c, R r) { p.PaintRadioGlyph(c, r.Left, r.Top, uibsNormal, true, false, vcl::clDefault, false); }},
        {"PaintRadioGlyph on a colour",
         [](P p, C c, R r) { p.PaintRadioGlyph(c, r.Left, r.Top, uibsHot, false, true, vcl::clRed, true); }},
        {"PaintEtchedLine", [](P p, C c, R r) { p.PaintEtchedLine(c, r, vcl::clDefault, vcl::clDefault, false); }},
        {"PaintEtchedLine vertical", [](P p, C c, R r) { p.PaintEtchedLine(c, r, vcl::clRed, vcl::clBlue, true); }},
        {"PaintHeaderCell",
         [=](P p, C c, R r) {
             p.PaintHeaderCell(c, r, r, {bLeft}, uiAllBorders, uibsNormal, centred, u"Name", font, vcl::clBlack,
                               vcl::clSilver, noHook, false, false);
         }},
        {"PaintHeaderCellPlain",
         [=](P p, C c, R r) {
             p.PaintHeaderCellPlain(c, r, r, {}, {bTop}, uibsHot, centred, u"Name", font, vcl::clBlack,
                                    vcl::clSilver, true, true);
         }},
        {"PaintHeaderFrame", [](P p, C c, R r) { p.PaintHeaderFrame(c, r, {}, uiAllBorders); }},
        {"PaintPressedHeader", [](P p, C c, R r) { p.PaintPressedHeader(c, r); }},
        {"PaintHeaderSectionFrame", [](P p, C c, R r) { p.PaintHeaderSectionFrame(c, r, uiAllBorders, uibsNormal); }},
        {"PaintHeaderSectionContent",
         [=](P p, C c, R r) {
             p.PaintHeaderSectionContent(c, r, InflateRectBy(r, -3, -3), uibsPressed, centred, u"Name", font,
                                         vcl::clBlack, vcl::clSilver);
         }},
        {"PaintHeaderDivider",
         [&in](P p, C c, R r) { p.PaintHeaderDivider(c, r, 5, vcl::clRed, in.TiledParams); }},
        {"PaintSortArrow", [](P p, C c, R r) { p.PaintSortArrow(c, r, true); }},
        {"PaintGroupByBox", [](P p, C c, R r) { p.PaintGroupByBox(c, r, false, vcl::clGreen, nullptr); }},
        {"PaintLayoutItemFace", [](P p, C c, R r) { p.PaintLayoutItemFace(c, r, uibsPressed, uiAllBorders); }},
        {"PaintLayoutRecordCaption", [](P p, C c, R r) { p.PaintLayoutRecordCaption(c, r, 0, uibsHot); }, true},
        {"PaintLayoutFrame", [](P p, C c, R r) { p.PaintLayoutFrame(c, r, uibsNormal, {bLeft, bBottom}); }, true},
        {"PaintLayoutRecordBody",
         [](P p, C c, R r) { p.PaintLayoutRecordBody(c, r, 0, uibsNormal, uiAllBorders); }, true},
        {"PaintLayoutExpandButton", [](P p, C c, R r) { p.PaintLayoutExpandButton(c, r, uibsNormal, true); }},
        {"PaintFooterCell",
         [=](P p, C c, R r) {
             p.PaintFooterCell(c, r, centred, u"123.45", font, vcl::clBlack, vcl::clWhite, noHook);
         }},
        {"PaintFooterCellContent",
         [=](P p, C c, R r) {
             p.PaintFooterCellContent(c, r, centred, u"123.45", font, vcl::clBlack, vcl::clWhite, noHook);
         }},
        {"PaintFooterFrame", [](P p, C c, R r) { p.PaintFooterFrame(c, r); }},
        {"PaintFooterCellFrame", [](P p, C c, R r) { p.PaintFooterCellFrame(c, r); }},
        {"PaintFooterBackground", [&in](P p, C c, R r) { p.PaintFooterBackground(c, r, in.TiledParams); }},
        {"FillFooterSeparator", [](P p, C c, R r) { p.FillFooterSeparator(c, r); }},
        {"PaintFilterActivateBox", [](P p, C c, R r) { p.PaintFilterActivateBox(c, r, uibsNormal, false); }},
        {"PaintFilterCloseBox", [](P p, C c, R r) { p.PaintFilterCloseBox(c, r, uibsNormal); }},
        {"PaintFilterCloseBox pressed", [](P p, C c, R r) { p.PaintFilterCloseBox(c, r, uibsPressed); }},
        {"PaintFilterDropDown", [](P p, C c, R r) { p.PaintFilterDropDown(c, r, uibsNormal, true); }},
        {"PaintFilterBoxBackground",
         [&in](P p, C c, R r) { p.PaintFilterBoxBackground(c, r, true, vcl::clRed, &in.Tile); }},
        {"PaintWindowFace", [](P p, C c, R r) { p.PaintWindowFace(c, r); }},
        {"PaintTab",
         [=](P p, C c, R r) {
             p.PaintTab(c, r, uiAllBorders, u"Tab", uibsNormal, false, font, vcl::clBlack, vcl::clWhite, true);
         }},
        {"PaintTab vertical selected",
         [=](P p, C c, R r) {
             p.PaintTab(c, r, {bLeft, bTop}, u"Tab", uibsPressed, true, font, vcl::clBlack, vcl::clWhite, false);
         }},
        {"PaintTabFrame", [](P p, C c, R r) { p.PaintTabFrame(c, r, 1, uiAllBorders, false); }},
        {"PaintTabStrip", [](P p, C c, R r) { p.PaintTabStrip(c, r, uiAllBorders, false); }},
        {"PaintIndicatorCustomizeMark", [](P p, C c, R r) { p.PaintIndicatorCustomizeMark(c, r, vcl::clBlack); }},
        {"PaintIndicatorGlyph", [](P p, C c, R r) { p.PaintIndicatorGlyph(c, r, 6); }},
        {"PaintIndicatorCell",
         [=](P p, C c, R r) { p.PaintIndicatorCell(c, r, 2, vcl::clSilver, noHook); }, false, {0, 1, 0, 0}},
        {"PaintIndicatorCellPlain", [](P p, C c, R r) { p.PaintIndicatorCellPlain(c, r, 0x83, vcl::clSilver); }, false,
         {0, 1, 0, 0}},
        {"PaintScrollBarBackground", [](P p, C c, R r) { p.PaintScrollBarBackground(c, r, true); }},
        {"PaintScrollBarElement", [](P p, C c, R r) { p.PaintScrollBarElement(c, false, r, sbpThumb, uibsHot); }},
        {"PaintSizeGripGlyph", [](P p, C c, R r) { p.PaintSizeGripGlyph(c, r); }},
        {"PaintCaptionButton", [](P p, C c, R r) { p.PaintCaptionButton(c, r, false, false, false, vcl::clRed); }},
        {"PaintCaptionButton hot", [](P p, C c, R r) { p.PaintCaptionButton(c, r, true, false, false, vcl::clRed); }},
        {"PaintCaptionButton pressed",
         [](P p, C c, R r) { p.PaintCaptionButton(c, r, false, true, false, vcl::clRed); }},
        {"PaintMonthTitle",
         [=, &in](P p, C c, R r) { p.PaintMonthTitle(c, r, u"May", {bLeft}, in.ViewParams, 3, 12, noHook); }},
        {"PaintCalendarFrame", [](P p, C c, R r) { p.PaintCalendarFrame(c, r); }},
        {"PaintProgressStrip",
         [&in](P p, C c, R r) {
             p.PaintProgressStrip(c, r, InflateRectSides(r, -2, -2, -20, -2), in.ViewParams, false);
         }},
        {"PaintProgressStrip frame only",
         [&in](P p, C c, R r) {
             p.PaintProgressStrip(c, r, InflateRectSides(r, -2, -2, -20, -2), in.TiledParams, true);
         }},
        {"PaintNavigationButtonText",
         [](P p, C c, R r) {
             p.PaintNavigationButtonText(c, r, true, uibsNormal, u"Next", {r.Left + 12, r.Top, r.Right, r.Bottom},
                                         {r.Left + 2, r.Top + 2, r.Left + 9, r.Top + 9});
         }},
        {"PaintNavigationArrow", [](P p, C c, R r) { p.PaintNavigationArrow(c, CenterRectInRect(r, 7, 7), false, vcl::clRed); }},
        {"PaintNavigationArrow next", [](P p, C c, R r) { p.PaintNavigationArrow(c, r, true, vcl::clRed); }},
        {"PaintNavigatorButton", [](P p, C c, R r) { p.PaintNavigatorButton(c, r, uibsHot); }},
        {"PaintSplitterFrame", [](P p, C c, R r) { p.PaintSplitterFrame(c, r, false, true, TuiDrawParams{}); }},
        {"PaintClockFace", [](P p, C c, R r) { p.PaintClockFace(c, r, 0.6, vcl::clWhite); }},
        {"PaintEditButton", [](P p, C c, R r) { p.PaintEditButton(c, r, 0, uibsNormal, 0); }},
        {"PaintHeaderPanel",
         [](P p, C c, R r) {
             vcl::TRect inner = r;
             p.PaintHeaderPanel(c, inner);
         },
         false,
         {1, 0, 1, 0}},
        {"PaintNavigatorGlyph",
         [](P p, C c, R r) { p.PaintNavigatorGlyph(c, IndicatorImages(), 1, 0, r, false, false); }},
        {"PaintProgressFrame", [](P p, C c, R r) { p.PaintProgressFrame(c, r, false); }},
        {"PaintProgressChunk", [](P p, C c, R r) { p.PaintProgressChunk(c, r, true); }},
        {"PaintProgressBar solid",
         [](P p, C c, R r) { p.PaintProgressBar(c, false, true, u"42%", r, r, {r.Left, r.Top, 30, r.Bottom}, vcl::clRed); }},
        {"PaintProgressBar inverted",
         [](P p, C c, R r) {
             c.FillRectColor({r.Left, r.Top, 30, r.Bottom}, vcl::clNavy);
             p.PaintProgressBar(c, false, false, u"42%", r, r, {r.Left, r.Top, 30, r.Bottom}, vcl::clDefault);
         }},
        {"PaintProgressBar vertical",
         [](P p, C c, R r) { p.PaintProgressBar(c, true, false, u"42%", r, r, {r.Left, r.Top, r.Right, 20}, vcl::clDefault); }},
        {"PaintGroupBoxBackground", [](P p, C c, R r) { p.PaintGroupBoxBackground(c, r, r); }},
        {"PaintGroupBoxCaption", [](P p, C c, R r) { p.PaintGroupBoxCaption(c, r, gcpTop); }},
        {"PaintGroupBoxCaptionText", [](P p, C c, R r) { p.PaintGroupBoxCaptionText(c, r, gcpLeft, uiAllBorders); }},
        {"PaintGroupFrame", [](P p, C c, R r) { p.PaintGroupFrame(c, r, true, gcpTop, uiAllBorders); }},
        {"PaintGroupContent", [](P p, C c, R r) { p.PaintGroupContent(c, r, gcpTop, uiAllBorders); }},
        {"PaintGroupPanel", [](P p, C c, R r) { p.PaintGroupPanel(c, r); }},
        {"PaintGroupCaptionFor", [](P p, C c, R r) { p.PaintGroupCaptionFor(c, r, gcpNone); }},
        {"PaintPanelFace", [](P p, C c, R r) { p.PaintPanelFace(c, r, uibsNormal); }},
        {"PaintTrackBarTrack",
         [](P p, C c, R r) { p.PaintTrackBarTrack(c, r, r, false, false, true, vcl::clGreen); }},
        {"PaintTrackBarTrackFrame", [](P p, C c, R r) { p.PaintTrackBarTrackFrame(c, r); }},
        {"PaintTrackBarThumbFrame", [](P p, C c, R) { p.PaintTrackBarThumbFrame(c, {}, {}, {}); }},
        {"PaintTrackBarTicks", [](P p, C c, R r) { p.PaintTrackBarTicks(c, r); }},
        {"PaintSplitter", [](P p, C c, R r) { p.PaintSplitter(c, r, true, true); }},
        {"PaintSplitter vertical", [](P p, C c, R r) { p.PaintSplitter(c, r, false, false); }},
        {"PaintLayoutBackground", [](P p, C c, R r) { p.PaintLayoutBackground(c, r); }},
        {"PaintPreviewBackground", [](P p, C c, R r) { p.PaintPreviewBackground(c, r); }},
        {"PaintPreviewPage",
         [](P p, C c, R r) { p.PaintPreviewPage(c, r, true, false, InflateRectSides(r, -4, -4, -6, -6)); }},
        {"PaintPreviewPage selected",
         [](P p, C c, R r) { p.PaintPreviewPage(c, r, false, true, InflateRectSides(r, -4, -4, -6, -6)); }},
    };
    for (const TuiButtonState state : {uibsDefault, uibsNormal, uibsHot, uibsPressed, uibsDisabled}) {
        const std::string suffix = " state " + std::to_string(state);
        cases.push_back({"PaintButton" + suffix, [=](P p, C c, R r) {
                             p.PaintButton(c, r, u"&OK", state, true, vcl::clDefault, vcl::clDefault, false, false);
                         }});
        cases.push_back({"PaintHeaderSection" + suffix, [=](P p, C c, R r) {
                             p.PaintHeaderSection(c, r, InflateRectBy(r, -2, -2), {}, uiAllBorders, state, centred,
                                                  u"Name", font, vcl::clBlack, vcl::clWhite);
                         }});
        cases.push_back({"PaintHeaderSectionText" + suffix, [=](P p, C c, R r) {
                             p.PaintHeaderSectionText(c, r, state, centred, u"Name", font, vcl::clBlack);
                         }});
    }
    for (const TuiCheckBoxState check : {cbsUnchecked, cbsChecked, cbsGrayed}) {
        cases.push_back({"PaintCheckBox check " + std::to_string(check),
                         [=](P p, C c, R r) { p.PaintCheckBox(c, CenterRectInRect(r, 13, 13), uibsNormal, check); }});
    }
    for (const TuiRotationAngle rotation : {TuiRotationAngle::None, TuiRotationAngle::CounterClockwise,
                                            TuiRotationAngle::Clockwise, TuiRotationAngle::HalfTurn}) {
        const std::string suffix = " rotation " + std::to_string(static_cast<int>(rotation));
        cases.push_back({"PaintExpandChevronButton" + suffix,
                         [=](P p, C c, R r) { p.PaintExpandChevronButton(c, r, rotation, true, uibsHot); }});
        cases.push_back({"PaintGroupBoxExpandButton" + suffix,
                         [=](P p, C c, R r) { p.PaintGroupBoxExpandButton(c, r, rotation, false, uibsNormal); }});
    }
    for (int32_t corner = 0; corner < 4; ++corner) {
        cases.push_back({"PaintSizeGrip corner " + std::to_string(corner),
                         [=](P p, C c, R r) { p.PaintSizeGrip(c, r, corner, vcl::clWhite); }});
    }
    for (const bool horizontal : {true, false}) {
        for (int32_t shape = 0; shape < 3; ++shape) {
            cases.push_back({"PaintTrackBarThumb shape " + std::to_string(shape) + (horizontal ? "" : " vertical"),
                             [=](P p, C c, R r) {
                                 p.PaintTrackBarThumb(c, CenterRectInRect(r, 16, 20), uibsNormal, horizontal, shape,
                                                      vcl::clBtnFace);
                             }});
        }
    }
    for (const TuiScrollBarPart part : {sbpLineUp, sbpLineDown, sbpThumb, sbpPageUp, sbpPageDown}) {
        for (const TuiButtonState state : {uibsNormal, uibsPressed, uibsDisabled}) {
            const bool horizontal = part % 2 == 0;
            cases.push_back({"PaintScrollBarElement part " + std::to_string(part) + " state " + std::to_string(state) +
                                 (horizontal ? " horizontal" : ""),
                             [=](P p, C c, R r) { p.PaintScrollBarElement(c, horizontal, r, part, state); }});
        }
    }
    return cases;
}

} // namespace ui
