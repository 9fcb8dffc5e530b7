#pragma once
// TCustomPanel and TPanel: a container of controls with bevels: an outer bevel, a border of the panel's colour and an
// inner bevel, each raised, lowered or none, and its caption in the middle. The controls placed on it are laid out
// inside the bevels.

#include "vcl/controls/CustomControl.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <cstdint>

namespace vcl {

enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// A container with bevels and a caption.
class TCustomPanel : public TCustomControl {
    RTL_DECLARE_CLASS(TCustomPanel, TCustomControl)
public:
    explicit TCustomPanel(rtl::TComponent* owner);
    void Dispatch(TMessage& message) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int32_t BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int32_t value);
    // The band of the panel's colour between the two bevels.
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t value);
    // bsSingle gives the panel a sunken window edge.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

protected:
    void CreateParams(TCreateParams& params) override;
    void AdjustClientRect(TRect& rect) override;
    void Paint() override;

private:
    // The width of the bevels and the border together on each side.
    int32_t FrameWidth() const;
    // Stores a setting that changes the frame, then lays out the children and repaints.
    void SetFrameValue(auto& field, auto value);

    TAlignment FAlignment = taCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int32_t FBevelWidth = 1;
    int32_t FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
};

// The panel that forms place.
class TPanel : public TCustomPanel {
    RTL_DECLARE_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

} // namespace vcl
