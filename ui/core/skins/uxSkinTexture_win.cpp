#include "ui/core/gdiplus/uxGdiPlusAPI.h"
#include "ui/core/gdiplus/uxGdiPlusClasses.h"
#include "ui/core/skins/uxSkinTexture.h"

namespace ui {

struct TuxSkinTexture::TData {
    TuxPNGImage Picture;
};

TuxSkinTexture::TuxSkinTexture() : FData(std::make_unique<TData>()) {}

TuxSkinTexture::~TuxSkinTexture() = default;

void TuxSkinTexture::LoadFromStream(rtl::TStream& stream) {
    if (stream.Size() - stream.Position() <= 0) {
        Clear();
        return;
    }
    FData->Picture.SetImage(TuxGPImage::CreateFromStream(stream));
    CheckGdipSuccess(!FData->Picture.Empty());
}

void TuxSkinTexture::SaveToStream(rtl::TStream& stream) const {
    FData->Picture.SaveToStream(stream);
}

void TuxSkinTexture::Assign(const TuxSkinTexture& source) {
    FData->Picture.Assign(&source.FData->Picture);
}

void TuxSkinTexture::Clear() {
    FData->Picture.SetImage(nullptr);
}

bool TuxSkinTexture::Empty() const {
    return FData->Picture.Empty();
}

vcl::TSize TuxSkinTexture::Size() const {
    return {FData->Picture.Width(), FData->Picture.Height()};
}

bool TuxSkinTexture::SamePicture(const TuxSkinTexture& other) const {
    return FData->Picture.SameImage(other.FData->Picture);
}

TuxPNGImage& TuxSkinTexture::Picture() const {
    return FData->Picture;
}

bool SkinTexturesAvailable() {
    return IsGdiPlusAvailable();
}

void PrepareSkinTextures() {
    if (IsGdiPlusAvailable()) {
        EnsurePngEncoder();
    }
}

} // namespace ui
