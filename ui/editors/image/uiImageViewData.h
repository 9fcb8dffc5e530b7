#pragma once
// TuiImageViewData: fills an image view info for a picture value in a rectangle (caption, fitting, focus rectangle,
// the editor's scroll offsets) and measures a picture: at its size, or fitted into the width or height a host asks
// for, in proportion.

#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/image/uiImageProperties.h"
#include "ui/editors/image/uiImageViewInfo.h"

namespace vcl {
class TPicture;
} // namespace vcl

namespace ui {

class TuiImageViewData : public TuiCustomEditViewData {
    RTL_DECLARE_CLASS(TuiImageViewData, TuiCustomEditViewData)
public:
    using TuiCustomEditViewData::TuiCustomEditViewData;

    void Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed, TuiCustomEditViewInfo& viewInfo,
                   vcl::TShiftState shift, std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) override;
    // An editor's view info shows the editor's picture; a cell's reads the value into a picture of its own.
    void ApplyDisplayValue(TuiCanvas& canvas, const rtl::Variant& value, TuiCustomEditViewInfo& viewInfo) override;
    TuiCustomImageProperties& ImageProperties() const { return static_cast<TuiCustomImageProperties&>(Properties()); }

    // Host fields of an image editor: its picture (not owned), its scroll offsets, and the client area its own scroll
    // bars leave (empty: the view info's).
    vcl::TPicture* EditorPicture = nullptr;
    int32_t HorzOffset = 0;
    int32_t VertOffset = 0;
    vcl::TRect VisibleArea;
    // Host field: the record whose value is shown, for the graphic class event.
    int32_t RecordIndex = -1;

protected:
    vcl::TSize GetContentSize(TuiCanvas& canvas, const rtl::Variant& value, const TuiEditSizeRequest& request) override;

private:
    void ApplyTransparency(vcl::TPicture& picture) const;
};

// Scales a length by numerator / denominator, rounded to the nearest integer, an exact half to the even one.
int32_t ScaleRoundedToEven(int32_t length, int32_t numerator, int32_t denominator);

} // namespace ui
