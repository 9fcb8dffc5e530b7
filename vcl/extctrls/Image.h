#pragma once
// TImage: a picture shown on a form (a graphic control). The picture sits at its own size in the top-left corner,
// in the middle (Center) or stretched over the whole control (Stretch); a transparent one lets the parent show
// where it is transparent (a bitmap's transparent colour). With AutoSize the control takes the picture's size.

#include "vcl/controls/GraphicControl.h"

#include <memory>

namespace vcl {

class TPicture;

// A control that shows a picture.
class TImage : public TGraphicControl {
    RTL_DECLARE_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(rtl::TComponent* owner);
    ~TImage() override;

    // The picture shown (owned); every change of it shows at once.
    TPicture& Picture() const { return *FPicture; }
    void SetPicture(const TPicture& value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Transparent() const { return FTransparent; }
    // Makes the picture transparent (or not); a picture assigned later follows.
    void SetTransparent(bool value);

protected:
    void Paint() override;
    // The picture's size, when there is a picture.
    bool CanAutoSize(int32_t& newWidth, int32_t& newHeight) override;

private:
    void SetOption(bool& option, bool value);
    void PictureChanged();
    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FApplyingTransparency = false;
};

} // namespace vcl
