#include "vcl/imagelists/ImageList.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Filer.h"
#include "rtl/io/Streams.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <limits>

// The COM stream declarations first: commctrl.h declares ImageList_Read and ImageList_Write only after them.
// clang-format off
#include <objidl.h>
#include <commctrl.h>
// clang-format on

namespace vcl {

namespace {

COLORREF ImageListColor(TColor color) {
    return color == clNone ? CLR_NONE : color == clDefault ? CLR_DEFAULT : ColorToRGB(color);
}

UINT DrawFlags(TDrawingStyle style, TImageType type) {
    constexpr UINT styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
    return styles[style] | (type == itMask ? ILD_MASK : 0);
}

// A monochrome bitmap of the size whose pixels are all 0: a mask that shows the whole image.
TBitmapHandle OpaqueMask(int32_t width, int32_t height) {
    TBitmapHandle mask(CreateBitmap(width, height, 1, 1, nullptr));
    const TBitmapDC dc(mask.Get());
    PatBlt(dc.Get(), 0, 0, width, height, BLACKNESS);
    return mask;
}

} // namespace

TChangeLink::~TChangeLink() {
    if (FSender) {
        FSender->UnRegisterChanges(*this);
    }
}

void TChangeLink::Change() {
    if (FOnChange) {
        FOnChange(FSender);
    }
}

TCustomImageList::TCustomImageList(rtl::TComponent* owner) : TComponent(owner) {}

TCustomImageList::TCustomImageList(rtl::TComponent* owner, int32_t width, int32_t height)
    : TComponent(owner), FWidth(width), FHeight(height) {}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* link : FLinks) {
        link->FSender = nullptr;
    }
    FreeHandle();
}

void TCustomImageList::FreeHandle() {
    if (FHandle && !FShareImages) {
        ImageList_Destroy(FHandle);
    }
    FHandle = nullptr;
}

HIMAGELIST TCustomImageList::CreateImageList(int32_t width, int32_t height, int32_t allocBy) {
    return ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, allocBy, allocBy);
}

HIMAGELIST TCustomImageList::Handle() {
    if (!FHandle) {
        FHandle = CreateImageList(FWidth, FHeight, FAllocBy);
        if (!FHandle) {
            throw rtl::EOutOfMemory(u"Failed to create the image list");
        }
        ImageList_SetBkColor(FHandle, ImageListColor(FBkColor));
    }
    return FHandle;
}

void TCustomImageList::SetHandle(HIMAGELIST handle) {
    FreeHandle();
    FHandle = handle;
    if (handle) {
        int width = 0;
        int height = 0;
        ImageList_GetIconSize(handle, &width, &height);
        FWidth = width;
        FHeight = height;
    }
    Change();
}

void TCustomImageList::SetSize(int32_t width, int32_t height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == FWidth && height == FHeight) {
        return;
    }
    FWidth = width;
    FHeight = height;
    FreeHandle();
    Change();
}

void TCustomImageList::SetAllocBy(int32_t value) {
    FAllocBy = std::max(value, 1);
}

void TCustomImageList::SetBkColor(TColor value) {
    if (value != FBkColor) {
        FBkColor = value;
        if (FHandle) {
            ImageList_SetBkColor(FHandle, ImageListColor(value));
        }
        Change();
    }
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle value) {
    if (value != FDrawingStyle) {
        FDrawingStyle = value;
        Change();
    }
}

void TCustomImageList::SetImageType(TImageType value) {
    if (value != FImageType) {
        FImageType = value;
        Change();
    }
}

void TCustomImageList::Assign(const rtl::TPersistent* source) {
    const auto* list = dynamic_cast<const TCustomImageList*>(source);
    if (!list) {
        TComponent::Assign(source);
        return;
    }
    FWidth = list->FWidth;
    FHeight = list->FHeight;
    FAllocBy = list->FAllocBy;
    FBkColor = list->FBkColor;
    FBlendColor = list->FBlendColor;
    FDrawingStyle = list->FDrawingStyle;
    FImageType = list->FImageType;
    FreeHandle();
    if (list->FHandle) {
        FHandle = ImageList_Duplicate(list->FHandle);
    }
    Change();
}

int32_t TCustomImageList::Count() {
    return FHandle ? ImageList_GetImageCount(FHandle) : 0;
}

bool TCustomImageList::IndexValid(int32_t index) {
    return index >= 0 && index < Count();
}

// The system list copies the bitmaps through device contexts of its own: they must be selected into none. Without a
// mask the image is opaque.
HBITMAP TCustomImageList::MaskFor(TBitmap& image, TBitmap* mask, TBitmapHandle& opaque) {
    image.Dormant();
    if (mask && !mask->Empty()) {
        mask->Dormant();
        return mask->Handle();
    }
    opaque = OpaqueMask(image.Width(), image.Height());
    return opaque.Get();
}

void TCustomImageList::DefineProperties(rtl::TFiler& filer) {
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        u"Bitmap", [this](rtl::TStream& stream) { ReadData(stream); },
        [this](rtl::TStream& stream) { WriteData(stream); }, Count() > 0);
}

// comctl32 reads and writes image lists through COM streams: one in global memory carries the bytes.
void TCustomImageList::WriteData(rtl::TStream& stream) {
    IStream* memory = nullptr;
    if (CreateStreamOnHGlobal(nullptr, TRUE, &memory) != S_OK) {
        throw rtl::EWriteError(rtl::RtlMessages::StreamWriteError);
    }
    HGLOBAL global = nullptr;
    const bool written = ImageList_Write(Handle(), memory) && GetHGlobalFromStream(memory, &global) == S_OK;
    STATSTG status{};
    if (written && memory->Stat(&status, STATFLAG_NONAME) == S_OK &&
        status.cbSize.QuadPart <= static_cast<ULONGLONG>(std::numeric_limits<int32_t>::max())) {
        const void* bytes = GlobalLock(global);
        stream.WriteBuffer(bytes, static_cast<int32_t>(status.cbSize.QuadPart));
        GlobalUnlock(global);
        memory->Release();
        return;
    }
    memory->Release();
    throw rtl::EWriteError(rtl::RtlMessages::StreamWriteError);
}

void TCustomImageList::ReadData(rtl::TStream& stream) {
    const int64_t size = stream.Size() - stream.Position();
    if (size <= 0 || size > std::numeric_limits<int32_t>::max()) {
        throw rtl::EReadError(VclMessages::ImageListReadError);
    }
    const HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size));
    if (global == nullptr) {
        throw rtl::EOutOfMemory(rtl::RtlMessages::OutOfMemory);
    }
    try {
        stream.ReadBuffer(GlobalLock(global), static_cast<int32_t>(size));
    } catch (...) {
        GlobalUnlock(global);
        GlobalFree(global);
        throw;
    }
    GlobalUnlock(global);
    IStream* memory = nullptr;
    if (CreateStreamOnHGlobal(global, TRUE, &memory) != S_OK) {
        GlobalFree(global);
        throw rtl::EReadError(VclMessages::ImageListReadError);
    }
    const HIMAGELIST list = ImageList_Read(memory);
    memory->Release();
    if (list == nullptr) {
        throw rtl::EReadError(VclMessages::ImageListReadError);
    }
    SetHandle(list);
}

int32_t TCustomImageList::Add(TBitmap& image, TBitmap* mask) {
    if (image.Empty()) {
        return -1;
    }
    TBitmapHandle opaque;
    HBITMAP maskHandle = MaskFor(image, mask, opaque);
    const int32_t index = ImageList_Add(Handle(), image.Handle(), maskHandle);
    Change();
    return index;
}

int32_t TCustomImageList::AddMasked(TBitmap& image, TColor maskColor) {
    if (maskColor == clNone) {
        return Add(image, nullptr);
    }
    if (image.Empty()) {
        return -1;
    }
    // AddMasked blackens the masked pixels of the bitmap it is given: it gets a copy.
    TBitmap copy;
    copy.Assign(&image);
    copy.Dormant();
    const int32_t index = ImageList_AddMasked(Handle(), copy.Handle(), ColorToRGB(maskColor));
    Change();
    return index;
}

int32_t TCustomImageList::AddIcon(TIcon& icon) {
    if (icon.Empty()) {
        return -1;
    }
    const int32_t index = ImageList_ReplaceIcon(Handle(), -1, icon.Handle());
    Change();
    return index;
}

void TCustomImageList::AddImages(TCustomImageList& source) {
    for (int32_t i = 0; i < source.Count(); ++i) {
        HICON icon = ImageList_GetIcon(source.Handle(), i, ILD_NORMAL);
        ImageList_ReplaceIcon(Handle(), -1, icon);
        DestroyIcon(icon);
    }
    Change();
}

void TCustomImageList::Insert(int32_t index, TBitmap& image, TBitmap* mask) {
    if (index < 0 || index > Count()) {
        return;
    }
    const int32_t first = Add(image, mask);
    if (first < 0) {
        return;
    }
    const int32_t added = Count() - first;
    for (int32_t i = 0; i < added; ++i) {
        Move(first + i, index + i);
    }
}

void TCustomImageList::Replace(int32_t index, TBitmap& image, TBitmap* mask) {
    if (IndexValid(index)) {
        ReplaceImage(index, image, mask);
        Change();
    }
}

void TCustomImageList::ReplaceImage(int32_t index, TBitmap& image, TBitmap* mask) {
    TBitmapHandle opaque;
    ImageList_Replace(Handle(), index, image.Handle(), MaskFor(image, mask, opaque));
}

void TCustomImageList::Delete(int32_t index) {
    if (!FHandle || (index != -1 && !IndexValid(index))) {
        return;
    }
    ImageList_Remove(FHandle, index);
    Change();
}

// Each image of the range is taken out and put back one place over (the system list's own swap of images is not
// dependable for 32-bit images with masks).
void TCustomImageList::Move(int32_t currentIndex, int32_t newIndex) {
    if (!IndexValid(currentIndex) || !IndexValid(newIndex) || currentIndex == newIndex) {
        return;
    }
    TBitmap movedImage;
    TBitmap movedMask;
    GetBitmap(currentIndex, movedImage);
    GetMask(currentIndex, movedMask);
    const int32_t step = newIndex > currentIndex ? 1 : -1;
    for (int32_t i = currentIndex; i != newIndex; i += step) {
        TBitmap image;
        TBitmap mask;
        GetBitmap(i + step, image);
        GetMask(i + step, mask);
        ReplaceImage(i, image, &mask);
    }
    ReplaceImage(newIndex, movedImage, &movedMask);
    Change();
}

bool TCustomImageList::ExtractImage(int32_t index, TBitmap& bitmap, bool mask) {
    if (!IndexValid(index)) {
        return false;
    }
    bitmap.Assign(nullptr);
    bitmap.SetPixelFormat(mask ? pf1bit : pf32bit);
    bitmap.SetSize(FWidth, FHeight);
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect(Rect(0, 0, FWidth, FHeight));
    ImageList_DrawEx(FHandle, index, bitmap.Canvas().Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE,
                     mask ? ILD_MASK : ILD_IMAGE);
    return true;
}

bool TCustomImageList::GetBitmap(int32_t index, TBitmap& image) {
    return ExtractImage(index, image, false);
}

bool TCustomImageList::GetMask(int32_t index, TBitmap& mask) {
    return ExtractImage(index, mask, true);
}

void TCustomImageList::Draw(TCanvas& canvas, int32_t x, int32_t y, int32_t index, bool enabled) {
    Draw(canvas, x, y, index, FDrawingStyle, FImageType, enabled);
}

void TCustomImageList::Draw(TCanvas& canvas, int32_t x, int32_t y, int32_t index, TDrawingStyle style, TImageType type,
                            bool enabled) {
    if (IndexValid(index)) {
        DoDraw(index, canvas, x, y, style, type, enabled);
    }
}

void TCustomImageList::DoDraw(int32_t index, TCanvas& canvas, int32_t x, int32_t y, TDrawingStyle style,
                              TImageType type, bool enabled) {
    IMAGELISTDRAWPARAMS params{};
    params.cbSize = sizeof(params);
    params.himl = FHandle;
    params.i = index;
    params.hdcDst = canvas.Handle();
    params.x = x;
    params.y = y;
    params.rgbBk = ImageListColor(FBkColor);
    params.rgbFg = ImageListColor(FBlendColor);
    params.fStyle = DrawFlags(style, type);
    // The disabled look: the image in grey.
    params.fState = enabled ? ILS_NORMAL : ILS_SATURATE;
    ImageList_DrawIndirect(&params);
}

void TCustomImageList::RegisterChanges(TChangeLink& link) {
    if (link.FSender && link.FSender != this) {
        link.FSender->UnRegisterChanges(link);
    }
    link.FSender = this;
    if (std::find(FLinks.begin(), FLinks.end(), &link) == FLinks.end()) {
        FLinks.push_back(&link);
    }
}

void TCustomImageList::UnRegisterChanges(TChangeLink& link) {
    std::erase(FLinks, &link);
    if (link.FSender == this) {
        link.FSender = nullptr;
    }
}

void TCustomImageList::Change() {
    const std::vector<TChangeLink*> links = FLinks;
    for (TChangeLink* link : links) {
        link->Change();
    }
    if (FOnChange) {
        FOnChange(this);
    }
}

TDragImageList::~TDragImageList() {
    if (FDragging) {
        EndDrag();
    }
}

bool TDragImageList::SetDragImage(int32_t index, int32_t hotSpotX, int32_t hotSpotY) {
    if (Count() == 0 || index < 0 || index >= Count()) {
        return false;
    }
    FDragIndex = index;
    FDragHotspot = {hotSpotX, hotSpotY};
    if (FDragging) {
        ImageList_SetDragCursorImage(Handle(), index, hotSpotX, hotSpotY);
    }
    return true;
}

bool TDragImageList::BeginDrag(HWND window, int32_t x, int32_t y) {
    if (FDragging || Count() == 0) {
        return false;
    }
    if (!ImageList_BeginDrag(Handle(), FDragIndex, FDragHotspot.X, FDragHotspot.Y)) {
        return false;
    }
    FDragWindow = window;
    FDragging = ImageList_DragEnter(window, x, y) != FALSE;
    if (!FDragging) {
        ImageList_EndDrag();
    }
    return FDragging;
}

bool TDragImageList::DragMove(int32_t x, int32_t y) {
    return FDragging && ImageList_DragMove(x, y);
}

bool TDragImageList::EndDrag() {
    if (!FDragging) {
        return false;
    }
    ImageList_DragLeave(FDragWindow);
    ImageList_EndDrag();
    FDragging = false;
    FDragWindow = nullptr;
    return true;
}

void TDragImageList::ShowDragImage() {
    if (FDragging) {
        ImageList_DragShowNolock(TRUE);
    }
}

void TDragImageList::HideDragImage() {
    if (FDragging) {
        ImageList_DragShowNolock(FALSE);
    }
}

} // namespace vcl
