#include "xls/core/model/package/Xc12GraphicManager.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/XLSUtils.h"
#include "xls/core/opc/OPCPackage.h"

#include <limits>
#include <utility>

namespace xls {
namespace {

// The bytes of stream from its position to its end.
std::vector<uint8_t> ReadRest(rtl::TStream& stream) {
    const int64_t count = stream.Size() - stream.Position();
    if (count <= 0)
        return {};
    if (count > std::numeric_limits<int32_t>::max())
        throw rtl::Exception(Xc12GraphicMessages::ImageTooLarge);
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    stream.ReadBuffer(bytes.data(), static_cast<int32_t>(count));
    return bytes;
}

const rtl::UnicodeString NoText;

} // namespace

TXc12GraphicImage::TXc12GraphicImage(rtl::UnicodeString name, TXc12GraphicImageType imageType,
                                     std::vector<uint8_t> data)
    : FImageType(imageType), FData(std::move(data)), FName(std::move(name)) {}

const rtl::UnicodeString& TXc12GraphicImage::OwnerPart() const {
    return FReferences.empty() ? NoText : FReferences.front().OwnerPart;
}

const rtl::UnicodeString& TXc12GraphicImage::RelId() const {
    return FReferences.empty() ? NoText : FReferences.front().RelId;
}

bool TXc12GraphicImage::IsReferencedBy(rtl::UnicodeStringView ownerPart, rtl::UnicodeStringView relId) const {
    for (const TXc12GraphicImageRef& reference : FReferences) {
        if (reference.OwnerPart == ownerPart && reference.RelId == relId)
            return true;
    }
    return false;
}

void TXc12GraphicImage::AddUse(rtl::UnicodeStringView ownerPart, rtl::UnicodeStringView relId) {
    ++FUseCount;
    if (!IsReferencedBy(ownerPart, relId))
        FReferences.push_back({rtl::UnicodeString(ownerPart), rtl::UnicodeString(relId)});
}

TXc12GraphicImages::TXc12GraphicImages(TXLSErrorManager* errors) : FErrors(errors) {}

TXc12GraphicImage* TXc12GraphicImages::AddFromPart(rtl::TStream& stream, rtl::UnicodeStringView extension,
                                                   rtl::UnicodeStringView imagePartPath,
                                                   rtl::UnicodeStringView ownerPart, rtl::UnicodeStringView relId) {
    if (TXc12GraphicImage* stored = FindByName(imagePartPath)) {
        stored->AddUse(ownerPart, relId);
        return stored;
    }
    TXc12GraphicImage* image = Append(rtl::UnicodeString(imagePartPath), TypeFromExtension(extension), stream);
    image->FReferences.push_back({rtl::UnicodeString(ownerPart), rtl::UnicodeString(relId)});
    return image;
}

TXc12GraphicImage* TXc12GraphicImages::FindByRelId(rtl::UnicodeStringView ownerPart,
                                                   rtl::UnicodeStringView relId) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (GetItem(i)->IsReferencedBy(ownerPart, relId))
            return GetItem(i);
    }
    return nullptr;
}

TXc12GraphicImage* TXc12GraphicImages::AddFromStream(rtl::TStream& stream, TXc12GraphicImageType imageType) {
    return Append(FreeGeneratedName(imageType), imageType, stream);
}

TXc12GraphicImage* TXc12GraphicImages::AddImage(rtl::TStream& stream, rtl::UnicodeStringView fileName) {
    const TXc12GraphicImageType imageType = TypeFromExtension(fileName);
    if (imageType == xgitUnknown) {
        FErrors->ReportWarning(fileName, XLSWarningUnknownImageType);
        return nullptr;
    }
    TXc12GraphicImage* image = FindByFileName(fileName);
    if (image == nullptr) {
        image = AddFromStream(stream, imageType);
        image->SetFileName(rtl::UnicodeString(fileName));
    } else if (!ProbeImage(image->ImageType(), image->Data())) {
        FErrors->ReportWarning(u"", XLSWarningImageError);
    }
    return image;
}

TXc12GraphicImage* TXc12GraphicImages::FindByName(rtl::UnicodeStringView name) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (GetItem(i)->Name() == name)
            return GetItem(i);
    }
    return nullptr;
}

TXc12GraphicImage* TXc12GraphicImages::FindByFileName(rtl::UnicodeStringView fileName) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (rtl::WideSameText(GetItem(i)->FileName(), fileName))
            return GetItem(i);
    }
    return nullptr;
}

TXc12GraphicImage* TXc12GraphicImages::GetItem(int32_t index) const {
    return static_cast<TXc12GraphicImage*>(TIndexObjectList::GetItem(index));
}

TXc12GraphicImageType TXc12GraphicImages::TypeFromExtension(rtl::UnicodeStringView name) {
    const rtl::UnicodeString extension = rtl::LowerCase(name.substr(static_cast<size_t>(LastCharPos(u'.', name) + 1)));
    if (extension == u"jpg" || extension == u"jpeg")
        return xgitJPEG;
    if (extension == u"png")
        return xgitPNG;
    if (extension == u"emf")
        return xgitEMF;
    if (extension == u"wmf")
        return xgitWMF;
    return xgitUnknown;
}

rtl::UnicodeString TXc12GraphicImages::TypeToExtension(TXc12GraphicImageType imageType) {
    switch (imageType) {
    case xgitJPEG:
        return u"jpeg";
    case xgitPNG:
        return u"png";
    case xgitEMF:
        return u"emf";
    case xgitWMF:
        return u"wmf";
    default:
        throw rtl::Exception(Xc12GraphicMessages::UnknownImageType);
    }
}

TXc12GraphicImage* TXc12GraphicImages::Append(rtl::UnicodeString name, TXc12GraphicImageType imageType,
                                              rtl::TStream& stream) {
    auto image = std::make_unique<TXc12GraphicImage>(std::move(name), imageType, ReadRest(stream));
    TXc12GraphicImage* added = image.get();
    TIndexObjectList::Add(std::move(image));
    return added;
}

rtl::UnicodeString TXc12GraphicImages::FreeGeneratedName(TXc12GraphicImageType imageType) const {
    const rtl::UnicodeString extension = TypeToExtension(imageType);
    // Only Count names are stored, so one of the first Count + 1 numbers is free.
    for (int32_t number = Count() + 1;; ++number) {
        rtl::UnicodeString name = rtl::Format(u"Image%d.%s", {number, extension});
        if (FindByName(name) == nullptr)
            return name;
    }
}

TXc12GraphicManager::TXc12GraphicManager(TXLSErrorManager* errors) : FErrors(errors), FImages(errors) {}

TXc12GraphicImage* TXc12GraphicManager::FindDrawingImage(rtl::UnicodeStringView relId) const {
    const TOPCItem* drawing = FPackage == nullptr ? nullptr : FPackage->GetCurrentDrawing();
    return drawing == nullptr ? nullptr : FImages.FindByRelId(drawing->ResolvePath(), relId);
}

} // namespace xls
