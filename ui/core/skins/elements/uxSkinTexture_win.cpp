#include "ui/core/gdiplus/uxGdiPlusAPI.h"
#include "ui/core/gdiplus/uxGdiPlusClasses.h"
#include "ui/core/skins/elements/uxSkinTexture.h"
#include "ui/core/skins/stream/uxSkinStreamIO.h"
#include "ui/core/skins/texts/uxSkinsCoreStrs.h"

namespace ui {

struct TuxSkinTexture::TData {
    TuxPNGImage Picture;
};

TuxSkinTexture::TuxSkinTexture() : FData(std::make_unique<TData>()) {}

TuxSkinTexture::~TuxSkinTexture() = default;

// The picture is kept as 32-bit ARGB pixels whatever the PNG's colour type: Wine's GDI+ draws a 1-bit indexed PNG in
// its first palette colour alone, while the 32-bit copy draws alike everywhere, and drawing needs no conversion.
void TuxSkinTexture::LoadFromStream(rtl::TStream& stream) {
    if (stream.Size() - stream.Position() <= 0) {
        Clear();
        return;
    }
    std::unique_ptr<TuxGPImage> image;
    try {
        image = TuxGPImage::CreateFromStream(stream);
        TRGBColors pixels;
        image->GetBits(pixels);
    } catch (const EuxGdipException&) {
        image.reset();
    }
    if (!image || !image->HasHandle()) {
        throw EuxSkin(LoadResStringText(suxSkinTextureNotPng));
    }
    FData->Picture.SetImage(std::move(image));
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
