#include "vcl/graphics/images/PictureClipboard.h"

#include "rtl/io/Streams.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Metafile.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/services/Clipboard.h"
#include "vcl/system/Win32.h"

#include <cstring>
#include <memory>
#include <string>

namespace vcl {

namespace {

// The registered format's block: the class name's length in UTF-16 units (32 bits), the name, the stream form.
constexpr size_t NameLengthBytes = sizeof(uint32_t);
// A class name longer than this is no graphic class of ours.
constexpr uint32_t MaxClassNameLength = 64;

void FreeClipboardHandle(void* handle) {
    DeleteObject(handle);
}

void FreeClipboardMetafile(void* handle) {
    DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle));
}

std::string PictureBlock(TGraphic& graphic) {
    const rtl::UnicodeStringView name = graphic.ClassType().ClassName();
    rtl::TMemoryStream stream;
    graphic.SaveToStream(stream);
    const auto length = static_cast<uint32_t>(name.size());
    std::string block(NameLengthBytes + name.size() * sizeof(char16_t), '\0');
    std::memcpy(block.data(), &length, NameLengthBytes);
    std::memcpy(block.data() + NameLengthBytes, name.data(), name.size() * sizeof(char16_t));
    block.append(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
    return block;
}

// The graphic class a block names: a class the program registered by name that is a graphic; nullptr otherwise.
TGraphicClass BlockGraphicClass(const std::string& block, size_t& dataStart) {
    uint32_t length = 0;
    if (block.size() < NameLengthBytes) {
        return nullptr;
    }
    std::memcpy(&length, block.data(), NameLengthBytes);
    if (length == 0 || length > MaxClassNameLength || block.size() - NameLengthBytes < length * sizeof(char16_t)) {
        return nullptr;
    }
    rtl::UnicodeString name(length, u'\0');
    std::memcpy(name.data(), block.data() + NameLengthBytes, length * sizeof(char16_t));
    dataStart = NameLengthBytes + length * sizeof(char16_t);
    return FindGraphicClassByName(name);
}

void TakePictureBlock(const std::string& block, TPicture& picture) {
    size_t dataStart = 0;
    TGraphicClass graphicClass = BlockGraphicClass(block, dataStart);
    if (!graphicClass) {
        throw EInvalidGraphic(VclMessages::UnknownClipboardFormat);
    }
    rtl::TCustomMemoryStream stream(const_cast<char*>(block.data() + dataStart),
                                    static_cast<int64_t>(block.size() - dataStart));
    picture.LoadFromStreamAs(stream, graphicClass);
}

} // namespace

uint16_t PictureClipboardFormat() {
    static const auto format = static_cast<uint16_t>(RegisterClipboardFormatW(L"Tallyvane Picture"));
    return format;
}

void PutGraphicOnClipboard(TClipboard& clipboard, TGraphic& graphic) {
    clipboard.Open();
    try {
        clipboard.Clear();
        const std::string block = PictureBlock(graphic);
        clipboard.AddBytes(PictureClipboardFormat(), block.data(), block.size());
        uint16_t format = 0;
        void* data = nullptr;
        try {
            graphic.SaveToClipboardFormat(format, data);
        } catch (const EInvalidGraphic&) {
            // A class Windows has no format for travels in the registered format alone.
            data = nullptr;
        }
        if (data) {
            clipboard.AddHandle(format, data, format == CF_ENHMETAFILE ? FreeClipboardMetafile : FreeClipboardHandle);
        }
    } catch (...) {
        clipboard.Close();
        throw;
    }
    clipboard.Close();
}

bool ClipboardHasPicture(const TClipboard& clipboard) {
    return clipboard.HasFormat(PictureClipboardFormat()) || clipboard.HasFormat(CF_ENHMETAFILE) ||
           clipboard.HasFormat(CF_BITMAP);
}

void TakePictureFromClipboard(TClipboard& clipboard, TPicture& picture) {
    if (clipboard.HasFormat(PictureClipboardFormat())) {
        return TakePictureBlock(clipboard.AsBytes(PictureClipboardFormat()), picture);
    }
    if (clipboard.HasFormat(CF_ENHMETAFILE)) {
        TMetafile metafile;
        metafile.LoadFromClipboardFormat(CF_ENHMETAFILE, clipboard.AsHandle(CF_ENHMETAFILE));
        return picture.Assign(&metafile);
    }
    TBitmap bitmap;
    TakeBitmapFromClipboard(clipboard, bitmap);
    picture.Assign(&bitmap);
}

void TakeBitmapFromClipboard(TClipboard& clipboard, TBitmap& bitmap) {
    bitmap.LoadFromClipboardFormat(CF_BITMAP, clipboard.AsHandle(CF_BITMAP));
}

} // namespace vcl
