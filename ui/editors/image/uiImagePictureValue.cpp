#include "ui/editors/image/uiImagePictureValue.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringUtils.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/graphics/images/JpegImage.h"
#include "vcl/graphics/images/Metafile.h"
#include "vcl/graphics/images/Picture.h"

#include <cstring>
#include <exception>
#include <memory>
#include <string_view>

namespace ui {

namespace {

// The PNG class is the GDI+ binding's, which registers it by this name when GDI+ is there.
constexpr char16_t PngGraphicClassName[] = u"TuxPNGImage";

std::unique_ptr<std::vector<vcl::TGraphicClass>> graphicClasses;

// The bytes of a byte string or byte array; false for any other value.
bool PictureBytes(const rtl::Variant& value, std::string_view& bytes) {
    if (value.VarType() == rtl::varString) {
        bytes = value.StoredAnsiString();
        return true;
    }
    if (value.VarType() == (rtl::varArray | rtl::varByte)) {
        bytes = value.ArrayBytes();
        return true;
    }
    return false;
}

// Whether the bytes start with the header: 16-bit 1, 16-bit 256 and the count of the bytes after it.
bool HasPictureHeader(std::string_view bytes) {
    constexpr unsigned char signature[] = {0x01, 0x00, 0x00, 0x01};
    if (bytes.size() < MinPictureValueSize || std::memcmp(bytes.data(), signature, sizeof signature) != 0) {
        return false;
    }
    uint32_t count = 0;
    std::memcpy(&count, bytes.data() + sizeof signature, sizeof count);
    return count == bytes.size() - MinPictureValueSize;
}

} // namespace

const std::vector<vcl::TGraphicClass>& GraphicClassList() {
    if (!graphicClasses) {
        graphicClasses = std::make_unique<std::vector<vcl::TGraphicClass>>();
        graphicClasses->push_back(&vcl::TBitmap::StaticClass());
        graphicClasses->push_back(&vcl::TIcon::StaticClass());
        graphicClasses->push_back(&vcl::TMetafile::StaticClass());
        const rtl::TMetaclass* png = rtl::GetClass(PngGraphicClassName);
        if (png != nullptr && png->InheritsFrom(vcl::TGraphic::StaticClass())) {
            graphicClasses->push_back(png);
        }
        graphicClasses->push_back(&vcl::TJPEGImage::StaticClass());
    }
    return *graphicClasses;
}

void FreeGraphicClassList() {
    graphicClasses.reset();
}

vcl::TGraphicClass FindGraphicClass(rtl::UnicodeStringView name) {
    for (const vcl::TGraphicClass graphicClass : GraphicClassList()) {
        if (rtl::SameText(graphicClass->ClassName(), name)) {
            return graphicClass;
        }
    }
    return nullptr;
}

vcl::TGraphicClass DefaultGraphicClass() {
    const std::vector<vcl::TGraphicClass>& classes = GraphicClassList();
    return classes.empty() ? nullptr : classes.front();
}

void LoadPictureFromValue(vcl::TPicture& picture, vcl::TGraphicClass graphicClass, const rtl::Variant& value) {
    std::string_view bytes;
    if (!PictureBytes(value, bytes) || bytes.size() < MinPictureValueSize) {
        picture.Assign(nullptr);
        return;
    }
    if (HasPictureHeader(bytes)) {
        bytes.remove_prefix(MinPictureValueSize);
    }
    // The stream only reads the value's bytes, which live as long as it does.
    rtl::TCustomMemoryStream stream(const_cast<char*>(bytes.data()), static_cast<int64_t>(bytes.size()));
    try {
        if (graphicClass != nullptr) {
            picture.LoadFromStreamAs(stream, graphicClass);
        } else {
            picture.Bitmap().LoadFromStream(stream);
        }
    } catch (const rtl::Exception&) {
        picture.Assign(nullptr);
    } catch (const std::exception&) {
        picture.Assign(nullptr);
    }
}

rtl::Variant PictureToValue(const vcl::TPicture& picture) {
    if (IsPictureEmpty(picture)) {
        return rtl::Variant::Null();
    }
    rtl::TMemoryStream stream;
    picture.Graphic()->SaveToStream(stream);
    return rtl::Variant::FromAnsiString(
        rtl::AnsiString(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size())));
}

bool IsPictureEmpty(const vcl::TPicture& picture) {
    return picture.Graphic() == nullptr || picture.Graphic()->Empty();
}

} // namespace ui
