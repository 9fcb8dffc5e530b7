#include "vcl/graphics/images/Picture.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/graphics/images/JpegImage.h"
#include "vcl/graphics/images/Metafile.h"

#include <algorithm>
#include <vector>

namespace vcl {

namespace {

struct TFileFormat {
    rtl::UnicodeString Extension; // lower case, no dot
    rtl::UnicodeString Description;
    TGraphicClass GraphicClass;
};

rtl::UnicodeString LowerExtension(rtl::UnicodeStringView extension) {
    if (!extension.empty() && extension.front() == u'.') {
        extension.remove_prefix(1);
    }
    rtl::UnicodeString lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; });
    return lower;
}

std::vector<TFileFormat>& FileFormats() {
    static std::vector<TFileFormat> formats = {
        {u"bmp", u"Bitmaps", &TBitmap::StaticClass()},
        {u"ico", u"Icons", &TIcon::StaticClass()},
        {u"emf", u"Enhanced Metafiles", &TMetafile::StaticClass()},
        {u"jpg", u"JPEG Image File", &TJPEGImage::StaticClass()},
        {u"jpeg", u"JPEG Image File", &TJPEGImage::StaticClass()},
    };
    return formats;
}

bool FormatOfClass(const TFileFormat& format, TGraphicClass graphicClass) {
    return !graphicClass || format.GraphicClass->InheritsFrom(*graphicClass);
}

rtl::UnicodeString ExtensionOfFile(const rtl::UnicodeString& fileName) {
    const size_t dot = fileName.find_last_of(u'.');
    const size_t separator = fileName.find_last_of(u"\\/");
    if (dot == rtl::UnicodeString::npos || (separator != rtl::UnicodeString::npos && dot < separator)) {
        return {};
    }
    return fileName.substr(dot + 1);
}

} // namespace

void RegisterFileFormat(rtl::UnicodeStringView extension, rtl::UnicodeStringView description,
                        TGraphicClass graphicClass) {
    const rtl::UnicodeString key = LowerExtension(extension);
    std::erase_if(FileFormats(), [&](const TFileFormat& format) { return format.Extension == key; });
    FileFormats().push_back({key, rtl::UnicodeString(description), graphicClass});
}

void UnregisterGraphicClass(TGraphicClass graphicClass) {
    std::erase_if(FileFormats(), [&](const TFileFormat& format) { return format.GraphicClass == graphicClass; });
}

TGraphicClass GraphicClassOfExtension(rtl::UnicodeStringView extension) {
    const rtl::UnicodeString key = LowerExtension(extension);
    for (const TFileFormat& format : FileFormats()) {
        if (format.Extension == key) {
            return format.GraphicClass;
        }
    }
    return nullptr;
}

rtl::UnicodeString GraphicFileMask(TGraphicClass graphicClass) {
    rtl::UnicodeString masks;
    for (const TFileFormat& format : FileFormats()) {
        if (FormatOfClass(format, graphicClass)) {
            masks += (masks.empty() ? u"*." : u";*.") + format.Extension;
        }
    }
    return masks;
}

TGraphicClass FindGraphicClassByName(rtl::UnicodeStringView name) {
    for (const TFileFormat& format : FileFormats()) {
        if (rtl::SameText(format.GraphicClass->ClassName(), name)) {
            return format.GraphicClass;
        }
    }
    const rtl::TMetaclass* registered = rtl::GetClass(name);
    return registered && registered->InheritsFrom(TGraphic::StaticClass()) ? registered : nullptr;
}

rtl::UnicodeString GraphicExtension(TGraphicClass graphicClass) {
    for (const TFileFormat& format : FileFormats()) {
        if (format.GraphicClass == graphicClass) {
            return format.Extension;
        }
    }
    return {};
}

rtl::UnicodeString GraphicFilter(TGraphicClass graphicClass) {
    const rtl::UnicodeString all = GraphicFileMask(graphicClass);
    rtl::UnicodeString filter = u"All (" + all + u")|" + all;
    for (const TFileFormat& format : FileFormats()) {
        if (FormatOfClass(format, graphicClass)) {
            const rtl::UnicodeString mask = u"*." + format.Extension;
            filter += u"|" + format.Description + u" (" + mask + u")|" + mask;
        }
    }
    return filter;
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Changed() {
    if (FOnChange) {
        FOnChange(this);
    }
}

void TPicture::Hold(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    if (FGraphic) {
        FGraphic->SetOnChange([this](rtl::TObject*) { Changed(); });
    }
    Changed();
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (!graphic) {
        Hold(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy(static_cast<TGraphic*>(graphic->ClassType().CreateInstance(nullptr)));
    copy->Assign(graphic);
    Hold(std::move(copy));
}

void TPicture::Assign(const rtl::TPersistent* source) {
    if (!source) {
        SetGraphic(nullptr);
    } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        if (picture != this) {
            SetGraphic(picture->Graphic());
        }
    } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(source);
    }
}

void TPicture::AssignTo(rtl::TPersistent& dest) const {
    if (auto* graphic = dynamic_cast<TGraphic*>(&dest); graphic && FGraphic) {
        graphic->Assign(FGraphic.get());
        return;
    }
    TPersistent::AssignTo(dest);
}

template <class TGraphicType>
TGraphicType& TPicture::GraphicOfType() {
    if (auto* held = dynamic_cast<TGraphicType*>(FGraphic.get())) {
        return *held;
    }
    Hold(std::make_unique<TGraphicType>());
    return static_cast<TGraphicType&>(*FGraphic);
}

TBitmap& TPicture::Bitmap() {
    return GraphicOfType<TBitmap>();
}

TIcon& TPicture::Icon() {
    return GraphicOfType<TIcon>();
}

TMetafile& TPicture::Metafile() {
    return GraphicOfType<TMetafile>();
}

int32_t TPicture::Width() const {
    return FGraphic ? FGraphic->Width() : 0;
}

int32_t TPicture::Height() const {
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::LoadFromStreamAs(rtl::TStream& stream, TGraphicClass graphicClass) {
    std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(graphicClass->CreateInstance(nullptr)));
    graphic->LoadFromStream(stream);
    Hold(std::move(graphic));
}

void TPicture::LoadFromFile(const rtl::UnicodeString& fileName) {
    const rtl::UnicodeString extension = ExtensionOfFile(fileName);
    TGraphicClass graphicClass = GraphicClassOfExtension(extension);
    if (!graphicClass) {
        throw EInvalidGraphic(rtl::Format(VclMessages::UnknownExtension, {extension}));
    }
    std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(graphicClass->CreateInstance(nullptr)));
    graphic->LoadFromFile(fileName);
    Hold(std::move(graphic));
}

void TPicture::SaveToFile(const rtl::UnicodeString& fileName) {
    if (FGraphic) {
        FGraphic->SaveToFile(fileName);
    }
}

} // namespace vcl
