#include "vcl/graphics/images/Metafile.h"

#include "rtl/io/Streams.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/ImageLimits.h"
#include "vcl/system/Win32.h"

#include <cstring>
#include <vector>

namespace vcl {

namespace {

constexpr size_t MaxMetafileSize = 64 * 1024 * 1024;

[[noreturn]] void InvalidMetafile() {
    throw EInvalidGraphic(VclMessages::InvalidMetafile);
}

// The frame of the picture (hundredths of millimetres) in screen pixels.
TSize FrameInPixels(HENHMETAFILE handle) {
    ENHMETAHEADER header{};
    if (GetEnhMetaFileHeader(handle, sizeof(header), &header) == 0) {
        return {};
    }
    const TScreenDC screen;
    const int32_t width =
        MulDiv(header.rclFrame.right - header.rclFrame.left, GetDeviceCaps(screen.Get(), LOGPIXELSX), 2540);
    const int32_t height =
        MulDiv(header.rclFrame.bottom - header.rclFrame.top, GetDeviceCaps(screen.Get(), LOGPIXELSY), 2540);
    return {width, height};
}

} // namespace

TMetafile::~TMetafile() = default;

void TMetafile::SetHandle(HENHMETAFILE handle) {
    if (handle == FHandle.Get()) {
        return;
    }
    FHandle.Reset(handle);
    const TSize size = handle ? FrameInPixels(handle) : TSize{};
    FWidth = size.cx;
    FHeight = size.cy;
    Changed();
}

void TMetafile::SetWidth(int32_t width) {
    if (width != FWidth) {
        FWidth = width;
        Changed();
    }
}

void TMetafile::SetHeight(int32_t height) {
    if (height != FHeight) {
        FHeight = height;
        Changed();
    }
}

void TMetafile::Assign(const rtl::TPersistent* source) {
    const auto* metafile = dynamic_cast<const TMetafile*>(source);
    if (!source || metafile) {
        if (metafile == this) {
            return;
        }
        SetHandle(metafile && metafile->FHandle ? CopyEnhMetaFileW(metafile->FHandle.Get(), nullptr) : nullptr);
        if (metafile) {
            FWidth = metafile->FWidth;
            FHeight = metafile->FHeight;
        }
        return;
    }
    TGraphic::Assign(source);
}

// A bitmap takes the picture played on the window colour.
void TMetafile::AssignTo(rtl::TPersistent& dest) const {
    auto* bitmap = dynamic_cast<TBitmap*>(&dest);
    if (!bitmap) {
        TGraphic::AssignTo(dest);
        return;
    }
    bitmap->Assign(nullptr);
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(FWidth, FHeight);
    if (FHandle && !bitmap->Empty()) {
        bitmap->Canvas().Brush().SetColor(clWindow);
        const TRect all = Rect(0, 0, FWidth, FHeight);
        bitmap->Canvas().FillRect(all);
        PlayEnhMetaFile(bitmap->Canvas().Handle(), FHandle.Get(), AsRECT(&all));
    }
}

void TMetafile::Draw(TCanvas& canvas, const TRect& rect) {
    if (FHandle) {
        PlayEnhMetaFile(canvas.Handle(), FHandle.Get(), AsRECT(&rect));
    }
}

void TMetafile::LoadFromStream(rtl::TStream& stream) {
    const int64_t remaining = stream.Size() - stream.Position();
    ENHMETAHEADER header{};
    constexpr size_t minimumHeader = 88; // the header up to nPalEntries, EMF 2.2.9
    if (remaining < static_cast<int64_t>(minimumHeader)) {
        InvalidMetafile();
    }
    stream.ReadBuffer(&header, static_cast<int32_t>(minimumHeader));
    if (header.iType != EMR_HEADER || header.dSignature != ENHMETA_SIGNATURE || header.nSize < minimumHeader ||
        header.nBytes < header.nSize || header.nBytes > static_cast<uint64_t>(remaining) ||
        header.nBytes > MaxMetafileSize) {
        InvalidMetafile();
    }
    std::vector<uint8_t> bytes(header.nBytes);
    std::memcpy(bytes.data(), &header, minimumHeader);
    stream.ReadBuffer(bytes.data() + minimumHeader, static_cast<int32_t>(header.nBytes - minimumHeader));
    HENHMETAFILE handle = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
    if (!handle) {
        InvalidMetafile();
    }
    const TSize size = FrameInPixels(handle);
    if (size.cx < 0 || size.cy < 0 || size.cx > MaxImageSide || size.cy > MaxImageSide) {
        DeleteEnhMetaFile(handle);
        InvalidMetafile();
    }
    SetHandle(handle);
}

void TMetafile::SaveToStream(rtl::TStream& stream) {
    if (!FHandle) {
        return;
    }
    const UINT size = GetEnhMetaFileBits(FHandle.Get(), 0, nullptr);
    std::vector<uint8_t> bytes(size);
    GetEnhMetaFileBits(FHandle.Get(), size, bytes.data());
    stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

void TMetafile::LoadFromClipboardFormat(uint16_t format, void* data) {
    if (format != CF_ENHMETAFILE || !data) {
        TGraphic::LoadFromClipboardFormat(format, data);
    }
    SetHandle(CopyEnhMetaFileW(static_cast<HENHMETAFILE>(data), nullptr));
}

void TMetafile::SaveToClipboardFormat(uint16_t& format, void*& data) {
    format = CF_ENHMETAFILE;
    data = FHandle ? CopyEnhMetaFileW(FHandle.Get(), nullptr) : nullptr;
}

} // namespace vcl
