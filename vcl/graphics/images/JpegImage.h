#pragma once
// TJPEGImage: a JPEG picture. It keeps the compressed data as read (or as compressed from a bitmap) and the decoded
// pixels as a bitmap; reading decodes at once, so that damaged data raises EInvalidGraphic while loading, and saving
// writes the compressed data unchanged. The codec is libjpeg-turbo; its errors and warnings (a truncated file among
// them) become EInvalidGraphic, never the end of the process.

#include "vcl/graphics/images/Bitmap.h"

#include <memory>
#include <vector>

namespace vcl {

// A JPEG picture.
class TJPEGImage : public TGraphic {
    RTL_DECLARE_CLASS(TJPEGImage, TGraphic)
public:
    TJPEGImage();
    ~TJPEGImage() override;

    void Assign(const rtl::TPersistent* source) override;
    void Draw(TCanvas& canvas, const TRect& rect) override;
    bool Empty() const override { return FBitmap->Empty(); }
    int32_t Width() const override { return FBitmap->Width(); }
    int32_t Height() const override { return FBitmap->Height(); }
    // The size follows the picture: these do nothing.
    void SetWidth(int32_t) override {}
    void SetHeight(int32_t) override {}

    // Quality 1..100 of the next compression (90 at first).
    int32_t CompressionQuality() const { return FCompressionQuality; }
    void SetCompressionQuality(int32_t quality);
    bool Grayscale() const { return FGrayscale; }
    // Compresses the pixels (again) with the current quality.
    void Compress();
    // Makes sure the compressed data exists (compressing the pixels when they changed).
    void JPEGNeeded();
    // The decoded pixels (24-bit).
    const TBitmap& Bitmap() const { return *FBitmap; }

    void LoadFromStream(rtl::TStream& stream) override;
    void SaveToStream(rtl::TStream& stream) override;
    void LoadFromClipboardFormat(uint16_t format, void* data) override;
    void SaveToClipboardFormat(uint16_t& format, void*& data) override;

protected:
    void AssignTo(rtl::TPersistent& dest) const override;

private:
    std::unique_ptr<TBitmap> FBitmap;
    std::vector<uint8_t> FData; // the compressed picture; empty while it has to be made from the pixels
    int32_t FCompressionQuality = 90;
    bool FGrayscale = false;
};

// Decodes a JPEG file into a 24-bit bitmap; EInvalidGraphic for damaged data. Grayscale tells what the data held.
void DecodeJpeg(const std::vector<uint8_t>& data, TBitmap& bitmap, bool& grayscale);
// Compresses a bitmap (read as 24-bit rows) at quality 1..100.
std::vector<uint8_t> EncodeJpeg(TBitmap& bitmap, int32_t quality);

} // namespace vcl
