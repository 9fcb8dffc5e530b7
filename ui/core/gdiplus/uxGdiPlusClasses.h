#pragma once
// Pictures over GDI+. TuxGPImage holds one GDI+ bitmap, made from a framework bitmap, from 32-bit premultiplied pixels
// (which it keeps for as long as GDI+ reads from them) or from a stream (any format GDI+ decodes, or a BMP read by the
// framework); it draws itself with a constant alpha and saves itself as PNG. TuxPNGImage is the graphic class built on
// it that the picture registry knows as "PNG" while GDI+ is available: the skins' element images and any picture
// property load PNG files through it.

#include "rtl/io/Streams.h"
#include "ui/core/gdiplus/uxGdiPlusAPI.h"
#include "ui/core/graphics/uiPixelOps.h"
#include "vcl/graphics/images/Graphic.h"

#include <memory>
#include <optional>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

class TuxGPImage {
public:
    // An image without a bitmap.
    TuxGPImage() = default;
    ~TuxGPImage();
    TuxGPImage(const TuxGPImage&) = delete;
    TuxGPImage& operator=(const TuxGPImage&) = delete;

    // The bitmap's pixels, read top-down; with alpha when it has more than 31 bits per pixel, else opaque.
    static std::unique_ptr<TuxGPImage> CreateFromBitmap(vcl::TBitmap& bitmap);
    // width x height premultiplied pixels, rows top-down; without alpha every pixel is made opaque.
    static std::unique_ptr<TuxGPImage> CreateFromBits(int32_t width, int32_t height, TRGBColors bits, bool hasAlpha);
    // The image at the stream's position: a BMP through the framework's bitmap, anything else decoded by GDI+; an
    // empty image without GDI+ or when fewer than 14 bytes remain.
    static std::unique_ptr<TuxGPImage> CreateFromStream(rtl::TStream& stream);

    GpImage* Handle() const { return FHandle.Get(); }
    bool HasHandle() const { return static_cast<bool>(FHandle); }
    // Disposes the GDI+ bitmap and what it read from.
    void FreeHandle();
    // GDI+ decodes the stream from its position to its end.
    void LoadFromStream(rtl::TStream& stream);
    // Takes the pixels (width x height of them at least, else EuxGdipException) and makes the bitmap from them.
    void SetBits(int32_t width, int32_t height, TRGBColors bits, bool hasAlpha);
    void SetFromBitmap(vcl::TBitmap& bitmap);
    // The image in PNG form, written at the stream's position.
    void SaveAsPNG(rtl::TStream& stream);
    void DrawImage(GpGraphics* graphics, const vcl::TRect& destRect, const vcl::TRect& sourceRect, uint8_t alpha);
    // A copy with pixels of its own.
    std::unique_ptr<TuxGPImage> Clone() const;
    // The premultiplied pixels, rows top-down (read from GDI+ once when the image was decoded).
    void GetBits(TRGBColors& colors);
    // A new 32-bit framework bitmap of the image.
    std::unique_ptr<vcl::TBitmap> GetAsBitmap() const;
    vcl::TRect GetImageRect() const;

private:
    TuxGpImageHandle FHandle;
    // The pixels GDI+ reads from, kept with the bitmap.
    TRGBColors FBits;
    // The stream data a decoded bitmap reads from, kept with it.
    IStream* FStreamMemory = nullptr;
};

// A picture in PNG (or any format GDI+ reads), drawn with its alpha channel.
class TuxPNGImage : public vcl::TGraphic {
    RTL_DECLARE_CLASS(TuxPNGImage, vcl::TGraphic)
public:
    TuxPNGImage();
    ~TuxPNGImage() override;

    // From a framework bitmap or another TuxPNGImage; anything else raises the conversion error.
    void Assign(const rtl::TPersistent* source) override;
    void Draw(vcl::TCanvas& canvas, const vcl::TRect& rect) override;
    bool Empty() const override { return Width() < 1 || Height() < 1; }
    int32_t Width() const override;
    int32_t Height() const override;
    // The size follows the image: these do nothing.
    void SetWidth(int32_t) override {}
    void SetHeight(int32_t) override {}
    bool Transparent() const override { return true; }
    // A stream of size 0 clears the image.
    void LoadFromStream(rtl::TStream& stream) override;
    // The PNG form; nothing without an image.
    void SaveToStream(rtl::TStream& stream) override;
    void LoadFromClipboardFormat(uint16_t format, void* data) override;
    // A bitmap of the image drawn over white.
    void SaveToClipboardFormat(uint16_t& format, void*& data) override;

    TuxGPImage* Image() const { return FImage.get(); }
    void SetImage(std::unique_ptr<TuxGPImage> image);
    // Same size and either empty, or every pixel equal in all four bytes.
    bool SameImage(TuxPNGImage& other);
    std::unique_ptr<vcl::TBitmap> GetAsBitmap() const;
    void SetFromBitmap(vcl::TBitmap& bitmap);
    // Whether any pixel is not opaque; kept until the next change.
    bool IsAlphaUsed();
    void DrawToDC(HDC dc, const vcl::TRect& destRect);
    void DrawRectToDC(HDC dc, const vcl::TRect& destRect, const vcl::TRect& sourceRect);
    void DrawToGraphics(GpGraphics* graphics, const vcl::TRect& destRect, const vcl::TRect& sourceRect);

protected:
    void AssignTo(rtl::TPersistent& dest) const override;
    void Changed() override;

private:
    std::unique_ptr<TuxGPImage> FImage;
    std::optional<bool> FAlphaUsed;
};

// Start-up and shut-down of the GDI+ pictures, through the unit loader: with GDI+ available the PNG encoder is found
// and TuxPNGImage registered for the extension "png" and with the streaming system.
void InitializeGdiPlusClassesUnit();
void FinalizeGdiPlusClassesUnit();

} // namespace ui
