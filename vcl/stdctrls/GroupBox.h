#pragma once
// TCustomGroupBox and TGroupBox: an etched frame with a caption in its top edge around a group of controls. The
// controls placed on it are laid out inside the frame, below the caption; its mnemonic focuses the first of them.

#include "vcl/controls/CustomControl.h"

namespace vcl {

// A framed, captioned container of controls.
class TCustomGroupBox : public TCustomControl {
    RTL_DECLARE_CLASS(TCustomGroupBox, TCustomControl)
public:
    explicit TCustomGroupBox(rtl::TComponent* owner);
    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& rect) override;

private:
    // The height of a line of the caption in the group box's font.
    int32_t CaptionHeight();
};

// The group box that forms place.
class TGroupBox : public TCustomGroupBox {
    RTL_DECLARE_CLASS(TGroupBox, TCustomGroupBox)
public:
    using TCustomGroupBox::TCustomGroupBox;
};

} // namespace vcl
