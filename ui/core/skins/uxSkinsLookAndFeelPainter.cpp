#include "ui/core/skins/uxSkinsLookAndFeelPainter.h"

#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/images/uiAlphaBlend.h"
#include "ui/core/painters/uiPainterRegistry.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace ui {

namespace {

using TSkinDefaultLook = TuiCustomLookAndFeelPainter;
using TSkinUltraFlatLook = TuiUltraFlatLookAndFeelPainter;
using TSkinInheritedLook = TuiOffice11LookAndFeelPainter;

bool SkinColorSet(vcl::TColor color) {
    return color != vcl::clNone && color != vcl::clDefault;
}

// The colour when the property exists and holds a colour of its own, else fallback.
vcl::TColor SkinColorIfSet(const TuxSkinColor* color, vcl::TColor fallback) {
    return color && SkinColorSet(color->Value()) ? color->Value() : fallback;
}

// The colour when the property exists, whatever it holds, else fallback.
vcl::TColor SkinColorIfPresent(const TuxSkinColor* color, vcl::TColor fallback) {
    return color ? color->Value() : fallback;
}

// The clip region kept while a drawing narrows it, and given back also when drawing raises.
class TSkinClipScope {
public:
    explicit TSkinClipScope(TuiCanvas& canvas) : FCanvas(canvas) { FCanvas.PushClipRegion(); }
    ~TSkinClipScope() { FCanvas.PopClipRegion(); }
    TSkinClipScope(const TSkinClipScope&) = delete;
    TSkinClipScope& operator=(const TSkinClipScope&) = delete;

private:
    TuiCanvas& FCanvas;
};

constexpr int32_t SkinEditButtonKinds = 8;
constexpr std::array<TuxSkinElementId, SkinEditButtonKinds> SkinEditButtonGlyphs{
    seiEditorsCloseButton, seiEditorsComboButtonGlyph, seiEditorsEditorButton,  seiEditorsEditorButton,
    seiEditorsSpinUpGlyph, seiEditorsSpinDownGlyph,    seiEditorsSpinLeftGlyph, seiEditorsSpinRightGlyph};
constexpr int32_t SkinEllipsisButtonKind = 3;

constexpr std::array<TuxSkinElementId, 4> SkinGroupCaptionElements{
    seiCommonGroupPanelCaptionTop, seiCommonGroupPanelCaptionBottom, seiCommonGroupPanelCaptionLeft,
    seiCommonGroupPanelCaptionRight};
constexpr std::array<TuxSkinElementId, 4> SkinGroupFrameElements{seiCommonGroupPanelTop, seiCommonGroupPanelBottom,
                                                                 seiCommonGroupPanelLeft, seiCommonGroupPanelRight};
constexpr std::array<TuxSkinElementId, 4> SkinLayoutCaptionElements{
    seiGridLayoutViewRecordCaptionTop, seiGridLayoutViewRecordCaptionBottom, seiGridLayoutViewRecordCaptionLeft,
    seiGridLayoutViewRecordCaptionRight};
constexpr std::array<TuxSkinElementId, 5> SkinLayoutRecordElements{
    seiGridLayoutViewRecordTop, seiGridLayoutViewRecordBottom, seiGridLayoutViewRecordLeft,
    seiGridLayoutViewRecordRight, seiGridLayoutViewRecord};

// The side element of a layout side or a caption position; seiCount beyond the table.
template <size_t N>
TuxSkinElementId SkinSideElement(const std::array<TuxSkinElementId, N>& table, int32_t index) {
    return index >= 0 && static_cast<size_t>(index) < N ? table[static_cast<size_t>(index)] : seiCount;
}

// The group-box element of a caption position: the caption's when there is a caption, else the frame's.
TuxSkinElementId SkinGroupElement(bool hasCaption, TuiGroupCaptionPosition position) {
    return SkinSideElement(hasCaption ? SkinGroupCaptionElements : SkinGroupFrameElements, position);
}

vcl::TSize SkinFrameSize(TuxSkinElement& element) {
    return element.GetImageSize();
}

} // namespace

TuxSkinElementState SkinElementState(TuiButtonState state) {
    switch (state) {
    case uibsDefault:
        return esActive;
    case uibsHot:
        return esHot;
    case uibsPressed:
        return esPressed;
    case uibsDisabled:
        return esDisabled;
    default:
        return esNormal;
    }
}

const TuxSkinLookAndFeelPainter& TuxSkinLookAndFeelPainter::Instance() {
    static const TuxSkinLookAndFeelPainter instance;
    return instance;
}

TuxSkinInfo* TuxSkinLookAndFeelPainter::SkinInfo() const {
    rtl::TObject* data = nullptr;
    const TuiExtendedStylePainters* registry = ExtendedStylePainters();
    if (!registry || !registry->DataOfPainter(this, data)) {
        return nullptr;
    }
    return dynamic_cast<TuxSkinInfo*>(data);
}

rtl::UnicodeString TuxSkinLookAndFeelPainter::OwnerUnitName() const {
    return u"uxSkinsLookAndFeelPainter";
}

TuxSkinElement* TuxSkinLookAndFeelPainter::SkinElement(TuxSkinElementId id) const {
    const TuxSkinInfo* info = SkinInfo();
    return info && id < seiCount ? info->Element(id) : nullptr;
}

void TuxSkinLookAndFeelPainter::DrawElement(TuiCanvas& canvas, TuxSkinElement& element, const vcl::TRect& rect,
                                            int32_t imageIndex, TuxSkinElementState state) {
    element.Draw(canvas.Handle(), rect, imageIndex, state);
}

TuxSkinColor* TuxSkinLookAndFeelPainter::SkinColor(TuxSkinColorId id) const {
    const TuxSkinInfo* info = SkinInfo();
    return info ? info->Color(id) : nullptr;
}

TuxSkinColor* TuxSkinLookAndFeelPainter::SkinPropertyColor(TuxSkinPropertyId id) const {
    const TuxSkinInfo* info = SkinInfo();
    return info ? info->ColorProperty(id) : nullptr;
}

// Colours.

vcl::TColor TuxSkinLookAndFeelPainter::ContentColor() const {
    return SkinColorIfSet(SkinColor(sciContentColor), TSkinDefaultLook::ContentColor());
}

vcl::TColor TuxSkinLookAndFeelPainter::ContentEvenColor() const {
    return SkinColorIfSet(SkinColor(sciContentEvenColor), TSkinDefaultLook::ContentEvenColor());
}

vcl::TColor TuxSkinLookAndFeelPainter::ContentOddColor() const {
    return SkinColorIfSet(SkinColor(sciContentOddColor), TSkinDefaultLook::ContentOddColor());
}

vcl::TColor TuxSkinLookAndFeelPainter::ContentTextColor() const {
    return SkinColorIfSet(SkinColor(sciContentTextColor), TSkinDefaultLook::ContentTextColor());
}

namespace {

constexpr std::array<TuxSkinPropertyId, 4> SkinEditorBackgroundColors{
    spiEditorBackgroundColor, spiEditorBackgroundDisabledColor, spiEditorBackgroundInactiveColor,
    spiEditorBackgroundReadOnlyColor};
constexpr std::array<TuxSkinPropertyId, 4> SkinEditorTextColors{spiEditorTextColor, spiEditorTextDisabledColor,
                                                                spiEditorTextInactiveColor, spiEditorTextReadOnlyColor};

} // namespace

// An editor state's colour when set; an inactive or read-only editor without its own takes the normal one.
#define UX_SKIN_EDITOR_STATE_COLOR(Operation, Table)                                                                   \
    vcl::TColor TuxSkinLookAndFeelPainter::Operation(int32_t state) const {                                            \
        if (state >= 0 && state < static_cast<int32_t>(Table.size())) {                                                \
            const vcl::TColor color =                                                                                  \
                SkinColorIfSet(SkinPropertyColor(Table[static_cast<size_t>(state)]), vcl::clNone);                     \
            if (color != vcl::clNone) {                                                                                \
                return color;                                                                                          \
            }                                                                                                          \
            if (state >= 2) {                                                                                          \
                return Operation(0);                                                                                   \
            }                                                                                                          \
        }                                                                                                              \
        return TSkinDefaultLook::Operation(state);                                                                     \
    }
UX_SKIN_EDITOR_STATE_COLOR(EditorBackgroundColorForState, SkinEditorBackgroundColors)
UX_SKIN_EDITOR_STATE_COLOR(EditorTextColorForState, SkinEditorTextColors)
#undef UX_SKIN_EDITOR_STATE_COLOR

// An element's colour or text colour when the element exists, else the fallback look's.
#define UX_SKIN_ELEMENT_COLOR(Operation, Element, Value, Fallback)                                                     \
    vcl::TColor TuxSkinLookAndFeelPainter::Operation() const {                                                         \
        if (const TuxSkinElement* element = SkinElement(Element)) {                                                    \
            return element->Value();                                                                                   \
        }                                                                                                              \
        return Fallback::Operation();                                                                                  \
    }
UX_SKIN_ELEMENT_COLOR(FilterBoxTextColor, seiGridGridFilterPanel, TextColor, TSkinInheritedLook)
UX_SKIN_ELEMENT_COLOR(FixedSeparatorColor, seiGridGridFixedLine, Color, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(GridLineColor, seiGridGridLine, Color, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(GroupByBoxTextColor, seiGridGridGroupPanel, TextColor, TSkinInheritedLook)
UX_SKIN_ELEMENT_COLOR(GroupRowColor, seiGridGroupRow, Color, TSkinInheritedLook)
UX_SKIN_ELEMENT_COLOR(GroupRowTextColor, seiGridGroupRow, TextColor, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(HeaderColor, seiCommonHeader, Color, TSkinInheritedLook)
UX_SKIN_ELEMENT_COLOR(HeaderTextColor, seiCommonHeader, TextColor, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(FixedGridLineColor, seiGridGridFixedLine, Color, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(BandBorderColor, seiVerticalGridBandBorder, Color, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(CategoryColor, seiVerticalGridCategory, Color, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(CategoryTextColor, seiVerticalGridCategory, TextColor, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(RowHeaderColor, seiVerticalGridRowHeader, Color, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(RowHeaderTextColor, seiVerticalGridRowHeader, TextColor, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(VerticalGridLineColor, seiVerticalGridGridLine, Color, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(AppointmentTextColor, seiSchedulerAppointment, TextColor, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(CardSeparatorColor, seiGridCardSeparator, Color, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(EditButtonCaptionColor, seiEditorsEditorButton, TextColor, TSkinDefaultLook)
UX_SKIN_ELEMENT_COLOR(GroupTextColor, seiCommonGroupPanelNoBorder, TextColor, TSkinDefaultLook)
#undef UX_SKIN_ELEMENT_COLOR

// An element's colour or text colour when the element exists and the value is set, else the default look's.
#define UX_SKIN_ELEMENT_SET_COLOR(Operation, Element, Value)                                                           \
    vcl::TColor TuxSkinLookAndFeelPainter::Operation() const {                                                         \
        const TuxSkinElement* element = SkinElement(Element);                                                          \
        if (element && SkinColorSet(element->Value())) {                                                               \
            return element->Value();                                                                                   \
        }                                                                                                              \
        return TSkinDefaultLook::Operation();                                                                          \
    }
UX_SKIN_ELEMENT_SET_COLOR(RulerColor, seiSchedulerRuler, Color)
UX_SKIN_ELEMENT_SET_COLOR(RulerTextColor, seiSchedulerRuler, TextColor)
UX_SKIN_ELEMENT_SET_COLOR(TimeGridHeaderTextColor, seiSchedulerTimeGridHeader, TextColor)
UX_SKIN_ELEMENT_SET_COLOR(GroupByPanelColor, seiGridGridGroupPanel, Color)
UX_SKIN_ELEMENT_SET_COLOR(GroupByPanelTextColor, seiGridGridGroupPanel, TextColor)
#undef UX_SKIN_ELEMENT_SET_COLOR

// A colour property used when set (Set) or when present (Present), else the fallback look's.
#define UX_SKIN_PROPERTY_COLOR(Operation, Lookup, Id, Use, Fallback)                                                   \
    vcl::TColor TuxSkinLookAndFeelPainter::Operation() const {                                                         \
        return SkinColorIf##Use(Lookup(Id), Fallback::Operation());                                                    \
    }
UX_SKIN_PROPERTY_COLOR(GridAreaColor, SkinColor, sciContentColor, Set, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(HeaderBackgroundColor, SkinColor, sciHeaderBackgroundColor, Present, TSkinInheritedLook)
UX_SKIN_PROPERTY_COLOR(HeaderBackgroundTextColor, SkinColor, sciHeaderBackgroundTextColor, Present, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(HyperLinkTextColor, SkinPropertyColor, spiHyperLinkTextColor, Set, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(CalendarHolidayTextColor, SkinPropertyColor, spiCalendarHolidayTextColor, Set, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(CalendarInactiveDayTextColor, SkinPropertyColor, spiCalendarInactiveDayTextColor, Set,
                       TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(CalendarSeparatorColor, SkinPropertyColor, spiCalendarSeparatorColor, Set, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(CalendarDayTextColor, SkinPropertyColor, spiCalendarDayTextColor, Set, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(CalendarTodayFrameColor, SkinPropertyColor, spiCalendarTodayFrameColor, Set, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(CalendarTodayTextColor, SkinPropertyColor, spiCalendarTodayTextColor, Set, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(CalendarSelectedDayColor, SkinPropertyColor, spiCalendarSelectedDayColor, Set,
                       TSkinInheritedLook)
UX_SKIN_PROPERTY_COLOR(CalendarSelectedDayTextColor, SkinPropertyColor, spiCalendarSelectedDayTextColor, Set,
                       TSkinInheritedLook)
UX_SKIN_PROPERTY_COLOR(ControlBackgroundColor, SkinColor, sciContentColor, Present, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(ContainerFrameColor, SkinColor, sciContainerBorderColor, Present, TSkinInheritedLook)
UX_SKIN_PROPERTY_COLOR(PaneColor, SkinColor, sciContentColor, Present, TSkinInheritedLook)
UX_SKIN_PROPERTY_COLOR(NavigatorPaneColor, SkinPropertyColor, spiSchedulerNavigatorColor, Present, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(SelectionColor, SkinColor, sciSelectionColor, Present, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(SelectionTextColor, SkinColor, sciSelectionTextColor, Present, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(Office11GroupSeparatorColor, SkinPropertyColor, spiGroupRowOffice11SeparatorColor, Present,
                       TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(Office11GroupTextColor, SkinPropertyColor, spiGroupRowOffice11TextColor, Present,
                       TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(LayoutColor, SkinColor, sciLayoutControlColor, Present, TSkinDefaultLook)
UX_SKIN_PROPERTY_COLOR(CalculatorFaceColor, SkinColor, sciContentColor, Set, TSkinDefaultLook)
#undef UX_SKIN_PROPERTY_COLOR

vcl::TColor TuxSkinLookAndFeelPainter::FooterColor() const {
    return HeaderColor();
}

vcl::TColor TuxSkinLookAndFeelPainter::LinkColor() const {
    return HyperLinkTextColor();
}

vcl::TColor TuxSkinLookAndFeelPainter::FormContentColor() const {
    const TuxSkinElement* element = SkinElement(seiFormFormContent);
    if (element && element->Color() != vcl::clDefault) {
        return element->Color();
    }
    return TSkinDefaultLook::FormContentColor();
}

vcl::TColor TuxSkinLookAndFeelPainter::CalendarHeaderColor() const {
    return HeaderColor();
}

vcl::TColor TuxSkinLookAndFeelPainter::CalendarHeaderTextColor(bool /*accent*/) const {
    return HeaderTextColor();
}

vcl::TColor TuxSkinLookAndFeelPainter::CalendarSeparatorHighlightColor() const {
    return vcl::clNone;
}

vcl::TColor TuxSkinLookAndFeelPainter::EventTextColor() const {
    return AppointmentTextColor();
}

vcl::TColor TuxSkinLookAndFeelPainter::AltText2Color() const {
    return TimeGridHeaderTextColor();
}

vcl::TColor TuxSkinLookAndFeelPainter::Office11GroupRowColor(bool windowColor) const {
    return SkinColorIfPresent(SkinPropertyColor(spiGroupRowOffice11ContentColor),
                              TSkinDefaultLook::Office11GroupRowColor(windowColor));
}

vcl::TColor TuxSkinLookAndFeelPainter::FooterSeparatorColor() const {
    return GridLineColor();
}

vcl::TColor TuxSkinLookAndFeelPainter::NavigationButtonTextColor(bool isNext, TuiButtonState state,
                                                                 vcl::TColor color) const {
    const TuxSkinElement* element = SkinElement(isNext ? seiSchedulerNavButtonNext : seiSchedulerNavButtonPrev);
    if (!element) {
        return TSkinDefaultLook::NavigationButtonTextColor(isNext, state, color);
    }
    const vcl::TColor textColor = element->GetTextColor(state);
    return textColor == vcl::clDefault ? color : textColor;
}

vcl::TColor TuxSkinLookAndFeelPainter::ContainerBorderColorFor(bool highlighted) const {
    return SkinColorIfPresent(SkinColor(highlighted ? sciContainerHighlightBorderColor : sciContainerBorderColor),
                              TSkinDefaultLook::ContainerBorderColorFor(highlighted));
}

vcl::TColor TuxSkinLookAndFeelPainter::ProgressTextColorFor(bool overFilledPart) const {
    return SkinColorIfSet(
        SkinPropertyColor(overFilledPart ? spiProgressBarFilledTextColor : spiProgressBarEmptyTextColor),
        TSkinDefaultLook::ProgressTextColorFor(overFilledPart));
}

vcl::TColor TuxSkinLookAndFeelPainter::GroupCaptionTextColor(bool enabled,
                                                             TuiGroupCaptionPosition captionPosition) const {
    if (captionPosition == gcpNone) {
        return GroupTextColor();
    }
    if (const TuxSkinElement* element = SkinElement(SkinGroupElement(true, captionPosition))) {
        return element->TextColor();
    }
    return TSkinInheritedLook::GroupCaptionTextColor(enabled, captionPosition);
}

vcl::TColor TuxSkinLookAndFeelPainter::CalculatorTextColor(int32_t buttonKind) const {
    const TuxSkinInfo* info = SkinInfo();
    return SkinColorIfSet(info ? info->CalculatorColor(buttonKind) : nullptr,
                          TSkinDefaultLook::CalculatorTextColor(buttonKind));
}

vcl::TColor TuxSkinLookAndFeelPainter::ButtonGlyphColor(TuiButtonState state, vcl::TColor color) const {
    const TuxSkinElement* button = SkinElement(seiCommonButton);
    if (!button) {
        return TSkinInheritedLook::ButtonGlyphColor(state, color);
    }
    if (state == uibsDisabled) {
        return SkinColorIfPresent(SkinPropertyColor(spiButtonDisabledText), button->TextColor());
    }
    return button->TextColor();
}

// Sizes and flags.

int32_t TuxSkinLookAndFeelPainter::ButtonFrameWidth(TuiButtonState state) const {
    return SkinElement(seiCommonButton) ? 0 : TSkinUltraFlatLook::ButtonFrameWidth(state);
}

vcl::TRect TuxSkinLookAndFeelPainter::ButtonGroupFrameWidths(int32_t buttonCount, int32_t buttonIndex) const {
    TuxSkinElement* button = SkinElement(seiEditorsEditorButton);
    if (!button) {
        return TSkinUltraFlatLook::ButtonGroupFrameWidths(buttonCount, buttonIndex);
    }
    const vcl::TSize glyph = NavigatorGlyphSize();
    const vcl::TSize frame = SkinFrameSize(*button);
    const int32_t dx = (frame.cx - glyph.cx) / 2;
    const int32_t dy = (frame.cy - glyph.cy) / 2;
    return {dx, dy, dx, dy};
}

// The frame size of an element when it exists, else the fallback.
#define UX_SKIN_FRAME_SIZE(Type, Operation, Element, Part, Fallback)                                                   \
    Type TuxSkinLookAndFeelPainter::Operation() const {                                                                \
        if (TuxSkinElement* element = SkinElement(Element)) {                                                          \
            return SkinFrameSize(*element) Part;                                                                       \
        }                                                                                                              \
        return Fallback::Operation();                                                                                  \
    }
UX_SKIN_FRAME_SIZE(int32_t, ExpandBoxSize, seiGridPlusMinus, .cy, TSkinInheritedLook)
UX_SKIN_FRAME_SIZE(vcl::TSize, CheckBoxSize, seiEditorsCheckbox, , TSkinDefaultLook)
UX_SKIN_FRAME_SIZE(vcl::TSize, RadioGlyphSize, seiEditorsRadioButton, , TSkinDefaultLook)
UX_SKIN_FRAME_SIZE(vcl::TSize, SizeGripExtent, seiCommonSizeGrip, , TSkinDefaultLook)
UX_SKIN_FRAME_SIZE(vcl::TSize, EditButtonMinSize, seiEditorsEditorButton, , TSkinDefaultLook)
UX_SKIN_FRAME_SIZE(vcl::TSize, NavigatorGlyphSize, seiEditorsNavigator, , TSkinDefaultLook)
UX_SKIN_FRAME_SIZE(int32_t, TrackBarTrackWidth, seiEditorsTrackBarTrack, .cy, TSkinDefaultLook)
#undef UX_SKIN_FRAME_SIZE

// An element's content offset when it exists, else the fallback.
#define UX_SKIN_CONTENT_OFFSET(Operation, Element, Fallback)                                                           \
    vcl::TRect TuxSkinLookAndFeelPainter::Operation() const {                                                          \
        if (const TuxSkinElement* element = SkinElement(Element)) {                                                    \
            return element->ContentOffset();                                                                           \
        }                                                                                                              \
        return Fallback::Operation();                                                                                  \
    }
UX_SKIN_CONTENT_OFFSET(ProgressStripInsets, seiEditorsProgressBorder, TSkinInheritedLook)
UX_SKIN_CONTENT_OFFSET(PreviewPageInsets, seiPrintingSystemPageBorder, TSkinDefaultLook)
#undef UX_SKIN_CONTENT_OFFSET

int32_t TuxSkinLookAndFeelPainter::EtchedLineWidth() const {
    if (const TuxSkinElement* line = SkinElement(seiEditorsLabelLine)) {
        return line->MinSize().cy;
    }
    return TSkinDefaultLook::EtchedLineWidth();
}

TuiBorders TuxSkinLookAndFeelPainter::HeaderEdges(TuiBorders neighbours) const {
    TuiBorders edges = TSkinInheritedLook::HeaderEdges(neighbours);
    if (neighbours.Contains(bLeft)) {
        edges.Exclude(bLeft);
    }
    if (neighbours.Contains(bTop)) {
        edges.Exclude(bTop);
    }
    return edges;
}

bool TuxSkinLookAndFeelPainter::HasOpaqueHeaders() const {
    return false;
}

bool TuxSkinLookAndFeelPainter::IsHeaderOpaque() const {
    if (const TuxSkinElement* header = SkinElement(seiCommonHeader)) {
        return !header->IsAlphaUsed();
    }
    return TSkinDefaultLook::IsHeaderOpaque();
}

int32_t TuxSkinLookAndFeelPainter::FooterCellFrameWidth() const {
    if (const TuxSkinElement* cell = SkinElement(seiGridFooterCell)) {
        const vcl::TRect& offset = cell->ContentOffset();
        return std::max({offset.Left, offset.Top, offset.Right, offset.Bottom});
    }
    return TSkinUltraFlatLook::FooterCellFrameWidth();
}

bool TuxSkinLookAndFeelPainter::PaintsFooterCellsFirst() const {
    return false;
}

vcl::TSize TuxSkinLookAndFeelPainter::FilterCloseBoxSize() const {
    if (TuxSkinElement* close = SkinElement(seiEditorsCloseButton)) {
        return SkinFrameSize(*close);
    }
    return TSkinUltraFlatLook::FilterCloseBoxSize();
}

bool TuxSkinLookAndFeelPainter::IndicatorFlag() const {
    return true;
}

int32_t TuxSkinLookAndFeelPainter::ScrollBarThumbMinSize(bool vertical) const {
    const TuxSkinInfo* info = SkinInfo();
    const TuxSkinScrollInfo* thumb = info ? info->ScrollInfo(!vertical, sbpThumb) : nullptr;
    if (!thumb || !thumb->Element()) {
        return TSkinDefaultLook::ScrollBarThumbMinSize(vertical);
    }
    const vcl::TSize size = SkinFrameSize(*thumb->Element());
    return vertical ? size.cy : size.cx;
}

void TuxSkinLookAndFeelPainter::NavigationButtonLayout(bool isNext, bool textHidden, int32_t textExtent1,
                                                       int32_t textExtent2, vcl::TRect& bounds, vcl::TRect& textRect,
                                                       vcl::TRect& arrowRect) const {
    if (const TuxSkinElement* button = SkinElement(isNext ? seiSchedulerNavButtonNext : seiSchedulerNavButtonPrev)) {
        const int32_t width = button->MinSize().cx;
        if (width > 0 && bounds.Width() < width) {
            if (isNext) {
                bounds.Left = bounds.Right - width;
            } else {
                bounds.Right = bounds.Left + width;
            }
        }
    }
    TSkinDefaultLook::NavigationButtonLayout(isNext, textHidden, textExtent1, textExtent2, bounds, textRect, arrowRect);
}

void TuxSkinLookAndFeelPainter::NavigationButtonMetrics(bool isNext, vcl::TRect& borders, bool& hasTextArea,
                                                        vcl::TSize& arrowSize) const {
    const TuxSkinElement* button = SkinElement(isNext ? seiSchedulerNavButtonNext : seiSchedulerNavButtonPrev);
    TuxSkinElement* arrow = SkinElement(isNext ? seiSchedulerNavButtonNextArrow : seiSchedulerNavButtonPrevArrow);
    if (!button || !arrow) {
        TSkinDefaultLook::NavigationButtonMetrics(isNext, borders, hasTextArea, arrowSize);
        return;
    }
    borders = button->ContentOffset();
    arrowSize = SkinFrameSize(*arrow);
    hasTextArea = !button->Image().GetEmpty();
}

int32_t TuxSkinLookAndFeelPainter::EditButtonCaptionIndent() const {
    return 1;
}

vcl::TRect TuxSkinLookAndFeelPainter::ProgressFrameInsets(bool vertical) const {
    if (const TuxSkinElement* border =
            SkinElement(vertical ? seiEditorsProgressBorderVert : seiEditorsProgressBorder)) {
        return border->ContentOffset();
    }
    return TSkinDefaultLook::ProgressFrameInsets(vertical);
}

vcl::TRect TuxSkinLookAndFeelPainter::GroupFrameInsets(bool hasCaption, TuiGroupCaptionPosition captionPosition) const {
    if (const TuxSkinElement* element = SkinElement(SkinGroupElement(hasCaption, captionPosition))) {
        return element->ContentOffset();
    }
    return TSkinDefaultLook::GroupFrameInsets(hasCaption, captionPosition);
}

int32_t TuxSkinLookAndFeelPainter::GroupCaptionTailWidth(bool hasCaption,
                                                         TuiGroupCaptionPosition captionPosition) const {
    if (const TuxSkinElement* element = SkinElement(SkinGroupElement(hasCaption, captionPosition))) {
        return element->IsAlphaUsed() ? 1 : 0;
    }
    return TSkinDefaultLook::GroupCaptionTailWidth(hasCaption, captionPosition);
}

vcl::TSize TuxSkinLookAndFeelPainter::TrackBarThumbSize(bool horizontal) const {
    if (TuxSkinElement* thumb = SkinElement(horizontal ? seiEditorsTrackBarThumb : seiEditorsTrackBarThumbVert)) {
        return SkinFrameSize(*thumb);
    }
    return TSkinDefaultLook::TrackBarThumbSize(horizontal);
}

vcl::TSize TuxSkinLookAndFeelPainter::SplitterGripSize(bool horizontal) const {
    TuxSkinElement* splitter = SkinElement(horizontal ? seiCommonSplitterHorz : seiCommonSplitter);
    if (!splitter) {
        return TSkinInheritedLook::SplitterGripSize(horizontal);
    }
    const vcl::TSize frame = SkinFrameSize(*splitter);
    return {std::max(splitter->MinSize().cx, frame.cx), std::max(splitter->MinSize().cy, frame.cy)};
}

// Drawing.

void TuxSkinLookAndFeelPainter::PaintContentWithText(TuiCanvas& canvas, const vcl::TRect& /*rect*/,
                                                     const vcl::TRect& textRect, TuiButtonState /*state*/,
                                                     const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                     vcl::TFont* font, vcl::TColor textColor,
                                                     vcl::TColor /*backgroundColor*/, const TuiBackgroundHook& /*hook*/,
                                                     bool /*plain*/) const {
    DrawContentText(canvas, textRect, layout, text, font, textColor);
}

void TuxSkinLookAndFeelPainter::PaintFooterSeparator(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     TuiBorders edges) const {
    TuxSkinElement* panel = SkinElement(seiGridFooterPanel);
    if (!panel) {
        TSkinUltraFlatLook::PaintFooterSeparator(canvas, rect, edges);
        return;
    }
    const vcl::TRect& offset = panel->ContentOffset();
    const int32_t separator = FooterSeparatorWidth();
    TSkinClipScope clip(canvas);
    canvas.IntersectClipArea(rect);
    canvas.ExcludeClipArea(
        {rect.Left + offset.Left, rect.Top + separator, rect.Right - offset.Right, rect.Bottom - offset.Bottom});
    DrawElement(canvas, *panel,
                InflateRectSides(rect, edges.Contains(bLeft) ? 0 : offset.Left, edges.Contains(bTop) ? 0 : separator,
                                 edges.Contains(bRight) ? 0 : offset.Right,
                                 edges.Contains(bBottom) ? 0 : offset.Bottom));
}

void TuxSkinLookAndFeelPainter::PaintNavigationButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                      const vcl::TRect& arrowRect, bool isNext,
                                                      TuiButtonState state) const {
    TuxSkinElement* button = SkinElement(isNext ? seiSchedulerNavButtonNext : seiSchedulerNavButtonPrev);
    if (!button) {
        TSkinInheritedLook::PaintNavigationButton(canvas, rect, arrowRect, isNext, state);
        return;
    }
    {
        TSkinClipScope clip(canvas);
        canvas.IntersectClipArea(rect);
        DrawElement(canvas, *button, InflateRectSides(rect, isNext ? 0 : 1, 0, isNext ? 1 : 0, 0), 0,
                    SkinElementState(state));
    }
    if (TuxSkinElement* arrow = SkinElement(isNext ? seiSchedulerNavButtonNextArrow : seiSchedulerNavButtonPrevArrow)) {
        DrawElement(canvas, *arrow, arrowRect, 0, SkinElementState(state));
    }
}

void TuxSkinLookAndFeelPainter::PaintFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    if (const TuxSkinColor* border = SkinColor(sciContainerBorderColor)) {
        canvas.FrameRect(rect, border->Value());
        return;
    }
    TSkinInheritedLook::PaintFrame(canvas, rect);
}

void TuxSkinLookAndFeelPainter::PaintSeparatorLine(TuiCanvas& canvas, const vcl::TRect& rect, bool horizontal) const {
    PaintEtchedLine(canvas, CenteredBandRect(rect, 2, horizontal), vcl::clDefault, vcl::clDefault, !horizontal);
}

void TuxSkinLookAndFeelPainter::PaintButton(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView caption,
                                            TuiButtonState state, bool drawFrame, vcl::TColor faceColor,
                                            vcl::TColor textColor, bool wordWrap, bool toolButton) const {
    TuxSkinElement* button = SkinElement(seiCommonButton);
    if (!button) {
        TSkinDefaultLook::PaintButton(canvas, rect, caption, state, drawFrame, faceColor, textColor, wordWrap,
                                      toolButton);
        return;
    }
    DrawElement(canvas, *button, rect, 0, SkinElementState(state));
    vcl::TRect textRect = DeflateRectByMargins(rect, button->ContentOffset());
    if (textColor == vcl::clDefault) {
        textColor = ButtonGlyphColor(state, vcl::clDefault);
    }
    if (textRect.Height() % 2 != 0) {
        --textRect.Bottom;
    }
    if (textRect.Height() < 18) {
        --textRect.Top;
    }
    if (state == uibsPressed) {
        textRect = ShiftRect(textRect, PressedCaptionShift(), PressedCaptionShift());
    }
    if (caption.empty()) {
        return;
    }
    canvas.Font().SetColor(textColor);
    canvas.Brush().SetStyle(vcl::bsClear);
    canvas.DrawText(caption, textRect,
                    tfAlignHCenter | tfAlignVCenter | tfShowPrefix | (wordWrap ? tfWordBreak : tfSingleLine),
                    state != uibsDisabled);
    canvas.Brush().SetStyle(vcl::bsSolid);
}

void TuxSkinLookAndFeelPainter::PaintPlainButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                 int32_t /*buttonCount*/, int32_t /*buttonIndex*/,
                                                 vcl::TColor /*color*/) const {
    PaintEditButton(canvas, rect, 2, state, 1);
}

void TuxSkinLookAndFeelPainter::PaintGroupedButtonFrame(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/,
                                                        bool /*highlighted*/, bool /*dark*/) const {}

void TuxSkinLookAndFeelPainter::PaintExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                               vcl::TColor color) const {
    if (TuxSkinElement* box = SkinElement(seiGridPlusMinus)) {
        DrawElement(canvas, *box, rect, expanded ? 1 : 0);
        return;
    }
    TSkinInheritedLook::PaintExpandBox(canvas, rect, expanded, color);
}

void TuxSkinLookAndFeelPainter::PaintExpandChevronButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                         TuiRotationAngle /*rotation*/, bool up,
                                                         TuiButtonState /*state*/) const {
    PaintExpandBox(canvas, rect, up, vcl::clDefault);
}

void TuxSkinLookAndFeelPainter::PaintSmallExpandBox(TuiCanvas& canvas, const vcl::TRect& rect, bool expanded,
                                                    vcl::TColor borderColor, vcl::TColor fillColor) const {
    if (TuxSkinElement* box = SkinElement(seiGridPlusMinus)) {
        DrawElement(canvas, *box, rect, expanded ? 1 : 0);
        return;
    }
    TSkinInheritedLook::PaintSmallExpandBox(canvas, rect, expanded, borderColor, fillColor);
}

void TuxSkinLookAndFeelPainter::PaintCheckBox(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                              TuiCheckBoxState checkState) const {
    TuxSkinElement* box = SkinElement(seiEditorsCheckbox);
    if (!box || checkState > cbsGrayed) {
        TSkinDefaultLook::PaintCheckBox(canvas, rect, state, checkState);
        return;
    }
    DrawElement(canvas, *box, rect, checkState, SkinElementState(state));
}

void TuxSkinLookAndFeelPainter::PaintRadioGlyph(TuiCanvas& canvas, int32_t x, int32_t y, TuiButtonState state,
                                                bool checked, bool emphasisA, vcl::TColor backgroundColor,
                                                bool emphasisB) const {
    TuxSkinElement* radio = SkinElement(seiEditorsRadioButton);
    if (!radio) {
        TSkinDefaultLook::PaintRadioGlyph(canvas, x, y, state, checked, emphasisA, backgroundColor, emphasisB);
        return;
    }
    const vcl::TSize size = SkinFrameSize(*radio);
    const vcl::TRect glyph{x, y, x + size.cx, y + size.cy};
    if (backgroundColor != vcl::clDefault) {
        canvas.FillRectColor(glyph, backgroundColor);
    }
    DrawElement(canvas, *radio, glyph, checked ? 1 : 0, SkinElementState(state));
}

void TuxSkinLookAndFeelPainter::PaintEtchedLine(TuiCanvas& canvas, const vcl::TRect& rect, vcl::TColor shadowColor,
                                                vcl::TColor highlightColor, bool vertical) const {
    if (TuxSkinElement* line = SkinElement(vertical ? seiEditorsLabelLineVert : seiEditorsLabelLine)) {
        DrawElement(canvas, *line, rect);
        return;
    }
    TSkinDefaultLook::PaintEtchedLine(canvas, rect, shadowColor, highlightColor, vertical);
}

// The element reaches one pixel beyond every side without an edge, so that side's own frame falls outside the clip
// and neighbouring cells share one divider.
void TuxSkinLookAndFeelPainter::PaintHeaderCell(TuiCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& textRect,
                                                TuiBorders neighbours, TuiBorders edges, TuiButtonState state,
                                                const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                vcl::TFont* font, vcl::TColor textColor, vcl::TColor backgroundColor,
                                                const TuiBackgroundHook& hook, bool rightmost, bool special) const {
    TuxSkinElement* header = SkinElement(special ? seiCommonHeaderSpecial : seiCommonHeader);
    if (!header) {
        TSkinInheritedLook::PaintHeaderCell(canvas, rect, textRect, neighbours, edges, state, layout, text, font,
                                            textColor, backgroundColor, hook, rightmost, special);
        return;
    }
    TSkinClipScope clip(canvas);
    canvas.IntersectClipArea(rect);
    DrawElement(canvas, *header,
                InflateRectSides(rect, edges.Contains(bLeft) ? 0 : 1, edges.Contains(bTop) ? 0 : 1,
                                 edges.Contains(bRight) ? 0 : 1, edges.Contains(bBottom) ? 0 : 1),
                0, SkinElementState(state));
    PaintContentWithText(canvas, HeaderContentRect(rect, edges), textRect, state, layout, text, font, textColor,
                         backgroundColor, hook, false);
}

void TuxSkinLookAndFeelPainter::PaintHeaderCellPlain(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     const vcl::TRect& textRect, TuiBorders neighbours,
                                                     TuiBorders edges, TuiButtonState state,
                                                     const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                     vcl::TFont* font, vcl::TColor textColor,
                                                     vcl::TColor backgroundColor, bool rightmost, bool special) const {
    PaintHeaderCell(canvas, rect, textRect, neighbours, edges, state, layout, text, font, textColor, backgroundColor,
                    {}, rightmost, special);
}

void TuxSkinLookAndFeelPainter::PaintHeaderDivider(TuiCanvas& canvas, const vcl::TRect& bounds, int32_t indent,
                                                   vcl::TColor color, const TuiDrawParams& viewParams) const {
    if (const TuxSkinColor* background = SkinColor(sciHeaderBackgroundColor)) {
        canvas.FillRectColor(InflateRectBy(bounds, -indent, 0), background->Value());
        return;
    }
    TSkinDefaultLook::PaintHeaderDivider(canvas, bounds, indent, color, viewParams);
}

void TuxSkinLookAndFeelPainter::PaintGroupByBox(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent,
                                                vcl::TColor color, vcl::TBitmap* bitmap) const {
    if (TuxSkinElement* panel = SkinElement(seiGridGridGroupPanel)) {
        DrawElement(canvas, *panel, rect);
        return;
    }
    TSkinDefaultLook::PaintGroupByBox(canvas, rect, transparent, color, bitmap);
}

void TuxSkinLookAndFeelPainter::PaintLayoutRecordCaption(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side,
                                                         TuiButtonState state) const {
    TuxSkinElement* caption = SkinElement(SkinSideElement(SkinLayoutCaptionElements, side));
    if (!caption) {
        TSkinInheritedLook::PaintLayoutRecordCaption(canvas, rect, side, state);
        return;
    }
    TuxSkinElementState elementState = esNormal;
    if (state == uibsHot || state == uibsPressed) {
        elementState = esActive;
    } else if (state == uibsDisabled) {
        elementState = esDisabled;
    }
    DrawElement(canvas, *caption, rect, 0, elementState);
}

void TuxSkinLookAndFeelPainter::PaintLayoutRecordBody(TuiCanvas& canvas, const vcl::TRect& rect, int32_t side,
                                                      TuiButtonState state, TuiBorders edges) const {
    if (TuxSkinElement* body = SkinElement(SkinSideElement(SkinLayoutRecordElements, side))) {
        DrawElement(canvas, *body, rect);
        return;
    }
    TSkinDefaultLook::PaintLayoutRecordBody(canvas, rect, side, state, edges);
}

void TuxSkinLookAndFeelPainter::PaintLayoutExpandButton(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                        bool expanded) const {
    if (TuxSkinElement* button = SkinElement(seiGridLayoutViewRecordExpandButton)) {
        DrawElement(canvas, *button, rect, expanded ? 0 : 1, SkinElementState(state));
        return;
    }
    TSkinDefaultLook::PaintLayoutExpandButton(canvas, rect, state, expanded);
}

void TuxSkinLookAndFeelPainter::PaintFooterCellContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       const TuiTextLayout& layout, rtl::UnicodeStringView text,
                                                       vcl::TFont* font, vcl::TColor textColor,
                                                       vcl::TColor backgroundColor,
                                                       const TuiBackgroundHook& hook) const {
    if (TuxSkinElement* cell = SkinElement(seiGridFooterCell)) {
        DrawElement(canvas, *cell, rect);
    }
    TSkinDefaultLook::PaintFooterCellContent(canvas, rect, layout, text, font, textColor, backgroundColor, hook);
}

// Only the panel's right and bottom bands show.
void TuxSkinLookAndFeelPainter::PaintFooterFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    TuxSkinElement* panel = SkinElement(seiGridFooterPanel);
    if (!panel) {
        TSkinUltraFlatLook::PaintFooterFrame(canvas, rect);
        return;
    }
    const vcl::TRect& offset = panel->ContentOffset();
    TSkinClipScope clip(canvas);
    canvas.IntersectClipArea(rect);
    canvas.ExcludeClipArea({rect.Left, rect.Top, rect.Right - offset.Right, rect.Bottom - offset.Bottom});
    DrawElement(canvas, *panel, {rect.Left - offset.Left, rect.Top - 1, rect.Right, rect.Bottom});
}

void TuxSkinLookAndFeelPainter::PaintFooterCellFrame(TuiCanvas& canvas, const vcl::TRect& rect) const {
    if (!SkinElement(seiGridFooterCell)) {
        TSkinUltraFlatLook::PaintFooterCellFrame(canvas, rect);
    }
}

void TuxSkinLookAndFeelPainter::PaintFooterBackground(TuiCanvas& canvas, const vcl::TRect& rect,
                                                      const TuiDrawParams& viewParams) const {
    TuxSkinElement* panel = SkinElement(seiGridFooterPanel);
    if (!panel || (viewParams.Bitmap && !viewParams.Bitmap->Empty())) {
        TSkinDefaultLook::PaintFooterBackground(canvas, rect, viewParams);
        return;
    }
    const vcl::TRect& offset = panel->ContentOffset();
    TSkinClipScope clip(canvas);
    canvas.IntersectClipArea(rect);
    DrawElement(canvas, *panel,
                InflateRectSides(rect, offset.Left, FooterSeparatorWidth(), offset.Right, offset.Bottom));
}

void TuxSkinLookAndFeelPainter::PaintFilterCloseBox(TuiCanvas& canvas, const vcl::TRect& rect,
                                                    TuiButtonState state) const {
    if (TuxSkinElement* close = SkinElement(seiEditorsCloseButton)) {
        DrawElement(canvas, *close, rect, 0, SkinElementState(state));
        return;
    }
    TSkinDefaultLook::PaintFilterCloseBox(canvas, rect, state);
}

void TuxSkinLookAndFeelPainter::PaintFilterDropDown(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                    bool active) const {
    if (TuxSkinElement* button = SkinElement(active ? seiGridFilterButtonActive : seiGridFilterButton)) {
        DrawElement(canvas, *button, rect, 0, SkinElementState(state));
        return;
    }
    TSkinInheritedLook::PaintFilterDropDown(canvas, rect, state, active);
}

void TuxSkinLookAndFeelPainter::PaintFilterBoxBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool transparent,
                                                         vcl::TColor color, vcl::TBitmap* bitmap) const {
    if (TuxSkinElement* panel = SkinElement(seiGridGridFilterPanel)) {
        DrawElement(canvas, *panel, rect);
        return;
    }
    TSkinDefaultLook::PaintFilterBoxBackground(canvas, rect, transparent, color, bitmap);
}

void TuxSkinLookAndFeelPainter::PaintWindowFace(TuiCanvas& canvas, const vcl::TRect& rect) const {
    if (const TuxSkinElement* content = SkinElement(seiFormFormContent)) {
        canvas.FillRectColor(rect, content->Color());
        return;
    }
    TSkinDefaultLook::PaintWindowFace(canvas, rect);
}

void TuxSkinLookAndFeelPainter::PaintIndicatorCustomizeMark(TuiCanvas& canvas, const vcl::TRect& rect,
                                                            vcl::TColor color) const {
    if (TuxSkinElement* images = SkinElement(seiGridIndicatorImages)) {
        DrawElement(canvas, *images, CenterSizeInRect(rect, SkinFrameSize(*images)), 2);
        return;
    }
    TSkinDefaultLook::PaintIndicatorCustomizeMark(canvas, rect, color);
}

void TuxSkinLookAndFeelPainter::PaintIndicatorGlyph(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind) const {
    static constexpr int32_t imageOfKind[] = {0, 1, 2, 0, 0};
    TuxSkinElement* images = SkinElement(seiGridIndicatorImages);
    // The high bit marks the row; it takes no part in the glyph.
    kind &= 127;
    if (!images || kind > 5) {
        TSkinDefaultLook::PaintIndicatorGlyph(canvas, rect, kind);
        return;
    }
    if (kind != 0) {
        DrawElement(canvas, *images, CenterSizeInRect(rect, SkinFrameSize(*images)), imageOfKind[kind - 1]);
    }
}

void TuxSkinLookAndFeelPainter::PaintIndicatorCell(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind,
                                                   vcl::TColor backgroundColor, const TuiBackgroundHook& hook) const {
    const vcl::TRect cell = InflateRectSides(rect, 0, HeaderFrameWidth(), 0, 0);
    PaintHeaderCell(canvas, cell, cell, {}, HeaderEdges({bTop, bBottom}), uibsNormal, {}, {}, nullptr, vcl::clNone,
                    backgroundColor, hook, false, false);
    PaintIndicatorGlyph(canvas, rect, kind);
}

void TuxSkinLookAndFeelPainter::PaintIndicatorCellPlain(TuiCanvas& canvas, const vcl::TRect& rect, int32_t kind,
                                                        vcl::TColor backgroundColor) const {
    PaintIndicatorCell(canvas, rect, kind, backgroundColor, {});
}

void TuxSkinLookAndFeelPainter::PaintScrollBarBackground(TuiCanvas& canvas, const vcl::TRect& rect,
                                                         bool horizontal) const {
    const TuxSkinInfo* info = SkinInfo();
    const TuxSkinScrollInfo* page = info ? info->ScrollInfo(horizontal, sbpPageUp) : nullptr;
    if (!page || !page->Element()) {
        TSkinDefaultLook::PaintScrollBarBackground(canvas, rect, horizontal);
        return;
    }
    page->Element()->ChangeCaching(true);
    DrawElement(canvas, *page->Element(), rect);
}

void TuxSkinLookAndFeelPainter::PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect,
                                                      TuiScrollBarPart part, TuiButtonState state) const {
    const TuxSkinInfo* info = SkinInfo();
    const TuxSkinScrollInfo* scroll = info ? info->ScrollInfo(horizontal, part) : nullptr;
    if (!scroll || !scroll->Element()) {
        TSkinInheritedLook::PaintScrollBarElement(canvas, horizontal, rect, part, state);
        return;
    }
    if ((part == sbpPageUp || part == sbpPageDown) && state == uibsNormal) {
        return;
    }
    scroll->DrawWithState(canvas.Handle(), rect, SkinElementState(state));
}

void TuxSkinLookAndFeelPainter::PaintSizeGrip(TuiCanvas& canvas, const vcl::TRect& rect, int32_t corner,
                                              vcl::TColor backgroundColor) const {
    TuxSkinElement* grip = SkinElement(seiCommonSizeGrip);
    if (!grip) {
        TSkinDefaultLook::PaintSizeGrip(canvas, rect, corner, backgroundColor);
        return;
    }
    canvas.FillRectColor(rect, backgroundColor);
    DrawElement(canvas, *grip, rect);
}

void TuxSkinLookAndFeelPainter::PaintProgressStrip(TuiCanvas& canvas, const vcl::TRect& bounds,
                                                   const vcl::TRect& progressRect, const TuiDrawParams& viewParams,
                                                   bool frameOnly) const {
    TuxSkinElement* border = SkinElement(seiEditorsProgressBorder);
    TuxSkinElement* chunk = SkinElement(seiEditorsProgressChunk);
    if (!border || !chunk) {
        TSkinDefaultLook::PaintProgressStrip(canvas, bounds, progressRect, viewParams, frameOnly);
        return;
    }
    DrawElement(canvas, *border, bounds);
    DrawElement(canvas, *chunk, progressRect);
}

void TuxSkinLookAndFeelPainter::PaintNavigatorButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     TuiButtonState state) const {
    if (TuxSkinElement* button = SkinElement(seiEditorsEditorButton)) {
        DrawElement(canvas, *button, rect, 0, SkinElementState(state));
        return;
    }
    TSkinInheritedLook::PaintNavigatorButton(canvas, rect, state);
}

// Buttons on the right-hand side have a non-zero position; with merged borders a button covers the editor's frame on
// its outer side and above and below.
void TuxSkinLookAndFeelPainter::PaintEditButton(TuiCanvas& canvas, const vcl::TRect& rect, int32_t buttonKind,
                                                TuiButtonState state, int32_t position) const {
    TuxSkinElement* close = SkinElement(seiEditorsCloseButton);
    TuxSkinElement* editor = SkinElement(seiEditorsEditorButton);
    if (!close || !editor || buttonKind < 0 || buttonKind >= SkinEditButtonKinds) {
        TSkinDefaultLook::PaintEditButton(canvas, rect, buttonKind, state, position);
        return;
    }
    TSkinClipScope clip(canvas);
    canvas.IntersectClipArea(rect);
    TuxSkinElement& face = buttonKind == 0 ? *close : *editor;
    const bool merged = SkinInfo()->MergeBorders();
    const bool rightHand = position != 0;
    vcl::TRect faceRect = rect;
    if (merged) {
        faceRect = InflateRectSides(rect, rightHand ? 0 : 1, 1, rightHand ? 1 : 0, 1);
    }
    DrawElement(canvas, face, faceRect, 0, SkinElementState(state));
    const vcl::TRect& offset = face.ContentOffset();
    vcl::TRect content = DeflateRectByMargins(faceRect, offset);
    if (merged) {
        if (rightHand) {
            content.Right += offset.Right - 1;
        } else {
            content.Left -= offset.Left - 1;
        }
    }
    if (buttonKind == SkinEllipsisButtonKind) {
        const int32_t side = content.Width() >= 12 ? 2 : 1;
        const vcl::TRect row = CenterRectInRect(content, 3 * side + 4, side);
        for (int32_t dot = 0; dot < 3; ++dot) {
            const int32_t left = row.Left + dot * (side + 2);
            canvas.FillRectColor({left, row.Top, left + side, row.Top + side}, editor->TextColor());
        }
        return;
    }
    if (TuxSkinElement* glyph = SkinElement(SkinEditButtonGlyphs[static_cast<size_t>(buttonKind)])) {
        glyph->Glyph().Draw(canvas.Handle(), content, 0, esNormal);
    }
}

void TuxSkinLookAndFeelPainter::PaintHeaderPanel(TuiCanvas& canvas, vcl::TRect& rect) const {
    rect = InflateRectSides(rect, 1, 0, 1, 0);
    PaintHeaderCell(canvas, rect, rect, {}, {}, uibsNormal, {}, {}, nullptr, vcl::clNone, vcl::clDefault, {}, false,
                    false);
}

void TuxSkinLookAndFeelPainter::PaintProgressFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool vertical) const {
    if (TuxSkinElement* border = SkinElement(vertical ? seiEditorsProgressBorderVert : seiEditorsProgressBorder)) {
        DrawElement(canvas, *border, rect);
        return;
    }
    TSkinDefaultLook::PaintProgressFrame(canvas, rect, vertical);
}

void TuxSkinLookAndFeelPainter::PaintProgressChunk(TuiCanvas& canvas, const vcl::TRect& rect, bool vertical) const {
    if (TuxSkinElement* chunk = SkinElement(vertical ? seiEditorsProgressChunkVert : seiEditorsProgressChunk)) {
        DrawElement(canvas, *chunk, rect);
        return;
    }
    TSkinDefaultLook::PaintProgressChunk(canvas, rect, vertical);
}

void TuxSkinLookAndFeelPainter::PaintGroupBoxBackground(TuiCanvas& canvas, const vcl::TRect& rect,
                                                        const vcl::TRect& captionRect) const {
    if (TuxSkinElement* panel = SkinElement(seiCommonGroupPanelNoBorder)) {
        DrawElement(canvas, *panel, captionRect);
        return;
    }
    TSkinDefaultLook::PaintGroupBoxBackground(canvas, rect, captionRect);
}

void TuxSkinLookAndFeelPainter::PaintGroupBoxCaption(TuiCanvas& canvas, const vcl::TRect& rect,
                                                     TuiGroupCaptionPosition captionPosition) const {
    if (TuxSkinElement* caption = SkinElement(SkinGroupElement(true, captionPosition))) {
        DrawElement(canvas, *caption, rect);
        return;
    }
    TSkinDefaultLook::PaintGroupBoxCaption(canvas, rect, captionPosition);
}

// The plain face fills the box, then the frame element draws only its bands on the sides in borders.
void TuxSkinLookAndFeelPainter::PaintGroupBoxCaptionText(TuiCanvas& canvas, const vcl::TRect& rect,
                                                         TuiGroupCaptionPosition captionPosition,
                                                         TuiBorders borders) const {
    TuxSkinElement* frame = SkinElement(SkinGroupElement(false, captionPosition));
    TuxSkinElement* face = SkinElement(seiCommonGroupPanelNoBorder);
    if (!frame || !face) {
        TSkinDefaultLook::PaintGroupBoxCaptionText(canvas, rect, captionPosition, uiAllBorders);
        return;
    }
    if (IsRectEmptyArea(rect)) {
        return;
    }
    TSkinClipScope clip(canvas);
    canvas.IntersectClipArea(rect);
    const vcl::TRect& offset = frame->ContentOffset();
    const TuxSkinBorders& bands = frame->Borders();
    auto inset = [&](TuiBorder side, int32_t contentOffset, TuxSkinBorderSide band) {
        return borders.Contains(side) ? contentOffset + bands.Side(band).Thin() : 0;
    };
    const vcl::TRect inner{rect.Left + inset(bLeft, offset.Left, sbLeft), rect.Top + inset(bTop, offset.Top, sbTop),
                           rect.Right - inset(bRight, offset.Right, sbRight),
                           rect.Bottom - inset(bBottom, offset.Bottom, sbBottom)};
    DrawElement(canvas, *face, rect);
    canvas.ExcludeClipArea(inner);
    DrawElement(canvas, *frame, rect);
}

void TuxSkinLookAndFeelPainter::PaintGroupFrame(TuiCanvas& canvas, const vcl::TRect& rect, bool /*highlighted*/,
                                                TuiGroupCaptionPosition captionPosition, TuiBorders borders) const {
    PaintGroupBoxCaptionText(canvas, rect, captionPosition, borders);
}

// A panel's face is the skin's borderless group face.
void TuxSkinLookAndFeelPainter::PaintPanelFace(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state) const {
    if (TuxSkinElement* face = SkinElement(seiCommonGroupPanelNoBorder)) {
        DrawElement(canvas, *face, rect);
        return;
    }
    TSkinDefaultLook::PaintPanelFace(canvas, rect, state);
}

void TuxSkinLookAndFeelPainter::PaintGroupPanel(TuiCanvas& canvas, const vcl::TRect& rect) const {
    TuxSkinElement* panel = SkinElement(seiCommonGroupPanel);
    if (!panel) {
        TSkinDefaultLook::PaintGroupPanel(canvas, rect);
        return;
    }
    TSkinClipScope clip(canvas);
    canvas.ExcludeClipArea(DeflateRectByMargins(rect, panel->ContentOffset()));
    DrawElement(canvas, *panel, rect);
}

void TuxSkinLookAndFeelPainter::PaintTrackBarTrack(TuiCanvas& canvas, const vcl::TRect& rect,
                                                   const vcl::TRect& selectionRect, bool showSelection, bool variant,
                                                   bool horizontal, vcl::TColor color) const {
    TuxSkinElement* track = SkinElement(horizontal ? seiEditorsTrackBarTrack : seiEditorsTrackBarTrackVert);
    if (!track) {
        TSkinDefaultLook::PaintTrackBarTrack(canvas, rect, selectionRect, showSelection, variant, horizontal, color);
        return;
    }
    const int32_t imageIndex = variant ? 0 : 2;
    DrawElement(canvas, *track, rect, imageIndex);
    if (showSelection) {
        DrawElement(canvas, *track, selectionRect, imageIndex + 1);
    }
}

void TuxSkinLookAndFeelPainter::PaintTrackBarThumb(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                   bool horizontal, int32_t shape, vcl::TColor color) const {
    static constexpr std::array<TuxSkinElementId, 3> horizontalThumbs{
        seiEditorsTrackBarThumbUp, seiEditorsTrackBarThumb, seiEditorsTrackBarThumbBoth};
    static constexpr std::array<TuxSkinElementId, 3> verticalThumbs{
        seiEditorsTrackBarThumbVertUp, seiEditorsTrackBarThumbVert, seiEditorsTrackBarThumbVertBoth};
    if (TuxSkinElement* thumb = SkinElement(SkinSideElement(horizontal ? horizontalThumbs : verticalThumbs, shape))) {
        DrawElement(canvas, *thumb, rect, 0, SkinElementState(state));
        return;
    }
    TSkinDefaultLook::PaintTrackBarThumb(canvas, rect, state, horizontal, shape, color);
}

void TuxSkinLookAndFeelPainter::PaintSplitter(TuiCanvas& canvas, const vcl::TRect& rect, bool highlighted,
                                              bool horizontal) const {
    if (TuxSkinElement* splitter = SkinElement(horizontal ? seiCommonSplitterHorz : seiCommonSplitter)) {
        DrawElement(canvas, *splitter, rect, 0, highlighted ? esHot : esNormal);
        return;
    }
    TSkinDefaultLook::PaintSplitter(canvas, rect, highlighted, horizontal);
}

void TuxSkinLookAndFeelPainter::PaintLayoutBackground(TuiCanvas& canvas, const vcl::TRect& rect) const {
    canvas.FillRectColor(rect, LayoutColor());
}

void TuxSkinLookAndFeelPainter::PaintPreviewBackground(TuiCanvas& canvas, const vcl::TRect& rect) const {
    TuxSkinElement* background = SkinElement(seiPrintingSystemPreviewBackground);
    if (!background) {
        TSkinUltraFlatLook::PaintPreviewBackground(canvas, rect);
        return;
    }
    background->ChangeCaching(true);
    DrawElement(canvas, *background, rect);
}

void TuxSkinLookAndFeelPainter::PaintLayoutItemFace(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                                    TuiBorders borders) const {
    TuxSkinElement* item = SkinElement(seiGridLayoutViewItem);
    if (!item) {
        TSkinDefaultLook::PaintLayoutItemFace(canvas, rect, state, borders);
        return;
    }
    if (state != uibsNormal) {
        DrawElement(canvas, *item, rect, 0, SkinElementState(state));
        return;
    }
    if (borders.IsEmpty()) {
        return;
    }
    // The sides without a border push the element's frame out of the clip.
    const vcl::TRect& margins = item->Image().Margins();
    TSkinClipScope clip(canvas);
    canvas.IntersectClipArea(rect);
    DrawElement(canvas, *item,
                InflateRectSides(rect, borders.Contains(bLeft) ? 0 : margins.Left,
                                 borders.Contains(bTop) ? 0 : margins.Top, borders.Contains(bRight) ? 0 : margins.Right,
                                 borders.Contains(bBottom) ? 0 : margins.Bottom));
}

void TuxSkinLookAndFeelPainter::PaintMonthTitle(TuiCanvas& canvas, const vcl::TRect& rect, rtl::UnicodeStringView text,
                                                TuiBorders neighbours, const TuiDrawParams& viewParams, int32_t arrows,
                                                int32_t arrowOffset, const TuiBackgroundHook& hook) const {
    const TuiTextLayout centred{vcl::taCenter, vaCenter, false, false};
    PaintHeaderCell(canvas, rect, rect, neighbours, HeaderEdges(neighbours), uibsNormal, centred, text, viewParams.Font,
                    CalendarHeaderTextColor(false), viewParams.Color, hook, false, false);
    PaintMonthTitleArrows(canvas, rect, arrows, arrowOffset);
}

namespace {

// A point at angle (radians, clockwise from three o'clock) and factor of the radii from the centre, rounded half to
// even.
vcl::TPoint SkinClockPoint(double cx, double cy, double rx, double ry, double angle) {
    return {static_cast<int32_t>(std::nearbyint(cx + rx * std::cos(angle))),
            static_cast<int32_t>(std::nearbyint(cy + ry * std::sin(angle)))};
}

// A hand: a filled four-point shape from its tip through its two sides and its tail.
void PaintSkinClockHand(TuiCanvas& canvas, double cx, double cy, double rx, double ry, double angle, double width,
                        double tail, double tip, vcl::TColor color) {
    constexpr double pi = std::numbers::pi;
    const double half = width / 2;
    const vcl::TPoint points[] = {
        SkinClockPoint(cx, cy, tip * rx, tip * ry, angle),
        SkinClockPoint(cx, cy, half, half, angle + pi / 2),
        SkinClockPoint(cx, cy, tail * rx, tail * ry, angle + pi),
        SkinClockPoint(cx, cy, half, half, angle + 3 * pi / 2),
    };
    const vcl::TColor teal = vcl::clTeal;
    canvas.SetPixel(points[0].X, points[0].Y, teal);
    canvas.Pen().SetColor(teal);
    canvas.Brush().SetColor(color);
    canvas.BeginPath();
    canvas.Polygon(points);
    canvas.EndPath();
    FillPath(canvas.Handle());
}

} // namespace

void TuxSkinLookAndFeelPainter::PaintClockFace(TuiCanvas& canvas, const vcl::TRect& rect, double time,
                                               vcl::TColor backgroundColor) const {
    TuxSkinElement* face = SkinElement(seiEditorsClockFace);
    TuxSkinElement* glass = SkinElement(seiEditorsClockGlass);
    if (!face || !glass || IsRectEmptyArea(rect)) {
        TSkinDefaultLook::PaintClockFace(canvas, rect, time, backgroundColor);
        return;
    }
    TuiBitmap32 bitmap(rect.Width(), rect.Height());
    TuiCanvas& target = bitmap.Canvas();
    const vcl::TRect area = bitmap.GetClientRect();
    target.FillRectColor(area, backgroundColor);
    face->Draw(target.Handle(), area);

    const double dayFraction = time - std::floor(time);
    const int32_t seconds = static_cast<int32_t>(std::lround(dayFraction * 86400)) % 86400;
    const int32_t h = seconds / 3600;
    const int32_t m = seconds / 60 % 60;
    const int32_t s = seconds % 60;
    constexpr double pi = std::numbers::pi;
    const double cx = (area.Left + area.Right) / 2;
    const double cy = (area.Top + area.Bottom) / 2;
    const double rx = area.Width() / 2.0 - 2;
    const double ry = area.Height() / 2.0 - 2;
    const vcl::TColor handColor = face->TextColor();
    PaintSkinClockHand(target, cx, cy, rx, ry, ((h % 12) * 3600 + m * 60 + s - 10800) * 2 * pi / 43200, 9, 0.15, 0.75,
                       handColor);
    PaintSkinClockHand(target, cx, cy, rx, ry, (m * 60 + s - 900) * 2 * pi / 3600, 7, 0.2, 0.85, handColor);
    const vcl::TPoint secondTip = SkinClockPoint(cx, cy, 0.9 * rx, 0.9 * ry, (s - 15) * 2 * pi / 60);
    target.Pen().SetColor(handColor);
    target.MoveTo(static_cast<int32_t>(cx), static_cast<int32_t>(cy));
    target.LineTo(secondTip.X, secondTip.Y);

    glass->Draw(target.Handle(), area);
    BitBltRect(canvas.Handle(), target.Handle(), rect, {0, 0}, SRCCOPY);
}

void TuxSkinLookAndFeelPainter::PaintNavigatorGlyph(TuiCanvas& canvas, vcl::TCustomImageList* images,
                                                    int32_t imageIndex, int32_t buttonIndex, const vcl::TRect& rect,
                                                    bool enabled, bool userGlyphs) const {
    TuxSkinElement* element = SkinElement(seiEditorsNavigator);
    TuxSkinElement* vertical = SkinElement(seiEditorsNavigatorVert);
    if (!element || !vertical || userGlyphs || imageIndex < 0) {
        TSkinDefaultLook::PaintNavigatorGlyph(canvas, images, imageIndex, buttonIndex, rect, enabled, userGlyphs);
        return;
    }
    int32_t index = imageIndex;
    if (index >= element->ImageCount()) {
        index -= element->ImageCount();
        element = vertical;
    }
    if (enabled) {
        DrawElement(canvas, *element, rect, index);
        return;
    }
    if (IsRectEmptyArea(rect)) {
        return;
    }
    // Disabled: every pixel grey by (blue + green + red + 2 alpha) / 5, its alpha kept.
    TuiAlphaBitmap bitmap(rect.Width(), rect.Height());
    bitmap.Clear();
    element->Draw(bitmap.Canvas().Handle(), bitmap.GetClientRect(), index);
    TRGBColors pixels;
    bitmap.GetBitmapColors(pixels);
    for (uint32_t& pixel : pixels) {
        const uint32_t alpha = pixel >> 24;
        const uint32_t grey = ((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF) + 2 * alpha) / 5;
        pixel = (alpha << 24) | (grey << 16) | (grey << 8) | grey;
    }
    bitmap.SetBitmapColors(pixels);
    AlphaBlendAlphaBitmap(canvas.Handle(), bitmap, rect, bitmap.GetClientRect(), false, 255);
}

void TuxSkinLookAndFeelPainter::PaintGroupBoxExpandButton(TuiCanvas& canvas, const vcl::TRect& rect,
                                                          TuiRotationAngle rotation, bool up,
                                                          TuiButtonState state) const {
    TuxSkinElement* button = SkinElement(seiCommonGroupExpandButton);
    if (!button) {
        TSkinDefaultLook::PaintGroupBoxExpandButton(canvas, rect, rotation, up, state);
        return;
    }
    const int32_t imageIndex = up ? 0 : 1;
    if (rotation == TuiRotationAngle::None) {
        DrawElement(canvas, *button, rect, imageIndex, SkinElementState(state));
        return;
    }
    if (IsRectEmptyArea(rect)) {
        return;
    }
    // Drawn upright into a bitmap of the turned size, then turned into place.
    const bool quarterTurn = rotation != TuiRotationAngle::HalfTurn;
    TuiAlphaBitmap bitmap(quarterTurn ? rect.Height() : rect.Width(), quarterTurn ? rect.Width() : rect.Height());
    bitmap.Clear();
    button->Draw(bitmap.Canvas().Handle(), bitmap.GetClientRect(), imageIndex, SkinElementState(state));
    bitmap.Rotate(rotation);
    AlphaBlendAlphaBitmap(canvas.Handle(), bitmap, rect, bitmap.GetClientRect(), false, 255);
}

void TuxSkinLookAndFeelPainter::PaintPreviewPage(TuiCanvas& canvas, const vcl::TRect& pageRect, bool fillContent,
                                                 bool selected, const vcl::TRect& contentRect) const {
    TuxSkinElement* border = SkinElement(seiPrintingSystemPageBorder);
    if (!border) {
        TSkinDefaultLook::PaintPreviewPage(canvas, pageRect, fillContent, selected, contentRect);
        return;
    }
    TSkinClipScope clip(canvas);
    if (fillContent) {
        canvas.FillRectColor(contentRect, vcl::clWhite);
    }
    canvas.ExcludeClipArea(contentRect);
    DrawElement(canvas, *border, pageRect, 0, selected ? esActive : esNormal);
}

} // namespace ui
