#include "vcl/graphics/images/JpegImage.h"

#include "rtl/io/Streams.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <limits>

namespace vcl {

namespace {

constexpr int64_t MaxJpegFileSize = 256 * 1024 * 1024;

} // namespace

TJPEGImage::TJPEGImage() : FBitmap(std::make_unique<TBitmap>()) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::SetCompressionQuality(int32_t quality) {
    FCompressionQuality = std::clamp(quality, 1, 100);
}

void TJPEGImage::Compress() {
    FData = FBitmap->Empty() ? std::vector<uint8_t>{} : EncodeJpeg(*FBitmap, FCompressionQuality);
}

void TJPEGImage::JPEGNeeded() {
    if (FData.empty() && !FBitmap->Empty()) {
        Compress();
    }
}

void TJPEGImage::Assign(const rtl::TPersistent* source) {
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
        if (jpeg != this) {
            FBitmap->Assign(jpeg->FBitmap.get());
            FData = jpeg->FData;
            FGrayscale = jpeg->FGrayscale;
            FCompressionQuality = jpeg->FCompressionQuality;
            Changed();
        }
        return;
    }
    // A bitmap gives the pixels; they are compressed when the data is needed.
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        FBitmap->Assign(bitmap);
        FBitmap->SetPixelFormat(pf24bit);
        FData.clear();
        FGrayscale = false;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(rtl::TPersistent& dest) const {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&dest)) {
        bitmap->Assign(FBitmap.get());
        return;
    }
    TGraphic::AssignTo(dest);
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) {
    FBitmap->Draw(canvas, rect);
}

void TJPEGImage::LoadFromStream(rtl::TStream& stream) {
    const int64_t remaining = stream.Size() - stream.Position();
    if (remaining <= 0 || remaining > MaxJpegFileSize) {
        throw EInvalidGraphic(u"JPEG error: the data is empty or too large");
    }
    std::vector<uint8_t> data(static_cast<size_t>(remaining));
    stream.ReadBuffer(data.data(), static_cast<int32_t>(data.size()));
    TBitmap decoded;
    bool grayscale = false;
    DecodeJpeg(data, decoded, grayscale);
    FBitmap->Assign(&decoded);
    FData = std::move(data);
    FGrayscale = grayscale;
    Changed();
}

void TJPEGImage::SaveToStream(rtl::TStream& stream) {
    JPEGNeeded();
    if (!FData.empty()) {
        stream.WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
    }
}

// On the clipboard a JPEG image is a bitmap.
void TJPEGImage::LoadFromClipboardFormat(uint16_t format, void* data) {
    TBitmap bitmap;
    bitmap.LoadFromClipboardFormat(format, data);
    Assign(&bitmap);
}

void TJPEGImage::SaveToClipboardFormat(uint16_t& format, void*& data) {
    FBitmap->SaveToClipboardFormat(format, data);
}

} // namespace vcl
