#include "vcl/extctrls/Image.h"

#include "vcl/graphics/images/Picture.h"

namespace vcl {

TImage::TImage(rtl::TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    FPicture->SetOnChange([this](rtl::TObject*) { PictureChanged(); });
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
    FPicture->SetOnChange(nullptr);
}

void TImage::SetPicture(const TPicture& value) {
    FPicture->Assign(&value);
}

void TImage::SetStretch(bool value) {
    SetOption(FStretch, value);
}

void TImage::SetCenter(bool value) {
    SetOption(FCenter, value);
}

void TImage::SetTransparent(bool value) {
    SetOption(FTransparent, value);
}

void TImage::SetOption(bool& option, bool value) {
    if (value != option) {
        option = value;
        PictureChanged();
    }
}

// The graphic takes the image's transparency first; the change that this makes comes back here and is let pass. A
// stretched opaque picture covers the whole control, so the parent need not paint behind it.
void TImage::PictureChanged() {
    if (FApplyingTransparency) {
        return;
    }
    TGraphic* graphic = FPicture->Graphic();
    if (graphic) {
        FApplyingTransparency = true;
        graphic->SetTransparent(FTransparent);
        FApplyingTransparency = false;
    }
    const bool opaque = graphic && !graphic->Empty() && !graphic->Transparent() && FStretch;
    SetControlStyle(opaque ? ControlStyle() + TControlStyle{csOpaque} : ControlStyle() - TControlStyle{csOpaque});
    if (AutoSize()) {
        AdjustSize();
    }
    Invalidate();
}

TRect TImage::DestRect() const {
    if (FStretch) {
        return ClientRect();
    }
    const int32_t width = FPicture->Width();
    const int32_t height = FPicture->Height();
    if (FCenter) {
        return Bounds((ClientWidth() - width) / 2, (ClientHeight() - height) / 2, width, height);
    }
    return Bounds(0, 0, width, height);
}

void TImage::Paint() {
    if (TGraphic* graphic = FPicture->Graphic()) {
        Canvas().StretchDraw(DestRect(), *graphic);
    }
}

bool TImage::CanAutoSize(int32_t& newWidth, int32_t& newHeight) {
    if (FPicture->Width() <= 0 || FPicture->Height() <= 0) {
        return false;
    }
    newWidth = FPicture->Width();
    newHeight = FPicture->Height();
    return true;
}

} // namespace vcl
