#pragma once
// TuiImageList: the library's image list. Beside the system image list (32-bit colour with a mask) it keeps a stored
// copy of every image with its mask or mask colour, so that 32-bit images with an alpha channel survive being added,
// moved, copied and streamed; it draws through the library's glyph drawing (alpha blending, the disabled look). The
// system list and the stored copies always hold the same number of images: an image whose sides are multiples of the
// list's cell is cut into cells, row by row and left to right, for both; any other image is one image in both (the
// system list shows its top-left cell).

#include "rtl/core/Collection.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "vcl/imagelists/ImageList.h"

#include <memory>
#include <vector>

namespace rtl {
class TFiler;
class TReader;
} // namespace rtl

namespace ui {

// One stored image: the image, its mask (empty when it has none) and its mask colour (clNone when it has none).
class TuiImageInfo : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiImageInfo, rtl::TPersistent)
public:
    TuiImageInfo();
    ~TuiImageInfo() override;

    // From another image info: image, mask and mask colour.
    void Assign(const rtl::TPersistent* source) override;
    // The form data of an item: "Image.Data" and "Mask.Data" (the bitmaps' "Data" forms, compressed or plain) when
    // they are not empty, "MaskColor" unless clNone.
    void DefineProperties(rtl::TFiler& filer) override;
    TuiBitmap& Image() const { return *FImage; }
    TuiBitmap& Mask() const { return *FMask; }
    vcl::TColor MaskColor() const { return FMaskColor; }
    // Copies of the bitmaps (nullptr empties them).
    void SetImage(const vcl::TBitmap* bitmap);
    void SetMask(const vcl::TBitmap* bitmap);
    void SetMaskColor(vcl::TColor color) { FMaskColor = color; }

private:
    std::unique_ptr<TuiBitmap> FImage;
    std::unique_ptr<TuiBitmap> FMask;
    vcl::TColor FMaskColor = vcl::clNone;
};

class TuiImageInfoItem : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TuiImageInfoItem, rtl::TCollectionItem)
public:
    // A new item takes its collection's compress-data flag.
    explicit TuiImageInfoItem(rtl::TCollection* collection);
    ~TuiImageInfoItem() override;

    void Assign(const rtl::TPersistent* source) override;
    void DefineProperties(rtl::TFiler& filer) override { FImageInfo->DefineProperties(filer); }
    TuiImageInfo& ImageInfo() const { return *FImageInfo; }
    // Whether the image and the mask are streamed compressed: true only when both are.
    bool CompressData() const;
    void SetCompressData(bool value);

private:
    std::unique_ptr<TuiImageInfo> FImageInfo;
};

// The stored copies of an image list, one item per image.
class TuiImageInfoCollection : public rtl::TOwnedCollection {
    RTL_DECLARE_CLASS(TuiImageInfoCollection, rtl::TOwnedCollection)
public:
    explicit TuiImageInfoCollection(rtl::TPersistent* owner);

    TuiImageInfoItem& Item(int32_t index) const { return static_cast<TuiImageInfoItem&>(*Items(index)); }
    void Add(const vcl::TBitmap& image, const vcl::TBitmap* mask, vcl::TColor maskColor);
    void Move(int32_t from, int32_t to);
    // -1 deletes every item.
    void Delete(int32_t index);
    bool CompressData() const { return FCompressData; }
    // Sets every item's flag too.
    void SetCompressData(bool value);

private:
    bool FCompressData = false;
};

class TuiImageList : public vcl::TDragImageList {
    RTL_DECLARE_CLASS(TuiImageList, vcl::TDragImageList)
public:
    explicit TuiImageList(rtl::TComponent* owner);
    TuiImageList(rtl::TComponent* owner, int32_t width, int32_t height);
    ~TuiImageList() override;

    // From a framework image list: its settings, then its images added again (the stored copies of a TuiImageList,
    // the extracted images and masks of another list).
    void Assign(const rtl::TPersistent* source) override;
    // The form data: "FormatVersion" (1), "DesignInfo" (unless an ancestor list has the same) and "ImageInfo", the
    // stored copies (when the list has images, or differs from the ancestor list's), from which reading rebuilds the
    // system list. While reading, the framework list's "Bitmap" is read too, and the stored copies are collected
    // from the system list after every property: a list written by the framework's image list gets its copies.
    void DefineProperties(rtl::TFiler& filer) override;

    // The framework's operations keep the stored copies in step, as the library's own below do.
    int32_t Add(vcl::TBitmap& image, vcl::TBitmap* mask) override { return AddBitmap(image, mask); }
    int32_t AddMasked(vcl::TBitmap& image, vcl::TColor maskColor) override { return AddBitmapMasked(image, maskColor); }
    int32_t AddIcon(vcl::TIcon& icon) override;
    void AddImages(vcl::TCustomImageList& source) override;
    void Replace(int32_t index, vcl::TBitmap& image, vcl::TBitmap* mask) override { ReplaceBitmap(index, image, mask); }
    void Delete(int32_t index) override { DeleteImage(index); }
    void Move(int32_t currentIndex, int32_t newIndex) override { MoveImage(currentIndex, newIndex); }
    void SetHandle(HIMAGELIST handle) override;
    void SetSize(int32_t width, int32_t height) override;

    // Changes inside a lock are told once, when the outermost EndUpdate ends it with change set.
    void BeginUpdate() { ++FLockCount; }
    void EndUpdate(bool change = true);

    bool CompressData() const { return FImageInfos->CompressData(); }
    void SetCompressData(bool value) { FImageInfos->SetCompressData(value); }
    const TuiImageInfoCollection& ImageInfos() const { return *FImageInfos; }

    // Adds the cells of image with mask (none: opaque); the index of the first, -1 when the system list refuses.
    int32_t AddBitmap(vcl::TBitmap& image, vcl::TBitmap* mask);
    // The same with maskColor marking the transparent pixels (clNone: AddBitmap without mask).
    int32_t AddBitmapMasked(vcl::TBitmap& image, vcl::TColor maskColor);
    // Adds the cells of bitmap at index (0 to Count); nothing for another index.
    void InsertBitmap(int32_t index, vcl::TBitmap& bitmap, vcl::TBitmap* mask);
    void ReplaceBitmap(int32_t index, vcl::TBitmap& bitmap, vcl::TBitmap* mask);
    // Moves an image, the ones between shifting by one; nothing for indexes out of range.
    void MoveImage(int32_t from, int32_t to);
    // -1 deletes every image.
    void DeleteImage(int32_t index);
    // Copies of the image and mask at index: the stored ones when they are 32-bit (or on the Windows 9x family),
    // else extracted from the system list. Nothing for an index out of range.
    void GetImageBitmaps(int32_t index, TuiBitmap& image, TuiBitmap& mask);

    // The image at index of a system list (-1: the whole strips) and its mask; false when the list has no such image.
    // The list's own bitmaps stay untouched.
    static bool ExtractImageInfo(HIMAGELIST handle, int32_t index, vcl::TBitmap& image, vcl::TBitmap& mask);
    // The bits per pixel of a system list's images; 0 when it cannot tell.
    static int32_t GetSystemListBitsPerPixel(HIMAGELIST handle);

protected:
    // Through the glyph drawing: normal, or the disabled look.
    void DoDraw(int32_t index, vcl::TCanvas& canvas, int32_t x, int32_t y, vcl::TDrawingStyle style,
                vcl::TImageType type, bool enabled) override;
    void Change() override;

private:
    int32_t AddImage(vcl::TBitmap& image, vcl::TBitmap* mask, vcl::TColor maskColor);
    std::vector<vcl::TRect> CellsOf(const vcl::TBitmap& image) const;
    bool AddCells(vcl::TBitmap& image, const std::vector<vcl::TRect>& cells, vcl::TBitmap* mask, vcl::TColor maskColor);
    void StoreImageCopies(vcl::TBitmap& image, vcl::TBitmap* mask, vcl::TColor maskColor);
    void AddImageInfo(TuiImageInfo& info);
    // Stores copies of the system images from first on, as the system list holds them.
    void StoreSystemImages(int32_t first);
    // The stored copies made anew from the system list.
    void CollectInfosFromSystemList();
    // The stored copies read from a stream, and the system list made anew from them.
    void ReadImageInfo(rtl::TReader& reader);
    // Whether the system lists of the two differ in their stream forms.
    bool DiffersFrom(vcl::TCustomImageList& other);

    std::unique_ptr<TuiImageInfoCollection> FImageInfos;
    int32_t FLockCount = 0;
    bool FChangedWhileLocked = false;
};

// Points a control's image-list field at newList: the old list loses the control's change link and free
// notification, the new one gets them, and the link hears one change. Nothing when the list is the same.
void AssignImageList(vcl::TCustomImageList* newList, vcl::TCustomImageList*& listField, vcl::TChangeLink* changeLink,
                     rtl::TComponent* notifyComponent);

} // namespace ui
