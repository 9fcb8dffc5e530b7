#include "ui/editors/image/uiImageViewInfo.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/editors/image/uiImagePictureValue.h"
#include "ui/editors/image/uiImageProperties.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Picture.h"

namespace ui {

namespace {

// The caption: centred both ways on one line.
constexpr uint16_t CaptionTextFlags = tfAlignHCenter | tfAlignVCenter | tfSingleLine;

bool CoversRect(const vcl::TRect& outer, const vcl::TRect& inner) {
    return outer.Left <= inner.Left && outer.Top <= inner.Top && outer.Right >= inner.Right &&
           outer.Bottom >= inner.Bottom;
}

} // namespace

TuiImageViewInfo::TuiImageViewInfo() = default;

TuiImageViewInfo::~TuiImageViewInfo() = default;

void TuiImageViewInfo::ShowPicture(vcl::TPicture* picture) {
    FPicture = picture;
    if (picture != FOwnedPicture.get()) {
        FOwnedPicture.reset();
    }
}

vcl::TPicture& TuiImageViewInfo::OwnPicture() {
    if (!FOwnedPicture || FPicture != FOwnedPicture.get()) {
        FOwnedPicture = std::make_unique<vcl::TPicture>();
        FPicture = FOwnedPicture.get();
    }
    return *FOwnedPicture;
}

bool TuiImageViewInfo::HasPicture() const {
    return FPicture != nullptr && !IsPictureEmpty(*FPicture);
}

bool TuiImageViewInfo::RepaintOnStateChange() const {
    return !HasPicture() && !Caption.empty();
}

// At its size from the client rectangle's corner, fitted to it (in proportion, or stretched over it), then centred or
// scrolled by the offsets.
vcl::TRect TuiImageViewInfo::PictureRect() const {
    const vcl::TRect& client = ClientRect;
    const int32_t width = FPicture != nullptr ? FPicture->Width() : 0;
    const int32_t height = FPicture != nullptr ? FPicture->Height() : 0;
    const bool fitted = Stretch || (Proportional && (width > client.Width() || height > client.Height()));
    vcl::TRect rect{client.Left, client.Top, client.Left + width, client.Top + height};
    if (fitted) {
        rect = Proportional ? FitRectToProportion(client, width, height) : client;
    }
    if (Center) {
        return ShiftRect(rect, (client.Width() - rect.Width()) / 2, (client.Height() - rect.Height()) / 2);
    }
    return ShiftRect(rect, -HorzOffset, -VertOffset);
}

void TuiImageViewInfo::PaintContent(TuiCanvas& canvas) {
    const vcl::TRect client = ClientRect;
    if (!HasPicture()) {
        DrawEditBackgroundAndButtons(canvas, true);
        if (!Caption.empty()) {
            DrawCaption(canvas);
        }
        if (ShowFocusRect) {
            canvas.DrawFocusRect(client);
        }
        return;
    }
    canvas.PushClipRegion();
    canvas.ExcludeClipArea(client);
    DrawEditBackgroundAndButtons(canvas, true);
    canvas.PopClipRegion();

    canvas.PushClipRegion();
    if (ShowFocusRect) {
        canvas.SetBrushColor(BackgroundColor);
        canvas.DrawFocusRect(client);
        canvas.IntersectClipArea(InflateRectBy(client, -1, -1));
    } else {
        canvas.IntersectClipArea(client);
    }
    const vcl::TRect target = PictureRect();
    DrawPicture(canvas, target);
    if (!CoversRect(target, client) && !Transparent) {
        canvas.ExcludeClipArea(target);
        canvas.FillRectColor(client, BackgroundColor);
    }
    canvas.PopClipRegion();
}

void TuiImageViewInfo::DrawCaption(TuiCanvas& canvas) {
    if (Font != nullptr) {
        canvas.SetFont(*Font);
    }
    canvas.Font().SetColor(TextColor);
    canvas.Brush().SetStyle(vcl::bsClear);
    canvas.DrawText(Caption, ClientRect, CaptionTextFlags, true);
}

// A transparent graphic is drawn onto its background in a buffer first, so that the picture does not flicker; when
// the buffer cannot be had, straight onto the background.
void TuiImageViewInfo::DrawPicture(TuiCanvas& canvas, const vcl::TRect& target) {
    vcl::TGraphic& graphic = *FPicture->Graphic();
    if (Transparent || !graphic.Transparent()) {
        canvas.Canvas().StretchDraw(target, graphic);
        return;
    }
    try {
        if (!FBuffer) {
            FBuffer = std::make_unique<vcl::TBitmap>();
        }
        FBuffer->SetWidth(target.Width());
        FBuffer->SetHeight(target.Height());
        FBuffer->Canvas().Brush().SetColor(BackgroundColor);
        FBuffer->Canvas().FillRect({0, 0, target.Width(), target.Height()});
        FBuffer->Canvas().StretchDraw({0, 0, target.Width(), target.Height()}, graphic);
        canvas.DrawGraphic(target.Left, target.Top, *FBuffer);
    } catch (const rtl::Exception&) {
        FBuffer.reset();
        canvas.FillRectColor(ClientRect, BackgroundColor);
        canvas.Canvas().StretchDraw(target, graphic);
    }
}

} // namespace ui
