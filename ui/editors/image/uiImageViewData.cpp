#include "ui/editors/image/uiImageViewData.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/editors/image/uiImagePictureValue.h"
#include "vcl/graphics/images/Picture.h"

#include <cmath>

namespace ui {

int32_t ScaleRoundedToEven(int32_t length, int32_t numerator, int32_t denominator) {
    const double scaled = static_cast<double>(length) * numerator / denominator;
    return static_cast<int32_t>(std::nearbyint(scaled));
}

void TuiImageViewData::Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                                 TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                                 std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) {
    TuiCustomEditViewData::Calculate(canvas, bounds, keepPressed, viewInfo, shift, button, mousePos);
    auto* image = dynamic_cast<TuiImageViewInfo*>(&viewInfo);
    if (image == nullptr || bounds.IsEmpty()) {
        return;
    }
    const TuiCustomImageProperties& properties = ImageProperties();
    if (!VisibleArea.IsEmpty()) {
        IntersectRects(image->ClientRect, image->ClientRect, VisibleArea);
    }
    image->Caption = properties.Caption();
    image->Center = properties.Center();
    image->Stretch = properties.Stretch();
    image->Proportional = properties.Proportional();
    image->ShowFocusRect = properties.ShowFocusRect() && image->Focused && !IsInplace();
    const bool unscrolled = image->Center || image->Stretch;
    image->HorzOffset = unscrolled ? 0 : HorzOffset;
    image->VertOffset = unscrolled ? 0 : VertOffset;
}

void TuiImageViewData::ApplyDisplayValue(TuiCanvas&, const rtl::Variant& value, TuiCustomEditViewInfo& viewInfo) {
    auto* image = dynamic_cast<TuiImageViewInfo*>(&viewInfo);
    if (image == nullptr) {
        return;
    }
    if (EditorPicture != nullptr) {
        return image->ShowPicture(EditorPicture);
    }
    if (value.IsNull() || value.IsEmpty()) {
        return image->ShowPicture(nullptr);
    }
    vcl::TPicture& picture = image->OwnPicture();
    LoadPictureFromValue(picture, ImageProperties().GetGraphicClass(Data, RecordIndex, false), value);
    ApplyTransparency(picture);
}

void TuiImageViewData::ApplyTransparency(vcl::TPicture& picture) const {
    const TuiImageTransparency transparency = ImageProperties().GraphicTransparency();
    if (transparency != gtDefault && !IsPictureEmpty(picture)) {
        picture.Graphic()->SetTransparent(transparency == gtTransparent);
    }
}

// A standalone editor measures its picture; a cell the value's picture, fitted into the width (or else the height) the
// host asks for when the properties fit it there; a value that is no picture the caption's width and the default
// height.
vcl::TSize TuiImageViewData::GetContentSize(TuiCanvas& canvas, const rtl::Variant& value,
                                            const TuiEditSizeRequest& request) {
    if (EditorPicture != nullptr) {
        return {EditorPicture->Width(), EditorPicture->Height()};
    }
    TuiCustomImageProperties& properties = ImageProperties();
    vcl::TPicture picture;
    LoadPictureFromValue(picture, properties.GetGraphicClass(Data, RecordIndex, false), value);
    if (IsPictureEmpty(picture)) {
        canvas.SetFont(Style().Font());
        const int32_t width = properties.Caption().empty() ? 0 : canvas.GetTextWidth(properties.Caption());
        return {width, properties.DefaultHeight()};
    }
    const int32_t width = picture.Width();
    const int32_t height = picture.Height();
    if (!properties.IsFitted(width, height, request.Width, request.Height)) {
        return {width, height};
    }
    if (request.Width > 0 && width > 0 && !(request.Height <= 0 && request.Width >= width)) {
        return {request.Width, ScaleRoundedToEven(height, request.Width, width)};
    }
    if (request.Height > 0 && height > 0 && !(request.Width <= 0 && request.Height >= height)) {
        return {ScaleRoundedToEven(width, request.Height, height), request.Height};
    }
    return {width, height};
}

} // namespace ui
