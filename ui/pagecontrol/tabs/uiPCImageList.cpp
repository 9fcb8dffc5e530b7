#include "ui/pagecontrol/tabs/uiPCImageList.h"

#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/pagecontrol/tabs/uiPCStrs.h"
#include "vcl/imagelists/ImageList.h"

namespace ui {

namespace {

constexpr char16_t ImageListClassName[] = u"TuiPCImageList";

bool IsQuarterTurn(TuiRotationAngle angle) {
    return angle == TuiRotationAngle::CounterClockwise || angle == TuiRotationAngle::Clockwise;
}

} // namespace

TuiPCImageList::TuiPCImageList()
    : FChangeLink(std::make_unique<vcl::TChangeLink>()),
      FFreeNotificator(std::make_unique<TuiFreeNotificator>(nullptr)) {
    FChangeLink->SetOnChange([this](rtl::TObject*) { BaseImagesChanged(); });
    FFreeNotificator->SetOnFreeNotification([this](rtl::TComponent* component) {
        if (component == FBaseImages) {
            FBaseImages = nullptr;
            BaseImagesChanged();
        }
    });
}

TuiPCImageList::~TuiPCImageList() {
    FOnChange = nullptr;
    SetBaseImages(nullptr);
}

void TuiPCImageList::SetBaseImages(vcl::TCustomImageList* value) {
    if (value == FBaseImages) {
        return;
    }
    if (FBaseImages) {
        FBaseImages->UnRegisterChanges(*FChangeLink);
        FFreeNotificator->UnwatchComponent(FBaseImages);
    }
    FBaseImages = value;
    if (FBaseImages) {
        FBaseImages->RegisterChanges(*FChangeLink);
        FFreeNotificator->WatchComponent(FBaseImages);
    }
    BaseImagesChanged();
}

void TuiPCImageList::SetRotation(TuiRotationAngle value) {
    FRotation = value;
    BaseImagesChanged();
}

vcl::TSize TuiPCImageList::GetImageSize() const {
    if (!FBaseImages || FBaseImages->Width() <= 0 || FBaseImages->Height() <= 0) {
        return {0, 0};
    }
    if (IsQuarterTurn(FRotation)) {
        return {FBaseImages->Height(), FBaseImages->Width()};
    }
    return {FBaseImages->Width(), FBaseImages->Height()};
}

void TuiPCImageList::BaseImagesChanged() {
    ResetRotatedImages();
    if (FOnChange) {
        FOnChange(nullptr);
    }
}

void TuiPCImageList::ResetRotatedImages() {
    FRotatedImages.clear();
    if (FBaseImages && FRotation != TuiRotationAngle::None) {
        FRotatedImages.resize(static_cast<size_t>(FBaseImages->Count()));
    }
}

void TuiPCImageList::Draw(TuiCanvas& canvas, int32_t x, int32_t y, int32_t index, bool enabled,
                          vcl::TColor background) {
    if (!FBaseImages) {
        RaisePCError(ImageListClassName, u"Draw", suiPCNoBaseImages);
    }
    const int32_t count = FBaseImages->Count();
    if (index < 0 || index >= count) {
        RaisePCError(ImageListClassName, u"Draw", suiPCImageListIndexError, {index, count - 1});
    }
    if (FRotation != TuiRotationAngle::None) {
        canvas.DrawGraphic(x, y, RotatedImage(index, enabled, background));
        return;
    }
    if (background != vcl::clNone) {
        canvas.FillRectColor({x, y, x + FBaseImages->Width(), y + FBaseImages->Height()}, background);
    }
    FBaseImages->Draw(canvas.Canvas(), x, y, index, enabled);
}

TuiBitmap32& TuiPCImageList::RotatedImage(int32_t index, bool enabled, vcl::TColor background) {
    if (FRotatedImages.size() != static_cast<size_t>(FBaseImages->Count())) {
        ResetRotatedImages();
    }
    TRotatedImage& image = FRotatedImages[static_cast<size_t>(index)];
    if (image.Valid && image.Background == background && image.Enabled == enabled) {
        return *image.Bitmap;
    }
    image.Bitmap = std::make_unique<TuiBitmap32>(FBaseImages->Width(), FBaseImages->Height());
    image.Bitmap->Canvas().FillRectColor(image.Bitmap->GetClientRect(), background);
    FBaseImages->Draw(image.Bitmap->Canvas().Canvas(), 0, 0, index, enabled);
    image.Bitmap->Rotate(FRotation);
    image.Background = background;
    image.Enabled = enabled;
    image.Valid = true;
    return *image.Bitmap;
}

} // namespace ui
