#include "ui/core/gdiplus/uxGdiPlusAPI.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "rtl/text/Format.h"
#include "ui/core/gdiplus/uxGdiPlusFlat.h"
#include "ui/core/gdiplus/uxGdiPlusStrs.h"
#include "ui/core/gdiplus/uxUnitsLoader.h"
#include "ui/core/graphics/uiPixelOps.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <objbase.h>
#include <vector>

namespace ui {

namespace {

// The records of the flat API the binding fills or reads, as GDI+ lays them out.
struct TGdiplusStartupInput {
    UINT32 GdiplusVersion;
    void* DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};

using TNotificationHook = GpStatus(WINAPI*)(ULONG_PTR* token);
using TNotificationUnhook = void(WINAPI*)(ULONG_PTR token);

struct TGdiplusStartupOutput {
    TNotificationHook NotificationHook;
    TNotificationUnhook NotificationUnhook;
};

struct TImageCodecInfo {
    CLSID Clsid;
    GUID FormatID;
    const WCHAR* CodecName;
    const WCHAR* DllName;
    const WCHAR* FormatDescription;
    const WCHAR* FilenameExtension;
    const WCHAR* MimeType;
    DWORD Flags;
    DWORD Version;
    DWORD SigCount;
    DWORD SigSize;
    const BYTE* SigPattern;
    const BYTE* SigMask;
};
static_assert(sizeof(TImageCodecInfo) == (sizeof(void*) == 4 ? 76 : 104), "ImageCodecInfo of the platform");

struct TGpRect {
    INT X;
    INT Y;
    INT Width;
    INT Height;
};

constexpr INT UnitPixel = 2;
constexpr INT ColorAdjustTypeBitmap = 1;
constexpr INT WrapModeTile = 0;
constexpr INT PixelFormat32bppPARGB = 0x000E200B;

constexpr const char* EntryNames[] = {
#define UX_GDIPLUS_ENTRY_NAME(name) #name,
    UX_GDIPLUS_ENTRIES(UX_GDIPLUS_ENTRY_NAME)
#undef UX_GDIPLUS_ENTRY_NAME
};
static_assert(std::size(EntryNames) == GdiPlusEntryCount && GdiPlusEntryCount == 108);

class TSystemGdiPlusLibrary final : public TuxGdiPlusLibrary {
public:
    HMODULE Open() override {
        const UINT previousMode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
        HMODULE library = LoadLibraryW(L"gdiplus.dll");
        SetErrorMode(previousMode);
        return library;
    }
    TuxProcAddress Lookup(HMODULE library, const char* name) override {
        return reinterpret_cast<TuxProcAddress>(GetProcAddress(library, name));
    }
    void Close(HMODULE library) override { FreeLibrary(library); }
};

TSystemGdiPlusLibrary SystemGdiPlusLibrary;
vcl::TSeam<TuxGdiPlusLibrary> GdiPlusLibrary(SystemGdiPlusLibrary);

struct TGdiPlusBinding {
    HMODULE Library = nullptr;
    bool Available = false;
    bool LoadAttempted = false;
    TuxProcAddress Entries[GdiPlusEntryCount] = {};
    ULONG_PTR StartupToken = 0;
    ULONG_PTR HookToken = 0;
    TGdiplusStartupOutput Hooks{};
};

TGdiPlusBinding Binding;
rtl::TGUID PngEncoder;

template <class TFunction, class... TArgs>
GpStatus CallGdip(TuxGdipEntry entry, TArgs... args) {
    const TuxProcAddress address = GdiPlusEntry(entry);
    if (!address) {
        return gpNotInitialized;
    }
    return reinterpret_cast<TFunction>(address)(args...);
}

// Every entry in order; the first one missing ends the lookups.
bool LookUpEntries(HMODULE library) {
    bool found = true;
    for (size_t i = 0; i < GdiPlusEntryCount; ++i) {
        Binding.Entries[i] = found ? GdiPlusLibrary.Current().Lookup(library, EntryNames[i]) : nullptr;
        found = Binding.Entries[i] != nullptr;
    }
    return found;
}

// GDI+ started without its background thread, so the notification hook must be called.
bool StartGdiPlus() {
    using TGdiplusStartup = GpStatus(WINAPI*)(ULONG_PTR*, const TGdiplusStartupInput*, TGdiplusStartupOutput*);
    const TGdiplusStartupInput input{1, nullptr, TRUE, FALSE};
    Binding.Hooks = {};
    if (CallGdip<TGdiplusStartup>(TuxGdipEntry::GdiplusStartup, &Binding.StartupToken, &input, &Binding.Hooks) !=
        gpOk) {
        Binding.Hooks = {};
        return false;
    }
    if (Binding.Hooks.NotificationHook && Binding.Hooks.NotificationHook(&Binding.HookToken) == gpOk) {
        return true;
    }
    using TGdiplusShutdown = void(WINAPI*)(ULONG_PTR);
    reinterpret_cast<TGdiplusShutdown>(GdiPlusEntry(TuxGdipEntry::GdiplusShutdown))(Binding.StartupToken);
    Binding.Hooks = {};
    return false;
}

void ForgetEntries() {
    std::fill(std::begin(Binding.Entries), std::end(Binding.Entries), nullptr);
}

void MarkGdiPlusNotLoaded() {
    Binding.LoadAttempted = false;
}

TGpRect GpRectOf(const vcl::TRect& rect) {
    return {rect.Left, rect.Top, rect.Width(), rect.Height()};
}

bool SameMimeType(const WCHAR* a, rtl::UnicodeStringView b) {
    return a && lstrcmpiW(a, reinterpret_cast<const wchar_t*>(rtl::UnicodeString(b).c_str())) == 0;
}

struct TGpImageAttributesDeleter {
    void operator()(GpImageAttributes* attributes) const {
        CallGdip<GpStatus(WINAPI*)(GpImageAttributes*)>(TuxGdipEntry::GdipDisposeImageAttributes, attributes);
    }
};
struct TGpBrushDeleter {
    void operator()(GpBrush* brush) const {
        CallGdip<GpStatus(WINAPI*)(GpBrush*)>(TuxGdipEntry::GdipDeleteBrush, brush);
    }
};
using TGpImageAttributesHandle = vcl::THandleHolder<GpImageAttributes*, TGpImageAttributesDeleter>;
using TGpBrushHandle = vcl::THandleHolder<GpBrush*, TGpBrushDeleter>;

GpStatus DrawImageRectRect(GpGraphics* graphics, GpImage* image, const vcl::TRect& dest, const vcl::TRect& source,
                           GpImageAttributes* attributes) {
    using TDrawImageRectRectI = GpStatus(WINAPI*)(GpGraphics*, GpImage*, INT, INT, INT, INT, INT, INT, INT, INT, INT,
                                                  GpImageAttributes*, void*, void*);
    return CallGdip<TDrawImageRectRectI>(TuxGdipEntry::GdipDrawImageRectRectI, graphics, image, dest.Left, dest.Top,
                                         dest.Width(), dest.Height(), source.Left, source.Top, source.Width(),
                                         source.Height(), UnitPixel, attributes, nullptr, nullptr);
}

TGpImageAttributesHandle AlphaAttributes(uint8_t alpha) {
    GpImageAttributes* attributes = nullptr;
    CheckGdipStatus(
        CallGdip<GpStatus(WINAPI*)(GpImageAttributes**)>(TuxGdipEntry::GdipCreateImageAttributes, &attributes));
    TGpImageAttributesHandle owned(attributes);
    const std::array<float, 25> matrix = GpAlphaColorMatrix(alpha);
    using TSetColorMatrix = GpStatus(WINAPI*)(GpImageAttributes*, INT, BOOL, const float*, const float*, INT);
    CheckGdipStatus(CallGdip<TSetColorMatrix>(TuxGdipEntry::GdipSetImageAttributesColorMatrix, attributes,
                                              ColorAdjustTypeBitmap, TRUE, matrix.data(), nullptr, 0));
    return owned;
}

void GpFillRectangleWithBrush(GpGraphics* graphics, GpBrush* brush, const vcl::TRect& rect) {
    using TFillRectangleI = GpStatus(WINAPI*)(GpGraphics*, GpBrush*, INT, INT, INT, INT);
    CheckGdipStatus(CallGdip<TFillRectangleI>(TuxGdipEntry::GdipFillRectangleI, graphics, brush, rect.Left, rect.Top,
                                              rect.Width(), rect.Height()));
}

// The destination filled with a texture brush of the source through a bitmap of its size; false when the brush
// cannot be made.
bool DrawImageTexture(GpGraphics* graphics, const vcl::TRect& destRect, const vcl::TRect& sourceRect, GpImage* image) {
    GpBrush* texture = nullptr;
    using TCreateTexture2I = GpStatus(WINAPI*)(GpImage*, INT, INT, INT, INT, INT, GpBrush**);
    if (CallGdip<TCreateTexture2I>(TuxGdipEntry::GdipCreateTexture2I, image, WrapModeTile, sourceRect.Left,
                                   sourceRect.Top, sourceRect.Width(), sourceRect.Height(), &texture) != gpOk) {
        return false;
    }
    const TGpBrushHandle brush(texture);
    const TuxGpImageHandle bitmap(GpCreateBitmap(destRect.Width(), destRect.Height()));
    const TuxGpGraphicsHandle bitmapGraphics = CreateGpImageGraphics(bitmap.Get());
    GpFillRectangleWithBrush(bitmapGraphics.Get(), brush.Get(), {0, 0, destRect.Width(), destRect.Height()});
    CheckGdipStatus(gdip::DrawImageRectI(graphics, bitmap.Get(), destRect));
    return true;
}

void DrawImageTiles(GpGraphics* graphics, const vcl::TRect& destRect, const vcl::TRect& sourceRect, GpImage* image) {
    for (int32_t y = destRect.Top; y < destRect.Bottom; y += sourceRect.Height()) {
        for (int32_t x = destRect.Left; x < destRect.Right; x += sourceRect.Width()) {
            const vcl::TRect cell{x, y, std::min(x + sourceRect.Width(), destRect.Right),
                                  std::min(y + sourceRect.Height(), destRect.Bottom)};
            const vcl::TRect source = vcl::Bounds(sourceRect.Left, sourceRect.Top, cell.Width(), cell.Height());
            GpDrawImage(graphics, cell, source, image);
        }
    }
}

} // namespace

void detail::TGpImageDeleter::operator()(GpImage* image) const {
    gdip::DisposeImage(image);
}

EuxGdipException::EuxGdipException(GpStatus status)
    : EuxException(rtl::Format(LoadResStringText(suxGdipInvalidOperation), {status})), FStatus(status) {}

EuxGdipException::~EuxGdipException() = default;

vcl::TSeam<TuxGdiPlusLibrary>& GdiPlusLibrarySeam() {
    return GdiPlusLibrary;
}

std::span<const char* const> GdiPlusEntryNames() {
    return EntryNames;
}

TuxProcAddress GdiPlusEntry(TuxGdipEntry entry) {
    return Binding.Entries[static_cast<size_t>(entry)];
}

bool IsGdiPlusAvailable() {
    if (!Binding.LoadAttempted) {
        Binding.LoadAttempted = true;
        LoadGdiPlus();
    }
    return Binding.Available;
}

void LoadGdiPlus() {
    if (Binding.Available) {
        return;
    }
    HMODULE library = GdiPlusLibrary.Current().Open();
    if (!library) {
        return;
    }
    if (!LookUpEntries(library) || !StartGdiPlus()) {
        ForgetEntries();
        GdiPlusLibrary.Current().Close(library);
        return;
    }
    Binding.Library = library;
    Binding.Available = true;
}

void UnloadGdiPlus() {
    if (Binding.Available) {
        Binding.Hooks.NotificationUnhook(Binding.HookToken);
        using TGdiplusShutdown = void(WINAPI*)(ULONG_PTR);
        reinterpret_cast<TGdiplusShutdown>(GdiPlusEntry(TuxGdipEntry::GdiplusShutdown))(Binding.StartupToken);
        Binding.Hooks = {};
    }
    if (Binding.Library) {
        GdiPlusLibrary.Current().Close(Binding.Library);
        Binding.Library = nullptr;
    }
    ForgetEntries();
    Binding.Available = false;
}

GpStatus CheckGdipStatus(GpStatus status) {
    if (status != gpOk) {
        throw EuxGdipException(status);
    }
    return status;
}

void CheckGdipSuccess(bool success) {
    if (!success) {
        throw EuxGdipException(gpInvalidParameter);
    }
}

uint32_t ColorToARGB(vcl::TColor color, uint8_t alpha) {
    return color == vcl::clNone ? 0 : ColorToBGRA(color, alpha);
}

int32_t GetEncoderClsid(rtl::UnicodeStringView mimeType, rtl::TGUID& clsid) {
    if (!IsGdiPlusAvailable()) {
        return 1;
    }
    UINT count = 0;
    UINT size = 0;
    using TGetImageEncodersSize = GpStatus(WINAPI*)(UINT*, UINT*);
    if (CallGdip<TGetImageEncodersSize>(TuxGdipEntry::GdipGetImageEncodersSize, &count, &size) != gpOk ||
        size / sizeof(TImageCodecInfo) < count) {
        return 1;
    }
    // The records come first, the texts they point to after them, all in one buffer of the size GDI+ gave.
    std::vector<TImageCodecInfo> buffer((size + sizeof(TImageCodecInfo) - 1) / sizeof(TImageCodecInfo));
    using TGetImageEncoders = GpStatus(WINAPI*)(UINT, UINT, TImageCodecInfo*);
    if (CallGdip<TGetImageEncoders>(TuxGdipEntry::GdipGetImageEncoders, count, size, buffer.data()) != gpOk) {
        return 1;
    }
    for (UINT i = 0; i < count; ++i) {
        if (SameMimeType(buffer[i].MimeType, mimeType)) {
            const CLSID& found = buffer[i].Clsid;
            clsid = {static_cast<uint32_t>(found.Data1), found.Data2, found.Data3, {}};
            std::copy(std::begin(found.Data4), std::end(found.Data4), clsid.D4);
            return 0;
        }
    }
    return 1;
}

const rtl::TGUID& PngEncoderClsid() {
    return PngEncoder;
}

void EnsurePngEncoder() {
    if (PngEncoder == rtl::TGUID{}) {
        GetEncoderClsid(u"image/png", PngEncoder);
    }
}

std::array<float, 25> GpAlphaColorMatrix(uint8_t alpha) {
    std::array<float, 25> matrix{};
    for (size_t i = 0; i < 5; ++i) {
        matrix[i * 5 + i] = 1.0f;
    }
    matrix[3 * 5 + 3] = static_cast<float>(alpha) / 255.0f;
    return matrix;
}

void GpDrawImage(GpGraphics* graphics, const vcl::TRect& destRect, vcl::TRect sourceRect, GpImage* image,
                 uint8_t alpha) {
    if (sourceRect.Width() < 1 || sourceRect.Height() < 1 || destRect.Width() < 1 || destRect.Height() < 1) {
        return;
    }
    if (sourceRect.Width() < destRect.Width() && sourceRect.Width() > 1) {
        --sourceRect.Right;
    }
    if (sourceRect.Height() < destRect.Height() && sourceRect.Height() > 1) {
        --sourceRect.Bottom;
    }
    if (!GpIsVisibleRect(graphics, destRect)) {
        return;
    }
    if (alpha == 255) {
        CheckGdipStatus(DrawImageRectRect(graphics, image, destRect, sourceRect, nullptr));
        return;
    }
    const TGpImageAttributesHandle attributes = AlphaAttributes(alpha);
    CheckGdipStatus(DrawImageRectRect(graphics, image, destRect, sourceRect, attributes.Get()));
}

void GpDrawImageTiled(GpGraphics* graphics, const vcl::TRect& destRect, const vcl::TRect& sourceRect, GpImage* image) {
    if (sourceRect.IsEmpty() || !GpIsVisibleRect(graphics, destRect)) {
        return;
    }
    const bool sourceCovers = sourceRect.Width() >= destRect.Width() && sourceRect.Height() >= destRect.Height();
    if (sourceCovers || !DrawImageTexture(graphics, destRect, sourceRect, image)) {
        DrawImageTiles(graphics, destRect, sourceRect, image);
    }
}

void GpFillRectGradient(GpGraphics* graphics, const vcl::TRect& rect, vcl::TColor color1, vcl::TColor color2,
                        TuxGpGradientMode mode) {
    const TGpRect area = GpRectOf(rect);
    GpBrush* gradient = nullptr;
    using TCreateLineBrushFromRectI = GpStatus(WINAPI*)(const TGpRect*, uint32_t, uint32_t, INT, INT, GpBrush**);
    CheckGdipStatus(CallGdip<TCreateLineBrushFromRectI>(TuxGdipEntry::GdipCreateLineBrushFromRectI, &area,
                                                        ColorToARGB(color1), ColorToARGB(color2),
                                                        static_cast<INT>(mode), WrapModeTile, &gradient));
    const TGpBrushHandle brush(gradient);
    GpFillRectangleWithBrush(graphics, brush.Get(), rect);
}

void GpFillRectColor(GpGraphics* graphics, const vcl::TRect& rect, uint32_t argb) {
    GpBrush* solid = nullptr;
    CheckGdipStatus(CallGdip<GpStatus(WINAPI*)(uint32_t, GpBrush**)>(TuxGdipEntry::GdipCreateSolidFill, argb, &solid));
    const TGpBrushHandle brush(solid);
    GpFillRectangleWithBrush(graphics, brush.Get(), rect);
}

bool GpIsVisibleRect(GpGraphics* graphics, const vcl::TRect& rect) {
    BOOL visible = FALSE;
    using TIsVisibleRectI = GpStatus(WINAPI*)(GpGraphics*, INT, INT, INT, INT, BOOL*);
    CheckGdipStatus(CallGdip<TIsVisibleRectI>(TuxGdipEntry::GdipIsVisibleRectI, graphics, rect.Left, rect.Top,
                                              rect.Width(), rect.Height(), &visible));
    return visible != FALSE;
}

GpImage* GpCreateBitmap(int32_t width, int32_t height) {
    GpImage* bitmap = nullptr;
    CheckGdipStatus(gdip::CreateBitmapFromScan0(width, height, 0, nullptr, &bitmap));
    return bitmap;
}

GpImage* GpCreateBitmapOfRect(const vcl::TRect& rect) {
    return GpCreateBitmap(rect.Width(), rect.Height());
}

GpImage* GpLoadImageFromStream(rtl::TStream& stream, IStream*& memory) {
    memory = nullptr;
    if (!IsGdiPlusAvailable()) {
        return nullptr;
    }
    const int64_t remaining = stream.Size() - stream.Position();
    CheckGdipSuccess(remaining > 0 && remaining <= std::numeric_limits<int32_t>::max());
    HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(remaining));
    if (!global) {
        throw rtl::EOutOfMemory(rtl::RtlMessages::OutOfMemory);
    }
    try {
        void* bytes = GlobalLock(global);
        CheckGdipSuccess(bytes != nullptr);
        struct TUnlock {
            HGLOBAL Global;
            ~TUnlock() { GlobalUnlock(Global); }
        } unlock{global};
        stream.ReadBuffer(bytes, static_cast<int32_t>(remaining));
    } catch (...) {
        GlobalFree(global);
        throw;
    }
    IStream* adapter = nullptr;
    if (FAILED(CreateStreamOnHGlobal(global, TRUE, &adapter))) {
        GlobalFree(global);
        throw EuxGdipException(gpInvalidParameter);
    }
    GpImage* bitmap = nullptr;
    using TCreateBitmapFromStream = GpStatus(WINAPI*)(IStream*, GpImage**);
    const GpStatus status =
        CallGdip<TCreateBitmapFromStream>(TuxGdipEntry::GdipCreateBitmapFromStream, adapter, &bitmap);
    if (status != gpOk) {
        adapter->Release();
        throw EuxGdipException(status);
    }
    memory = adapter;
    return bitmap;
}

void ReleaseGpStream(IStream* memory) {
    if (memory) {
        memory->Release();
    }
}

void InitializeGdiPlusAPIUnit() {
    RegisterGdiPlusStrs();
    GetUnitsLoader().StartUnit(MarkGdiPlusNotLoaded, UnloadGdiPlus);
}

void FinalizeGdiPlusAPIUnit() {
    FreeUnitsLoader();
    UnregisterGdiPlusStrs();
}

namespace gdip {

GpStatus CreateFromHDC(HDC dc, GpGraphics** graphics) {
    return CallGdip<GpStatus(WINAPI*)(HDC, GpGraphics**)>(TuxGdipEntry::GdipCreateFromHDC, dc, graphics);
}

GpStatus DeleteGraphics(GpGraphics* graphics) {
    return CallGdip<GpStatus(WINAPI*)(GpGraphics*)>(TuxGdipEntry::GdipDeleteGraphics, graphics);
}

GpStatus GetInterpolationMode(GpGraphics* graphics, int32_t* mode) {
    return CallGdip<GpStatus(WINAPI*)(GpGraphics*, INT*)>(TuxGdipEntry::GdipGetInterpolationMode, graphics,
                                                          reinterpret_cast<INT*>(mode));
}

GpStatus SetInterpolationMode(GpGraphics* graphics, int32_t mode) {
    return CallGdip<GpStatus(WINAPI*)(GpGraphics*, INT)>(TuxGdipEntry::GdipSetInterpolationMode, graphics, mode);
}

GpStatus DrawImageRectI(GpGraphics* graphics, GpImage* image, const vcl::TRect& dest) {
    using TDrawImageRectI = GpStatus(WINAPI*)(GpGraphics*, GpImage*, INT, INT, INT, INT);
    return CallGdip<TDrawImageRectI>(TuxGdipEntry::GdipDrawImageRectI, graphics, image, dest.Left, dest.Top,
                                     dest.Width(), dest.Height());
}

GpStatus DisposeImage(GpImage* image) {
    return CallGdip<GpStatus(WINAPI*)(GpImage*)>(TuxGdipEntry::GdipDisposeImage, image);
}

GpStatus CloneImage(GpImage* image, GpImage** clone) {
    return CallGdip<GpStatus(WINAPI*)(GpImage*, GpImage**)>(TuxGdipEntry::GdipCloneImage, image, clone);
}

GpStatus CreateBitmapFromScan0(int32_t width, int32_t height, int32_t stride, uint8_t* scan0, GpImage** bitmap) {
    using TCreateBitmapFromScan0 = GpStatus(WINAPI*)(INT, INT, INT, INT, BYTE*, GpImage**);
    return CallGdip<TCreateBitmapFromScan0>(TuxGdipEntry::GdipCreateBitmapFromScan0, width, height, stride,
                                            PixelFormat32bppPARGB, scan0, bitmap);
}

GpStatus CreateHBITMAPFromBitmap(GpImage* bitmap, HBITMAP* result, uint32_t background) {
    using TCreateHBITMAPFromBitmap = GpStatus(WINAPI*)(GpImage*, HBITMAP*, uint32_t);
    return CallGdip<TCreateHBITMAPFromBitmap>(TuxGdipEntry::GdipCreateHBITMAPFromBitmap, bitmap, result, background);
}

GpStatus GetImageWidth(GpImage* image, uint32_t* width) {
    return CallGdip<GpStatus(WINAPI*)(GpImage*, UINT*)>(TuxGdipEntry::GdipGetImageWidth, image,
                                                        reinterpret_cast<UINT*>(width));
}

GpStatus GetImageHeight(GpImage* image, uint32_t* height) {
    return CallGdip<GpStatus(WINAPI*)(GpImage*, UINT*)>(TuxGdipEntry::GdipGetImageHeight, image,
                                                        reinterpret_cast<UINT*>(height));
}

GpStatus GetImageDimension(GpImage* image, float* width, float* height) {
    return CallGdip<GpStatus(WINAPI*)(GpImage*, float*, float*)>(TuxGdipEntry::GdipGetImageDimension, image, width,
                                                                 height);
}

GpStatus GetImageGraphicsContext(GpImage* image, GpGraphics** graphics) {
    return CallGdip<GpStatus(WINAPI*)(GpImage*, GpGraphics**)>(TuxGdipEntry::GdipGetImageGraphicsContext, image,
                                                               graphics);
}

GpStatus SaveImageToStream(GpImage* image, IStream* stream, const rtl::TGUID* encoder) {
    using TSaveImageToStream = GpStatus(WINAPI*)(GpImage*, IStream*, const CLSID*, const void*);
    return CallGdip<TSaveImageToStream>(TuxGdipEntry::GdipSaveImageToStream, image, stream,
                                        reinterpret_cast<const CLSID*>(encoder), nullptr);
}

} // namespace gdip

TuxGpGraphicsHandle CreateGpGraphics(HDC dc) {
    GpGraphics* graphics = nullptr;
    CheckGdipStatus(gdip::CreateFromHDC(dc, &graphics));
    return TuxGpGraphicsHandle(graphics);
}

TuxGpGraphicsHandle CreateGpImageGraphics(GpImage* image) {
    GpGraphics* graphics = nullptr;
    CheckGdipStatus(gdip::GetImageGraphicsContext(image, &graphics));
    return TuxGpGraphicsHandle(graphics);
}

} // namespace ui
