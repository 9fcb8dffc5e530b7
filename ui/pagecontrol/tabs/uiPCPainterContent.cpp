// The painter base's drawing of a tab's image and caption: where they go along and across the tab (the styles'
// margins, the image band, a caption shortened to the room left, aligned rotated captions) and how they are drawn.

#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/pagecontrol/tabs/uiPCImageList.h"
#include "ui/pagecontrol/tabs/uiPCPainter.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <algorithm>
#include <utility>

namespace ui {

namespace {

// The ellipsis DrawText leaves of a caption that starts with an accelerator and keeps nothing else.
constexpr char16_t BareAcceleratorEllipsis[] = u"&...";

// The width of one line of text as DrawText draws it (an accelerator's "&" takes no room).
int32_t CaptionWidth(TuiCanvas& canvas, rtl::UnicodeStringView text) {
    canvas.Canvas().RequireFont();
    RECT rect{0, 0, 0, 0};
    DrawTextW(canvas.Handle(), reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE);
    return rect.right - rect.left;
}

// The caption shortened with an end ellipsis to width.
rtl::UnicodeString ShortenedCaption(TuiCanvas& canvas, rtl::UnicodeStringView text, int32_t width) {
    canvas.Canvas().RequireFont();
    // DrawText writes the shortened text over the buffer and may need four more characters for it.
    std::u16string buffer(text);
    buffer.append(4, u'\0');
    RECT rect{0, 0, std::max(width, 0), 100};
    DrawTextW(canvas.Handle(), reinterpret_cast<wchar_t*>(buffer.data()), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    return rtl::UnicodeString(buffer.c_str());
}

// Places rect's band of size across the tab line between the margins, centred.
void PlaceAcross(vcl::TRect& rect, const vcl::TRect& margins, int32_t size, TuiPCTextDirection direction) {
    switch (direction) {
    case tdHorizontal: {
        const int32_t free = (rect.Bottom - margins.Bottom) - (rect.Top + margins.Top) - size;
        rect.Top += margins.Top + free / 2;
        rect.Bottom = rect.Top + size;
        break;
    }
    case tdBottomToTop: {
        const int32_t free = (rect.Right - margins.Bottom) - (rect.Left + margins.Top) - size;
        rect.Left += margins.Top + free / 2;
        rect.Right = rect.Left + size;
        break;
    }
    case tdTopToBottom: {
        rect.Left += margins.Bottom;
        rect.Right -= margins.Top;
        const int32_t free = rect.Right - rect.Left - size;
        rect.Right -= free / 2;
        rect.Left = rect.Right - size;
        break;
    }
    }
}

// Sets rect's edges along the tab line.
void PlaceAlong(vcl::TRect& rect, int32_t from, int32_t to, bool horizontal) {
    if (horizontal) {
        rect.Left = from;
        rect.Right = to;
    } else {
        rect.Top = from;
        rect.Bottom = to;
    }
}

TuiRotationAngle CaptionTurn(TuiPCTextDirection direction) {
    return direction == tdTopToBottom ? TuiRotationAngle::Clockwise : TuiRotationAngle::CounterClockwise;
}

} // namespace

int32_t TuiPCCustomPainter::MeasureCaption(TuiTab& tab) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    FControl.PrepareMeasuringFont(tab, canvas);
    return CaptionWidth(canvas, tab.Caption());
}

int32_t TuiPCCustomPainter::AlignmentOffset(int32_t available, int32_t length) const {
    const TuiCustomTabControl& control = FControl;
    if (!control.Rotate() || control.TabWidth() > 0 || control.MaxRotatedTabWidth() > 0) {
        return (available - length) / 2;
    }
    const int32_t widest = control.WidestRotatedCaptionWidth();
    switch (control.TabCaptionAlignment()) {
    case vcl::taLeftJustify:
        return (available - widest) / 2;
    case vcl::taRightJustify:
        return widest + (available - widest) / 2 - length;
    default:
        return (available - length) / 2;
    }
}

void TuiPCCustomPainter::CalculateTabImageAndTextRects(int32_t visibleIndex) {
    const TuiCustomTabControl& control = FControl;
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const bool native = IsNativePainting();
    vcl::TRect bounds = tab.GetFullRect();
    if (native) {
        bounds = control.IsVerticalText() ? vcl::TRect{0, 0, bounds.Height(), bounds.Width()}
                                          : vcl::TRect{0, 0, bounds.Width(), bounds.Height()};
    }
    const TuiPCTextDirection direction = native ? tdHorizontal : control.TextDirection();
    const int32_t sideKind = tab.TextSideKind();
    const TuiPCPainterMetaclass& painterClass = ClassType();
    const bool down = IsTabDown(visibleIndex);

    vcl::TRect imageMargins = GetImageOffsets(visibleIndex);
    vcl::TRect textMargins = GetTextOffsets(visibleIndex);
    for (vcl::TRect* margins : {&imageMargins, &textMargins}) {
        if (painterClass.ShiftsDownTabContent()) {
            if (direction == tdTopToBottom ? !down : down) {
                ++margins->Top;
                --margins->Bottom;
            }
        } else if (control.Rotate()) {
            margins->Top = 0;
            margins->Bottom = 0;
        }
        if (painterClass.OffsetsFollowTabSide() && (sideKind == 5 || sideKind == 7 || sideKind == 10)) {
            std::swap(margins->Top, margins->Bottom);
        }
    }

    TuiCanvas& canvas = ParentInfo().Canvas();
    const vcl::TSize imageSize = GetImageSize();
    const bool hasImage = IsTabImageVisible(visibleIndex);
    vcl::TRect image = bounds;
    vcl::TRect text = bounds;
    PlaceAcross(image, imageMargins, imageSize.cy, direction);
    PlaceAcross(text, textMargins, canvas.GetTextHeight(u"Zg"), direction);

    const bool horizontal = direction == tdHorizontal;
    const bool backward = direction == tdBottomToTop;
    const int32_t nearEdge = horizontal ? bounds.Left : bounds.Top;
    const int32_t farEdge = horizontal ? bounds.Right : bounds.Bottom;
    const int32_t border = control.ImageBorder();
    const bool rotatedWithImages = HasImages() && control.Rotate();
    const int32_t band = hasImage || rotatedWithImages ? imageSize.cx + 2 * border + GetImageTextDistance() : 0;

    TuiPCTabContentData& data = FTabContentData;
    data.Caption = tab.Caption();
    if (data.Caption.empty()) {
        data.TextRect = {};
        if (!hasImage) {
            data.ImageRect = {};
            return;
        }
        TuiPCDistances center = GetImageCenterOffsets(visibleIndex);
        if (native && (sideKind == 2 || sideKind == 9 || sideKind == 12)) {
            std::swap(center.First, center.Second);
        }
        if (painterClass.ShiftsDownTabContent() && down) {
            const int32_t shift = backward ? -1 : 1;
            center.First += shift;
            center.Second -= shift;
        }
        const int32_t free = farEdge - nearEdge - center.First - center.Second - imageSize.cx;
        const int32_t start =
            backward ? farEdge - center.First - free / 2 - imageSize.cx : nearEdge + center.First + free / 2;
        PlaceAlong(image, start, start + imageSize.cx, horizontal);
        data.ImageRect = image;
        return;
    }

    TuiPCDistances content = GetContentOffsets(visibleIndex);
    int32_t captionWidth = CaptionWidth(canvas, data.Caption);
    const bool compact = captionWidth > farEdge - nearEdge - content.First - content.Second - band;
    if (compact) {
        content = GetCompactContentOffsets(visibleIndex);
        const int32_t room = farEdge - nearEdge - content.First - content.Second - band;
        data.Caption = ShortenedCaption(canvas, tab.Caption(), room);
        captionWidth = CaptionWidth(canvas, data.Caption);
        if (captionWidth > room || data.Caption == BareAcceleratorEllipsis) {
            captionWidth = 0;
            data.Caption.clear();
        }
    }
    const int32_t length = band + captionWidth;
    if (length <= 0) {
        data.ImageRect = {};
        data.TextRect = {};
        return;
    }
    const int32_t room = farEdge - nearEdge - content.First - content.Second;
    const int32_t sign = backward ? -1 : 1;
    int32_t position = backward ? farEdge - content.First : nearEdge + content.First;
    if (!compact && !rotatedWithImages) {
        position += sign * AlignmentOffset(room, length);
    }
    if (hasImage) {
        const int32_t a = position + sign * border;
        const int32_t b = a + sign * imageSize.cx;
        PlaceAlong(image, std::min(a, b), std::max(a, b), horizontal);
        data.ImageRect = image;
    } else {
        data.ImageRect = {};
    }
    position += sign * band;
    if (!compact && rotatedWithImages) {
        const int32_t available =
            backward ? position - (nearEdge + content.Second) : farEdge - content.Second - position;
        position += sign * AlignmentOffset(available, captionWidth);
    }
    const int32_t end = position + sign * captionWidth;
    PlaceAlong(text, std::min(position, end), std::max(position, end), horizontal);
    data.TextRect = captionWidth > 0 ? text : vcl::TRect{};
}

void TuiPCCustomPainter::DrawTabContent(TuiTab& tab, int32_t visibleIndex) {
    FTabContentData.VisibleIndex = visibleIndex;
    FControl.PrepareTabFont(tab, ParentInfo().Canvas());
    SetTabImageAndTextRects(visibleIndex);
    // A tab of no colour of its own (clDefault) has its background painted by its painter before its content.
    const vcl::TColor tabColor = GetTabColor(visibleIndex);
    const vcl::TColor background = tabColor == vcl::clDefault ? vcl::clNone : tabColor;
    DrawTabImage(tab, background);
    DrawTabCaption(tab, visibleIndex, background);
    if (!IsNativePainting()) {
        ExcludeTabContent(visibleIndex);
    }
}

void TuiPCCustomPainter::DrawTabImage(TuiTab& tab, vcl::TColor background) {
    const int32_t imageIndex = FControl.GetTabImageIndex(tab.Index());
    if (imageIndex == -1 || FTabContentData.ImageRect.IsEmpty()) {
        return;
    }
    const vcl::TPoint at = FTabContentData.ImageRect.TopLeft();
    if (IsNativePainting() && tab.PaintBitmap()) {
        FControl.ImageList().Draw(tab.PaintBitmap()->Canvas(), at.X, at.Y, imageIndex, tab.IsEnabled(), vcl::clNone);
        return;
    }
    FControl.ImageList().Draw(ParentInfo().Canvas(), at.X, at.Y, imageIndex, tab.IsEnabled(), background);
}

void TuiPCCustomPainter::DrawTabCaption(TuiTab& tab, int32_t visibleIndex, vcl::TColor background) {
    const vcl::TRect& rect = FTabContentData.TextRect;
    if (rect.IsEmpty()) {
        return;
    }
    TuiCanvas& canvas = ParentInfo().Canvas();
    if (IsNativePainting() && tab.PaintBitmap()) {
        TuiCanvas& target = tab.PaintBitmap()->Canvas();
        target.SetFont(canvas.Font());
        target.Brush().SetStyle(vcl::bsClear);
        DrawTabText(target, FTabContentData.Caption, visibleIndex, rect);
        return;
    }
    if (FControl.IsVerticalText()) {
        DrawVerticalCaption(tab, visibleIndex, background);
        return;
    }
    canvas.FillRectColor(rect, background);
    canvas.Brush().SetStyle(vcl::bsClear);
    DrawTabText(canvas, FTabContentData.Caption, visibleIndex, rect);
    canvas.Brush().SetStyle(vcl::bsSolid);
}

// A rotated caption is drawn upright into a bitmap once, turned, and kept with the tab until the tab or the layout
// changes.
void TuiPCCustomPainter::DrawVerticalCaption(TuiTab& tab, int32_t visibleIndex, vcl::TColor background) {
    const vcl::TRect& rect = FTabContentData.TextRect;
    TuiCanvas& canvas = ParentInfo().Canvas();
    const TuiBitmap32* cached = tab.VerticalTextBitmap();
    if (!cached || cached->Width() != rect.Width() || cached->Height() != rect.Height()) {
        auto bitmap = std::make_unique<TuiBitmap32>(rect.Height(), rect.Width());
        bitmap->Canvas().FillRectColor(bitmap->GetClientRect(), background);
        DrawTextBitmapBackground(*bitmap, visibleIndex);
        bitmap->Canvas().SetFont(canvas.Font());
        bitmap->Canvas().Brush().SetStyle(vcl::bsClear);
        DrawTabText(bitmap->Canvas(), FTabContentData.Caption, visibleIndex, bitmap->GetClientRect());
        bitmap->Rotate(CaptionTurn(FControl.TextDirection()));
        tab.SetVerticalTextBitmap(std::move(bitmap));
    }
    canvas.DrawGraphic(rect.Left, rect.Top, *tab.VerticalTextBitmap());
}

void TuiPCCustomPainter::ExcludeTabContent(int32_t visibleIndex) {
    TuiRegion content(FTabContentData.ImageRect);
    content.CombineWith(TuiRegion(FTabContentData.TextRect), TuiRegionOperation::Union);
    const std::unique_ptr<TuiRegion> tabRegion = GetTabClipRegion(visibleIndex);
    tabRegion->CombineWith(content, GetTabClipOperation(visibleIndex));
    ParentInfo().Canvas().SetClipRegion(*tabRegion, TuiRegionOperation::Difference);
}

} // namespace ui
