#pragma once
// Image lists: a row of equally sized images kept in a system image list of comctl32 (32-bit colour with a mask), drawn
// by index, normal or masked (the mask leaves the background where it is set), and watched by change links: every
// control that shows images of a list registers a TChangeLink and hears each change. TDragImageList adds the image
// that follows the pointer while something is dragged.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <vector>

namespace rtl {
class TFiler;
class TStream;
} // namespace rtl

namespace vcl {

class TBitmap;
class TCanvas;
class TCustomImageList;
class TIcon;

enum TDrawingStyle : uint8_t { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType : uint8_t { itImage, itMask };

namespace VclMessages {
inline constexpr char16_t ImageListReadError[] = u"Failed to read ImageList data from stream";
} // namespace VclMessages

// Tells its owner that an image list changed; an image list keeps the links registered with it (not owned).
class TChangeLink {
public:
    TChangeLink() = default;
    ~TChangeLink();
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    // The image list the link is registered with, or nullptr.
    TCustomImageList* Sender() const { return FSender; }
    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }
    // Fires OnChange with the image list as sender.
    void Change();

private:
    friend class TCustomImageList;
    TCustomImageList* FSender = nullptr; // not owned
    rtl::TNotifyEvent FOnChange;
};

// A list of images of one size in a system image list.
class TCustomImageList : public rtl::TComponent {
    RTL_DECLARE_CLASS(TCustomImageList, rtl::TComponent)
public:
    explicit TCustomImageList(rtl::TComponent* owner);
    TCustomImageList(rtl::TComponent* owner, int32_t width, int32_t height);
    ~TCustomImageList() override;

    void Assign(const rtl::TPersistent* source) override;

    // The system image list, created when first needed.
    HIMAGELIST Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Takes a system image list over (owned unless ShareImages); its image size becomes the list's.
    virtual void SetHandle(HIMAGELIST handle);

    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    // A new size empties the list.
    void SetWidth(int32_t value) { SetSize(value, FHeight); }
    void SetHeight(int32_t value) { SetSize(FWidth, value); }
    virtual void SetSize(int32_t width, int32_t height);
    // How many images the system list grows by at a time.
    int32_t AllocBy() const { return FAllocBy; }
    void SetAllocBy(int32_t value);
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor value);
    TColor BlendColor() const { return FBlendColor; }
    void SetBlendColor(TColor value) { FBlendColor = value; }
    TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle value);
    TImageType ImageType() const { return FImageType; }
    void SetImageType(TImageType value);
    bool Masked() const { return FMasked; }
    // Another handle owner frees the system list (the list only borrows it).
    bool ShareImages() const { return FShareImages; }
    void SetShareImages(bool value) { FShareImages = value; }

    int32_t Count();
    // Adds the images of image (cut into as many as it holds cells of the list's size, left to right), with mask
    // (1 where the background shows; none: all opaque); the index of the first, -1 when the system list refuses.
    // The operations that change the images are virtual, so that a list keeping more about each image keeps it in
    // step; Insert adds and moves through them.
    virtual int32_t Add(TBitmap& image, TBitmap* mask);
    // The same, with the pixels of maskColor as the mask.
    virtual int32_t AddMasked(TBitmap& image, TColor maskColor);
    virtual int32_t AddIcon(TIcon& icon);
    // Adds the images of another list.
    virtual void AddImages(TCustomImageList& source);
    void Insert(int32_t index, TBitmap& image, TBitmap* mask);
    virtual void Replace(int32_t index, TBitmap& image, TBitmap* mask);
    // Deletes one image (-1: all of them).
    virtual void Delete(int32_t index);
    void Clear() { Delete(-1); }
    // Moves an image to another index, the images between shifting by one.
    virtual void Move(int32_t currentIndex, int32_t newIndex);
    // The image (and its mask) at index into bitmaps of the list's size; false for an index out of range.
    bool GetBitmap(int32_t index, TBitmap& image);
    bool GetMask(int32_t index, TBitmap& mask);

    // Draws the image at index at (x, y), with the style's blending and the disabled look when not enabled. Nothing
    // for an index out of range.
    void Draw(TCanvas& canvas, int32_t x, int32_t y, int32_t index, bool enabled = true);
    void Draw(TCanvas& canvas, int32_t x, int32_t y, int32_t index, TDrawingStyle style, TImageType type,
              bool enabled = true);

    // The form data "Bitmap": the system list in comctl32's stream form, written when the list has images.
    void DefineProperties(rtl::TFiler& filer) override;
    // The system list in comctl32's stream form (ImageList_Write); reading takes the list read over, its image size
    // becoming the list's (rtl::EReadError when the data is no image list).
    void WriteData(rtl::TStream& stream);
    void ReadData(rtl::TStream& stream);

    // Change links: each hears every change; OnChange fires too.
    void RegisterChanges(TChangeLink& link);
    void UnRegisterChanges(TChangeLink& link);
    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

protected:
    // Creates the system image list; here 32-bit colour with a mask.
    virtual HIMAGELIST CreateImageList(int32_t width, int32_t height, int32_t allocBy);
    // Draws one image; the style and type give the ILD_ flags, not enabled the disabled look.
    virtual void DoDraw(int32_t index, TCanvas& canvas, int32_t x, int32_t y, TDrawingStyle style, TImageType type,
                        bool enabled);
    // The list changed: the links and OnChange hear it.
    virtual void Change();

private:
    void FreeHandle();
    bool IndexValid(int32_t index);
    HBITMAP MaskFor(TBitmap& image, TBitmap* mask, TBitmapHandle& opaque);
    void ReplaceImage(int32_t index, TBitmap& image, TBitmap* mask);
    bool ExtractImage(int32_t index, TBitmap& bitmap, bool mask);

    HIMAGELIST FHandle = nullptr; // owned unless FShareImages
    int32_t FWidth = 16;
    int32_t FHeight = 16;
    int32_t FAllocBy = 4;
    TColor FBkColor = clNone;
    TColor FBlendColor = clNone;
    TDrawingStyle FDrawingStyle = dsNormal;
    TImageType FImageType = itImage;
    bool FMasked = true;
    bool FShareImages = false;
    std::vector<TChangeLink*> FLinks; // not owned
    rtl::TNotifyEvent FOnChange;
};

// An image list that can show one of its images following the pointer while something is dragged (ImageList_BeginDrag
// and its companions). Only one drag image shows at a time in the program.
class TDragImageList : public TCustomImageList {
    RTL_DECLARE_CLASS(TDragImageList, TCustomImageList)
public:
    using TCustomImageList::TCustomImageList;
    ~TDragImageList() override;

    // The image that BeginDrag shows, with the point of it that sits under the pointer.
    bool SetDragImage(int32_t index, int32_t hotSpotX, int32_t hotSpotY);
    // Shows the drag image over window (nullptr: the screen) at (x, y) in its coordinates, locking the window's
    // updates; false when the system refuses.
    bool BeginDrag(HWND window, int32_t x, int32_t y);
    bool DragMove(int32_t x, int32_t y);
    bool EndDrag();
    void ShowDragImage();
    void HideDragImage();
    bool Dragging() const { return FDragging; }
    TPoint DragHotspot() const { return FDragHotspot; }

private:
    int32_t FDragIndex = 0;
    TPoint FDragHotspot;
    HWND FDragWindow = nullptr;
    bool FDragging = false;
};

// The image list components place on forms.
class TImageList : public TDragImageList {
    RTL_DECLARE_CLASS(TImageList, TDragImageList)
public:
    using TDragImageList::TDragImageList;
};

} // namespace vcl
