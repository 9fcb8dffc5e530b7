#include "ui/core/images/uiImageList.h"

#include "rtl/io/Filer.h"
#include "rtl/io/Streams.h"
#include "ui/core/images/uiGlyphDrawing.h"
#include "ui/core/system/uxSystemInfo.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <commctrl.h>

namespace ui {

namespace {

vcl::TPixelFormat CopyFormatOf(const vcl::TBitmap& bitmap) {
    return bitmap.PixelFormat() == vcl::pfCustom ? vcl::pf32bit : bitmap.PixelFormat();
}

// A new bitmap of size in source's pixel format holding source's area from its top-left corner; what source does not
// cover is black, or background unless that is clNone.
std::unique_ptr<TuiBitmap> CopyBitmapArea(vcl::TBitmap& source, const vcl::TRect& area, vcl::TSize size,
                                          vcl::TColor background = vcl::clNone) {
    auto copy = std::make_unique<TuiBitmap>(size.cx, size.cy, CopyFormatOf(source));
    if (background != vcl::clNone) {
        copy->Canvas().FillRectColor(copy->GetClientRect(), background);
    }
    CopyBitmapPixels(source, area.TopLeft(), *copy);
    copy->Dormant();
    return copy;
}

// The system list's mask of one cell: the mask's area, or opaque where the image covers the cell; transparent (1)
// wherever the image does not reach.
std::unique_ptr<vcl::TBitmap> CellMask(const vcl::TBitmap& image, vcl::TBitmap* mask, const vcl::TRect& cell) {
    auto cellMask = std::make_unique<vcl::TBitmap>(cell.Width(), cell.Height(), vcl::pf1bit);
    HDC dc = cellMask->Canvas().Handle();
    PatBlt(dc, 0, 0, cell.Width(), cell.Height(), WHITENESS);
    const int32_t covered = std::min(cell.Width(), image.Width() - cell.Left);
    const int32_t coveredHeight = std::min(cell.Height(), image.Height() - cell.Top);
    if (mask && !mask->Empty()) {
        BitBlt(dc, 0, 0, covered, coveredHeight, mask->Canvas().Handle(), cell.Left, cell.Top, SRCCOPY);
    } else {
        PatBlt(dc, 0, 0, covered, coveredHeight, BLACKNESS);
    }
    cellMask->Dormant();
    return cellMask;
}

// The version of the form data written.
constexpr int32_t ImageListFormatVersion = 1;

// A bitmap property of form data: its "Data" form, written when the bitmap holds a picture.
void DefineBitmapData(rtl::TFiler& filer, rtl::UnicodeStringView name, vcl::TBitmap& bitmap) {
    filer.DefineBinaryProperty(
        name, [&bitmap](rtl::TStream& stream) { bitmap.ReadData(stream); },
        [&bitmap](rtl::TStream& stream) { bitmap.WriteData(stream); }, !bitmap.Empty());
}

// The bytes of a list's stream form.
std::string StreamFormOf(vcl::TCustomImageList& list) {
    if (list.Count() == 0) {
        return {};
    }
    rtl::TMemoryStream stream;
    list.WriteData(stream);
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

// A copy of a bitmap of a system list (which stays the list's own).
void CopyListBitmap(HBITMAP handle, vcl::TBitmap& target) {
    target.SetHandle(handle ? static_cast<HBITMAP>(CopyImage(handle, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))
                            : nullptr);
}

// area of strip into target, which takes the area's size and the strip's pixel format.
void CutListBitmap(vcl::TBitmap& strip, const vcl::TRect& area, vcl::TBitmap& target) {
    target.Assign(nullptr);
    target.SetPixelFormat(CopyFormatOf(strip));
    target.SetSize(area.Width(), area.Height());
    CopyBitmapPixels(strip, area.TopLeft(), target);
}

} // namespace

TuiImageInfo::TuiImageInfo() : FImage(std::make_unique<TuiBitmap>()), FMask(std::make_unique<TuiBitmap>()) {}

TuiImageInfo::~TuiImageInfo() = default;

void TuiImageInfo::Assign(const rtl::TPersistent* source) {
    if (const auto* info = dynamic_cast<const TuiImageInfo*>(source)) {
        SetImage(info->FImage.get());
        SetMask(info->FMask.get());
        FMaskColor = info->FMaskColor;
        return;
    }
    rtl::TPersistent::Assign(source);
}

void TuiImageInfo::SetImage(const vcl::TBitmap* bitmap) {
    FImage->Assign(bitmap);
}

void TuiImageInfo::SetMask(const vcl::TBitmap* bitmap) {
    FMask->Assign(bitmap);
}

void TuiImageInfo::DefineProperties(rtl::TFiler& filer) {
    DefineBitmapData(filer, u"Image.Data", *FImage);
    DefineBitmapData(filer, u"Mask.Data", *FMask);
    filer.DefineProperty(
        u"MaskColor", [this](rtl::TReader& reader) { FMaskColor = reader.ReadInteger(); },
        [this](rtl::TWriter& writer) { writer.WriteInteger(FMaskColor); }, FMaskColor != vcl::clNone);
}

TuiImageInfoItem::TuiImageInfoItem(rtl::TCollection* collection)
    : rtl::TCollectionItem(collection), FImageInfo(std::make_unique<TuiImageInfo>()) {
    if (const auto* infos = dynamic_cast<const TuiImageInfoCollection*>(collection)) {
        SetCompressData(infos->CompressData());
    }
}

TuiImageInfoItem::~TuiImageInfoItem() = default;

void TuiImageInfoItem::Assign(const rtl::TPersistent* source) {
    if (const auto* item = dynamic_cast<const TuiImageInfoItem*>(source)) {
        FImageInfo->Assign(item->FImageInfo.get());
        return;
    }
    rtl::TCollectionItem::Assign(source);
}

bool TuiImageInfoItem::CompressData() const {
    return FImageInfo->Image().CompressData() && FImageInfo->Mask().CompressData();
}

void TuiImageInfoItem::SetCompressData(bool value) {
    FImageInfo->Image().SetCompressData(value);
    FImageInfo->Mask().SetCompressData(value);
}

TuiImageInfoCollection::TuiImageInfoCollection(rtl::TPersistent* owner)
    : rtl::TOwnedCollection(owner, TuiImageInfoItem::StaticClass()) {}

void TuiImageInfoCollection::Add(const vcl::TBitmap& image, const vcl::TBitmap* mask, vcl::TColor maskColor) {
    auto& item = static_cast<TuiImageInfoItem&>(*rtl::TCollection::Add());
    TuiImageInfo& info = item.ImageInfo();
    info.SetImage(&image);
    info.SetMask(mask);
    info.SetMaskColor(maskColor);
    info.Image().Dormant();
}

void TuiImageInfoCollection::Move(int32_t from, int32_t to) {
    Items(from)->SetIndex(to);
}

void TuiImageInfoCollection::Delete(int32_t index) {
    if (index == -1) {
        Clear();
        return;
    }
    rtl::TCollection::Delete(index);
}

void TuiImageInfoCollection::SetCompressData(bool value) {
    FCompressData = value;
    for (int32_t i = 0; i < Count(); ++i) {
        Item(i).SetCompressData(value);
    }
}

TuiImageList::TuiImageList(rtl::TComponent* owner)
    : vcl::TDragImageList(owner), FImageInfos(std::make_unique<TuiImageInfoCollection>(this)) {}

TuiImageList::TuiImageList(rtl::TComponent* owner, int32_t width, int32_t height)
    : vcl::TDragImageList(owner, width, height), FImageInfos(std::make_unique<TuiImageInfoCollection>(this)) {}

TuiImageList::~TuiImageList() = default;

void TuiImageList::EndUpdate(bool change) {
    if (FLockCount == 0) {
        return;
    }
    if (--FLockCount == 0 && (change || FChangedWhileLocked)) {
        FChangedWhileLocked = false;
        Change();
    }
}

void TuiImageList::Change() {
    if (FLockCount > 0) {
        FChangedWhileLocked = true;
        return;
    }
    vcl::TDragImageList::Change();
}

void TuiImageList::Assign(const rtl::TPersistent* source) {
    const auto* list = dynamic_cast<const vcl::TCustomImageList*>(source);
    if (!list || list == this) {
        vcl::TDragImageList::Assign(source);
        return;
    }
    BeginUpdate();
    vcl::TDragImageList::Assign(source);
    DeleteImage(-1);
    if (const auto* library = dynamic_cast<const TuiImageList*>(list)) {
        for (int32_t i = 0; i < library->FImageInfos->Count(); ++i) {
            AddImageInfo(library->FImageInfos->Item(i).ImageInfo());
        }
    } else {
        // Reading another list's images asks for its system list, which it makes when it has none yet.
        AddImages(const_cast<vcl::TCustomImageList&>(*list));
    }
    EndUpdate();
}

void TuiImageList::AddImageInfo(TuiImageInfo& info) {
    if (!info.Mask().Empty()) {
        AddBitmap(info.Image(), &info.Mask());
    } else {
        AddBitmapMasked(info.Image(), info.MaskColor());
    }
}

// Cut into cells when its sides are multiples of the cell's and it is larger than one; else one image whose top-left
// cell the system list shows.
std::vector<vcl::TRect> TuiImageList::CellsOf(const vcl::TBitmap& image) const {
    const int32_t width = Width();
    const int32_t height = Height();
    const bool cut = image.Width() % width == 0 && image.Height() % height == 0 &&
                     (image.Width() > width || image.Height() > height);
    if (!cut) {
        return {vcl::Rect(0, 0, width, height)};
    }
    std::vector<vcl::TRect> cells;
    for (int32_t y = 0; y < image.Height(); y += height) {
        for (int32_t x = 0; x < image.Width(); x += width) {
            cells.push_back(vcl::Bounds(x, y, width, height));
        }
    }
    return cells;
}

// Every cell goes into the system list, or none: a refused cell takes the ones added before it out again.
bool TuiImageList::AddCells(vcl::TBitmap& image, const std::vector<vcl::TRect>& cells, vcl::TBitmap* mask,
                            vcl::TColor maskColor) {
    HIMAGELIST list = Handle();
    const int32_t countBefore = Count();
    for (const vcl::TRect& cell : cells) {
        const std::unique_ptr<TuiBitmap> picture =
            CopyBitmapArea(image, cell, {cell.Width(), cell.Height()}, maskColor);
        int32_t added = -1;
        if (maskColor == vcl::clNone) {
            const std::unique_ptr<vcl::TBitmap> cellMask = CellMask(image, mask, cell);
            added = ImageList_Add(list, picture->Handle(), cellMask->Handle());
        } else {
            added = ImageList_AddMasked(list, picture->Handle(), ColorToRGB(maskColor));
        }
        if (added < 0) {
            while (Count() > countBefore) {
                ImageList_Remove(list, Count() - 1);
            }
            return false;
        }
    }
    return true;
}

void TuiImageList::StoreImageCopies(vcl::TBitmap& image, vcl::TBitmap* mask, vcl::TColor maskColor) {
    const std::vector<vcl::TRect> cells = CellsOf(image);
    if (cells.size() == 1) {
        FImageInfos->Add(image, mask && !mask->Empty() ? mask : nullptr, maskColor);
        return;
    }
    for (const vcl::TRect& cell : cells) {
        const std::unique_ptr<TuiBitmap> picture = CopyBitmapArea(image, cell, {cell.Width(), cell.Height()});
        std::unique_ptr<TuiBitmap> cellMask;
        if (mask && !mask->Empty()) {
            cellMask = CopyBitmapArea(*mask, cell, {cell.Width(), cell.Height()});
        }
        FImageInfos->Add(*picture, cellMask.get(), maskColor);
    }
}

int32_t TuiImageList::AddImage(vcl::TBitmap& image, vcl::TBitmap* mask, vcl::TColor maskColor) {
    if (image.Empty()) {
        return -1;
    }
    BeginUpdate();
    const int32_t first = Count();
    const bool added = AddCells(image, CellsOf(image), mask, maskColor);
    if (added) {
        StoreImageCopies(image, mask, maskColor);
    }
    EndUpdate(added);
    return added ? first : -1;
}

int32_t TuiImageList::AddBitmap(vcl::TBitmap& image, vcl::TBitmap* mask) {
    return AddImage(image, mask, vcl::clNone);
}

int32_t TuiImageList::AddBitmapMasked(vcl::TBitmap& image, vcl::TColor maskColor) {
    return AddImage(image, nullptr, maskColor);
}

void TuiImageList::InsertBitmap(int32_t index, vcl::TBitmap& bitmap, vcl::TBitmap* mask) {
    if (index < 0 || index > Count()) {
        return;
    }
    BeginUpdate();
    const int32_t first = AddBitmap(bitmap, mask);
    if (first >= 0) {
        const auto added = static_cast<int32_t>(CellsOf(bitmap).size());
        for (int32_t i = 0; i < added; ++i) {
            MoveImage(first + i, index + i);
        }
    }
    EndUpdate(first >= 0);
}

void TuiImageList::ReplaceBitmap(int32_t index, vcl::TBitmap& bitmap, vcl::TBitmap* mask) {
    BeginUpdate();
    DeleteImage(index);
    InsertBitmap(index, bitmap, mask);
    EndUpdate();
}

// Each system image between the two places is taken out with its mask and put back one place over, and the moved one
// at its target: the system list's own swap of images (ILCF_SWAP) is not dependable for 32-bit images with masks.
void TuiImageList::MoveImage(int32_t from, int32_t to) {
    const int32_t count = Count();
    if (from == to || from < 0 || to < 0 || from >= count || to >= count) {
        return;
    }
    BeginUpdate();
    HIMAGELIST list = Handle();
    vcl::TBitmap movedImage;
    vcl::TBitmap movedMask;
    ExtractImageInfo(list, from, movedImage, movedMask);
    const int32_t step = to > from ? 1 : -1;
    for (int32_t i = from; i != to; i += step) {
        vcl::TBitmap image;
        vcl::TBitmap mask;
        ExtractImageInfo(list, i + step, image, mask);
        ImageList_Replace(list, i, image.Handle(), mask.Handle());
    }
    ImageList_Replace(list, to, movedImage.Handle(), movedMask.Handle());
    FImageInfos->Move(from, to);
    EndUpdate();
}

void TuiImageList::DeleteImage(int32_t index) {
    if (index != -1 && (index < 0 || index >= FImageInfos->Count())) {
        return;
    }
    BeginUpdate();
    vcl::TDragImageList::Delete(index);
    FImageInfos->Delete(index);
    EndUpdate();
}

void TuiImageList::GetImageBitmaps(int32_t index, TuiBitmap& image, TuiBitmap& mask) {
    if (index < 0 || index >= FImageInfos->Count()) {
        return;
    }
    TuiImageInfo& info = FImageInfos->Item(index).ImageInfo();
    if (GetBitmapBitsPerPixel(info.Image()) == 32 || OSFlags().IsWin9x) {
        image.Assign(&info.Image());
        mask.Assign(&info.Mask());
    } else {
        ExtractImageInfo(Handle(), index, image, mask);
    }
    info.Image().Dormant();
}

bool TuiImageList::ExtractImageInfo(HIMAGELIST handle, int32_t index, vcl::TBitmap& image, vcl::TBitmap& mask) {
    IMAGEINFO info{};
    if (!handle || !ImageList_GetImageInfo(handle, index == -1 ? 0 : index, &info)) {
        return false;
    }
    vcl::TBitmap strip;
    vcl::TBitmap stripMask;
    CopyListBitmap(info.hbmImage, strip);
    CopyListBitmap(info.hbmMask, stripMask);
    if (index == -1) {
        image.Assign(&strip);
        mask.Assign(&stripMask);
        return true;
    }
    const vcl::TRect area = vcl::ToRect(info.rcImage);
    CutListBitmap(strip, area, image);
    CutListBitmap(stripMask, area, mask);
    return true;
}

int32_t TuiImageList::GetSystemListBitsPerPixel(HIMAGELIST handle) {
    IMAGEINFO info{};
    BITMAP bitmap{};
    if (!handle || !ImageList_GetImageInfo(handle, 0, &info) ||
        GetObjectW(info.hbmImage, sizeof(bitmap), &bitmap) != sizeof(bitmap)) {
        return 0;
    }
    return bitmap.bmBitsPixel;
}

void TuiImageList::DoDraw(int32_t index, vcl::TCanvas& canvas, int32_t x, int32_t y, vcl::TDrawingStyle,
                          vcl::TImageType, bool enabled) {
    const vcl::TRect rect = vcl::Bounds(x, y, Width(), Height());
    DrawGlyphOrImage(canvas.Handle(), rect, rect, nullptr, this, index, enabled ? gdmNormal : gdmDisabled);
}

namespace {

// Image index of a system list as a 32-bit image and a monochrome mask.
void ExtractSystemImage(HIMAGELIST list, int32_t index, TuiBitmap& image, vcl::TBitmap& mask) {
    TuiImageList::ExtractImageInfo(list, index, image, mask);
    image.SetPixelFormat(vcl::pf32bit);
    mask.SetPixelFormat(vcl::pf1bit);
}

} // namespace

int32_t TuiImageList::AddIcon(vcl::TIcon& icon) {
    BeginUpdate();
    const int32_t first = Count();
    const int32_t index = vcl::TDragImageList::AddIcon(icon);
    StoreSystemImages(first);
    EndUpdate(index >= 0);
    return index;
}

void TuiImageList::AddImages(vcl::TCustomImageList& source) {
    BeginUpdate();
    for (int32_t i = 0; i < source.Count(); ++i) {
        TuiBitmap image;
        vcl::TBitmap mask;
        ExtractSystemImage(source.Handle(), i, image, mask);
        AddBitmap(image, &mask);
    }
    EndUpdate();
}

// A system list taken over brings its images; a new size empties the list.
void TuiImageList::SetHandle(HIMAGELIST handle) {
    BeginUpdate();
    vcl::TDragImageList::SetHandle(handle);
    CollectInfosFromSystemList();
    EndUpdate();
}

void TuiImageList::SetSize(int32_t width, int32_t height) {
    vcl::TDragImageList::SetSize(width, height);
    if (Count() != FImageInfos->Count()) {
        FImageInfos->Delete(-1);
    }
}

void TuiImageList::StoreSystemImages(int32_t first) {
    for (int32_t i = first; i < Count(); ++i) {
        TuiBitmap image;
        vcl::TBitmap mask;
        ExtractSystemImage(Handle(), i, image, mask);
        FImageInfos->Add(image, &mask, vcl::clNone);
    }
}

void TuiImageList::CollectInfosFromSystemList() {
    FImageInfos->BeginUpdate();
    try {
        FImageInfos->Delete(-1);
        StoreSystemImages(0);
    } catch (...) {
        FImageInfos->EndUpdate();
        throw;
    }
    FImageInfos->EndUpdate();
}

void TuiImageList::DefineProperties(rtl::TFiler& filer) {
    if (filer.IsReading()) {
        vcl::TDragImageList::DefineProperties(filer);
        CollectInfosFromSystemList();
    }
    auto* ancestor = const_cast<vcl::TCustomImageList*>(dynamic_cast<const vcl::TCustomImageList*>(filer.Ancestor()));
    // One form of the data so far: the version is read past.
    filer.DefineProperty(
        u"FormatVersion", [](rtl::TReader& reader) { reader.ReadInteger(); },
        [](rtl::TWriter& writer) { writer.WriteInteger(ImageListFormatVersion); }, true);
    filer.DefineProperty(
        u"DesignInfo", [this](rtl::TReader& reader) { SetDesignInfo(reader.ReadInteger()); },
        [this](rtl::TWriter& writer) { writer.WriteInteger(DesignInfo()); },
        ancestor == nullptr || ancestor->DesignInfo() != DesignInfo());
    filer.DefineProperty(
        u"ImageInfo", [this](rtl::TReader& reader) { ReadImageInfo(reader); },
        [this](rtl::TWriter& writer) { writer.WriteCollection(*FImageInfos); },
        ancestor != nullptr ? DiffersFrom(*ancestor) : Count() > 0);
}

bool TuiImageList::DiffersFrom(vcl::TCustomImageList& other) {
    return StreamFormOf(*this) != StreamFormOf(other);
}

// Each stored image takes one place in the system list, so that both stay as long; one the system list refuses goes.
void TuiImageList::ReadImageInfo(rtl::TReader& reader) {
    BeginUpdate();
    try {
        reader.ReadCollection(*FImageInfos);
        vcl::TDragImageList::Delete(-1);
        const std::vector<vcl::TRect> oneCell{vcl::Rect(0, 0, Width(), Height())};
        for (int32_t i = 0; i < FImageInfos->Count();) {
            TuiImageInfo& info = FImageInfos->Item(i).ImageInfo();
            vcl::TBitmap* mask = info.Mask().Empty() ? nullptr : &info.Mask();
            if (info.Image().Empty() ||
                !AddCells(info.Image(), oneCell, mask, mask != nullptr ? vcl::clNone : info.MaskColor())) {
                FImageInfos->Delete(i);
                continue;
            }
            info.Image().Dormant();
            ++i;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void AssignImageList(vcl::TCustomImageList* newList, vcl::TCustomImageList*& listField, vcl::TChangeLink* changeLink,
                     rtl::TComponent* notifyComponent) {
    if (newList == listField) {
        return;
    }
    if (listField) {
        if (notifyComponent) {
            listField->RemoveFreeNotification(notifyComponent);
        }
        if (changeLink) {
            listField->UnRegisterChanges(*changeLink);
        }
    }
    listField = newList;
    if (newList) {
        if (changeLink) {
            newList->RegisterChanges(*changeLink);
        }
        if (notifyComponent) {
            newList->FreeNotification(notifyComponent);
        }
    }
    if (changeLink) {
        changeLink->Change();
    }
}

} // namespace ui
