#include "vcl/graphics/images/Bitmap.h"

#include "rtl/io/Streams.h"
#include "vcl/graphics/images/DibFormat.h"
#include "vcl/resources/ResourceStream.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace vcl {

namespace {

constexpr uint16_t FormatBits[] = {0, 1, 4, 8, 16, 16, 24, 32, 0};

// The sixteen colours of 4-bit bitmaps.
constexpr RGBQUAD VgaColors[16] = {{0, 0, 0, 0},       {0, 0, 128, 0},   {0, 128, 0, 0},   {0, 128, 128, 0},
                                   {128, 0, 0, 0},     {128, 0, 128, 0}, {128, 128, 0, 0}, {192, 192, 192, 0},
                                   {128, 128, 128, 0}, {0, 0, 255, 0},   {0, 255, 0, 0},   {0, 255, 255, 0},
                                   {255, 0, 0, 0},     {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0}};

constexpr uint32_t Rgb565Masks[3] = {0xF800, 0x07E0, 0x001F};

std::vector<RGBQUAD> DefaultColorTable(TPixelFormat format) {
    switch (format) {
    case pf1bit:
        return {{0, 0, 0, 0}, {255, 255, 255, 0}};
    case pf4bit:
        return {std::begin(VgaColors), std::end(VgaColors)};
    case pf8bit: {
        const TScreenDC screen;
        const TPaletteHandle halftone(CreateHalftonePalette(screen.Get()));
        PALETTEENTRY entries[256] = {};
        const UINT count = GetPaletteEntries(halftone.Get(), 0, 256, entries);
        std::vector<RGBQUAD> table(256);
        for (UINT i = 0; i < count && i < 256; ++i) {
            table[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
        }
        return table;
    }
    default:
        return {};
    }
}

// The BITMAPINFO of a new bottom-up DIB of a fixed format.
std::vector<uint8_t> DefaultDibInfo(TPixelFormat format, int32_t width, int32_t height) {
    const std::vector<RGBQUAD> table = DefaultColorTable(format);
    const bool masks = format == pf16bit;
    std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + (masks ? sizeof(Rgb565Masks) : 0) +
                              table.size() * sizeof(RGBQUAD));
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = FormatBits[format];
    header.biCompression = masks ? BI_BITFIELDS : BI_RGB;
    header.biClrUsed = static_cast<DWORD>(table.size());
    std::memcpy(info.data(), &header, sizeof(header));
    if (masks) {
        std::memcpy(info.data() + sizeof(header), Rgb565Masks, sizeof(Rgb565Masks));
    }
    if (!table.empty()) {
        std::memcpy(info.data() + sizeof(header), table.data(), table.size() * sizeof(RGBQUAD));
    }
    return info;
}

const BITMAPINFOHEADER& HeaderOf(const std::vector<uint8_t>& info) {
    return *reinterpret_cast<const BITMAPINFOHEADER*>(info.data());
}

TPixelFormat FormatOfDib(const std::vector<uint8_t>& info) {
    const BITMAPINFOHEADER& header = HeaderOf(info);
    switch (header.biBitCount) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 16: {
        uint32_t masks[3] = {};
        if (header.biCompression == BI_BITFIELDS) {
            std::memcpy(masks, info.data() + sizeof(header), sizeof(masks));
        }
        return header.biCompression == BI_BITFIELDS && std::equal(masks, masks + 3, Rgb565Masks) ? pf16bit : pf15bit;
    }
    case 24:
        return pf24bit;
    case 32:
        return pf32bit;
    default:
        return pfCustom;
    }
}

// A DIB section of the BITMAPINFO; its rows in bits.
TBitmapHandle CreateDib(const std::vector<uint8_t>& info, void*& bits) {
    const TScreenDC screen;
    bits = nullptr;
    TBitmapHandle handle(CreateDIBSection(screen.Get(), reinterpret_cast<const BITMAPINFO*>(info.data()),
                                          DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!handle) {
        throw rtl::EOutOfMemory(rtl::RtlMessages::OutOfMemory);
    }
    return handle;
}

// The BITMAPINFO of an existing DIB section, or an empty vector for a device-dependent bitmap. The colour table is read
// through selectedIn, a device context the bitmap is selected into (a bitmap is selected into one at most), or
// through one of its own when that is nullptr.
std::vector<uint8_t> InfoOfDibSection(HBITMAP handle, HDC selectedIn) {
    DIBSECTION section{};
    if (GetObjectW(handle, sizeof(section), &section) != sizeof(section)) {
        return {};
    }
    BITMAPINFOHEADER header = section.dsBmih;
    header.biSize = sizeof(header);
    header.biSizeImage = 0;
    RGBQUAD table[256] = {};
    UINT entries = 0;
    if (header.biBitCount <= 8 && selectedIn) {
        entries = GetDIBColorTable(selectedIn, 0, 256, table);
    } else if (header.biBitCount <= 8) {
        const TBitmapDC dc(handle);
        entries = GetDIBColorTable(dc.Get(), 0, 256, table);
    }
    header.biClrUsed = entries;
    const bool masks = header.biCompression == BI_BITFIELDS;
    std::vector<uint8_t> info(sizeof(header) + (masks ? 12 : 0) + entries * sizeof(RGBQUAD));
    std::memcpy(info.data(), &header, sizeof(header));
    if (masks) {
        std::memcpy(info.data() + sizeof(header), section.dsBitfields, 12);
    }
    std::memcpy(info.data() + info.size() - entries * sizeof(RGBQUAD), table, entries * sizeof(RGBQUAD));
    return info;
}

} // namespace

uint16_t PixelFormatBits(TPixelFormat format) {
    return FormatBits[format];
}

TBitmapCanvas::~TBitmapCanvas() {
    FreeContext();
}

void TBitmapCanvas::FreeContext() {
    if (!FDC) {
        return;
    }
    DeselectHandles();
    SetHandle(nullptr);
    SelectObject(FDC.Get(), FPreviousBitmap);
    FDC.Reset();
}

void TBitmapCanvas::CreateHandle() {
    FDC.Reset(CreateCompatibleDC(nullptr));
    FPreviousBitmap = FBitmap->Handle() ? SelectObject(FDC.Get(), FBitmap->Handle()) : nullptr;
    if (!FPreviousBitmap) {
        FPreviousBitmap = GetCurrentObject(FDC.Get(), OBJ_BITMAP);
    }
    SetHandle(FDC.Get());
}

TBitmap::TBitmap() : FCanvas(std::make_unique<TBitmapCanvas>(this)) {}

TBitmap::TBitmap(int32_t width, int32_t height, TPixelFormat format) : TBitmap() {
    FPixelFormat = format;
    SetSize(width, height);
}

TBitmap::~TBitmap() {
    FCanvas.reset();
}

// Every change of the GDI bitmap passes here, with the canvas's device context given back first.
void TBitmap::Replace(TBitmapHandle handle, TPixelFormat format, int32_t width, int32_t height) {
    FCanvas->FreeContext();
    FHandle = std::move(handle);
    FPixelFormat = format;
    FWidth = FHandle ? width : 0;
    FHeight = FHandle ? height : 0;
    FBits = nullptr;
    FTopDown = false;
    DIBSECTION section{};
    if (FHandle && GetObjectW(FHandle.Get(), sizeof(section), &section) == sizeof(section)) {
        FBits = section.dsBm.bmBits;
        FTopDown = section.dsBmih.biHeight < 0;
    }
    Changed();
}

TBitmapHandle TBitmap::CreateCopy(TPixelFormat format, int32_t width, int32_t height) const {
    if (width <= 0 || height <= 0) {
        return {};
    }
    TBitmapHandle copy;
    if (format == pfDevice || format == pfCustom) {
        const TScreenDC screen;
        copy.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
        if (!copy) {
            throw rtl::EOutOfMemory(rtl::RtlMessages::OutOfMemory);
        }
        const TBitmapDC dc(copy.Get());
        PatBlt(dc.Get(), 0, 0, width, height, BLACKNESS);
    } else {
        void* bits = nullptr;
        copy = CreateDib(DefaultDibInfo(format, width, height), bits);
    }
    if (FHandle) {
        const TBitmapDC target(copy.Get());
        HDC source = FCanvas->Handle();
        BitBlt(target.Get(), 0, 0, std::min(width, FWidth), std::min(height, FHeight), source, 0, 0, SRCCOPY);
    }
    return copy;
}

void TBitmap::SetSize(int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) {
        return;
    }
    Replace(CreateCopy(FPixelFormat, width, height), FPixelFormat, width, height);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == FPixelFormat || format == pfCustom) {
        return;
    }
    Replace(CreateCopy(format, FWidth, FHeight), format, FWidth, FHeight);
}

void TBitmap::SetHandle(HBITMAP handle) {
    if (handle == FHandle.Get()) {
        return;
    }
    BITMAP description{};
    TBitmapHandle owned(handle);
    if (!handle || GetObjectW(handle, sizeof(description), &description) == 0) {
        Replace({}, FPixelFormat, 0, 0);
        return;
    }
    const std::vector<uint8_t> info = InfoOfDibSection(handle, nullptr);
    const TPixelFormat format = info.empty() ? pfDevice : FormatOfDib(info);
    Replace(std::move(owned), format, description.bmWidth, description.bmHeight);
}

HBITMAP TBitmap::ReleaseHandle() {
    FCanvas->FreeContext();
    HBITMAP handle = FHandle.Release();
    Replace({}, FPixelFormat, 0, 0);
    return handle;
}

void TBitmap::Dormant() {
    FCanvas->FreeContext();
    if (FHandle && FPixelFormat == pfDevice) {
        const std::vector<uint8_t> info = DibInfo();
        const std::vector<uint8_t> bits = DibBits(info);
        void* target = nullptr;
        TBitmapHandle dib = CreateDib(info, target);
        std::memcpy(target, bits.data(), bits.size());
        Replace(std::move(dib), FormatOfDib(info), FWidth, FHeight);
    }
}

void* TBitmap::ScanLine(int32_t row) {
    if (!FBits || row < 0 || row >= FHeight) {
        throw EInvalidGraphicOperation(u"Scan line index out of range");
    }
    GdiFlush();
    const size_t stride = DibStride(FWidth, PixelFormatBits(FPixelFormat));
    const auto stored = static_cast<size_t>(FTopDown ? row : FHeight - 1 - row);
    return static_cast<uint8_t*>(FBits) + stored * stride;
}

TCanvas& TBitmap::Canvas() {
    return *FCanvas;
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault) {
        return FTransparentColor;
    }
    if (Empty()) {
        return clDefault;
    }
    return static_cast<TColor>(GetPixel(FCanvas->Handle(), 0, FHeight - 1) & 0xFFFFFF);
}

void TBitmap::SetTransparentColor(TColor color) {
    if (color != FTransparentColor) {
        FTransparentColor = color;
        FTransparentMode = color == clDefault ? tmAuto : tmFixed;
        Changed();
    }
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (mode != FTransparentMode) {
        FTransparentMode = mode;
        if (mode == tmAuto) {
            FTransparentColor = clDefault;
        }
        Changed();
    }
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
    if (Empty()) {
        return;
    }
    HDC target = canvas.Handle();
    HDC source = FCanvas->Handle();
    if (Transparent()) {
        TransparentBlt(target, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, FWidth, FHeight,
                       ColorToRGB(TransparentColor()));
        return;
    }
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, FWidth, FHeight,
               canvas.CopyMode());
}

void TBitmap::Assign(const rtl::TPersistent* source) {
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!source || bitmap) {
        if (bitmap == this) {
            return;
        }
        FTransparentColor = bitmap ? bitmap->FTransparentColor : clDefault;
        FTransparentMode = bitmap ? bitmap->FTransparentMode : tmAuto;
        if (!bitmap || bitmap->Empty()) {
            Replace({}, bitmap ? bitmap->FPixelFormat : FPixelFormat, 0, 0);
            return;
        }
        if (bitmap->FPixelFormat == pfDevice) {
            Replace(bitmap->CreateCopy(pfDevice, bitmap->FWidth, bitmap->FHeight), pfDevice, bitmap->FWidth,
                    bitmap->FHeight);
            return;
        }
        const std::vector<uint8_t> info = bitmap->DibInfo();
        void* bits = nullptr;
        TBitmapHandle copy = CreateDib(info, bits);
        GdiFlush();
        std::memcpy(bits, bitmap->FBits, DibStride(bitmap->FWidth, HeaderOf(info).biBitCount) * bitmap->FHeight);
        Replace(std::move(copy), bitmap->FPixelFormat, bitmap->FWidth, bitmap->FHeight);
        return;
    }
    TGraphic::Assign(source);
}

std::vector<uint8_t> TBitmap::DibInfo() const {
    if (FPixelFormat != pfDevice) {
        return InfoOfDibSection(FHandle.Get(), FCanvas->Handle());
    }
    return DefaultDibInfo(pf32bit, FWidth, FHeight);
}

std::vector<uint8_t> TBitmap::DibBits(const std::vector<uint8_t>& info) const {
    const BITMAPINFOHEADER& header = HeaderOf(info);
    const size_t size = DibStride(FWidth, header.biBitCount) * static_cast<size_t>(FHeight);
    std::vector<uint8_t> bits(size);
    if (FBits) {
        GdiFlush();
        std::memcpy(bits.data(), FBits, size);
        return bits;
    }
    FCanvas->FreeContext();
    std::vector<uint8_t> query = info;
    const TScreenDC screen;
    GetDIBits(screen.Get(), FHandle.Get(), 0, static_cast<UINT>(FHeight), bits.data(),
              reinterpret_cast<BITMAPINFO*>(query.data()), DIB_RGB_COLORS);
    return bits;
}

void TBitmap::TakeDib(const TDibImage& image) {
    void* bits = nullptr;
    TBitmapHandle dib = CreateDib(image.Info, bits);
    std::memcpy(bits, image.Bits.data(), image.Bits.size());
    Replace(std::move(dib), FormatOfDib(image.Info), image.Width, image.Height);
}

void TBitmap::LoadFromStream(rtl::TStream& stream) {
    TakeDib(ReadBitmapFile(stream));
}

void TBitmap::SaveToStream(rtl::TStream& stream) {
    if (Empty()) {
        return;
    }
    const std::vector<uint8_t> info = DibInfo();
    const std::vector<uint8_t> bits = DibBits(info);
    WriteBitmapFile(stream, info, bits.data(), bits.size());
}

void TBitmap::LoadFromDib(const uint8_t* data, size_t size) {
    TakeDib(ReadDib(data, size));
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, rtl::UnicodeStringView name) {
    TResourceStream resource(instance, name, AsUtf16(RT_BITMAP));
    LoadFromDib(static_cast<const uint8_t*>(resource.Memory()), static_cast<size_t>(resource.Size()));
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, uint16_t id) {
    TResourceStream resource(instance, id, AsUtf16(RT_BITMAP));
    LoadFromDib(static_cast<const uint8_t*>(resource.Memory()), static_cast<size_t>(resource.Size()));
}

void TBitmap::ReadData(rtl::TStream& stream) {
    int32_t length = 0;
    stream.ReadBuffer(&length, sizeof(length));
    if (length < 0 || length > stream.Size() - stream.Position()) {
        throw EInvalidGraphic(VclMessages::InvalidBitmap);
    }
    if (length == 0) {
        Replace({}, FPixelFormat, 0, 0);
        return;
    }
    rtl::TMemoryStream data;
    data.CopyFrom(stream, length);
    data.SetPosition(0);
    LoadFromStream(data);
}

void TBitmap::WriteData(rtl::TStream& stream) {
    rtl::TMemoryStream data;
    SaveToStream(data);
    if (data.Size() > std::numeric_limits<int32_t>::max()) {
        throw EInvalidGraphicOperation(VclMessages::InvalidBitmap);
    }
    const auto length = static_cast<int32_t>(data.Size());
    stream.WriteBuffer(&length, sizeof(length));
    stream.WriteBuffer(data.Memory(), length);
}

void TBitmap::LoadFromClipboardFormat(uint16_t format, void* data) {
    if (format != CF_BITMAP || !data) {
        TGraphic::LoadFromClipboardFormat(format, data);
    }
    auto* copy = static_cast<HBITMAP>(CopyImage(data, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!copy) {
        throw EInvalidGraphic(VclMessages::InvalidBitmap);
    }
    SetHandle(copy);
}

void TBitmap::SaveToClipboardFormat(uint16_t& format, void*& data) {
    format = CF_BITMAP;
    data = Empty() ? nullptr : CopyImage(FHandle.Get(), IMAGE_BITMAP, 0, 0, 0);
}

} // namespace vcl
