#pragma once
// TuiImageViewInfo: the picture of an image editor or cell: the picture at its size, fitted (stretched, or shrunk in
// proportion) or centred, scrolled by the editor's offsets, clipped to the client rectangle (one pixel inside the
// focus rectangle), the rest of the client rectangle in the background colour; without a picture the caption centred.

#include "ui/editors/framework/view/uiEditViewInfo.h"

#include <cstdint>
#include <memory>

namespace vcl {
class TBitmap;
class TPicture;
} // namespace vcl

namespace ui {

class TuiImageViewInfo : public TuiCustomEditViewInfo {
    RTL_DECLARE_CLASS(TuiImageViewInfo, TuiCustomEditViewInfo)
public:
    TuiImageViewInfo();
    ~TuiImageViewInfo() override;

    void PaintContent(TuiCanvas& canvas) override;
    // Only the caption shown without a picture changes with the editor's state.
    bool RepaintOnStateChange() const override;

    // The picture shown: the editor's (not owned), or one of the view info's own for a cell; nullptr for none.
    vcl::TPicture* Picture() const { return FPicture; }
    void ShowPicture(vcl::TPicture* picture);
    // The view info's own picture, made empty when it shows none of its own.
    vcl::TPicture& OwnPicture();
    bool HasPicture() const;
    // Where the picture goes in the client rectangle (the content rectangle).
    vcl::TRect PictureRect() const;

    rtl::UnicodeString Caption;
    bool Center = true;
    bool Proportional = true;
    bool ShowFocusRect = false;
    bool Stretch = false;
    int32_t HorzOffset = 0;
    int32_t VertOffset = 0;

private:
    void DrawCaption(TuiCanvas& canvas);
    void DrawPicture(TuiCanvas& canvas, const vcl::TRect& target);

    vcl::TPicture* FPicture = nullptr; // owned when it is FOwnedPicture
    std::unique_ptr<vcl::TPicture> FOwnedPicture;
    // The buffer a transparent picture is drawn through onto its background, made on first need.
    std::unique_ptr<vcl::TBitmap> FBuffer;
};

} // namespace ui
