#pragma once
// TBitmap: a raster picture held as a GDI bitmap. A bitmap of a fixed pixel format (pf1bit to pf32bit) is a DIB
// section whose rows the program reads and writes in place (ScanLine); one of pfDevice is a device-dependent bitmap
// in the screen's format. The bitmap draws on its own Canvas, reads and writes BMP files and bare DIBs (resources,
// clipboard), and keeps its "Data" form: a 32-bit length followed by the BMP file. A transparent bitmap draws without
// its transparent colour (the bottom-left pixel's unless one is set).

#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/graphics/images/Graphic.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {

struct TDibImage;

enum TPixelFormat : uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType : uint8_t { bmDIB, bmDDB };
enum TTransparentMode : uint8_t { tmAuto, tmFixed };

// The bits per pixel of a fixed pixel format (pf15bit takes 16); 0 for pfDevice and pfCustom.
uint16_t PixelFormatBits(TPixelFormat format);

class TBitmap;

// The canvas of a bitmap: a memory device context with the bitmap selected, made when first drawn on.
class TBitmapCanvas : public TCanvas {
    RTL_DECLARE_CLASS(TBitmapCanvas, TCanvas)
public:
    explicit TBitmapCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}
    ~TBitmapCanvas() override;
    // Gives the device context back (before the bitmap's handle changes).
    void FreeContext();

protected:
    void CreateHandle() override;

private:
    TBitmap* FBitmap; // not owned: the bitmap owns its canvas
    TMemoryDCHandle FDC;
    void* FPreviousBitmap = nullptr;
};

// A raster picture in a GDI bitmap.
class TBitmap : public TGraphic {
    RTL_DECLARE_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(int32_t width, int32_t height, TPixelFormat format = pfDevice);
    ~TBitmap() override;

    void Assign(const rtl::TPersistent* source) override;

    void Draw(TCanvas& canvas, const TRect& rect) override;
    bool Empty() const override { return FWidth == 0 || FHeight == 0; }
    int32_t Width() const override { return FWidth; }
    int32_t Height() const override { return FHeight; }
    void SetWidth(int32_t width) override { SetSize(width, FHeight); }
    void SetHeight(int32_t height) override { SetSize(FWidth, height); }
    // Resizes keeping the pixels that still fit (new ones are black); negative sizes count as 0.
    void SetSize(int32_t width, int32_t height);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the pixels to the format.
    void SetPixelFormat(TPixelFormat format);
    TBitmapHandleType HandleType() const { return FPixelFormat == pfDevice ? bmDDB : bmDIB; }
    bool Monochrome() const { return FPixelFormat == pf1bit; }

    // The GDI bitmap, owned by this object; nullptr while the bitmap is empty.
    HBITMAP Handle() const { return FHandle.Get(); }
    // Takes handle over (owned from now on; a DIB section keeps its format, another bitmap becomes pfDevice).
    void SetHandle(HBITMAP handle);
    // Gives the GDI bitmap up to the caller; the bitmap is empty afterwards.
    HBITMAP ReleaseHandle();
    // Frees what only drawing needs (the canvas's device context) and turns a device-dependent bitmap into a DIB.
    void Dormant();

    // Row y of the pixels (row 0 at the top); EInvalidGraphicOperation for a row out of range or a pfDevice bitmap.
    void* ScanLine(int32_t row);
    TCanvas& Canvas();

    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode mode);

    void LoadFromStream(rtl::TStream& stream) override;
    void SaveToStream(rtl::TStream& stream) override;
    void LoadFromClipboardFormat(uint16_t format, void* data) override;
    void SaveToClipboardFormat(uint16_t& format, void*& data) override;
    // The "Data" form: a 32-bit length, then the BMP file of that length.
    void ReadData(rtl::TStream& stream) override;
    void WriteData(rtl::TStream& stream) override;
    // A bitmap resource (RT_BITMAP) of the module; EResNotFound when there is none.
    void LoadFromResourceName(HINSTANCE instance, rtl::UnicodeStringView name);
    void LoadFromResourceID(HINSTANCE instance, uint16_t id);
    // A bare DIB (a bitmap resource, CF_DIB data); EInvalidGraphic when it is damaged.
    void LoadFromDib(const uint8_t* data, size_t size);

private:
    friend class TBitmapCanvas;

    void Replace(TBitmapHandle handle, TPixelFormat format, int32_t width, int32_t height);
    void TakeDib(const TDibImage& image);
    // A new bitmap of the format and size holding this one's pixels (stretched when asked).
    TBitmapHandle CreateCopy(TPixelFormat format, int32_t width, int32_t height) const;
    // The BITMAPINFO and rows of the pixels as a DIB (a device-dependent bitmap is read as 32-bit).
    std::vector<uint8_t> DibInfo() const;
    std::vector<uint8_t> DibBits(const std::vector<uint8_t>& info) const;

    TBitmapHandle FHandle;
    TPixelFormat FPixelFormat = pfDevice;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    void* FBits = nullptr; // the DIB section's rows (bottom-up unless FTopDown); owned by the handle
    bool FTopDown = false;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
    std::unique_ptr<TBitmapCanvas> FCanvas;
};

} // namespace vcl
