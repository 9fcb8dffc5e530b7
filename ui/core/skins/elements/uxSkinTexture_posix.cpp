#include "ui/core/skins/elements/uxSkinTexture.h"
#include "ui/core/skins/stream/uxSkinStreamIO.h"
#include "ui/core/skins/texts/uxSkinsCoreStrs.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace ui {

namespace {

// The PNG signature and the start of the IHDR chunk that must follow it (ISO/IEC 15948, 5.2 and 11.2.2).
constexpr std::string_view PngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr std::string_view IhdrStart("\0\0\0\x0dIHDR", 8);
constexpr size_t PngHeaderSize = 24;

int32_t BigEndian32(const uint8_t* bytes) {
    return static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3]);
}

} // namespace

struct TuxSkinTexture::TData {
    std::vector<uint8_t> Png;
    vcl::TSize Size;
};

TuxSkinTexture::TuxSkinTexture() : FData(std::make_unique<TData>()) {}

TuxSkinTexture::~TuxSkinTexture() = default;

void TuxSkinTexture::LoadFromStream(rtl::TStream& stream) {
    const int64_t size = stream.Size() - stream.Position();
    std::vector<uint8_t> png(static_cast<size_t>(std::max<int64_t>(size, 0)));
    stream.ReadBuffer(png.data(), static_cast<int32_t>(png.size()));
    if (png.empty()) {
        Clear();
        return;
    }
    if (png.size() < PngHeaderSize || std::memcmp(png.data(), PngSignature.data(), 8) != 0 ||
        std::memcmp(png.data() + 8, IhdrStart.data(), 8) != 0) {
        throw EuxSkin(LoadResStringText(suxSkinTextureNotPng));
    }
    const vcl::TSize pictureSize{BigEndian32(png.data() + 16), BigEndian32(png.data() + 20)};
    if (pictureSize.cx <= 0 || pictureSize.cy <= 0) {
        throw EuxSkin(LoadResStringText(suxSkinTextureNotPng));
    }
    FData->Png = std::move(png);
    FData->Size = pictureSize;
}

void TuxSkinTexture::SaveToStream(rtl::TStream& stream) const {
    stream.WriteBuffer(FData->Png.data(), static_cast<int32_t>(FData->Png.size()));
}

void TuxSkinTexture::Assign(const TuxSkinTexture& source) {
    if (&source != this) {
        *FData = *source.FData;
    }
}

void TuxSkinTexture::Clear() {
    *FData = {};
}

bool TuxSkinTexture::Empty() const {
    return FData->Png.empty();
}

vcl::TSize TuxSkinTexture::Size() const {
    return FData->Size;
}

bool TuxSkinTexture::SamePicture(const TuxSkinTexture& other) const {
    return FData->Png == other.FData->Png;
}

bool SkinTexturesAvailable() {
    return true;
}

void PrepareSkinTextures() {}

} // namespace ui
