#pragma once
// The library's bitmaps and their pixels. Pixels are read and written as 32-bit values (uiPixelOps), bottom-up or
// top-down. TuiBitmap is a framework bitmap with its own TuiCanvas and an update lock that turns several changes into
// one notice; TuiBitmap32 keeps 32 bits per pixel (a change to another format raises); TuiAlphaBitmap adds transparent
// colours and the per-pixel operations of glyph drawing.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiPixelOps.h"
#include "vcl/graphics/images/Bitmap.h"

#include <cstdint>
#include <memory>

namespace ui {

// The bits per pixel of a bitmap: its format's (pf15bit counts 16); for pfDevice and pfCustom the screen's.
uint16_t GetBitmapBitsPerPixel(vcl::TBitmap& bitmap);
// All pixels of the bitmap, width x height values, rows top-down or bottom-up; false (buffer untouched) for an empty
// bitmap. The buffer holds width x height values.
bool ReadBitmapBits(vcl::TBitmap& bitmap, uint32_t* buffer, bool topDown);
bool WriteBitmapBits(vcl::TBitmap& bitmap, const uint32_t* buffer, bool topDown);
// The same into an array sized to width x height first; writing refuses an array of another size (false).
bool ReadBitmapColors(vcl::TBitmap& bitmap, TRGBColors& colors, bool topDown);
bool WriteBitmapColors(vcl::TBitmap& bitmap, const TRGBColors& colors, bool topDown);
// Copies source's pixels from the point from into target's top-left corner, as many as fit in both (alpha bytes
// included where both have them); the rest of target stays as it was.
void CopyBitmapPixels(vcl::TBitmap& source, vcl::TPoint from, vcl::TBitmap& target);
// True for a bitmap of 32 bits per pixel with a pixel whose alpha byte is not 0.
bool BitmapHasAlpha(vcl::TBitmap& bitmap);
// Turns the bitmap by angle (quarter turns exchange width and height) and mirrors it with flip.
void RotateBitmap(vcl::TBitmap& bitmap, TuiRotationAngle angle, bool flip = false);

class TuiBitmap : public vcl::TBitmap {
    RTL_DECLARE_CLASS(TuiBitmap, vcl::TBitmap)
public:
    // An empty 24-bit bitmap.
    TuiBitmap() : TuiBitmap(0, 0) {}
    TuiBitmap(int32_t width, int32_t height, vcl::TPixelFormat format = vcl::pf24bit);
    explicit TuiBitmap(const vcl::TRect& rect, vcl::TPixelFormat format = vcl::pf24bit);
    ~TuiBitmap() override;

    // The library's canvas over the bitmap's canvas.
    TuiCanvas& Canvas() { return *FCanvas; }

    // Changes inside a lock are noticed once, when the outermost EndUpdate ends it: then when forceChanged is set or
    // something changed.
    void BeginUpdate() { ++FLockCount; }
    void EndUpdate(bool forceChanged = true);
    // Negative values count as 0; width and height change with one notice.
    void SetSize(int32_t width, int32_t height);
    void SetSizeRect(const vcl::TRect& rect) { SetSize(rect.Width(), rect.Height()); }
    // BitBlt of source from (0, 0) over the whole bitmap, or of source's sourcePoint into destRect.
    void CopyBitmap(vcl::TBitmap& source, vcl::TCopyMode rasterOp = vcl::cmSrcCopy);
    void CopyBitmapRect(vcl::TBitmap& source, const vcl::TRect& destRect, vcl::TPoint sourcePoint,
                        vcl::TCopyMode rasterOp = vcl::cmSrcCopy);
    void Rotate(TuiRotationAngle angle, bool flip = false) { RotateBitmap(*this, angle, flip); }
    vcl::TRect GetClientRect() const { return {0, 0, Width(), Height()}; }

    // Whether the "Data" form is written compressed ("XDBM", uiBitmapDataCodec); reading takes either form.
    bool CompressData() const { return FCompressData; }
    void SetCompressData(bool value) { FCompressData = value; }
    void ReadData(rtl::TStream& stream) override;
    void WriteData(rtl::TStream& stream) override;

protected:
    // Unlocked: the framework's notice, then Update. Locked: only remembered.
    void Changed() override;
    // Runs after every notice of a change; nothing here.
    virtual void Update() {}

private:
    std::unique_ptr<TuiCanvas> FCanvas;
    bool FCompressData = false;
    int32_t FLockCount = 0;
    bool FChangedWhileLocked = false;
};

class TuiBitmap32 : public TuiBitmap {
    RTL_DECLARE_CLASS(TuiBitmap32, TuiBitmap)
public:
    TuiBitmap32() : TuiBitmap32(0, 0) {}
    // With clear every pixel starts as 0.
    TuiBitmap32(int32_t width, int32_t height, bool clear = false);
    explicit TuiBitmap32(const vcl::TRect& rect, bool clear = false)
        : TuiBitmap32(rect.Width(), rect.Height(), clear) {}

    // Loads and keeps 32 bits per pixel, with one notice.
    void LoadFromStream(rtl::TStream& stream) override;
    // Every pixel 0 (black, alpha 0).
    virtual void Clear();
    // The pixels bottom-up.
    void GetBitmapColors(TRGBColors& colors) { ReadBitmapColors(*this, colors, false); }
    void SetBitmapColors(const TRGBColors& colors) { WriteBitmapColors(*this, colors, false); }
    bool IsAlphaUsed() { return BitmapHasAlpha(*this); }

protected:
    // EuxException "Wrong PixelFormat" when a change left the bitmap with other than 32 bits per pixel.
    void Update() override;
};

class TuiAlphaBitmap : public TuiBitmap32 {
    RTL_DECLARE_CLASS(TuiAlphaBitmap, TuiBitmap32)
public:
    TuiAlphaBitmap() : TuiAlphaBitmap(0, 0) {}
    TuiAlphaBitmap(int32_t width, int32_t height, uint32_t transparentBkColor = 0);

    // Fills with the transparent background colour when its alpha is not 0, else with 0.
    void Clear() override;
    // The pixel value that counts as transparent in all 32 bits.
    uint32_t TransparentBkColor() const { return FTransparency.BackgroundColor; }
    void SetTransparentBkColor(uint32_t pixel) { FTransparency.BackgroundColor = pixel; }
    // Makes color the one transparent colour (the framework's transparent colour of the bitmap is another matter),
    // then gives every other pixel without alpha full alpha.
    void SetTransparentColor(vcl::TColor color);
    // Adds a colour whose pixels count as transparent whatever their alpha.
    void AddTransparentColor(vcl::TColor color);
    // No colour counts as transparent any more (the background colour still does).
    void ClearTransparentColors() { FTransparency.Colors.clear(); }
    const TuiPixelTransparency& Transparency() const { return FTransparency; }
    // Applies the operation to every pixel, then notices the change.
    void ProcessPixels(TuiPixelOperation operation);

private:
    TuiPixelTransparency FTransparency;
};

// Adds to bitmap a shadow of the glyph that mask shows (white where the glyph is absent, black where it is), offset
// pixels down and right, in color; with grow the bitmap grows by offset to hold it, else it is cut at its edges.
void DrawShadow(TuiBitmap& bitmap, TuiBitmap& mask, int32_t offset, vcl::TColor color, bool grow);

// Start-up and shut-down of the bitmap classes: streams may name them.
void RegisterBitmapClasses();
void UnregisterBitmapClasses();

} // namespace ui
