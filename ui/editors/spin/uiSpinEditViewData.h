#pragma once
// TuiSpinEditViewData: lays out a spin editor's two or four buttons in their arrangement (up over down in one column
// as wide as an edit button; side by side, as wide as the arrows need; or down left of the text and up right of it),
// the fast buttons half as wide again, with the spin theme's parts when drawn natively. A button the keyboard holds
// down shows pressed, and the mouse presses none meanwhile.

#include "ui/editors/spin/uiSpinEditProperties.h"
#include "ui/editors/text/textedit/uiTextEditViewData.h"

#include <cstdint>

namespace ui {

class TuiSpinEditViewInfo;

class TuiSpinEditViewData : public TuiCustomTextEditViewData {
    RTL_DECLARE_CLASS(TuiSpinEditViewData, TuiCustomTextEditViewData)
public:
    TuiSpinEditViewData(TuiCustomSpinEditProperties& properties, TuiCustomEditStyle& style, bool isInplace)
        : TuiCustomTextEditViewData(properties, style, isInplace), FSpinProperties(properties) {}

    // The button the keyboard holds down: 0 none, else its index + 1.
    uint8_t KeyPressedButton = 0;

protected:
    bool CanPressButton(TuiCustomEditViewInfo& viewInfo, int32_t index) const override;
    bool IsButtonDown(TuiCustomEditViewInfo& viewInfo, int32_t index) const override;
    // The down button of the column keeps its width when buttons stretch.
    bool IsButtonWidthFixed(int32_t index) const override;
    void LayOutButtons(TuiCanvas& canvas, const vcl::TRect& bounds, TuiCustomEditViewInfo& viewInfo) override;
    // The layout chose the spin theme's part; the state follows the button's.
    void CalculateButtonNativeInfo(TuiEditButtonViewInfo& info) const override;

private:
    void PlaceButtons(TuiCanvas& canvas, const vcl::TRect& bounds, TuiSpinEditViewInfo& viewInfo);

    TuiCustomSpinEditProperties& FSpinProperties; // not owned
};

} // namespace ui
