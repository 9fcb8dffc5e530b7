#pragma once
// The picture store: every picture of a workbook once, as the raw bytes of its file with its type. Pictures read from
// a package are keyed by their image part's path and found again by the drawing part that refers to them and the
// relationship id it uses; an image part shown by several drawings is stored once and found through each of them.
// Pictures added through the API get a generated name ("Image4.png") and remember the file name they came from.
// Problems are warnings through the error manager: 3006 for an unknown picture type, 3008 for bytes that do not
// read as a picture of their type.

#include "rtl/core/Object.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/model/common/XLSIndexObjects.h"
#include "xls/core/model/package/Xc12GraphicProbes.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace xls {

class TXLSErrorManager;
class TOPC_XLSX;

// The fixed texts of the store's failures.
namespace Xc12GraphicMessages {
inline constexpr char16_t UnknownImageType[] = u"Unknown image type";
inline constexpr char16_t ImageTooLarge[] = u"Image too large";
} // namespace Xc12GraphicMessages

// One package part's reference to a picture: the part and the relationship id under which it refers to it.
struct TXc12GraphicImageRef {
    rtl::UnicodeString OwnerPart;
    rtl::UnicodeString RelId;
};

// One stored picture: its file's bytes, its type, its name and who refers to it.
class TXc12GraphicImage : public TIndexObject {
public:
    TXc12GraphicImage(rtl::UnicodeString name, TXc12GraphicImageType imageType, std::vector<uint8_t> data);

    // The first part that added the picture and its relationship id; empty for pictures added through the API.
    const rtl::UnicodeString& OwnerPart() const;
    const rtl::UnicodeString& RelId() const;
    // Every part that added the picture, the first one first, each once.
    const std::vector<TXc12GraphicImageRef>& References() const { return FReferences; }
    bool IsReferencedBy(rtl::UnicodeStringView ownerPart, rtl::UnicodeStringView relId) const;
    // 1 when added, plus 1 for every further part that adds it.
    int32_t UseCount() const { return FUseCount; }
    TXc12GraphicImageType ImageType() const { return FImageType; }
    std::span<const uint8_t> Data() const { return FData; }
    int32_t DataSize() const { return static_cast<int32_t>(FData.size()); }
    // The image part's path, or the generated name "Image<n>.<extension>".
    const rtl::UnicodeString& Name() const { return FName; }
    // The file name the picture was added from through the API.
    const rtl::UnicodeString& FileName() const { return FFileName; }
    void SetFileName(rtl::UnicodeString fileName) { FFileName = std::move(fileName); }

private:
    friend class TXc12GraphicImages;
    // Counts one more use and records the reference when it is new.
    void AddUse(rtl::UnicodeStringView ownerPart, rtl::UnicodeStringView relId);

    std::vector<TXc12GraphicImageRef> FReferences;
    int32_t FUseCount = 1;
    TXc12GraphicImageType FImageType;
    std::vector<uint8_t> FData;
    rtl::UnicodeString FName;
    rtl::UnicodeString FFileName;
};

// The owning list of a workbook's pictures.
class TXc12GraphicImages : public TIndexObjectList {
public:
    // errors is not owned and must outlive the list.
    explicit TXc12GraphicImages(TXLSErrorManager* errors);

    // A picture read from a package: when one of the name imagePartPath is stored, it gains a use and the reference;
    // otherwise the stream's bytes from its position become a new picture of the extension's type. Returns the
    // picture. More than 2^31 - 1 bytes raise "Image too large"; a stream that ends early raises EReadError.
    TXc12GraphicImage* AddFromPart(rtl::TStream& stream, rtl::UnicodeStringView extension,
                                   rtl::UnicodeStringView imagePartPath, rtl::UnicodeStringView ownerPart,
                                   rtl::UnicodeStringView relId);
    // The first picture that ownerPart refers to under relId (both compared exactly), or nullptr.
    TXc12GraphicImage* FindByRelId(rtl::UnicodeStringView ownerPart, rtl::UnicodeStringView relId) const;
    // A new picture of the stream's bytes from its position, named "Image<n>.<extension>" with the first n from
    // Count + 1 up that no stored picture carries. A type without an extension raises "Unknown image type"; the
    // stream raises as for AddFromPart.
    TXc12GraphicImage* AddFromStream(rtl::TStream& stream, TXc12GraphicImageType imageType);
    // The picture for a picture file: a new one from the stream, or the one already added from a file of that name
    // (ignoring case), whose stored bytes are checked again (warning 3008 when they do not read as their type) while
    // the stream is left alone. A name of no known type gives warning 3006 and nullptr.
    TXc12GraphicImage* AddImage(rtl::TStream& stream, rtl::UnicodeStringView fileName);
    // The first picture of that name (exactly), or nullptr.
    TXc12GraphicImage* FindByName(rtl::UnicodeStringView name) const;
    // The first picture added from a file of that name (ignoring case), or nullptr.
    TXc12GraphicImage* FindByFileName(rtl::UnicodeStringView fileName) const;
    // A bad index raises EListError.
    TXc12GraphicImage* GetItem(int32_t index) const;

    // The type of the text after name's last full stop (the whole name without one), ignoring case.
    static TXc12GraphicImageType TypeFromExtension(rtl::UnicodeStringView name);
    // "jpeg", "png", "emf" or "wmf"; any other type raises "Unknown image type".
    static rtl::UnicodeString TypeToExtension(TXc12GraphicImageType imageType);

private:
    TXc12GraphicImage* Append(rtl::UnicodeString name, TXc12GraphicImageType imageType, rtl::TStream& stream);
    rtl::UnicodeString FreeGeneratedName(TXc12GraphicImageType imageType) const;

    TXLSErrorManager* FErrors; // not owned
};

// The workbook's picture store, kept by the model manager and emptied with the rest of the model.
class TXc12GraphicManager : public rtl::TObject {
public:
    // errors is not owned and must outlive the manager.
    explicit TXc12GraphicManager(TXLSErrorManager* errors);

    // Frees every picture and forgets the package.
    void Clear() {
        FImages.Clear();
        FPackage = nullptr;
    }
    // The package being read, which the reader sets before it reads a sheet's drawing, so that the drawing's pictures
    // find their images; not owned, nullptr when none is.
    TOPC_XLSX* GetPackage() const { return FPackage; }
    void SetPackage(TOPC_XLSX* package) { FPackage = package; }
    // The picture that the package's current drawing part refers to under relId, as the reader registered it; nullptr
    // without a package, without a current drawing, or when none is registered so.
    TXc12GraphicImage* FindDrawingImage(rtl::UnicodeStringView relId) const;
    TXc12GraphicImages& Images() { return FImages; }
    const TXc12GraphicImages& Images() const { return FImages; }
    TXLSErrorManager* Errors() const { return FErrors; }

private:
    TXLSErrorManager* FErrors; // not owned
    TXc12GraphicImages FImages;
    TOPC_XLSX* FPackage = nullptr; // not owned
};

} // namespace xls
