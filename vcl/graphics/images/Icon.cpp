#include "vcl/graphics/images/Icon.h"

#include "rtl/io/Streams.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/DibFormat.h"
#include "vcl/graphics/images/ImageLimits.h"
#include "vcl/resources/ResourceStream.h"
#include "vcl/system/Win32.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace vcl {

namespace {

// ICONDIR and ICONDIRENTRY of the .ico file format.
constexpr size_t IconDirSize = 6;
constexpr size_t IconEntrySize = 16;
constexpr uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t MaxIconFileSize = 64 * 1024 * 1024;

[[noreturn]] void InvalidIcon() {
    throw EInvalidGraphic(VclMessages::InvalidIcon);
}

template <class T>
T ReadAt(const std::vector<uint8_t>& data, size_t offset) {
    T value{};
    std::memcpy(&value, data.data() + offset, sizeof(T));
    return value;
}

struct TIconImage {
    size_t Offset = 0;
    size_t Size = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

// The image of an icon directory entry, checked: inside the file, a PNG or a DIB whose colour, and mask rows fit.
TIconImage CheckedEntry(const std::vector<uint8_t>& file, size_t entryAt) {
    TIconImage image;
    image.Width = file[entryAt] == 0 ? 256 : file[entryAt];
    image.Height = file[entryAt + 1] == 0 ? 256 : file[entryAt + 1];
    image.Size = ReadAt<uint32_t>(file, entryAt + 8);
    image.Offset = ReadAt<uint32_t>(file, entryAt + 12);
    if (image.Offset > file.size() || image.Size > file.size() - image.Offset || image.Size < sizeof(PngSignature)) {
        InvalidIcon();
    }
    const uint8_t* data = file.data() + image.Offset;
    if (std::memcmp(data, PngSignature, sizeof(PngSignature)) == 0) {
        return image;
    }
    // The DIB of an icon has twice the icon's height: the colour rows, then the mask rows.
    if (image.Size < sizeof(BITMAPINFOHEADER)) {
        InvalidIcon();
    }
    BITMAPINFOHEADER header{};
    std::memcpy(&header, data, sizeof(header));
    const uint16_t bits = header.biBitCount;
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    if (header.biSize < sizeof(header) || header.biSize > image.Size || header.biPlanes != 1 || !knownDepth ||
        header.biCompression != BI_RGB || header.biHeight <= 0 || header.biHeight % 2 != 0 ||
        !ImageSizeAllowed(header.biWidth, header.biHeight / 2)) {
        InvalidIcon();
    }
    const size_t fullTable = bits <= 8 ? size_t{1} << bits : 0;
    const size_t tableEntries = header.biClrUsed == 0 ? fullTable : header.biClrUsed;
    const auto rows = static_cast<size_t>(header.biHeight / 2);
    const size_t needed = header.biSize + tableEntries * sizeof(RGBQUAD) + DibStride(header.biWidth, bits) * rows +
                          DibStride(header.biWidth, 1) * rows;
    if (tableEntries > 256 || needed > image.Size) {
        InvalidIcon();
    }
    image.Width = header.biWidth;
    image.Height = header.biHeight / 2;
    return image;
}

// The entry whose size is nearest the system's icon size (the larger one on a tie).
size_t ChooseEntry(const std::vector<TIconImage>& images) {
    const int32_t wanted = GetSystemMetrics(SM_CXICON);
    size_t best = 0;
    for (size_t i = 1; i < images.size(); ++i) {
        const int32_t distance = std::abs(images[i].Width - wanted);
        const int32_t bestDistance = std::abs(images[best].Width - wanted);
        if (distance < bestDistance || (distance == bestDistance && images[i].Width > images[best].Width)) {
            best = i;
        }
    }
    return best;
}

void WriteLittle(std::vector<uint8_t>& out, uint32_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

// A one-image .ico file of the icon: its colours as 32-bit rows and its mask.
std::vector<uint8_t> IconFileOf(HICON icon, int32_t width, int32_t height) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        InvalidIcon();
    }
    const TBitmapHandle color(info.hbmColor);
    const TBitmapHandle mask(info.hbmMask);
    const size_t colorSize = DibStride(width, 32) * static_cast<size_t>(height);
    const size_t maskSize = DibStride(width, 1) * static_cast<size_t>(height);
    std::vector<uint8_t> colorRows(colorSize);
    struct {
        BITMAPINFOHEADER Header;
        RGBQUAD Colors[2];
    } query{};
    query.Header = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const TScreenDC screen;
    if (color) {
        GetDIBits(screen.Get(), color.Get(), 0, static_cast<UINT>(height), colorRows.data(),
                  reinterpret_cast<BITMAPINFO*>(&query), DIB_RGB_COLORS);
    }
    std::vector<uint8_t> maskRows(maskSize);
    query.Header = {sizeof(BITMAPINFOHEADER), width, height, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
    // A monochrome icon keeps its colours below its mask in the mask bitmap; the mask is its top half.
    const int32_t maskStart = color ? 0 : height;
    GetDIBits(screen.Get(), mask.Get(), static_cast<UINT>(maskStart), static_cast<UINT>(height), maskRows.data(),
              reinterpret_cast<BITMAPINFO*>(&query), DIB_RGB_COLORS);

    const size_t imageSize = sizeof(BITMAPINFOHEADER) + colorSize + maskSize;
    std::vector<uint8_t> file;
    WriteLittle(file, 0, 2);
    WriteLittle(file, 1, 2);
    WriteLittle(file, 1, 2);
    file.push_back(static_cast<uint8_t>(width >= 256 ? 0 : width));
    file.push_back(static_cast<uint8_t>(height >= 256 ? 0 : height));
    WriteLittle(file, 0, 2);
    WriteLittle(file, 1, 2);
    WriteLittle(file, 32, 2);
    WriteLittle(file, static_cast<uint32_t>(imageSize), 4);
    WriteLittle(file, static_cast<uint32_t>(IconDirSize + IconEntrySize), 4);
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), width, height * 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const auto* headerBytes = reinterpret_cast<const uint8_t*>(&header);
    file.insert(file.end(), headerBytes, headerBytes + sizeof(header));
    file.insert(file.end(), colorRows.begin(), colorRows.end());
    file.insert(file.end(), maskRows.begin(), maskRows.end());
    return file;
}

TSize IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return {};
    }
    const TBitmapHandle color(info.hbmColor);
    const TBitmapHandle mask(info.hbmMask);
    BITMAP description{};
    GetObjectW(mask.Get(), sizeof(description), &description);
    return {description.bmWidth, color ? description.bmHeight : description.bmHeight / 2};
}

} // namespace

TIcon::~TIcon() = default;

void TIcon::Take(TIconHandle handle, std::vector<uint8_t> fileBytes) {
    FHandle = std::move(handle);
    const TSize size = FHandle ? IconSize(FHandle.Get()) : TSize{};
    FWidth = size.cx;
    FHeight = size.cy;
    FFileBytes = std::move(fileBytes);
    Changed();
}

void TIcon::SetHandle(HICON handle) {
    if (handle != FHandle.Get()) {
        Take(TIconHandle(handle), {});
    }
}

HICON TIcon::ReleaseHandle() {
    HICON handle = FHandle.Release();
    Take({}, {});
    return handle;
}

void TIcon::Assign(const rtl::TPersistent* source) {
    const auto* icon = dynamic_cast<const TIcon*>(source);
    if (!source || icon) {
        if (icon == this) {
            return;
        }
        TIconHandle copy(icon && icon->FHandle ? CopyIcon(icon->FHandle.Get()) : nullptr);
        Take(std::move(copy), icon ? icon->FFileBytes : std::vector<uint8_t>{});
        return;
    }
    TGraphic::Assign(source);
}

// A bitmap takes the icon drawn on the window colour.
void TIcon::AssignTo(rtl::TPersistent& dest) const {
    auto* bitmap = dynamic_cast<TBitmap*>(&dest);
    if (!bitmap) {
        TGraphic::AssignTo(dest);
        return;
    }
    bitmap->Assign(nullptr);
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(FWidth, FHeight);
    if (FHandle) {
        bitmap->Canvas().Brush().SetColor(clWindow);
        bitmap->Canvas().FillRect(Rect(0, 0, FWidth, FHeight));
        DrawIconEx(bitmap->Canvas().Handle(), 0, 0, FHandle.Get(), FWidth, FHeight, 0, nullptr, DI_NORMAL);
    }
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
    if (FHandle) {
        DrawIconEx(canvas.Handle(), rect.Left, rect.Top, FHandle.Get(), rect.Width(), rect.Height(), 0, nullptr,
                   DI_NORMAL);
    }
}

void TIcon::LoadFromStream(rtl::TStream& stream) {
    const int64_t remaining = stream.Size() - stream.Position();
    if (remaining < static_cast<int64_t>(IconDirSize) || remaining > static_cast<int64_t>(MaxIconFileSize)) {
        InvalidIcon();
    }
    std::vector<uint8_t> file(IconDirSize);
    stream.ReadBuffer(file.data(), static_cast<int32_t>(IconDirSize));
    const uint16_t reserved = ReadAt<uint16_t>(file, 0);
    const uint16_t type = ReadAt<uint16_t>(file, 2);
    const uint16_t count = ReadAt<uint16_t>(file, 4);
    if (reserved != 0 || type != 1 || count == 0 ||
        IconDirSize + count * IconEntrySize > static_cast<size_t>(remaining)) {
        InvalidIcon();
    }
    // The file ends with its last image.
    file.resize(IconDirSize + count * IconEntrySize);
    stream.ReadBuffer(file.data() + IconDirSize, static_cast<int32_t>(count * IconEntrySize));
    size_t end = file.size();
    for (size_t i = 0; i < count; ++i) {
        const size_t entryAt = IconDirSize + i * IconEntrySize;
        const uint64_t imageEnd =
            uint64_t{ReadAt<uint32_t>(file, entryAt + 12)} + uint64_t{ReadAt<uint32_t>(file, entryAt + 8)};
        if (imageEnd > static_cast<uint64_t>(remaining)) {
            InvalidIcon();
        }
        end = std::max(end, static_cast<size_t>(imageEnd));
    }
    const size_t headerSize = file.size();
    file.resize(end);
    stream.ReadBuffer(file.data() + headerSize, static_cast<int32_t>(end - headerSize));

    std::vector<TIconImage> images;
    for (size_t i = 0; i < count; ++i) {
        images.push_back(CheckedEntry(file, IconDirSize + i * IconEntrySize));
    }
    const TIconImage& chosen = images[ChooseEntry(images)];
    if (!ImageSizeAllowed(chosen.Width, chosen.Height)) {
        InvalidIcon();
    }
    TIconHandle handle(CreateIconFromResourceEx(file.data() + chosen.Offset, static_cast<DWORD>(chosen.Size), TRUE,
                                                0x00030000, chosen.Width, chosen.Height, LR_DEFAULTCOLOR));
    if (!handle) {
        InvalidIcon();
    }
    Take(std::move(handle), std::move(file));
}

void TIcon::SaveToStream(rtl::TStream& stream) {
    if (!FHandle) {
        return;
    }
    if (FFileBytes.empty()) {
        FFileBytes = IconFileOf(FHandle.Get(), FWidth, FHeight);
    }
    stream.WriteBuffer(FFileBytes.data(), static_cast<int32_t>(FFileBytes.size()));
}

void TIcon::LoadFromResourceName(HINSTANCE instance, rtl::UnicodeStringView name) {
    const rtl::UnicodeString terminated(name);
    HMODULE module = instance ? instance : GetModuleHandleW(nullptr);
    if (!FindResourceW(module, AsWide(terminated.c_str()), RT_GROUP_ICON)) {
        throw EResNotFound(rtl::Format(VclMessages::ResourceNotFound, {terminated}));
    }
    auto* icon = static_cast<HICON>(LoadImageW(module, AsWide(terminated.c_str()), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    if (!icon) {
        InvalidIcon();
    }
    Take(TIconHandle(icon), {});
}

} // namespace vcl
