#include "ui/core/gdiplus/uxGdiPlusClasses.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/ClassRegistry.h"
#include "ui/core/gdiplus/uxGdiPlusFlat.h"
#include "ui/core/gdiplus/uxGdiPlusStrs.h"
#include "ui/core/gdiplus/uxUnitsLoader.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Picture.h"

#include <algorithm>
#include <objbase.h>

namespace ui {

namespace {

// A stream header is this long: a BMP file header, or the start of any other format GDI+ tells apart.
constexpr int64_t ImageHeaderSize = 14;

bool PngPicturesRegistered = false;

// The bytes GDI+ wrote into a stream on global memory.
void CopyWrittenBytes(IStream* written, rtl::TStream& stream) {
    STATSTG status{};
    HGLOBAL global = nullptr;
    CheckGdipSuccess(SUCCEEDED(written->Stat(&status, STATFLAG_NONAME)) &&
                     SUCCEEDED(GetHGlobalFromStream(written, &global)) &&
                     status.cbSize.QuadPart <= static_cast<ULONGLONG>(INT32_MAX));
    const void* bytes = GlobalLock(global);
    CheckGdipSuccess(bytes != nullptr);
    struct TUnlock {
        HGLOBAL Global;
        ~TUnlock() { GlobalUnlock(Global); }
    } unlock{global};
    stream.WriteBuffer(bytes, static_cast<int32_t>(status.cbSize.QuadPart));
}

void StartPngPictures() {
    if (!IsGdiPlusAvailable()) {
        return;
    }
    EnsurePngEncoder();
    rtl::RegisterClasses({&TuxPNGImage::StaticClass()});
    vcl::RegisterFileFormat(u"png", LoadResStringText(suxPNGImageDescription), &TuxPNGImage::StaticClass());
    PngPicturesRegistered = true;
}

void StopPngPictures() {
    if (!PngPicturesRegistered) {
        return;
    }
    vcl::UnregisterGraphicClass(&TuxPNGImage::StaticClass());
    rtl::UnRegisterClass(TuxPNGImage::StaticClass());
    PngPicturesRegistered = false;
}

} // namespace

TuxGPImage::~TuxGPImage() {
    FreeHandle();
}

std::unique_ptr<TuxGPImage> TuxGPImage::CreateFromBitmap(vcl::TBitmap& bitmap) {
    EnsurePngEncoder();
    auto image = std::make_unique<TuxGPImage>();
    image->SetFromBitmap(bitmap);
    return image;
}

std::unique_ptr<TuxGPImage> TuxGPImage::CreateFromBits(int32_t width, int32_t height, TRGBColors bits, bool hasAlpha) {
    auto image = std::make_unique<TuxGPImage>();
    image->SetBits(width, height, std::move(bits), hasAlpha);
    return image;
}

std::unique_ptr<TuxGPImage> TuxGPImage::CreateFromStream(rtl::TStream& stream) {
    auto image = std::make_unique<TuxGPImage>();
    if (!IsGdiPlusAvailable() || stream.Size() - stream.Position() < ImageHeaderSize) {
        return image;
    }
    uint8_t header[ImageHeaderSize];
    stream.ReadBuffer(header, sizeof(header));
    stream.Seek(-ImageHeaderSize, rtl::soCurrent);
    if (header[0] == 'B' && header[1] == 'M') {
        vcl::TBitmap bitmap;
        bitmap.LoadFromStream(stream);
        image->SetFromBitmap(bitmap);
    } else {
        image->LoadFromStream(stream);
    }
    return image;
}

// The pixels belong with the bitmap made from them, so they go with it.
void TuxGPImage::FreeHandle() {
    FHandle.Reset();
    ReleaseGpStream(FStreamMemory);
    FStreamMemory = nullptr;
    FBits.clear();
}

void TuxGPImage::LoadFromStream(rtl::TStream& stream) {
    FreeHandle();
    IStream* memory = nullptr;
    GpImage* bitmap = GpLoadImageFromStream(stream, memory);
    FHandle.Reset(bitmap);
    FStreamMemory = memory;
}

void TuxGPImage::SetBits(int32_t width, int32_t height, TRGBColors bits, bool hasAlpha) {
    CheckGdipSuccess(width > 0 && height > 0 &&
                     bits.size() >= static_cast<size_t>(width) * static_cast<size_t>(height));
    FreeHandle();
    FBits = std::move(bits);
    if (!hasAlpha) {
        for (uint32_t& pixel : FBits) {
            pixel |= 0xFF000000;
        }
    }
    GpImage* bitmap = nullptr;
    CheckGdipStatus(
        gdip::CreateBitmapFromScan0(width, height, width * 4, reinterpret_cast<uint8_t*>(FBits.data()), &bitmap));
    FHandle.Reset(bitmap);
}

void TuxGPImage::SetFromBitmap(vcl::TBitmap& bitmap) {
    TRGBColors colors;
    if (!ReadBitmapColors(bitmap, colors, true)) {
        FreeHandle();
        return;
    }
    SetBits(bitmap.Width(), bitmap.Height(), std::move(colors), GetBitmapBitsPerPixel(bitmap) > 31);
}

void TuxGPImage::SaveAsPNG(rtl::TStream& stream) {
    CheckGdipSuccess(HasHandle());
    IStream* written = nullptr;
    CheckGdipSuccess(SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &written)));
    struct TRelease {
        IStream* Stream;
        ~TRelease() { Stream->Release(); }
    } release{written};
    CheckGdipStatus(gdip::SaveImageToStream(Handle(), written, &PngEncoderClsid()));
    CopyWrittenBytes(written, stream);
}

void TuxGPImage::DrawImage(GpGraphics* graphics, const vcl::TRect& destRect, const vcl::TRect& sourceRect,
                           uint8_t alpha) {
    GpDrawImage(graphics, destRect, sourceRect, Handle(), alpha);
}

// A decoded bitmap may read its stream data even when cloned, so the clone holds that data too.
std::unique_ptr<TuxGPImage> TuxGPImage::Clone() const {
    if (!FBits.empty()) {
        const vcl::TRect rect = GetImageRect();
        return CreateFromBits(rect.Width(), rect.Height(), FBits, true);
    }
    auto copy = std::make_unique<TuxGPImage>();
    if (HasHandle()) {
        GpImage* clone = nullptr;
        CheckGdipStatus(gdip::CloneImage(Handle(), &clone));
        copy->FHandle.Reset(clone);
        copy->FStreamMemory = FStreamMemory;
        if (FStreamMemory) {
            FStreamMemory->AddRef();
        }
    }
    return copy;
}

void TuxGPImage::GetBits(TRGBColors& colors) {
    if (FBits.empty() && HasHandle()) {
        const std::unique_ptr<vcl::TBitmap> bitmap = GetAsBitmap();
        SetFromBitmap(*bitmap);
    }
    colors = FBits;
}

std::unique_ptr<vcl::TBitmap> TuxGPImage::GetAsBitmap() const {
    auto bitmap = std::make_unique<vcl::TBitmap>();
    if (!HasHandle()) {
        return bitmap;
    }
    HBITMAP handle = nullptr;
    CheckGdipStatus(gdip::CreateHBITMAPFromBitmap(Handle(), &handle, 0));
    bitmap->SetHandle(handle);
    bitmap->SetPixelFormat(vcl::pf32bit);
    return bitmap;
}

vcl::TRect TuxGPImage::GetImageRect() const {
    if (!HasHandle()) {
        return {};
    }
    uint32_t width = 0;
    uint32_t height = 0;
    CheckGdipStatus(gdip::GetImageWidth(Handle(), &width));
    CheckGdipStatus(gdip::GetImageHeight(Handle(), &height));
    return {0, 0, static_cast<int32_t>(width), static_cast<int32_t>(height)};
}

TuxPNGImage::TuxPNGImage() = default;

TuxPNGImage::~TuxPNGImage() = default;

void TuxPNGImage::Assign(const rtl::TPersistent* source) {
    if (const auto* bitmap = dynamic_cast<const vcl::TBitmap*>(source)) {
        // The pixels are read through the bitmap's canvas, which reading changes: a copy is read instead.
        vcl::TBitmap copy;
        copy.Assign(bitmap);
        SetImage(TuxGPImage::CreateFromBitmap(copy));
        return;
    }
    if (const auto* png = dynamic_cast<const TuxPNGImage*>(source)) {
        if (png != this) {
            SetImage(png->FImage ? png->FImage->Clone() : nullptr);
        }
        return;
    }
    vcl::TGraphic::Assign(source);
}

void TuxPNGImage::AssignTo(rtl::TPersistent& dest) const {
    if (auto* png = dynamic_cast<TuxPNGImage*>(&dest)) {
        png->Assign(this);
        return;
    }
    if (auto* bitmap = dynamic_cast<vcl::TBitmap*>(&dest)) {
        const std::unique_ptr<vcl::TBitmap> image = GetAsBitmap();
        bitmap->Assign(image.get());
        return;
    }
    vcl::TGraphic::AssignTo(dest);
}

void TuxPNGImage::Changed() {
    FAlphaUsed.reset();
    vcl::TGraphic::Changed();
}

void TuxPNGImage::Draw(vcl::TCanvas& canvas, const vcl::TRect& rect) {
    if (FImage) {
        DrawRectToDC(canvas.Handle(), rect, FImage->GetImageRect());
    }
}

int32_t TuxPNGImage::Width() const {
    float width = 0;
    float height = 0;
    if (!FImage || !FImage->HasHandle() || gdip::GetImageDimension(FImage->Handle(), &width, &height) != gpOk) {
        return 0;
    }
    return static_cast<int32_t>(width);
}

int32_t TuxPNGImage::Height() const {
    float width = 0;
    float height = 0;
    if (!FImage || !FImage->HasHandle() || gdip::GetImageDimension(FImage->Handle(), &width, &height) != gpOk) {
        return 0;
    }
    return static_cast<int32_t>(height);
}

void TuxPNGImage::LoadFromStream(rtl::TStream& stream) {
    SetImage(stream.Size() == 0 ? nullptr : TuxGPImage::CreateFromStream(stream));
}

void TuxPNGImage::SaveToStream(rtl::TStream& stream) {
    if (!FImage || !FImage->HasHandle()) {
        return;
    }
    rtl::TMemoryStream png;
    FImage->SaveAsPNG(png);
    stream.WriteBuffer(png.Memory(), static_cast<int32_t>(png.Size()));
}

void TuxPNGImage::LoadFromClipboardFormat(uint16_t format, void* data) {
    vcl::TBitmap bitmap;
    bitmap.LoadFromClipboardFormat(format, data);
    bitmap.SetPixelFormat(vcl::pf32bit);
    SetFromBitmap(bitmap);
}

void TuxPNGImage::SaveToClipboardFormat(uint16_t& format, void*& data) {
    vcl::TBitmap bitmap(Width(), Height(), vcl::pf32bit);
    bitmap.Canvas().Brush().SetColor(vcl::clWhite);
    bitmap.Canvas().FillRect({0, 0, Width(), Height()});
    DrawToDC(bitmap.Canvas().Handle(), {0, 0, Width(), Height()});
    bitmap.SaveToClipboardFormat(format, data);
}

void TuxPNGImage::SetImage(std::unique_ptr<TuxGPImage> image) {
    if (image.get() == FImage.get()) {
        return;
    }
    FImage = std::move(image);
    Changed();
}

bool TuxPNGImage::SameImage(TuxPNGImage& other) {
    if (Width() != other.Width() || Height() != other.Height()) {
        return false;
    }
    if (Empty() || other.Empty()) {
        return true;
    }
    TRGBColors mine;
    TRGBColors theirs;
    FImage->GetBits(mine);
    other.FImage->GetBits(theirs);
    return mine == theirs;
}

std::unique_ptr<vcl::TBitmap> TuxPNGImage::GetAsBitmap() const {
    return FImage ? FImage->GetAsBitmap() : std::make_unique<vcl::TBitmap>();
}

void TuxPNGImage::SetFromBitmap(vcl::TBitmap& bitmap) {
    SetImage(TuxGPImage::CreateFromBitmap(bitmap));
}

bool TuxPNGImage::IsAlphaUsed() {
    if (!FAlphaUsed) {
        TRGBColors colors;
        if (FImage) {
            FImage->GetBits(colors);
        }
        FAlphaUsed = std::any_of(colors.begin(), colors.end(), [](uint32_t pixel) { return (pixel >> 24) != 255; });
    }
    return *FAlphaUsed;
}

void TuxPNGImage::DrawToDC(HDC dc, const vcl::TRect& destRect) {
    if (FImage) {
        DrawRectToDC(dc, destRect, FImage->GetImageRect());
    }
}

void TuxPNGImage::DrawRectToDC(HDC dc, const vcl::TRect& destRect, const vcl::TRect& sourceRect) {
    if (!FImage || !FImage->HasHandle()) {
        return;
    }
    const TuxGpGraphicsHandle graphics = CreateGpGraphics(dc);
    DrawToGraphics(graphics.Get(), destRect, sourceRect);
}

void TuxPNGImage::DrawToGraphics(GpGraphics* graphics, const vcl::TRect& destRect, const vcl::TRect& sourceRect) {
    if (FImage) {
        FImage->DrawImage(graphics, destRect, sourceRect, 255);
    }
}

void InitializeGdiPlusClassesUnit() {
    GetUnitsLoader().StartUnit(StartPngPictures, StopPngPictures);
}

void FinalizeGdiPlusClassesUnit() {
    GetUnitsLoader().StopUnit(StopPngPictures);
}

} // namespace ui
