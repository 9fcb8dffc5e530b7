#pragma once
// TuiPCImageList: the tab control's Images, with a quarter-turned copy of each image kept for tabs whose captions run
// vertically. A copy is made on first use for the background colour it is drawn on and made again for another; all
// copies are dropped whenever the images change or the turn is set, and then the control is asked to lay out again.

#include "rtl/core/Events.h"
#include "ui/core/graphics/uiPixelOps.h"
#include "vcl/graphics/Colors.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {
class TChangeLink;
class TCustomImageList;
} // namespace vcl

namespace ui {

class TuiBitmap32;
class TuiCanvas;
class TuiFreeNotificator;

class TuiPCImageList {
public:
    TuiPCImageList();
    ~TuiPCImageList();
    TuiPCImageList(const TuiPCImageList&) = delete;
    TuiPCImageList& operator=(const TuiPCImageList&) = delete;

    vcl::TCustomImageList* BaseImages() const { return FBaseImages; }
    // Watched: a base list that is freed is dropped.
    void SetBaseImages(vcl::TCustomImageList* value);
    TuiRotationAngle Rotation() const { return FRotation; }
    void SetRotation(TuiRotationAngle value);
    // The images' size, turned with the rotation; 0 x 0 without images or with an empty size.
    vcl::TSize GetImageSize() const;
    // Draws image index at (x, y): the turned copy when the rotation is set, else the image over a rectangle of
    // background (clNone: straight onto the canvas). Raises without a base list or for an index outside it.
    void Draw(TuiCanvas& canvas, int32_t x, int32_t y, int32_t index, bool enabled, vcl::TColor background);

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

private:
    struct TRotatedImage {
        vcl::TColor Background = vcl::clNone;
        bool Enabled = true;
        std::unique_ptr<TuiBitmap32> Bitmap;
        bool Valid = false;
    };

    void BaseImagesChanged();
    void ResetRotatedImages();
    TuiBitmap32& RotatedImage(int32_t index, bool enabled, vcl::TColor background);

    std::unique_ptr<vcl::TChangeLink> FChangeLink;
    vcl::TCustomImageList* FBaseImages = nullptr; // not owned, watched
    std::unique_ptr<TuiFreeNotificator> FFreeNotificator;
    TuiRotationAngle FRotation = TuiRotationAngle::None;
    std::vector<TRotatedImage> FRotatedImages;
    rtl::TNotifyEvent FOnChange;
};

} // namespace ui
